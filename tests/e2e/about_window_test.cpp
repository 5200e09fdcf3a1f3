// The About window as a user meets it: its texts and layout, the memory figure against
// the system's own, the ways to close it, and the licence link.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "FirstRunTest.h"

using namespace harness;

namespace {

constexpr Duration kReact = 10s;
constexpr char kMemoryPrefix[] = "Available memory : ";

unsigned long long AvailableKb() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return status.ullAvailPhys >> 10;
}

class AboutWindow : public HuetroveTest {
protected:
    HWND About() { return app->Shown({.caption = kAboutCaption}); }
    bool WaitClosed() {
        return WaitUntil([&] { return About() == nullptr; }, kReact);
    }
    // A key that closes the About window, pressed in it.
    bool CloseWith(WORD key, const std::string& what) {
        HWND about = About();
        return about && PressUntil(what, about, {key}, [&] { return About() == nullptr; });
    }
    // The figure shown, read while the system's own is read around it.
    static bool ReadMemory(HWND about, unsigned long long& shown, unsigned long long& low, unsigned long long& high) {
        const unsigned long long a = AvailableKb();
        const std::string text = WindowText(ChildWithText(about, kMemoryPrefix, true));
        const unsigned long long b = AvailableKb();
        const size_t start = sizeof kMemoryPrefix - 1;
        if (text.size() <= start + 3 || !text.ends_with(" KB"))
            return false;
        const std::string digits = text.substr(start, text.size() - start - 3);
        if (digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        shown = std::strtoull(digits.c_str(), nullptr, 10);
        low = a < b ? a : b;
        high = a < b ? b : a;
        return true;
    }
};

TEST_F(AboutWindow, ShowsItsTextsInTheirPlaces) {
    Start();
    HWND about = app->OpenAbout();
    ASSERT_NE(about, nullptr) << "Help > About opened no window";
    EXPECT_EQ(Owner(about), Owner(app->main()));  // the application window
    const LONG ex = GetWindowLongA(about, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(about, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(ClientSize(about).cx, 327);
    EXPECT_EQ(ClientSize(about).cy, 233);

    // Centred on the desktop the first time.
    const RECT r = WindowRect(about);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);

    struct Expected {
        std::string text;
        POINT at;
        bool prefix = false;  // the control's text starts with `text`
    };
    const std::vector<Expected> texts = {
        {"Huetrove v1.0", {70, 20}},
        {"Version 1.0 (Build : 102301.2445)", {20, 62}},
        {"Copyright", {20, 76}, true},
        {"License Agreement", {20, 122}},
        {kMemoryPrefix, {20, 196}, true},
        {"&Ok", {234, 196}},
    };
    for (const Expected& e : texts) {
        HWND control = ChildWithText(about, e.text, e.prefix);
        ASSERT_NE(control, nullptr) << e.text;
        const POINT p = TopLeftIn(about, control);
        EXPECT_EQ(p.x, e.at.x) << e.text;
        EXPECT_EQ(p.y, e.at.y) << e.text;
    }
    EXPECT_EQ(WindowText(ChildWithText(about, "Copyright", true)).find('\n'), std::string::npos);
    EXPECT_EQ(WindowRect(ChildWithText(about, "&Ok")).right - WindowRect(ChildWithText(about, "&Ok")).left, 75);

    // The white band at the top with the program's icon.
    EXPECT_EQ(ReadPixel(ClientToScreenPoint(about, {5, 5})), GetSysColor(COLOR_WINDOW));
    EXPECT_TRUE(CloseWith(VK_ESCAPE, "Escape closes the About window"));
}

TEST_F(AboutWindow, ShowsTheTrueFreeMemoryAndComputesItAtEachOpening) {
    Start();
    HWND about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    unsigned long long first = 0, low = 0, high = 0;
    ASSERT_TRUE(ReadMemory(about, first, low, high)) << WindowText(ChildWithText(about, kMemoryPrefix, true));
    // Other programs come and go on this machine: allow 64 MB either way.
    constexpr unsigned long long kSlackKb = 64 * 1024;
    EXPECT_GE(first + kSlackKb, low);
    EXPECT_LE(first, high + kSlackKb);
    ASSERT_TRUE(CloseWith(VK_ESCAPE, "Escape closes the About window"));

    // Take 512 MB of physical memory away, so the second figure differs.
    constexpr size_t kTaken = 512u << 20;
    auto* block = static_cast<char*>(VirtualAlloc(nullptr, kTaken, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(block, nullptr);
    for (size_t i = 0; i < kTaken; i += 4096)
        block[i] = 1;
    // The system refreshes its figure at most once a second: wait until it has moved.
    ASSERT_TRUE(WaitUntil([&] { return AvailableKb() + 1024 < low || AvailableKb() > high + 1024; }, kReact));
    about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    unsigned long long second = 0;
    ASSERT_TRUE(ReadMemory(about, second, low, high));
    EXPECT_GE(second + kSlackKb, low);
    EXPECT_LE(second, high + kSlackKb);
    EXPECT_NE(second, first) << "the figure was not computed again";
    VirtualFree(block, 0, MEM_RELEASE);
    EXPECT_TRUE(CloseWith(VK_ESCAPE, "Escape closes the About window"));
}

TEST_F(AboutWindow, EscapeEnterAndTheCloseBoxCloseItAndKeepItsPlace) {
    Start();
    const std::string html = app->Html();
    HWND about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(IsWindowEnabled(app->main()));
    // The user moves it; it reopens where it was left.
    const RECT r = WindowRect(about);
    SetWindowPos(about, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(CloseWith(VK_ESCAPE, "Escape closes the About window")) << "Escape";

    about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowRect(about).left, 100);
    EXPECT_EQ(WindowRect(about).top, 120);
    EXPECT_EQ(WindowRect(about).right - WindowRect(about).left, r.right - r.left);
    // The button holds the focus.
    ASSERT_TRUE(CloseWith(VK_RETURN, "Enter closes the About window")) << "Enter";

    about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(ClickCloseBox(about)) << "close box";
    ASSERT_TRUE(WaitClosed()) << "close box";

    about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    ClickButtonUntil("Ok closes the About window", ChildWithText(about, "&Ok"), [&] { return About() == nullptr; });
    ASSERT_TRUE(WaitClosed()) << "the Ok button";

    // The main window is as it was, and takes input again.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app->main()) != FALSE; }, kReact));
    EXPECT_TRUE(IsVisible(app->main()));
    EXPECT_EQ(app->Html(), html);
    EXPECT_TRUE(app->process().IsRunning());
}

TEST_F(AboutWindow, TheLinkOpensTheLicenceBesideTheProgramNeverTheCurrentDirectorysAndStaysOpen) {
    OpenInTheTextViewer association(".txt");
    ScratchDirectory dir;
    std::ofstream(dir.Path() + "\\license.txt") << "Licence of the current directory";
    const auto shown = [](HWND viewer) { return WindowText(FindChildWindow(viewer, "Edit")); };

    // The program's own licence, though the folder it was started from holds another.
    Start(dir.Path());
    HWND about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND viewer = ClickLicenceLink(about);
    ASSERT_NE(viewer, nullptr) << "no viewer showed license.txt";
    const std::string own = FileText(ProgramDirectory() + "\\license.txt");
    EXPECT_TRUE(WaitUntil([&] { return shown(viewer) == own; }, kReact)) << Caption(viewer) << ": " << shown(viewer);
    EXPECT_TRUE(IsVisible(about));
    EXPECT_TRUE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
    CloseViewer(viewer);
    EXPECT_TRUE(IsVisible(about));
    EXPECT_TRUE(CloseWith(VK_ESCAPE, "Escape closes the About window"));

    // A copy with none beside it opens nothing: the current directory's is a stranger's.
    LoneProgram lone;
    ASSERT_TRUE(lone.copied);
    Start(dir.Path(), lone.exe);
    about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    Click(CenterOf(WindowRect(ChildWithText(about, "License Agreement"))));
    // Nothing may appear: give it the time a viewer would take, then look.
    viewer = WaitFor([] { return FindWindowOfClass("Notepad", ""); }, 3s);
    EXPECT_EQ(viewer, nullptr) << "the licence of the current directory was opened";
    if (viewer)
        CloseViewer(viewer);
}

TEST_F(AboutWindow, TheLinkFindsTheLicenceBesideTheProgram) {
    OpenInTheTextViewer association(".txt");
    ScratchDirectory elsewhere;  // a current directory without the file
    Start(elsewhere.Path());
    HWND about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND viewer = ClickLicenceLink(about);
    ASSERT_NE(viewer, nullptr) << "the licence beside the program was not found";
    CloseViewer(viewer);
    EXPECT_TRUE(IsVisible(about));
}

TEST_F(AboutWindow, WithoutTheLicenceTheLinkDoesNothing) {
    OpenInTheTextViewer association(".txt");
    LoneProgram lone;
    ASSERT_TRUE(lone.copied);
    Start(lone.dir.Path(), lone.exe);
    HWND about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    Click(CenterOf(WindowRect(ChildWithText(about, "License Agreement"))));
    // Nothing may appear: give it the time a viewer would take, then look.
    EXPECT_EQ(WaitFor([] { return FindWindowOfClass("Notepad", ""); }, 3s), nullptr);
    EXPECT_TRUE(MessageBoxes(app->process().Id()).empty());
    EXPECT_TRUE(IsVisible(about));
    EXPECT_TRUE(CloseWith(VK_ESCAPE, "Escape closes the About window"));
}

}  // namespace
