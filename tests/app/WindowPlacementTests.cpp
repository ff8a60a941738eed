// The main window's placement: its registry record, and how the dialog restores and saves it.
#include "harness/TestText.h"
#include "maindlg/MainDialogFixture.h"

#include "maindlg/SettingsStore.h"

#include <cstdio>
#include <cstring>

namespace {

using harness::Describe;
using harness::SameRect;

using maindlg_test::MainDialogTest;
using maindlg_test::ReadProfileBinary;
using maindlg_test::ReadProfileDword;
using maindlg_test::WriteProfileBinary;
using maindlg_test::WriteProfileDword;

constexpr wchar_t kSection[] = L"Settings\\WindowPlacement";

WINDOWPLACEMENT PlacementOf(HWND hwnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(hwnd, &placement);
    return placement;
}

// ---------------------------------------------------------------------------------------------
// The record

class PlacementRecordTest : public MainDialogTest {};

TEST_F(PlacementRecordTest, FlagsAndShowCommandWithoutARectangleAreNoPlacement) {
    ASSERT_TRUE(WriteProfileDword(kSection, L"Flags", 0));
    ASSERT_TRUE(WriteProfileDword(kSection, L"ShowCmd", 3));
    EXPECT_FALSE(LoadWindowPlacement());
}

TEST_F(PlacementRecordTest, RectangleOfAnyOtherSizeCountsAsAbsent) {
    const BYTE data[20] = {10, 0, 0, 0, 20, 0, 0, 0, 30, 0, 0, 0, 40, 0, 0, 0, 50, 0, 0, 0};
    for (DWORD size : {0u, 4u, 12u, 15u, 17u, 20u}) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(WriteProfileBinary(kSection, L"MainWindowRect", data, size));
        EXPECT_FALSE(LoadWindowPlacement());
    }
}

TEST_F(PlacementRecordTest, RectangleAloneReadsWithDefaultFlagsAndShowCommand) {
    const RECT stored{-20, 35, 700, 480};
    ASSERT_TRUE(WriteProfileBinary(kSection, L"MainWindowRect", &stored, sizeof(stored)));
    const std::optional<StoredWindowPlacement> loaded = LoadWindowPlacement();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(SameRect(loaded->rect, stored)) << Describe(loaded->rect);
    EXPECT_EQ(loaded->flags, 0);
    EXPECT_EQ(loaded->showCmd, 1);
}

TEST_F(PlacementRecordTest, SavedRecordHasItsThreeValuesAndReadsBack) {
    const RECT saved{-8, -8, 1288, 1000};
    ASSERT_TRUE(SaveWindowPlacement({saved, 0, 3}));
    const auto bytes = ReadProfileBinary(kSection, L"MainWindowRect");
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(bytes->size(), 16u);
    RECT raw{};
    std::memcpy(&raw, bytes->data(), 16); // four little-endian 32-bit integers
    EXPECT_TRUE(SameRect(raw, saved)) << Describe(raw);
    EXPECT_EQ(ReadProfileDword(kSection, L"Flags"), 0u);
    EXPECT_EQ(ReadProfileDword(kSection, L"ShowCmd"), 3u);

    const std::optional<StoredWindowPlacement> loaded = LoadWindowPlacement();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(SameRect(loaded->rect, saved));
    EXPECT_EQ(loaded->flags, 0);
    EXPECT_EQ(loaded->showCmd, 3);
}

// ---------------------------------------------------------------------------------------------
// Restoring at start, saving at the end

class DialogPlacementTest : public MainDialogTest {
protected:
    // The dialog's placement when nothing is stored: the template's own.
    RECT TemplateRect() {
        EXPECT_TRUE(OpenDialog());
        const RECT rect = PlacementOf(Main()).rcNormalPosition;
        CloseDialog();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, maindlg_test::kTestCompanyKey);
        return rect;
    }
    void StoreRect(const RECT& rect) {
        ASSERT_TRUE(WriteProfileBinary(kSection, L"MainWindowRect", &rect, sizeof(rect)));
    }
};

TEST_F(DialogPlacementTest, StoredNormalPlacementIsRestored) {
    const RECT stored{40, 60, 740, 560};
    StoreRect(stored);
    ASSERT_TRUE(WriteProfileDword(kSection, L"ShowCmd", 1));
    ASSERT_TRUE(OpenDialog());
    const WINDOWPLACEMENT placement = PlacementOf(Main());
    EXPECT_TRUE(SameRect(placement.rcNormalPosition, stored)) << Describe(placement.rcNormalPosition);
    EXPECT_FALSE(::IsZoomed(Main()));
    EXPECT_FALSE(::IsIconic(Main()));
}

