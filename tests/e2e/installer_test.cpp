// The setup program the way an administrator runs it: silently, for the current user,
// with no rights beyond the user's. What it puts where, that the installed program
// finds its own files, that the uninstaller takes away everything it added (and the
// settings only on request), and that neither pulls files from under a running program.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "HuetroveWindow.h"

using namespace e2e;
namespace fs = std::filesystem;

namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Huetrove";
constexpr const char* kProgramFiles[] = {"Huetrove.exe", "Help.chm", "license.txt", "cur.dat"};
constexpr Duration kSetupTimeout = 60s;

// A folder whose name no Western code page can hold (Cyrillic and Greek). /D= takes it
// last and unquoted, so it has no space.
const std::wstring kOtherScriptsFolder =
    L"C:\\\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B-\u03A9\u03BC\u03AD\u03B3\u03B1";

std::string SetupPath() {
    char value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableA("HUETROVE_SETUP", value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string("Huetrove-1.0-setup.exe");
}
std::wstring WideSetupPath() {
    wchar_t value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableW(L"HUETROVE_SETUP", value, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(value, length) : std::wstring(L"Huetrove-1.0-setup.exe");
}

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

std::string InstallDir() {
    return ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Huetrove";
}
std::string InstalledProgram() {
    return InstallDir() + "\\Huetrove.exe";
}
std::string Uninstaller() {
    return InstallDir() + "\\Uninstall.exe";
}
std::string ShortcutPath() {
    return ShellFolder(CSIDL_PROGRAMS) + "\\Huetrove.lnk";
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs a setup program to its end; its exit code, or nothing when it does not end.
template <typename Text>
std::optional<DWORD> RunToEnd(const Text& exe, const Text& arguments) {
    Process run = Process::Launch(exe, arguments);
    if (!run.WaitForExit(kSetupTimeout))
        return std::nullopt;
    return run.ExitCode();
}

std::optional<DWORD> Install(const std::string& options = {}) {
    return RunToEnd(SetupPath(), options.empty() ? "/S" : "/S " + options);
}

// Started plainly, the uninstaller copies itself to the temporary folder, starts the
// copy and returns at once, and the copy stays there until the next restart. Run in
// place (`_?=`, last and unquoted) it works to its end, returns its exit code, and
// leaves nothing but itself, which RemoveUninstaller then deletes.
std::optional<DWORD> Uninstall(const std::string& options = {}) {
    const std::string uninstaller = Uninstaller();
    return RunToEnd(uninstaller, "/S " + (options.empty() ? "" : options + " ") + "_?=" + InstallDir());
}

bool RemoveUninstaller() {
    // The system may hold the file a moment after its process ended.
    return WaitUntil(
        [] {
            std::error_code ignored;
            fs::remove(Uninstaller(), ignored);
            fs::remove(InstallDir(), ignored);  // only when empty
            return !fs::exists(InstallDir());
        },
        10s, 100ms);
}

struct Shortcut {
    std::string target;
    std::string workingDirectory;
};

std::optional<Shortcut> ReadShortcut(const std::string& path) {
    std::optional<Shortcut> result;
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring widePath(path.size() + 1, L'\0');
            widePath.resize(
                MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), static_cast<int>(widePath.size())));
            char target[MAX_PATH] = {};
            char directory[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(widePath.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                SUCCEEDED(link->GetWorkingDirectory(directory, MAX_PATH)))
                result = Shortcut{target, directory};
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return result;
}

// What a previous run that failed halfway may have left, removed the way the
// uninstaller would, so every case starts on a machine without Huetrove.
void RemoveAnyInstallation() {
    // Right after an install the shell may still hold the new folder for a moment.
    EXPECT_TRUE(WaitUntil(
        [] {
            std::error_code ignored;
            fs::remove_all(InstallDir(), ignored);
            return !fs::exists(InstallDir());
        },
        10s, 100ms))
        << "cannot remove " << InstallDir();
    std::error_code ignored;
    fs::remove_all(fs::path(kOtherScriptsFolder), ignored);
    fs::remove(ShortcutPath(), ignored);
    DeleteRegistryKey(kUninstallKey);
    RemoveAllSettings();
}

// After an uninstall: nothing of the installation is left.
void ExpectInstallationGone() {
    std::vector<std::string> left = FilesIn(InstallDir());
    std::erase(left, "Uninstall.exe");  // in place, it cannot delete itself
    EXPECT_TRUE(left.empty()) << "left in the install folder: " << testing::PrintToString(left);
    EXPECT_TRUE(RemoveUninstaller()) << "the install folder stays: " << testing::PrintToString(FilesIn(InstallDir()));
    EXPECT_FALSE(fs::exists(ShortcutPath()));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
}

HWND RunningApplicationWindow() {
    return FindWindowA("fwApplication", "Huetrove v1.0");
}

// Over the chart the picking cursor from cur.dat, not the arrow of the background.
void ExpectThePickingCursorOverTheChart(const Huetrove& app) {
    BringToForeground(app.main());
    const HCURSOR arrow = CursorAt(ClientToScreenPoint(app.main(), POINT{5, 50}));
    HWND chart = ShownChartOf(app.main());
    ASSERT_NE(chart, nullptr);
    const HCURSOR overChart = CursorAt(CenterOf(WindowRect(chart)));
    ASSERT_NE(arrow, nullptr);
    EXPECT_NE(overChart, arrow) << "the picking cursor did not load";
}

// A child of a dialog by its text.
HWND ControlOf(HWND dialog, const std::string& text) {
    for (HWND child : ChildWindows(dialog)) {
        if (WindowText(child) == text)
            return child;
    }
    return nullptr;
}

class Installer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(RunningApplicationWindow()) << "another Huetrove runs in this session";
        RemoveAnyInstallation();
    }
    void TearDown() override { RemoveAnyInstallation(); }
};

}  // namespace

