// The main window, built in this process and shown, told what Windows tells it and
// Wine does not: a move onto a monitor of another scale, and a new colour scheme
// (the system colours are changed here, and each announcement is sent alone).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "Harness.h"
#include "TestApplication.h"
#include "framework/Application.h"
#include "main/Unit1.h"
#include "shared/FileZone.h"

namespace {

using namespace std::chrono_literals;
using Box = std::array<LONG, 4>;

Box BoxOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The window on the screen and every control in its parent.
struct Layout {
    Box window;
    std::vector<Box> controls;
    bool operator==(const Layout&) const = default;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << testing::PrintToString(layout.window) << " " << testing::PrintToString(layout.controls);
}

Layout LayoutOf(HWND form) {
    Layout layout{BoxOf(harness::WindowRect(form)), {}};
    for (HWND control : harness::ChildWindows(form)) {
        RECT r = harness::WindowRect(control);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        layout.controls.push_back(BoxOf(r));
    }
    return layout;
}

// The system colours the boxes use, set for one test and put back after it: other
// tests of the session share them.
class SystemColors {
public:
    static constexpr std::array<int, 3> kIndices = {COLOR_WINDOWTEXT, COLOR_INFOBK, COLOR_BTNFACE};
    using Values = std::array<COLORREF, 3>;

    SystemColors() {
        for (size_t i = 0; i < kIndices.size(); ++i)
            saved_[i] = GetSysColor(kIndices[i]);
    }
    ~SystemColors() { Set(saved_); }
    SystemColors(const SystemColors&) = delete;
    SystemColors& operator=(const SystemColors&) = delete;

    // Changes them without the news reaching `quiet`: the test decides what it hears.
    void Change(HWND quiet, const Values& values) const {
        SetWindowSubclass(quiet, &Deaf, 1, 0);
        Set(values);
        RemoveWindowSubclass(quiet, &Deaf, 1);
    }

private:
    static void Set(const Values& values) {
        SetSysColors(static_cast<int>(kIndices.size()), kIndices.data(), values.data());
    }
    static LRESULT CALLBACK Deaf(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
        return msg == WM_SYSCOLORCHANGE || msg == WM_THEMECHANGED ? 0 : DefSubclassProc(wnd, msg, wParam, lParam);
    }
    Values saved_{};
};

// The pixels a control shows in its client area, as COLORREFs.
std::vector<COLORREF> ClientPixels(HWND control) {
    const SIZE size = harness::ClientSize(control);
    HDC dc = GetDC(control);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, size.cx, size.cy);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(control, dc);
    std::vector<COLORREF> pixels;
    for (std::uint32_t p : PixelsOf(bitmap, size.cx, size.cy))
        pixels.push_back(RGB(p >> 16, (p >> 8) & 0xFF, p & 0xFF));
    DeleteObject(bitmap);
    return pixels;
}

class MainWindowMessages : public testing::Test {
protected:
    static void SetUpTestSuite() { InitializeTestApplication(); }

    void SetUp() override {
        form = std::make_unique<TMainForm>(nullptr);
        // As the program starts: a chart on show, and text in every box.
        form->ShowPalette("palWeb");
        form->ApplyPickedColor(0x336699);
        form->Show();
    }

    std::unique_ptr<TMainForm> form;
};

