// Loading the settings as a user meets it when the store is not what the program
// wrote: the end of the session while a start-up error box is up, a key with no
// values, positions that leave nothing of the window to grab, a key that may be read
// but not written, and a program folder named in another script.
// Every test starts without settings and leaves none.
#include <gtest/gtest.h>

#include <aclapi.h>

#include <filesystem>
#include <optional>
#include <string>

#include "FirstRunTest.h"

using namespace harness;

namespace {

using SettingsLoadE2E = HuetroveTest;

TEST_F(SettingsLoadE2E, TheSessionEndingWhileAStartUpErrorIsShownKeepsEveryStoredValue) {
    const std::string run = "\"C:\\Programs\\Huetrove\\Huetrove.exe\"";
    ASSERT_TRUE(
        StoreSettings({.activePS = "schXP", .minimizeClose = 0, .systemStartup = 1, .dblClickAction = "Picker"}));
    ASSERT_TRUE(WriteRegistryString(kSettingsKey, "WindowTop", "1"));  // unreadable as a number
    ASSERT_TRUE(WriteRegistryString(kRunKey, kRunValue, run));

    program.emplace(Process::Launch(ProgramPath()));
    auto box = WaitForMessageBox(program->Id(), 30s);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, "Invalid data type for 'WindowTop'");
    HWND application = box->owner;
    ASSERT_NE(application, nullptr);
    EXPECT_TRUE(EndSession(application));
    EXPECT_TRUE(program->WaitForExit(15s)) << "the end of the session did not end the program";

    EXPECT_EQ(StoredText("WindowTop"), "1");
    EXPECT_EQ(StoredNumber("WindowLeft"), 300u);
    EXPECT_EQ(StoredText("ActivePS"), "schXP");
    EXPECT_EQ(StoredNumber("MinimizeClose"), 0u);
    EXPECT_EQ(StoredNumber("SystemStartup"), 1u);
    EXPECT_EQ(StoredText("DblClickAction"), "Picker");
    EXPECT_EQ(ReadRegistryString(kRunKey, "Huetrove"), run);
}

TEST_F(SettingsLoadE2E, AKeyWithNoValuesIsReportedInOneBox) {
    ASSERT_TRUE(CreateRegistryKey(kSettingsKey));

    program.emplace(Process::Launch(ProgramPath()));
    auto box = WaitForMessageBox(program->Id(), 30s);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, kTitle);
    EXPECT_NE(box->icon, nullptr);
    EXPECT_EQ(box->text,
              "Failed to get data for 'WindowTop'\nFailed to get data for 'WindowLeft'\n"
              "Failed to get data for 'MinimizeClose'\nFailed to get data for 'SystemStartup'");
    ClickButton(box->buttons.at(0).window);

    HWND main = WaitForMainWindow(program->Id());
    ASSERT_NE(main, nullptr) << "start-up did not complete";
    EXPECT_TRUE(MessageBoxes(program->Id()).empty()) << "a second box followed";
    // Each bad value took its default: the first-run place (measured at the designed
    // height of 334 pixels; no chart is stored, so none shows), and closes hide to the tray.
    const RECT rc = WindowRect(main);
    EXPECT_EQ(rc.right, GetSystemMetrics(SM_CXSCREEN) - 15);
    EXPECT_EQ(rc.top, GetSystemMetrics(SM_CYSCREEN) - 334 - 35);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(main); }, 10s));
    EXPECT_TRUE(program->IsRunning());
}

struct StrandedPosition {
    int left;
    int top;
    const char* why;
};

class OutOfReach : public SettingsLoadE2E, public testing::WithParamInterface<StrandedPosition> {};

