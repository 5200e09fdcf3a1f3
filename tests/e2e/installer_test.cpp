// The setup program the way an administrator runs it: silently, for the current user,
// with no rights beyond the user's, and the way a user clicks through it. What it puts
// where, that the installed program finds its own files, that the uninstaller takes away
// everything it added (and the settings only on request), that both close a running copy
// of any version the way Exit does, and that a run which cannot finish changes nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "HuetroveDriver.h"

using namespace harness;
namespace fs = std::filesystem;

namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Huetrove";
constexpr const char* kProgramFiles[] = {"Huetrove.exe", "Help.chm", "license.txt", "cur.dat"};
constexpr Duration kSetupTimeout = 60s;
// The program's web page, "Huetrove online ..." in its Help menu.
constexpr char kWebPage[] = "https://brightquill.github.io/huetrove/";

// A folder whose name no Western code page can hold (Cyrillic and Greek). /D= takes it
// last and unquoted, so it has no space.
const std::wstring kOtherScriptsFolder =
    L"C:\\\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B-\u03A9\u03BC\u03AD\u03B3\u03B1";

// The setup of this build, and one of a later version (9.9) whose four files each end with kMark.
const std::wstring kSetup = EnvironmentOr(L"HUETROVE_SETUP", L"Huetrove-1.0-setup.exe");
const std::string kMarkedSetup = EnvironmentOr("HUETROVE_MARKED_SETUP", "Huetrove-9.9-marked-setup.exe");
constexpr char kMark[] = "huetrove-marked-9.9";

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

const std::string kInstallDir = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Huetrove";
const std::string kInstalledProgram = kInstallDir + "\\Huetrove.exe";
const std::string kUninstaller = kInstallDir + "\\Uninstall.exe";
const std::string kShortcut = ShellFolder(CSIDL_PROGRAMS) + "\\Huetrove.lnk";

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What an installation is, to tell whether a run changed it: every file of the install
// folder with its bytes, and the uninstall entry with its values.
struct Installation {
    std::map<std::string, std::string> files;
    std::map<std::string, std::string> entry;
    bool operator==(const Installation&) const = default;
};

Installation CurrentInstallation() {
    Installation now;
    for (const std::string& name : FilesIn(kInstallDir))
        now.files[name] = FileText(kInstallDir + "\\" + name);
    for (const auto& [name, value] : RegistryValues(kUninstallKey))
        now.entry[name] = value.Bytes();
    return now;
}

// Every file and the uninstall entry are the marked setup's, and nothing else is left.
void ExpectTheMarkedInstallation(const Installation& before) {
    Installation now = CurrentInstallation();
    EXPECT_EQ(FilesIn(kInstallDir),
              (std::vector<std::string>{"Help.chm", "Huetrove.exe", "Uninstall.exe", "cur.dat", "license.txt"}));
    for (const char* name : kProgramFiles)
        EXPECT_TRUE(now.files[name].ends_with(kMark)) << name << " is not the new one";
    EXPECT_TRUE(now.files.count("Uninstall.exe") && now.files.at("Uninstall.exe") != before.files.at("Uninstall.exe"))
        << "Uninstall.exe is not the new one";
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "DisplayVersion"), "9.9");
}

// The settings that Exit saves, there only because the program ended as Exit ends it: the
// program started on a first run, and nothing else wrote them.
void ExpectTheSettingsSavedAt(const RECT& window) {
    EXPECT_EQ(ReadRegistryDword(kSettingsKey, "WindowLeft"), static_cast<DWORD>(window.left));
    EXPECT_EQ(ReadRegistryDword(kSettingsKey, "WindowTop"), static_cast<DWORD>(window.top));
    EXPECT_EQ(ReadRegistryString(kSettingsKey, "ActivePS"), "palWeb");
}

// Holds a file open as another program may: with no sharing, no one else may open it,
// rename it or delete it; sharing reading and writing, others may write it but not rename
// or delete it.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD sharing)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

std::optional<DWORD> Install(const std::wstring& options = {}) {
    return RunToEnd(kSetup, options.empty() ? L"/S" : L"/S " + options, kSetupTimeout);
}