TEST_F(MainWindowMessages, AMoveToAnotherScaleTakesTheSuggestedRectangleAndComesBackExactly) {
    HWND window = form->Handle();
    const int start = form->Dpi();
    const int other = start * 3 / 2;
    const Layout first = LayoutOf(window);
    const RECT here = harness::WindowRect(window);

    // The layout at the other scale, grown from where the window is: the size the
    // system's suggestion has.
    MoveToScale(window, other, here);
    const Layout scaled = LayoutOf(window);
    ASSERT_NE(scaled.window, first.window);
    MoveToScale(window, start, here);
    ASSERT_EQ(LayoutOf(window), first);

    // Dragged onto the other monitor, up and to the left.
    const RECT there{40, 30, 40 + scaled.window[2] - scaled.window[0], 30 + scaled.window[3] - scaled.window[1]};
    MoveToScale(window, other, there);
    EXPECT_EQ(form->Dpi(), other);
    const Layout moved = LayoutOf(window);
    EXPECT_EQ(moved.window, BoxOf(there)) << "the window takes the suggested rectangle";
    EXPECT_EQ(moved.controls, scaled.controls) << "the controls at the new scale";

    MoveToScale(window, start, here);
    EXPECT_EQ(LayoutOf(window), first) << "back exactly where it started";
}

// Windows 10 (1703) on; the headers offer it only to programs that need that version.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// Before a drag takes the window onto a monitor of another scale, the system asks what
// size it will have there (WM_GETDPISCALEDSIZE). The answer must be the size the move then gives, or the
// system's next guess flips the window between two sizes.
TEST_F(MainWindowMessages, TheSizeForAnotherScaleIsTheSizeTheMoveThenGives) {
    HWND window = form->Handle();
    const int start = form->Dpi();
    for (const char* chart : {"palWeb", "palVB1", ""}) {
        SCOPED_TRACE(*chart ? chart : "no chart");
        form->ShowPalette(chart);
        for (const int dpi : {144, start}) {
            SCOPED_TRACE(dpi);
            SIZE asked{};
            ASSERT_EQ(SendMessageA(window, kGetDpiScaledSize, static_cast<WPARAM>(dpi), reinterpret_cast<LPARAM>(&asked)),
                      TRUE);
            MoveToScale(window, dpi);
            const RECT there = harness::WindowRect(window);
            EXPECT_EQ(asked.cx, there.right - there.left);
            EXPECT_EQ(asked.cy, there.bottom - there.top);
        }
    }
}

TEST_F(MainWindowMessages, TheValueBoxesTakeUpNewSystemColours) {
    const std::array<fw::TRichEdit*, 4> boxes = {form->HTMLColorEdit, form->RColorEdit, form->GColorEdit,
                                                 form->BColorEdit};
    SystemColors colors;
    struct Round {
        UINT announcement;
        SystemColors::Values values;  // text, HTML box, decimal boxes
    };
    for (const Round& round : {Round{WM_SYSCOLORCHANGE, {RGB(200, 0, 100), RGB(0, 90, 180), RGB(30, 160, 60)}},
                               Round{WM_THEMECHANGED, {RGB(0, 100, 200), RGB(250, 220, 0), RGB(120, 40, 160)}}}) {
        SCOPED_TRACE(round.announcement == WM_SYSCOLORCHANGE ? "WM_SYSCOLORCHANGE" : "WM_THEMECHANGED");
        colors.Change(form->Handle(), round.values);
        SendMessageA(form->Handle(), round.announcement, 0, 0);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (fw::TRichEdit* box : boxes) {
            SCOPED_TRACE(box->Name);
            const std::vector<COLORREF> pixels = ClientPixels(box->Handle());
            ASSERT_FALSE(pixels.empty());
            const COLORREF background = box == form->HTMLColorEdit ? round.values[1] : round.values[2];
            EXPECT_EQ(pixels.front(), background) << "the background";
            // Wine's rich edit draws the text in the system's colour whatever it was told,
            // so there only the background shows a box that kept its old colours.
            EXPECT_NE(std::ranges::find(pixels, round.values[0]), pixels.end()) << "the text colour";
        }
    }
}

// Help with a help file that Windows marks as come from the internet: Wine keeps no
// Zone.Identifier streams, so the zone is played through the program's zone reader.
class HelpFromADownload : public MainWindowMessages {
protected:
    static constexpr char kViewerCaption[] = "Huetrove Help";

    struct Seen {
        std::string caption;
        std::string text;
        bool viewerAlreadyUp;
    };