TEST_P(OutOfReach, TheWindowOpensWhereAFirstRunPutsItAndExitSavesThat) {
    ASSERT_TRUE(StoreSettings({.windowLeft = GetParam().left, .windowTop = GetParam().top}));
    Start();
    const RECT rc = WindowRect(app->main());
    EXPECT_EQ(rc.right, GetSystemMetrics(SM_CXSCREEN) - 15) << GetParam().why;
    EXPECT_EQ(rc.bottom, GetSystemMetrics(SM_CYSCREEN) - 83) << GetParam().why;

    ASSERT_TRUE(app->Exit());
    EXPECT_EQ(StoredNumber("WindowLeft"), static_cast<DWORD>(rc.left));
    EXPECT_EQ(StoredNumber("WindowTop"), static_cast<DWORD>(rc.top));
}

INSTANTIATE_TEST_SUITE_P(Positions,
                         OutOfReach,
                         testing::Values(StrandedPosition{500, -300, "wholly above the screen"},
                                         StrandedPosition{1279, 300, "one column left on the screen"}));

TEST_F(SettingsLoadE2E, APositionWithTheCaptionInReachIsKept) {
    // Most of the window is off the right edge, but 40 columns of its caption show.
    const int left = GetSystemMetrics(SM_CXSCREEN) - 40;
    ASSERT_TRUE(StoreSettings({.windowLeft = left}));
    Start();
    EXPECT_EQ(WindowRect(app->main()).left, left);
    EXPECT_EQ(WindowRect(app->main()).top, 200);
}

// A key that may be read but not written, as a policy sets one: only read access is
// granted to everyone, and the owner keeps the right to give full access back.
class ReadOnlyStore {
public:
    ReadOnlyStore() { ok_ = SetAccess(KEY_READ); }
    ~ReadOnlyStore() { SetAccess(KEY_ALL_ACCESS); }
    bool ok() const { return ok_; }

private:
    static bool SetAccess(DWORD rights) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
            return false;
        char everyone[] = "EVERYONE";
        EXPLICIT_ACCESS_A access{};
        access.grfAccessPermissions = rights;
        access.grfAccessMode = SET_ACCESS;
        access.grfInheritance = NO_INHERITANCE;
        access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
        access.Trustee.ptstrName = everyone;
        PACL acl = nullptr;
        bool done =
            SetEntriesInAclA(1, &access, nullptr, &acl) == ERROR_SUCCESS &&
            SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                            nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
        LocalFree(acl);
        RegCloseKey(key);
        return done;
    }
    bool ok_ = false;
};

bool KeyOpensForWriting() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

TEST_F(SettingsLoadE2E, AKeyThatMayOnlyBeReadLoadsWithoutErrors) {
    ASSERT_TRUE(StoreSettings({.activePS = "schXP"}));
    ReadOnlyStore readOnly;
    ASSERT_TRUE(readOnly.ok());
    if (KeyOpensForWriting())
        GTEST_SKIP() << "this system does not enforce a key's access list; the registry layer's own test covers it";

    Start();
    EXPECT_TRUE(MessageBoxes(app->process().Id()).empty());
    EXPECT_EQ(WindowRect(app->main()).left, 300);
    ASSERT_NE(app->ShownChart(), nullptr) << "no chart on show";
}

// The Run value holds the program's path as the system gives it, in UTF-16: from a
// folder named in another script it is written all the same, and starts the program.
TEST_F(SettingsLoadE2E, AProgramPathInAnotherScriptIsWrittenToTheRunValueAsItIs) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"\u0425\u0440\u043e\u043c\u0430";
    std::filesystem::create_directories(folder);
    const std::filesystem::path exe = folder / L"Huetrove.exe";
    ASSERT_TRUE(CopyFileW(std::filesystem::path(ProgramPath()).c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(StoreSettings({.minimizeClose = 0, .systemStartup = 1}));
    {
        Huetrove copy(folder.wstring(), exe.wstring());
        // Closes end the program here, and save first, the Run value included.
        PostMessageA(copy.main(), WM_CLOSE, 0, 0);
        if (!copy.process().WaitForExit(15s)) {
            const auto box = WaitForMessageBox(copy.ProcessId(), 0s);
            ADD_FAILURE() << "the program did not end: " << (box ? box->text : "no box");
        }
        EXPECT_TRUE(RunValueStarts(exe)) << "not the quoted program path";
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace
