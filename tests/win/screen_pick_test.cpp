// The picking cursor and the picking window, on a main window and a picking window
// built in the test. The test's executable lives in a folder of its own, so the cursor
// file that the test puts beside it, or takes away, alone decides whether one is found;
// the test runs from another folder, whose files are never taken.
#include <gtest/gtest.h>

#include <windows.h>

#include <dwmapi.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Harness.h"
#include "TestApplication.h"
#include "framework/Application.h"
#include "framework/Screen.h"
#include "framework/Transitions.h"
#include "main/Unit1.h"
#include "palettes/ChartCatalogue.h"
#include "picker/PickCursor.h"
#include "picker/ScreenPick.h"
#include "picker/Unit2.h"
#include "shared/BaseFunctions.h"

namespace {

namespace fs = std::filesystem;

using namespace std::chrono_literals;
using harness::PumpUntil;

bool CursorAlive(HCURSOR cursor) {
    ICONINFO info{};
    if (!GetIconInfo(cursor, &info))
        return false;
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return true;
}

// The cursor a window asks for when the pointer is over its client area.
HCURSOR CursorShownBy(HWND window) {
    SetCursor(nullptr);
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

class ScreenPick : public testing::Test {
protected:
    static void SetUpTestSuite() { InitializeTestApplication(); }

    void SetUp() override {
        builtCursor = fs::path(harness::ProgramDirectory()) / "cur.dat";
        ASSERT_TRUE(fs::exists(builtCursor)) << "HUETROVE_DIR names the folder with the cursor file: " << builtCursor;
        cursorFile = harness::BesideThisTest("cur.dat");
        fs::remove(cursorFile);

        previousDirectory = fs::current_path();
        fs::current_path(scratch.Path());

        mainForm = std::make_unique<TMainForm>(nullptr);
        pickForm = std::make_unique<TColorPickForm>(nullptr);
        // Joined as the program joins them.
        pickForm->OnPick = [this](fw::TColor pixel) { mainForm->FinishScreenPick(pixel); };
    }

    void TearDown() override {
        pickForm.reset();
        mainForm.reset();
        fw::Screen().SetCursor(crPick, nullptr);
        fs::current_path(previousDirectory);
        std::error_code ignored;
        fs::remove(cursorFile, ignored);
    }

    void PutCursorFile() {
        // Removed first: MinGW's library takes two files of one drive for the same file
        // when asked to overwrite, and refuses.
        fs::remove(cursorFile);
        fs::copy_file(builtCursor, cursorFile);
    }

    // Every window that should show the picking cursor, with the cursor it shows.
    void ExpectAllShow(HCURSOR expected) {
        for (const palettes::ChartEntry& entry : palettes::ChartCatalogue()) {
            fw::TImage* image = mainForm->ChartImage(entry.identifier);
            EXPECT_EQ(CursorShownBy(image->Handle()), expected) << entry.identifier;
        }
        EXPECT_EQ(CursorShownBy(pickForm->Handle()), expected) << "picking window";
    }

    fs::path builtCursor;
    fs::path cursorFile;  // beside the test's executable
    harness::ScratchDirectory scratch;  // the current directory
    fs::path previousDirectory;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TColorPickForm> pickForm;
};

TEST_F(ScreenPick, CrossBeforeTheCursorIsInstalled) {
    ExpectAllShow(LoadCursorA(nullptr, IDC_CROSS));
}

TEST_F(ScreenPick, CursorFromBesideTheProgramGoesToTheImagesAndThePickingWindow) {
    PutCursorFile();
    mainForm->InstallPickCursor();
    ASSERT_NE(fw::Screen().Cursor(crPick), LoadCursorA(nullptr, IDC_ARROW));
    HCURSOR cursor = fw::Screen().Cursor(crPick);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 15u);
    EXPECT_EQ(info.yHotspot, 15u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    ExpectAllShow(cursor);
}

TEST_F(ScreenPick, MissingOrBrokenFileLeavesNumberFiveEmptyAndTheArrowShows) {
    PutCursorFile();
    mainForm->InstallPickCursor();
    HCURSOR loaded = fw::Screen().Cursor(crPick);
    ASSERT_TRUE(CursorAlive(loaded));

    fs::remove(cursorFile);
    // One in the folder the program was started from is a stranger's: never taken.
    ASSERT_TRUE(scratch.CopyIn(builtCursor.string()));
    mainForm->InstallPickCursor();
    EXPECT_EQ(fw::Screen().Cursor(crPick), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_FALSE(CursorAlive(loaded)) << "the cursor of the previous activation is destroyed";
    ExpectAllShow(LoadCursorA(nullptr, IDC_ARROW));

    std::ofstream(cursorFile, std::ios::binary) << "not a cursor at all";
    mainForm->InstallPickCursor();
    EXPECT_EQ(fw::Screen().Cursor(crPick), LoadCursorA(nullptr, IDC_ARROW));
    ExpectAllShow(LoadCursorA(nullptr, IDC_ARROW));

    // A later activation that finds a good file installs it again.
    PutCursorFile();
    mainForm->InstallPickCursor();
    EXPECT_NE(fw::Screen().Cursor(crPick), LoadCursorA(nullptr, IDC_ARROW));
    ExpectAllShow(fw::Screen().Cursor(crPick));
}

TEST_F(ScreenPick, RepeatedInstallsHoldOneCursor) {
    PutCursorFile();
    mainForm->InstallPickCursor();
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    HCURSOR previous = fw::Screen().Cursor(crPick);
    for (int i = 0; i < 100; ++i) {
        mainForm->InstallPickCursor();
        HCURSOR current = fw::Screen().Cursor(crPick);
        ASSERT_TRUE(CursorAlive(current));
        ASSERT_FALSE(CursorAlive(previous)) << "install " << i;
        previous = current;
    }
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), objectsBefore);
}

TEST_F(ScreenPick, EveryActivationOfTheMainWindowReloadsTheCursor) {
    PutCursorFile();
    mainForm->InstallPickCursor();
    HCURSOR first = fw::Screen().Cursor(crPick);
    mainForm->Show();
    ASSERT_TRUE(PumpUntil([&] { return fw::Screen().Cursor(crPick) != first; }, 5s));
    EXPECT_FALSE(CursorAlive(first));
    mainForm->Hide();
}

TEST_F(ScreenPick, PickingWindowIsBorderlessOnTopAndHiddenUntilPicking) {
    HWND window = pickForm->Handle();
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER), 0);
    EXPECT_NE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(pickForm->Font().name, "MS Sans Serif");
}

