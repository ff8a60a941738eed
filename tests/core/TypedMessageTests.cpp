// A message as a user types it: by number, by header name or by registered name.
#include "common/TypedMessage.h"

#include <gtest/gtest.h>

namespace {

using orvex::ReadTypedMessage;
using orvex::TypedMessage;

TypedMessage Number(std::uint32_t number) {
    return {number, {}};
}

TEST(TypedMessage, NumbersAndHeaderNamesInAnyAsciiCase) {
    EXPECT_EQ(ReadTypedMessage(L"14"), Number(0x000E));
    EXPECT_EQ(ReadTypedMessage(L" 0x000e "), Number(0x000E));
    EXPECT_EQ(ReadTypedMessage(L"4294967295"), Number(0xFFFFFFFF)) << "the number syntax's wrap";
    EXPECT_EQ(ReadTypedMessage(L"WM_GETTEXTLENGTH"), Number(0x000E));
    EXPECT_EQ(ReadTypedMessage(L"\twm_GetTextLength "), Number(0x000E));
    EXPECT_EQ(ReadTypedMessage(L"EM_SETSEL"), Number(0x00B1)) << "a control's own message";
    EXPECT_EQ(ReadTypedMessage(L"lvm_insertitemw"), Number(0x104D));
}

TEST(TypedMessage, ARegisteredNameInDoubleQuotesIsKeptAsTyped) {
    EXPECT_EQ(ReadTypedMessage(L"\"MyRegisteredMessage\""), (TypedMessage{0, L"MyRegisteredMessage"}));
    EXPECT_EQ(ReadTypedMessage(L" \"Two words \" "), (TypedMessage{0, L"Two words "}));
    EXPECT_EQ(ReadTypedMessage(L"\"WM_NULL\""), (TypedMessage{0, L"WM_NULL"})) << "quoted is registered";
}

TEST(TypedMessage, AnythingElseIsRefused) {
    for (const wchar_t* text :
         {L"", L"   ", L"-1", L"+5", L"0x1G", L"1 2", L"WM_NOSUCHTHING", L"WM_GETTEXTLENGTH2", L"WM_KEYFIRST",
          L"WM_USER+1", L"\"\"", L"\"", L"\"a\"b\"", L"\"open", L"MyMessage"})
        EXPECT_EQ(ReadTypedMessage(text), std::nullopt) << testing::PrintToString(std::wstring(text));
}

} // namespace
