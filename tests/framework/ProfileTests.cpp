// The registry profile functions against the real (Wine) registry.
#include "framework/Handles.h"
#include "framework/TestApp.h"

#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrvexTestCompany");
        app.SetRegistryKey(L"OrvexTestCompany");
        app.m_profileName = L"Product\\2.0";
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrvexTestCompany"); }
    CTestApp app;
};

TEST_F(ProfileTest, KeyPathIsMadeOfCompanyAndProfileName) {
    EXPECT_EQ(app.GetProfileKeyPath(), L"Software\\OrvexTestCompany\\Product\\2.0");
    ASSERT_TRUE(app.WriteProfileInt(L"Settings", L"Answer", 42));
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\OrvexTestCompany\\Product\\2.0\\Settings", 0,
                              KEY_READ, &key),
              ERROR_SUCCESS);
    fw::UniqueRegKey owner(key);
    DWORD type = 0, value = 0, size = sizeof(value);
    ASSERT_EQ(::RegQueryValueExW(key, L"Answer", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(value, 42u);
}

TEST_F(ProfileTest, SetRegistryKeyStartsTheProfileNameAsTheApplicationName) {
    CTestApp other;
    other.SetRegistryKey(L"OrvexTestCompany");
    EXPECT_EQ(other.m_profileName, other.m_appName);
}

TEST_F(ProfileTest, IntegersRoundTripIncludingNegativeAndMissingGiveTheDefault) {
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"Missing", 120), 120u);
    EXPECT_EQ(static_cast<int>(app.GetProfileInt(L"Nowhere", L"Missing", -5)), -5);
    ASSERT_TRUE(app.WriteProfileInt(L"Settings", L"Value", 0x0678));
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"Value", 0), 0x0678u);
    ASSERT_TRUE(app.WriteProfileInt(L"Settings", L"Negative", -1));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt(L"Settings", L"Negative", 0)), -1);
    ASSERT_TRUE(app.WriteProfileInt(L"Settings\\Nested", L"Deep", 3));
    EXPECT_EQ(app.GetProfileInt(L"Settings\\Nested", L"Deep", 0), 3u);
}

TEST_F(ProfileTest, BinaryRoundTripAndMissingValueReportsAbsent) {
    std::vector<BYTE> data;
    EXPECT_FALSE(app.GetProfileBinary(L"Settings", L"Blob", data));
    const BYTE blob[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0xFF};
    ASSERT_TRUE(app.WriteProfileBinary(L"Settings", L"Blob", blob, sizeof(blob)));
    ASSERT_TRUE(app.GetProfileBinary(L"Settings", L"Blob", data));
    EXPECT_EQ(data, std::vector<BYTE>(blob, blob + 16));
}

TEST_F(ProfileTest, ValueOfTheWrongTypeReadsAsAbsent) {
    fw::UniqueRegKey key;
    HKEY raw = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\OrvexTestCompany\\Product\\2.0\\Settings", 0,
                                nullptr, 0, KEY_WRITE, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    key.reset(raw);
    const wchar_t text[] = L"1656";
    ::RegSetValueExW(raw, L"HotKey", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    const BYTE three[3] = {1, 2, 3};
    ::RegSetValueExW(raw, L"Short", 0, REG_BINARY, three, 3);
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"HotKey", 120), 120u);
    std::vector<BYTE> data;
    EXPECT_FALSE(app.GetProfileBinary(L"Settings", L"HotKey", data));
    ASSERT_TRUE(app.GetProfileBinary(L"Settings", L"Short", data));
    EXPECT_EQ(data.size(), 3u); // the size is reported, so callers can reject it
}

} // namespace