TEST_F(Installer, SilentInstallPutsTheProgramInTheUsersOwnProgramsFolder) {
    ASSERT_EQ(Install(), 0u);

    for (const char* name : kProgramFiles)
        EXPECT_TRUE(fs::is_regular_file(InstallDir() + "\\" + name)) << name;
    EXPECT_TRUE(fs::is_regular_file(Uninstaller()));

    const auto shortcut = ReadShortcut(ShortcutPath());
    ASSERT_TRUE(shortcut.has_value()) << "no Start-menu shortcut at " << ShortcutPath();
    EXPECT_TRUE(SamePath(shortcut->target, InstalledProgram())) << shortcut->target;
    EXPECT_TRUE(SamePath(shortcut->workingDirectory, InstallDir())) << shortcut->workingDirectory;

    EXPECT_EQ(ReadRegistryString(kUninstallKey, "DisplayName"), "Huetrove");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "DisplayVersion"), "1.0");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "Publisher"), "Brightquill");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "DisplayIcon"), InstalledProgram() + ",0");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "InstallLocation"), InstallDir());
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "UninstallString"), "\"" + Uninstaller() + "\"");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "QuietUninstallString"), "\"" + Uninstaller() + "\" /S");
    EXPECT_EQ(ReadRegistryDword(kUninstallKey, "NoModify"), 1u);
    EXPECT_EQ(ReadRegistryDword(kUninstallKey, "NoRepair"), 1u);
    // In kilobytes: at least the program itself.
    const auto size = ReadRegistryDword(kUninstallKey, "EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_GE(*size, fs::file_size(InstalledProgram()) / 1024);
}

TEST_F(Installer, InstallsIntoTheFolderGivenOnTheCommandLine) {
    ScratchDirectory chosen;
    const std::string dir = chosen.Path() + "\\Colour Tools";  // /D= takes the rest of the line, spaces and all
    ASSERT_EQ(Install("/D=" + dir), 0u);
    for (const char* name : kProgramFiles)
        EXPECT_TRUE(fs::is_regular_file(dir + "\\" + name)) << name;
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "InstallLocation"), dir);
    EXPECT_FALSE(fs::exists(InstallDir()));
    // The scratch folder goes with everything in it; the keys go in TearDown.
}

TEST_F(Installer, InstalledProgramFindsItsFilesWhenStartedFromElsewhere) {
    ASSERT_EQ(Install(), 0u);
    ScratchDirectory elsewhere;  // holds none of the companion files
    Huetrove app(elsewhere.Path(), InstalledProgram());
    ExpectThePickingCursorOverTheChart(app);
    // Help opens the help file, with no report of a missing one.
    ExpectHelpOpens(app);
}