// Uninstall.exe runs the uninstaller from the temporary folder on the folder that `_?=`
// (last and unquoted, as NSIS has it) names, or else on its own, and returns its exit
// code. Its own file, and with it the folder, go a moment after it ends, when the
// uninstall went through; RemoveUninstaller waits for that.
std::optional<DWORD> Uninstall(const std::string& options = {}) {
    return RunToEnd(kUninstaller, "/S " + (options.empty() ? "" : options + " ") + "_?=" + kInstallDir,
                    kSetupTimeout);
}

bool RemoveUninstaller() {
    // The system may hold the file a moment after its process ended.
    return WaitUntil(
        [] {
            std::error_code ignored;
            fs::remove(kUninstaller, ignored);
            fs::remove(kInstallDir, ignored);  // only when empty
            return !fs::exists(kInstallDir);
        },
        10s, 100ms);
}

// What a user sees of an interactive run: its message boxes, and its exit code.
struct InteractiveRun {
    std::optional<DWORD> exitCode;
    std::vector<MessageBoxInfo> boxes;
};

// The frame in which a setup program's wizard shows its pages.
constexpr int kPageFrame = 1018;

// The dialogs of a process and of those it started: Uninstall.exe shows nothing itself,
// the uninstaller it runs shows the wizard.
std::vector<HWND> DialogsOf(DWORD id) {
    std::vector<DWORD> ids{id};
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
            if (entry.th32ParentProcessID == id)
                ids.push_back(entry.th32ProcessID);
        CloseHandle(snapshot);
    }
    std::vector<HWND> dialogs;
    for (DWORD each : ids)
        for (HWND dialog : TopLevelWindows(each, {.className = "#32770", .visibleOnly = true}))
            dialogs.push_back(dialog);
    return dialogs;
}

// Plays the user of a setup program or an uninstaller: the forward button of every page,
// "Run Huetrove" unticked on the last page, and `answer` (a button id) for each message box.
InteractiveRun RunInteractively(const std::string& exe, const std::string& arguments,
                                const std::function<int(const MessageBoxInfo&)>& answer) {
    Process run = Process::Launch(exe, arguments);
    InteractiveRun result;
    std::set<HWND> answered;
    std::set<HWND> pagesDone;
    const auto step = [&] {
        for (HWND dialog : DialogsOf(run.Id())) {
            // The wizard holds its pages in a frame (control 1018) from the moment it shows; a
            // message box has none.
            if (!GetDlgItem(dialog, kPageFrame)) {
                if (answered.insert(dialog).second) {
                    const MessageBoxInfo box = ReadMessageBox(dialog);
                    result.boxes.push_back(box);
                    const DialogButton* button = box.ButtonById(answer(box));
                    ClickButton(button ? button->window : box.buttons.at(0).window);
                }
                continue;
            }
            const std::vector<HWND> pages = ChildWindows(dialog, "#32770");
            if (!IsWindowEnabled(dialog) || pages.empty())
                continue;  // a message box is up, or the first page is still to come
            HWND page = pages.front();
            HWND forward = GetDlgItem(dialog, IDOK);
            if (pagesDone.count(page) || !forward || !IsWindowEnabled(forward) || !IsVisible(forward))
                continue;
            // The page of the progress bar moves on by itself, unless it is the last one.
            if (!ChildWindows(page, "msctls_progress32").empty() && WindowText(forward) != "&Close")
                continue;
            for (HWND box : ChildWindows(page, "Button")) {
                if (WindowText(box).find("Run Huetrove") != std::string::npos &&
                    SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
            }
            pagesDone.insert(page);
            ClickButton(forward);
        }
        return !run.IsRunning();
    };
    if (WaitUntil(step, kSetupTimeout, 100ms))
        result.exitCode = run.ExitCode();
    return result;
}

std::string TextsOf(const std::vector<MessageBoxInfo>& boxes) {
    std::string texts;
    for (const MessageBoxInfo& box : boxes)
        texts += "\n  \"" + box.text + "\"";
    return texts.empty() ? "none" : texts;
}

bool MentionsRunning(const MessageBoxInfo& box) {
    return box.text.find("Huetrove is running") != std::string::npos;
}

constexpr const char* kVersionStrings[] = {"FileVersion", "ProductVersion", "LegalCopyright", "CompanyName",
                                           "ProductName"};

// The version resource of a file: its fixed numbers and its English (US) strings.
struct VersionInfo {
    std::pair<DWORD, DWORD> fileVersion;
    std::pair<DWORD, DWORD> productVersion;
    std::map<std::string, std::string> strings;
};

std::optional<VersionInfo> ReadVersionInfo(const std::wstring& path) {
    DWORD ignored = 0;
    std::vector<BYTE> data(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    if (data.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()))
        return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) || !fixed)
        return std::nullopt;
    VersionInfo info{{fixed->dwFileVersionMS, fixed->dwFileVersionLS},
                     {fixed->dwProductVersionMS, fixed->dwProductVersionLS},
                     {}};
    for (const char* name : kVersionStrings) {
        const std::wstring query = L"\\StringFileInfo\\040904b0\\" + fs::path(name).wstring();
        wchar_t* text = nullptr;
        if (VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&text), &size) && text)
            info.strings[name] = fs::path(text).string();
    }
    return info;
}