    void SetUp() override {
        MainWindowMessages::SetUp();
        const std::filesystem::path built = harness::ProgramDirectory() + "\\Help.chm";
        ASSERT_TRUE(std::filesystem::exists(built)) << "HUETROVE_DIR names the folder with the built help file";
        helpFile = harness::BesideThisTest("Help.chm");
        std::filesystem::remove(helpFile);
        std::filesystem::copy_file(built, helpFile);
        huetrove::FileZone = &PlayedZone;
    }

    void TearDown() override {
        huetrove::FileZone = &huetrove::ReadFileZone;
        std::error_code ignored;
        std::filesystem::remove(helpFile, ignored);
    }

    static int PlayedZone(const std::wstring& path) {
        asked.push_back(path);
        return zone;
    }

    // Chooses Help (`choose`, if given, does). Another thread answers each message box of
    // this process, noting what it said and whether the help viewer was up already; then
    // the viewer is awaited and closed.
    std::vector<Seen> Help(bool& viewerShown, const std::function<void()>& choose = {}) {
        std::vector<Seen> seen;
        {
            harness::DialogWatcher answerer([&](HWND box) {
                const harness::MessageBoxInfo info = harness::ReadMessageBox(box);
                seen.push_back({info.caption, info.text, FindWindowA(nullptr, kViewerCaption) != nullptr});
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            });
            if (choose)
                choose();
            else
                form->Contents1Click(form.get());
            viewerShown = harness::PumpUntil([] { return FindWindowA(nullptr, kViewerCaption) != nullptr; }, 20s);
        }
        if (HWND viewer = FindWindowA(nullptr, kViewerCaption))
            harness::CloseViewer(viewer);
        return seen;
    }

    std::filesystem::path helpFile;
    static inline int zone = 0;
    static inline std::vector<std::wstring> asked;
};

TEST_F(HelpFromADownload, TheInternetZoneIsExplainedFirstAndTheHelpOpensAfter) {
    zone = 3;
    asked.clear();
    bool viewerShown = false;
    const std::vector<Seen> seen = Help(viewerShown);
    ASSERT_EQ(asked.size(), 1u) << "the zone is read once, when Help is chosen";
    EXPECT_EQ(std::filesystem::path(asked[0]), helpFile);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, fw::Application().Title());
    for (const char* part : {"Properties", "Unblock", "zip"})
        EXPECT_NE(seen[0].text.find(part), std::string::npos) << part << " in: " << seen[0].text;
    EXPECT_FALSE(seen[0].viewerAlreadyUp) << "the message comes first";
    EXPECT_TRUE(viewerShown) << "then the help opens as before";
}

TEST_F(HelpFromADownload, TheLocalZoneOpensTheHelpWithoutAWord) {
    zone = 0;
    bool viewerShown = false;
    EXPECT_TRUE(Help(viewerShown).empty());
    EXPECT_TRUE(viewerShown);
}

// The kind of COM apartment the calling thread is in; -1 for none.
int ApartmentOfThisThread() {
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    return SUCCEEDED(CoGetApartmentType(&type, &qualifier)) ? static_cast<int>(type) : -1;
}

// The shell asks its callers for a single-threaded apartment, since a verb may be a COM
// handler. Help is chosen on a thread of its own here, which has none until then.
TEST_F(HelpFromADownload, TheShellIsAskedFromAComApartment) {
    zone = 0;
    int before = 0;
    int after = 0;
    bool viewerShown = false;
    Help(viewerShown, [&] {
        std::thread([&] {
            before = ApartmentOfThisThread();
            form->Contents1Click(form.get());
            after = ApartmentOfThisThread();
        }).join();
    });
    EXPECT_TRUE(viewerShown);
    EXPECT_NE(before, APTTYPE_STA);
    EXPECT_TRUE(after == APTTYPE_STA || after == APTTYPE_MAINSTA) << after;
}

}  // namespace