TEST_F(DialogPlacementTest, AnyShowCommandButMaximisedOpensInTheNormalState) {
    const RECT stored{50, 70, 650, 470};
    for (DWORD showCmd : {0u, 2u, 6u, 7u, 99u}) {
        SCOPED_TRACE(showCmd);
        StoreRect(stored);
        ASSERT_TRUE(WriteProfileDword(kSection, L"ShowCmd", showCmd));
        ASSERT_TRUE(OpenDialog());
        EXPECT_FALSE(::IsIconic(Main()));
        EXPECT_FALSE(::IsZoomed(Main()));
        EXPECT_TRUE(::IsWindowVisible(Main()));
        const RECT now = PlacementOf(Main()).rcNormalPosition;
        EXPECT_TRUE(SameRect(now, stored)) << Describe(now);
    }
}

TEST_F(DialogPlacementTest, StoredMaximisedOpensMaximisedKeepingTheNormalRectangle) {
    const RECT stored{30, 40, 630, 440};
    StoreRect(stored);
    ASSERT_TRUE(WriteProfileDword(kSection, L"ShowCmd", 3));
    ASSERT_TRUE(OpenDialog());
    EXPECT_TRUE(::IsZoomed(Main()));
    const RECT now = PlacementOf(Main()).rcNormalPosition;
    EXPECT_TRUE(SameRect(now, stored)) << Describe(now);

    // Restoring it gives back the stored rectangle.
    ::SendMessageW(Main(), WM_SYSCOMMAND, SC_RESTORE, 0);
    harness::PumpMessages();
    EXPECT_FALSE(::IsZoomed(Main()));
    RECT restored{};
    ::GetWindowRect(Main(), &restored);
    EXPECT_TRUE(SameRect(restored, stored)) << Describe(restored);
}

TEST_F(DialogPlacementTest, RectangleOfTheWrongSizeOpensAtTheTemplatePlace) {
    const RECT expected = TemplateRect();
    const BYTE shortRect[12] = {100, 0, 0, 0, 100, 0, 0, 0, 200, 1, 0, 0};
    ASSERT_TRUE(WriteProfileBinary(kSection, L"MainWindowRect", shortRect, sizeof(shortRect)));
    ASSERT_TRUE(WriteProfileDword(kSection, L"ShowCmd", 3));
    ASSERT_TRUE(OpenDialog());
    EXPECT_FALSE(::IsZoomed(Main())) << "ShowCmd is not read without a usable rectangle";
    const RECT now = PlacementOf(Main()).rcNormalPosition;
    EXPECT_TRUE(SameRect(now, expected)) << Describe(now) << " vs " << Describe(expected);
}

TEST_F(DialogPlacementTest, ClosingSavesTheNormalRectangleWithFlagsZero) {
    ASSERT_TRUE(OpenDialog());
    ::SetWindowPos(Main(), nullptr, 33, 44, 555, 366, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT normal = PlacementOf(Main()).rcNormalPosition;
    CloseDialog();
    const auto bytes = ReadProfileBinary(kSection, L"MainWindowRect");
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(bytes->size(), 16u);
    RECT saved{};
    std::memcpy(&saved, bytes->data(), 16);
    EXPECT_TRUE(SameRect(saved, normal)) << Describe(saved);
    EXPECT_EQ(ReadProfileDword(kSection, L"Flags"), 0u);
    EXPECT_EQ(ReadProfileDword(kSection, L"ShowCmd"), 1u);
}

TEST_F(DialogPlacementTest, MaximisedIsSavedAsThreeAndMinimisedAsOne) {
    struct Case {
        int command;
        DWORD saved;
    };
    for (const Case c : {Case{SW_MAXIMIZE, 3}, Case{SW_MINIMIZE, 1}, Case{SW_SHOWMINNOACTIVE, 1}}) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(OpenDialog());
        ::SetWindowPos(Main(), nullptr, 20, 30, 520, 330, SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT normal = PlacementOf(Main()).rcNormalPosition;
        ::ShowWindow(Main(), c.command);
        harness::PumpMessages();
        CloseDialog();
        EXPECT_EQ(ReadProfileDword(kSection, L"ShowCmd"), c.saved);
        EXPECT_EQ(ReadProfileDword(kSection, L"Flags"), 0u);
        const auto bytes = ReadProfileBinary(kSection, L"MainWindowRect");
        ASSERT_TRUE(bytes.has_value());
        RECT saved{};
        std::memcpy(&saved, bytes->data(), 16);
        EXPECT_TRUE(SameRect(saved, normal)) << "the normal rectangle is kept: " << Describe(saved);
    }
}

} // namespace