// The 32-bit images of a module's first icon group, as the shell picks among them: their
// size in pixels, and whether that image is kept as PNG.
std::map<int, bool> IconImages(HMODULE file) {
    // The group lists each image by the id of its RT_ICON resource.
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    // Groups come sorted by name, as the shell takes them; the first is the program's icon.
    std::string firstGroupName;
    EnumResourceNamesA(
        file, RT_GROUP_ICON,
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) -> BOOL {
            *reinterpret_cast<std::string*>(found) =
                IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
            return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&firstGroupName));
    std::map<int, bool> images;
    if (HRSRC group = FindResourceA(file, firstGroupName.c_str(), RT_GROUP_ICON)) {
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(file, group)));
        const WORD count = data ? reinterpret_cast<const WORD*>(data)[2] : 0;
        const auto* entries = reinterpret_cast<const GroupEntry*>(data + 6);
        for (WORD i = 0; i < count; ++i) {
            HRSRC image = FindResourceA(file, MAKEINTRESOURCEA(entries[i].id), RT_ICON);
            const BYTE* bytes = image ? static_cast<const BYTE*>(LockResource(LoadResource(file, image))) : nullptr;
            const bool png = bytes && SizeofResource(file, image) > 8 && memcmp(bytes, "\x89PNG\r\n\x1a\n", 8) == 0;
            if (entries[i].bitCount == 32)
                images[entries[i].width == 0 ? 256 : entries[i].width] = png;
        }
    }
    return images;
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
            char target[MAX_PATH] = {};
            char directory[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(fs::path(path).c_str(), STGM_READ)) &&
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
            fs::remove_all(kInstallDir, ignored);
            return !fs::exists(kInstallDir);
        },
        10s, 100ms))
        << "cannot remove " << kInstallDir;
    std::error_code ignored;
    fs::remove_all(fs::path(kOtherScriptsFolder), ignored);
    fs::remove(kShortcut, ignored);
    DeleteRegistryKey(kUninstallKey);
    RemoveAllSettings();
}

// After an uninstall: nothing of the installation is left.
void ExpectInstallationGone() {
    std::vector<std::string> left = FilesIn(kInstallDir);
    std::erase(left, "Uninstall.exe");  // it goes a moment after its run
    EXPECT_TRUE(left.empty()) << "left in the install folder: " << testing::PrintToString(left);
    EXPECT_TRUE(RemoveUninstaller()) << "the install folder stays: " << testing::PrintToString(FilesIn(kInstallDir));
    EXPECT_FALSE(fs::exists(kShortcut));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
}

HWND RunningApplicationWindow() {
    return FindWindowA("fwApplication", kTitle);
}