TEST_F(ScreenPick, PickingCoversTheMonitorLooksUnchangedAndAClickPicksThePixel) {
    constexpr COLORREF kColour = RGB(0x12, 0x9A, 0xFE);
    harness::ColourWindow other(RECT{300, 300, 400, 380}, kColour);
    const POINT target{350, 340};
    ASSERT_TRUE(harness::MoveMouse(target));
    ASSERT_TRUE(PumpUntil([&] { return huetrove::GetScreenPixel(target.x, target.y) == kColour; }, 5s));
    const fw::TColor before = mainForm->CurrentColor();

    pickForm->FormActivate(nullptr);
    HWND window = pickForm->Handle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    const RECT rect = harness::WindowRect(window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_TRUE(EqualRect(&rect, &monitor.rcMonitor));
    // Running again, as activation does, changes nothing.
    pickForm->FormActivate(nullptr);
    const RECT again = harness::WindowRect(window);
    EXPECT_TRUE(EqualRect(&rect, &again));

    // The window covers the other one, yet the screen still shows its colour.
    POINT covered = target;
    ScreenToClient(window, &covered);
    EXPECT_EQ(ChildWindowFromPointEx(GetDesktopWindow(), target, CWP_SKIPINVISIBLE), window);
    // Looked at once the window has painted all it had to.
    EXPECT_TRUE(PumpUntil([&] { return !GetUpdateRect(window, nullptr, FALSE); }, 5s));
    EXPECT_EQ(huetrove::GetScreenPixel(target.x, target.y), kColour);
    EXPECT_EQ(mainForm->CurrentColor(), before) << "nothing is picked before the click";

    // Keys and the other buttons do nothing.
    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(window, WM_KEYUP, VK_ESCAPE, 0);
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(covered.x, covered.y));
    SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(covered.x, covered.y));
    SendMessageA(window, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(covered.x, covered.y));
    SendMessageA(window, WM_MBUTTONUP, 0, MAKELPARAM(covered.x, covered.y));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(mainForm->CurrentColor(), before);

    // The left click: press and release over the window, with the pointer on the colour.
    ASSERT_TRUE(harness::MoveMouse(target));
    ASSERT_EQ(huetrove::GetScreenPixel(target.x, target.y), kColour);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(covered.x, covered.y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(covered.x, covered.y));
    EXPECT_EQ(mainForm->CurrentColor(), kColour);
    EXPECT_EQ(mainForm->HTMLColorEdit->Text(), "#129AFE");
    EXPECT_EQ(mainForm->RColorEdit->Text(), "18");
    EXPECT_EQ(mainForm->GColorEdit->Text(), "154");
    EXPECT_EQ(mainForm->BColorEdit->Text(), "254");
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(mainForm->Handle()));
    mainForm->Hide();
}