TEST_F(Installer, InAFolderNamedInOtherScriptsTheProgramFindsItsFilesAndEntersItsRealPath) {
    const std::wstring dir = kOtherScriptsFolder + L"\\Huetrove";
    const std::wstring exe = dir + L"\\Huetrove.exe";
    ASSERT_EQ(RunToEnd(WideSetupPath(), L"/S /D=" + dir), 0u);
    {
        ScratchDirectory elsewhere;  // holds none of the companion files
        Huetrove app(elsewhere.WidePath(), exe);
        const DWORD id = app.ProcessId();
        ExpectThePickingCursorOverTheChart(app);

        // Wine's help viewer reads its command line in the code page, and could open no
        // file of this folder: the text viewer shows that the shell was handed the file.
        {
            const OpenInTheTextViewer help(".chm");
            const auto viewer = [] { return FindWindowOfClass("Notepad", "Help.chm"); };
            app.PressUntil("Ctrl+H opens Help.chm", {VK_CONTROL, 'H'}, [&] { return viewer() != nullptr; },
                           {.deadline = 10s, .attempts = 2});
            EXPECT_NE(viewer(), nullptr) << "Help opened nothing";
            EXPECT_TRUE(MessageBoxes(id).empty()) << "Help reported a problem";
            if (viewer())
                CloseViewer(viewer());
            for (const MessageBoxInfo& box : MessageBoxes(id))
                AnswerMessageBox(box.window, box.buttons.at(0).window);
        }

        {
            const OpenInTheTextViewer licence(".txt");
            const auto about = [&] { return FindTopLevelWindow(id, {.caption = " About ...", .visibleOnly = true}); };
            ASSERT_TRUE(app.MenuCommand('H', 'A', "Help > About opens the About window", [&] { return about(); }));
            HWND link = ControlOf(about(), "License Agreement");
            const auto viewer = [] { return FindWindowOfClass("Notepad", "license.txt"); };
            ClickUntil("a click on the licence link opens it", CenterOf(WindowRect(link)),
                       [&] { return viewer() != nullptr; }, link, MouseButton::Left, {.deadline = 10s, .attempts = 2});
            EXPECT_NE(viewer(), nullptr) << "the licence link opened nothing";
            if (viewer())
                CloseViewer(viewer());
            EXPECT_TRUE(PressUntil("Escape closes the About window", about(), {VK_ESCAPE}, [&] { return !about(); }));
        }

        const auto preferences = [&] {
            return FindTopLevelWindow(id, {.caption = " Preferences ...", .visibleOnly = true});
        };
        ASSERT_TRUE(app.PressUntil("Ctrl+O opens Preferences", {VK_CONTROL, 'O'}, [&] { return preferences(); }));
        HWND dialog = preferences();
        HWND startup = ControlOf(dialog, "Launch on system startup");
        ASSERT_TRUE(ClickButtonUntil("Launch on system startup is ticked", startup,
                                     [&] { return SendMessageA(startup, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
        ASSERT_TRUE(ClickButtonUntil("Ok closes Preferences", ControlOf(dialog, "&Ok"), [&] { return !preferences(); }));
        const std::wstring runKey(kRunKey, kRunKey + sizeof kRunKey - 1);
        std::optional<std::wstring> run;
        EXPECT_TRUE(WaitUntil([&] { return (run = ReadRegistryWideString(runKey, L"Huetrove")).has_value(); }, 10s))
            << "no Run value; the program reports: "
            << (MessageBoxes(id).empty() ? std::string("nothing") : MessageBoxes(id)[0].text);
        EXPECT_TRUE(run && lstrcmpiW(run->c_str(), (L"\"" + exe + L"\"").c_str()) == 0) << "not the quoted program path";
    }
    // The uninstaller knows the entry of its own program by that path too.
    ASSERT_TRUE(WaitUntil([] { return RunningApplicationWindow() == nullptr; }, 10s));
    ASSERT_EQ(RunToEnd(dir + L"\\Uninstall.exe", L"/S _?=" + dir), 0u);
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
}

TEST_F(Installer, UninstallRemovesWhatItAddedAndTheSettingsOnlyOnRequest) {
    ASSERT_EQ(Install(), 0u);
    // What the program writes itself: its settings, and the Run entry when it starts with the system.
    ASSERT_TRUE(WriteRegistryString(kRunKey, "Huetrove", InstalledProgram()));
    ASSERT_TRUE(WriteRegistryDword(kSettingsKey, "MinimizeClose", 0));

    ASSERT_EQ(Uninstall(), 0u);
    ExpectInstallationGone();
    EXPECT_EQ(ReadRegistryDword(kSettingsKey, "MinimizeClose"), 0u) << "settings stay unless asked for";

    ASSERT_EQ(Install(), 0u);
    ASSERT_EQ(Uninstall("/REMOVESETTINGS"), 0u);
    ExpectInstallationGone();
    EXPECT_FALSE(RegistryKeyExists(kSettingsKey));
    EXPECT_FALSE(RegistryKeyExists(kMakerKey)) << "the maker's key goes when nothing else is in it";
}

TEST_F(Installer, UninstallRemovesTheStartEntryOnlyWhenItNamesThisInstallation) {
    // Another copy's entry, a portable one's, is that copy's.
    ScratchDirectory portable;
    const std::string otherCopy = "\"" + portable.Path() + "\\Huetrove.exe\"";
    ASSERT_EQ(Install(), 0u);
    ASSERT_TRUE(WriteRegistryString(kRunKey, "Huetrove", otherCopy));
    ASSERT_EQ(Uninstall(), 0u);
    EXPECT_EQ(ReadRegistryString(kRunKey, "Huetrove"), otherCopy);
    EXPECT_TRUE(RemoveUninstaller());

    // This installation's, quoted as the program writes it, whatever the case of its letters.
    std::string own = "\"" + InstalledProgram() + "\"";
    CharUpperA(own.data());
    ASSERT_EQ(Install(), 0u);
    ASSERT_TRUE(WriteRegistryString(kRunKey, "Huetrove", own));
    ASSERT_EQ(Uninstall(), 0u);
    ExpectInstallationGone();
}

TEST_F(Installer, RemovingTheSettingsKeepsTheMakersOtherKeys) {
    const std::string otherProduct = std::string(kMakerKey) + "\\Other";
    ASSERT_EQ(Install(), 0u);
    ASSERT_TRUE(WriteRegistryDword(kSettingsKey, "MinimizeClose", 1));
    ASSERT_TRUE(WriteRegistryDword(otherProduct, "Kept", 1));

    ASSERT_EQ(Uninstall("/REMOVESETTINGS"), 0u);
    ExpectInstallationGone();
    EXPECT_FALSE(RegistryKeyExists(kSettingsKey));
    EXPECT_EQ(ReadRegistryDword(otherProduct, "Kept"), 1u);
}

TEST_F(Installer, NothingIsReplacedOrRemovedWhileTheProgramRuns) {
    ASSERT_EQ(Install(), 0u);
    {
        ScratchDirectory elsewhere;
        Huetrove app(elsewhere.Path(), InstalledProgram());

        const auto uninstall = Uninstall();
        ASSERT_TRUE(uninstall.has_value()) << "the uninstaller waits for an answer no one can give";
        EXPECT_NE(*uninstall, 0u);
        const auto reinstall = Install();
        ASSERT_TRUE(reinstall.has_value());
        EXPECT_NE(*reinstall, 0u);

        EXPECT_TRUE(app.process().IsRunning());
        for (const char* name : kProgramFiles)
            EXPECT_TRUE(fs::is_regular_file(InstallDir() + "\\" + name)) << name;
        EXPECT_TRUE(fs::is_regular_file(Uninstaller()));
        EXPECT_TRUE(fs::exists(ShortcutPath()));
        EXPECT_TRUE(RegistryKeyExists(kUninstallKey));
    }
    // Once it has ended, the same command goes through.
    ASSERT_TRUE(WaitUntil([] { return RunningApplicationWindow() == nullptr; }, 10s));
    ASSERT_EQ(Uninstall(), 0u);
    ExpectInstallationGone();
}

TEST_F(Installer, UninstallStartedAsWindowsStartsItLeavesNoFileOfTheProgram) {
    ASSERT_EQ(Install(), 0u);
    ASSERT_TRUE(WriteRegistryString(kRunKey, "Huetrove", InstalledProgram()));
    // As the list of installed programs runs it: the quiet command, which hands the work
    // to a copy in the temporary folder and returns at once.
    Process uninstaller = Process::Launch(Uninstaller(), "/S");
    ASSERT_TRUE(uninstaller.WaitForExit(kSetupTimeout));
    EXPECT_TRUE(WaitUntil([] { return !fs::exists(InstallDir()); }, kSetupTimeout, 100ms))
        << "left in the install folder: " << testing::PrintToString(FilesIn(InstallDir()));
    EXPECT_TRUE(WaitUntil([] { return !RegistryKeyExists(kUninstallKey); }, kSetupTimeout, 100ms));
    EXPECT_FALSE(fs::exists(ShortcutPath()));
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
}