// Over the chart the picking cursor from cur.dat, not the arrow of the background.
void ExpectThePickingCursorOverTheChart(const Huetrove& app) {
    BringToForeground(app.main());
    const HCURSOR arrow = app.CursorOverBackground();
    ASSERT_NE(app.ShownChart(), nullptr);
    const HCURSOR overChart = app.CursorOverChart();
    ASSERT_NE(arrow, nullptr);
    EXPECT_NE(overChart, arrow) << "the picking cursor did not load";
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
        EXPECT_TRUE(fs::is_regular_file(kInstallDir + "\\" + name)) << name;
    EXPECT_TRUE(fs::is_regular_file(kUninstaller));

    const auto shortcut = ReadShortcut(kShortcut);
    ASSERT_TRUE(shortcut.has_value()) << "no Start-menu shortcut at " << kShortcut;
    // In any case, as the system compares paths.
    EXPECT_EQ(lstrcmpiA(shortcut->target.c_str(), kInstalledProgram.c_str()), 0) << shortcut->target;
    EXPECT_EQ(lstrcmpiA(shortcut->workingDirectory.c_str(), kInstallDir.c_str()), 0) << shortcut->workingDirectory;

    EXPECT_EQ(ReadRegistryString(kUninstallKey, "DisplayName"), "Huetrove");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "DisplayVersion"), "1.0");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "Publisher"), "Brightquill");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "DisplayIcon"), kInstalledProgram + ",0");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "InstallLocation"), kInstallDir);
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "UninstallString"), "\"" + kUninstaller + "\"");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "QuietUninstallString"), "\"" + kUninstaller + "\" /S");
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "URLInfoAbout"), kWebPage);
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "HelpLink"), kWebPage);
    EXPECT_EQ(ReadRegistryDword(kUninstallKey, "NoModify"), 1u);
    EXPECT_EQ(ReadRegistryDword(kUninstallKey, "NoRepair"), 1u);
    // In kilobytes: at least the program itself.
    const auto size = ReadRegistryDword(kUninstallKey, "EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_GE(*size, fs::file_size(kInstalledProgram) / 1024);
}

// The setup program says what it is as the program does: the same version, maker and copyright.
TEST_F(Installer, SetupCarriesTheProgramsVersionAndCopyright) {
    ASSERT_EQ(Install(), 0u);
    auto setup = ReadVersionInfo(kSetup);
    const auto program = ReadVersionInfo(fs::path(kInstalledProgram).wstring());
    ASSERT_TRUE(setup.has_value());
    ASSERT_TRUE(program.has_value());
    EXPECT_EQ(program->strings.at("FileVersion"), "1.0.0.0");
    EXPECT_EQ(program->strings.at("LegalCopyright"), "Copyright (c) 2026 Brightquill");
    for (const char* name : kVersionStrings)
        EXPECT_EQ(setup->strings[name], program->strings.at(name)) << name;
    EXPECT_EQ(setup->fileVersion, program->fileVersion);
    EXPECT_EQ(setup->productVersion, program->productVersion);
}

// The icon the entry names, the program's first, has an image for every size Explorer and
// the Start menu ask for, up to the 256 pixels of the large views, which is kept as PNG.
TEST_F(Installer, TheEntrysIconHasEverySizeTheShellShows) {
    ASSERT_EQ(Install(), 0u);
    ASSERT_EQ(ReadRegistryString(kUninstallKey, "DisplayIcon"), kInstalledProgram + ",0");
    HMODULE file =
        LoadLibraryExA(kInstalledProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(file, nullptr);
    std::map<int, bool> sizes = IconImages(file);
    for (int pixels : {16, 20, 24, 32, 40, 48, 64, 256})
        EXPECT_TRUE(sizes.count(pixels)) << "no 32-bit image of " << pixels << " pixels";
    EXPECT_TRUE(sizes.count(256) && sizes[256]) << "the 256-pixel image is not PNG";

    // Each size the system picks must decode, PNG images too, with colour where the gem is drawn.
    for (int pixels : {16, 20, 24, 32, 40, 48, 64, 256}) {
        HICON loaded = static_cast<HICON>(LoadImageA(file, "MAINICON", IMAGE_ICON, pixels, pixels, 0));
        ASSERT_NE(loaded, nullptr) << pixels << " pixels";
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(loaded, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, pixels);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, info.hbmColor);
        const COLORREF middle = GetPixel(dc, pixels / 2, pixels / 2);
        SelectObject(dc, old);
        DeleteDC(dc);
        EXPECT_NE(middle, RGB(0, 0, 0)) << pixels << " pixels: nothing drawn in the middle";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(loaded);
    }
    FreeLibrary(file);
}

TEST_F(Installer, InstallsIntoTheFolderGivenOnTheCommandLine) {
    ScratchDirectory chosen;
    const std::string dir = chosen.Path() + "\\Colour Tools";  // /D= takes the rest of the line, spaces and all
    ASSERT_EQ(Install(fs::path("/D=" + dir).wstring()), 0u);
    for (const char* name : kProgramFiles)
        EXPECT_TRUE(fs::is_regular_file(dir + "\\" + name)) << name;
    EXPECT_EQ(ReadRegistryString(kUninstallKey, "InstallLocation"), dir);
    EXPECT_FALSE(fs::exists(kInstallDir));
    // The scratch folder goes with everything in it; the keys go in TearDown.
}