TEST_F(ScreenPick, CloseRequestEndsPickingWithoutAPick) {
    mainForm->ApplyPickedColor(RGB(1, 2, 3));
    mainForm->Pickcolorfromthescreen1Click(nullptr);
    HWND window = pickForm->Handle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsWindowVisible(mainForm->Handle()));

    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(IsWindowVisible(mainForm->Handle())) << "the main window stays hidden";
    EXPECT_EQ(mainForm->CurrentColor(), RGB(1, 2, 3));
}

// The compositor as a pick finds it: each attribute set, and whether its window was
// still on show then. It answers as told; a failure is what a system without dwmapi answers.
struct CompositorCall {
    HWND window;
    DWORD attribute;
    BOOL value;
    bool windowShown;
    bool operator==(const CompositorCall&) const = default;
};
std::vector<CompositorCall> compositorCalls;
HRESULT compositorAnswer = S_OK;

HRESULT WINAPI RecordingCompositor(HWND window, DWORD attribute, LPCVOID value, DWORD) {
    compositorCalls.push_back({window, attribute, *static_cast<const BOOL*>(value), IsWindowVisible(window) != FALSE});
    return compositorAnswer;
}

TEST_F(ScreenPick, TheMainWindowHidesForAPickWithTheCompositorsFadeOff) {
    const fw::TSetCompositorAttribute system = std::exchange(fw::SetCompositorAttribute, &RecordingCompositor);
    for (HRESULT answer : {S_OK, HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND)}) {
        compositorAnswer = answer;
        compositorCalls.clear();
        mainForm->Show();
        mainForm->Pickcolorfromthescreen1Click(nullptr);
        const CompositorCall off{mainForm->Handle(), DWMWA_TRANSITIONS_FORCEDISABLED, TRUE, true};
        EXPECT_EQ(compositorCalls, std::vector{off}) << "once, while the window was still shown";
        // Refused or not, the pick goes on as ever.
        EXPECT_FALSE(IsWindowVisible(mainForm->Handle()));
        EXPECT_TRUE(IsWindowVisible(pickForm->Handle()));
        SendMessageA(pickForm->Handle(), WM_CLOSE, 0, 0);
    }
    fw::SetCompositorAttribute = system;
}

TEST_F(ScreenPick, UnreadablePixelIsAFailedPick) {
    mainForm->ApplyPickedColor(RGB(0x33, 0x66, 0x99));
    const std::string hint = mainForm->TrayHint();
    EXPECT_FALSE(mainForm->ApplyScreenPixel(CLR_INVALID));
    EXPECT_EQ(mainForm->CurrentColor(), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(mainForm->HTMLColorEdit->Text(), "#336699");
    EXPECT_EQ(mainForm->RColorEdit->Text(), "51");
    EXPECT_EQ(mainForm->TrayHint(), hint);

    EXPECT_TRUE(mainForm->ApplyScreenPixel(RGB(0xFF, 0xFF, 0x99)));
    EXPECT_EQ(mainForm->HTMLColorEdit->Text(), "#FFFF99");
}

}  // namespace