TEST_F(Installer, InstalledProgramFindsItsFilesWhenStartedFromElsewhere) {
    ASSERT_EQ(Install(), 0u);
    ScratchDirectory elsewhere;  // holds none of the companion files
    Huetrove app(elsewhere.Path(), kInstalledProgram);
    ExpectThePickingCursorOverTheChart(app);
    // Help opens the help file, with no report of a missing one.
    ExpectHelpOpens(app);
}

TEST_F(Installer, InAFolderNamedInOtherScriptsTheProgramFindsItsFilesAndEntersItsRealPath) {
    const std::wstring dir = kOtherScriptsFolder + L"\\Huetrove";
    const std::wstring exe = dir + L"\\Huetrove.exe";
    ASSERT_EQ(Install(L"/D=" + dir), 0u);
    {
        ScratchDirectory elsewhere;  // holds none of the companion files
        Huetrove app(elsewhere.WidePath(), exe);
        const DWORD id = app.ProcessId();
        ExpectThePickingCursorOverTheChart(app);

        // Wine's help viewer reads its command line in the code page, and could open no
        // file of this folder: the text viewer shows that the shell was handed the file.
        {
            const OpenInTheTextViewer help(".chm");
            ExpectHelpOpens(app, [] { return FindWindowOfClass("Notepad", "Help.chm"); });
        }

        {
            const OpenInTheTextViewer licence(".txt");
            const auto about = [&] { return app.Shown({.caption = kAboutCaption}); };
            ASSERT_NE(app.OpenAbout(), nullptr);
            HWND viewer = ClickLicenceLink(about());
            EXPECT_NE(viewer, nullptr) << "the licence link opened nothing";
            if (viewer)
                CloseViewer(viewer);
            EXPECT_TRUE(PressUntil("Escape closes the About window", about(), {VK_ESCAPE}, [&] { return !about(); }));
        }

        HWND dialog = app.OpenPreferences();
        ASSERT_NE(dialog, nullptr);
        HWND startup = ChildWithText(dialog, "Launch on system startup");
        ASSERT_TRUE(ClickButtonUntil("Launch on system startup is ticked", startup,
                                     [&] { return SendMessageA(startup, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
        ASSERT_TRUE(ClickButtonUntil("Ok closes Preferences", ChildWithText(dialog, "&Ok"),
                                     [&] { return !app.Shown({.caption = kPreferencesCaption}); }));
        EXPECT_TRUE(WaitUntil([&] { return RunValueStarts(exe); }, 10s))
            << "no Run value of the quoted program path; the program reports: "
            << (MessageBoxes(id).empty() ? std::string("nothing") : MessageBoxes(id)[0].text);
    }
    // The uninstaller knows the entry of its own program by that path too.
    ASSERT_TRUE(WaitUntil([] { return RunningApplicationWindow() == nullptr; }, 10s));
    ASSERT_EQ(RunToEnd(dir + L"\\Uninstall.exe", L"/S _?=" + dir), 0u);
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
}

TEST_F(Installer, UninstallRemovesWhatItAddedAndTheSettingsOnlyOnRequest) {
    ASSERT_EQ(Install(), 0u);
    // What the program writes itself: its settings, and the Run entry when it starts with the system.
    ASSERT_TRUE(WriteRegistryString(kRunKey, "Huetrove", kInstalledProgram));
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

// Interactive, the uninstaller asks about the settings only when there are settings.
TEST_F(Installer, InteractiveUninstallAsksAboutTheSettingsOnlyWhenThereAreSome) {
    const auto keepSettings = [](const MessageBoxInfo&) { return IDNO; };
    ASSERT_EQ(Install(), 0u);
    ASSERT_FALSE(RegistryKeyExists(kSettingsKey));
    const InteractiveRun none = RunInteractively(kUninstaller, "_?=" + kInstallDir, keepSettings);
    ASSERT_EQ(none.exitCode, 0u) << "the uninstaller did not end, or failed";
    for (const MessageBoxInfo& box : none.boxes)
        ADD_FAILURE() << "asked with no settings saved: " << box.text;
    ExpectInstallationGone();

    ASSERT_EQ(Install(), 0u);
    ASSERT_TRUE(WriteRegistryDword(kSettingsKey, "MinimizeClose", 0));
    const InteractiveRun some = RunInteractively(kUninstaller, "_?=" + kInstallDir, keepSettings);
    ASSERT_EQ(some.exitCode, 0u) << "the uninstaller did not end, or failed";
    ASSERT_EQ(some.boxes.size(), 1u) << TextsOf(some.boxes);
    EXPECT_NE(some.boxes[0].text.find("settings"), std::string::npos) << some.boxes[0].text;
    EXPECT_EQ(ReadRegistryDword(kSettingsKey, "MinimizeClose"), 0u) << "No keeps them";
    ExpectInstallationGone();
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
    std::string own = "\"" + kInstalledProgram + "\"";
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

// Nothing is replaced or removed while the program runs: the uninstaller closes a running
// copy as Exit does, so it saves its settings, and then removes everything.
TEST_F(Installer, SilentUninstallClosesTheRunningProgramAsExitDoes) {
    ASSERT_EQ(Install(), 0u);
    ScratchDirectory elsewhere;
    Huetrove app(elsewhere.Path(), kInstalledProgram);
    const RECT window = WindowRect(app.main());

    ASSERT_EQ(Uninstall(), 0u);
    EXPECT_TRUE(app.process().WaitForExit(10s)) << "the program still runs";
    ExpectTheSettingsSavedAt(window);
    ExpectInstallationGone();
}

// The next version's setup finds the running program whatever version it is and wherever
// it was started from, closes it as Exit does, and replaces every file. A portable copy
// running beside it is closed too.
TEST_F(Installer, SilentSetupOfAnotherVersionClosesTheRunningProgramAndReplacesEveryFile) {
    ASSERT_EQ(Install(), 0u);
    const Installation before = CurrentInstallation();
    ScratchDirectory elsewhere;
    Huetrove app(elsewhere.Path(), kInstalledProgram);
    const RECT window = WindowRect(app.main());
    ScratchDirectory portableFolder;
    ASSERT_TRUE(portableFolder.CopyIn(ProgramPath()));
    Huetrove portable(portableFolder.Path(), portableFolder.Path() + "\\Huetrove.exe");
    const RECT portableWindow = WindowRect(portable.main());
    ASSERT_TRUE(EqualRect(&window, &portableWindow));

    EXPECT_EQ(RunToEnd(kMarkedSetup, "/S"), 0u);
    EXPECT_TRUE(app.process().WaitForExit(10s)) << "the program still runs";
    EXPECT_TRUE(portable.process().WaitForExit(10s)) << "the portable copy still runs";
    // Both started on a first run at the same place, so whichever saved last saved this.
    ExpectTheSettingsSavedAt(window);
    ExpectTheMarkedInstallation(before);
}

// Interactive, the setup asks before it closes the program; Cancel leaves both as they were.
TEST_F(Installer, InteractiveSetupAsksBeforeItClosesTheRunningProgram) {
    ASSERT_EQ(Install(), 0u);
    const Installation before = CurrentInstallation();
    ScratchDirectory elsewhere;
    {
        Huetrove app(elsewhere.Path(), kInstalledProgram);
        const InteractiveRun cancelled = RunInteractively(kMarkedSetup, "", [](const MessageBoxInfo& box) {
            return MentionsRunning(box) ? IDCANCEL : IDOK;
        });
        ASSERT_TRUE(cancelled.exitCode.has_value()) << "the setup did not end";
        EXPECT_NE(*cancelled.exitCode, 0u);
        ASSERT_EQ(cancelled.boxes.size(), 1u) << TextsOf(cancelled.boxes);
        EXPECT_TRUE(MentionsRunning(cancelled.boxes[0])) << cancelled.boxes[0].text;
        EXPECT_TRUE(app.process().IsRunning());
        EXPECT_TRUE(CurrentInstallation() == before) << "a cancelled setup changed the installation";
        EXPECT_FALSE(RegistryKeyExists(kSettingsKey));

        const RECT window = WindowRect(app.main());
        const InteractiveRun accepted = RunInteractively(kMarkedSetup, "", [](const MessageBoxInfo& box) {
            return MentionsRunning(box) ? IDOK : IDCANCEL;
        });
        ASSERT_EQ(accepted.exitCode, 0u) << "the setup did not end, or failed";
        ASSERT_EQ(accepted.boxes.size(), 1u) << TextsOf(accepted.boxes);
        EXPECT_TRUE(MentionsRunning(accepted.boxes[0])) << accepted.boxes[0].text;
        EXPECT_TRUE(app.process().WaitForExit(10s)) << "the program still runs";
        ExpectTheSettingsSavedAt(window);
    }
    ExpectTheMarkedInstallation(before);
    EXPECT_EQ(RunningApplicationWindow(), nullptr) << "the setup started the program";
}

// A program that does not end (here it cannot save its settings, so it refuses to close)
// fails the setup, and the installation stays as it was.
TEST_F(Installer, SetupFailsAndChangesNothingWhenTheProgramDoesNotEnd) {
    ASSERT_EQ(Install(), 0u);
    const Installation before = CurrentInstallation();
    ASSERT_TRUE(CreateRegistryKey(kMakerKey, REG_OPTION_VOLATILE));
    ScratchDirectory elsewhere;
    Huetrove app(elsewhere.Path(), kInstalledProgram);

    const auto setup = RunToEnd(kMarkedSetup, "/S");
    ASSERT_TRUE(setup.has_value()) << "the setup waits for ever";
    EXPECT_NE(*setup, 0u);
    EXPECT_TRUE(app.process().IsRunning());
    EXPECT_TRUE(CurrentInstallation() == before) << "a failed setup changed the installation";

    const auto uninstall = Uninstall();
    ASSERT_TRUE(uninstall.has_value()) << "the uninstaller waits for ever";
    EXPECT_NE(*uninstall, 0u);
    EXPECT_TRUE(CurrentInstallation() == before) << "a failed uninstall changed the installation";
    EXPECT_TRUE(fs::exists(kShortcut));
}

// A file that cannot be written or removed fails the run, and what was done is undone. A
// file that may be written but not renamed is found only once other files were moved.
TEST_F(Installer, SetupAndUninstallFailAndChangeNothingWhenAFileCannotBeWritten) {
    ASSERT_EQ(Install(), 0u);
    const Installation before = CurrentInstallation();
    const std::pair<const char*, DWORD> holds[] = {
        {"license.txt", 0}, {"Huetrove.exe", 0}, {"Help.chm", FILE_SHARE_READ | FILE_SHARE_WRITE}};
    for (const auto& [name, sharing] : holds) {
        {
            const HeldFile held(kInstallDir + "\\" + name, sharing);
            ASSERT_TRUE(held.Held()) << name;
            const auto setup = RunToEnd(kMarkedSetup, "/S");
            ASSERT_TRUE(setup.has_value());
            EXPECT_NE(*setup, 0u) << "with " << name << " held";
            const auto uninstall = Uninstall();
            ASSERT_TRUE(uninstall.has_value());
            EXPECT_NE(*uninstall, 0u) << "with " << name << " held";
        }
        EXPECT_TRUE(CurrentInstallation() == before) << "changed with " << name << " held";
        EXPECT_TRUE(fs::exists(kShortcut));
    }
    // Free again, the same setup goes through.
    EXPECT_EQ(RunToEnd(kMarkedSetup, "/S"), 0u);
    ExpectTheMarkedInstallation(before);
}

// As the list of installed programs, winget or a script runs it: the quiet command, which
// waits for the uninstall and ends with its exit code.
TEST_F(Installer, UninstallStartedAsWindowsStartsItLeavesNoFileOfTheProgram) {
    ASSERT_EQ(Install(), 0u);
    ASSERT_TRUE(WriteRegistryString(kRunKey, "Huetrove", kInstalledProgram));
    ASSERT_EQ(RunToEnd(kUninstaller, "/S"), 0u);
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    EXPECT_FALSE(fs::exists(kShortcut));
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
    // Uninstall.exe itself goes once it has ended, and the folder with it.
    EXPECT_TRUE(WaitUntil([] { return !fs::exists(kInstallDir); }, kSetupTimeout, 100ms))
        << "left in the install folder: " << testing::PrintToString(FilesIn(kInstallDir));
}

TEST_F(Installer, QuietUninstallEndsWithTheExitCodeOfAFileInUse) {
    ASSERT_EQ(Install(), 0u);
    const Installation before = CurrentInstallation();
    const HeldFile held(kInstallDir + "\\Help.chm", FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(held.Held());
    EXPECT_EQ(RunToEnd(kUninstaller, "/S"), 3u);
    EXPECT_TRUE(CurrentInstallation() == before) << "a failed uninstall changed the installation";
    EXPECT_TRUE(fs::exists(kShortcut));
}
