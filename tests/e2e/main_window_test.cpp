// The main window as a user meets it: its caption, the colour it shows at start-up,
// copying the code, help, and leaving the program.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <type_traits>

#include "FirstRunTest.h"

using namespace harness;

namespace {

void Select(HWND box, int start, int end) {
    SendMessageTimeoutA(box, EM_SETSEL, static_cast<WPARAM>(start), end, SMTO_ABORTIFHUNG, 5000, nullptr);
}

bool WholeCodeSelected(const Huetrove& app) {
    return EditSelection(app.HtmlBox()).second >= 7;
}

// Ctrl+H says that the help file is missing, and the program goes on.
void ExpectMissingHelpReported(Huetrove& app) {
    app.PressUntil("Ctrl+H reports the missing help file", {VK_CONTROL, 'H'},
                   [&] { return !MessageBoxes(app.process().Id()).empty(); });
    auto box = WaitForMessageBox(app.process().Id(), 10s);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "Error");
    EXPECT_NE(box->text.find("Your Huetrove installation is corrupted!"), std::string::npos) << box->text;
    EXPECT_NE(box->text.find("Help file for Huetrove is missing!"), std::string::npos) << box->text;
    EXPECT_NE(box->icon, nullptr);
    ASSERT_EQ(box->buttons.size(), 1u);
    EXPECT_EQ(box->buttons[0].id, IDOK);
    AnswerMessageBox(box->window, box->buttons[0].window);
    EXPECT_TRUE(WaitUntil([&] { return MessageBoxes(app.process().Id()).empty(); }, 5s));
    EXPECT_TRUE(app.process().IsRunning());
}

class MainWindow : public HuetroveTest {};

}  // namespace

TEST_F(MainWindow, ShowsTitleAndTheDesktopColourAtStartUp) {
    Start();
    EXPECT_EQ(Caption(app->main()), kMainCaption);
    EXPECT_EQ(ClientSize(app->main()).cx, 150);

    const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);
    EXPECT_EQ(app->Html(), HtmlOf(desktop));
    EXPECT_EQ(app->Red(), std::to_string(GetRValue(desktop)));
    EXPECT_EQ(app->Green(), std::to_string(GetGValue(desktop)));
    EXPECT_EQ(app->Blue(), std::to_string(GetBValue(desktop)));

    // The swatch shows the colour itself: look at its middle on the screen.
    BringToForeground(app->main());
    const POINT middle = CenterOf(WindowRect(app->Swatch()));
    EXPECT_TRUE(WaitUntil([&] { return ReadPixel(middle) == desktop; }, 5s))
        << "swatch pixel " << HtmlOf(ReadPixel(middle)) << ", desktop " << HtmlOf(desktop);
}

TEST_F(MainWindow, TheApplicationWindowCarriesTheTitle) {
    Start();
    HWND owner = Owner(app->main());
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(Caption(owner), kTitle);
    EXPECT_TRUE(IsVisible(owner)) << "the taskbar button goes with a visible form";
}

TEST_F(MainWindow, CopyToClipboardPutsExactlyTheSevenCharacterCode) {
    Start();
    ASSERT_TRUE(ClearClipboard());
    BringToForeground(app->main());
    const DWORD id = app->process().Id();
    ASSERT_TRUE(ClickUntil("a right click on the HTML box opens its menu", CenterOf(WindowRect(app->HtmlBox())),
                           [&] { return ShownMenu(id) != nullptr; }, app->main(), MouseButton::Right));
    ASSERT_TRUE(CopyThroughOpenMenu());
    auto text = ReadClipboardText();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, HtmlOf(GetSysColor(COLOR_BACKGROUND)));
    EXPECT_EQ(text->size(), 7u);
    // The whole code stays selected (a rich edit box counts its final mark as well).
    auto [start, end] = EditSelection(app->HtmlBox());
    EXPECT_EQ(start, 0);
    EXPECT_GE(end, 7);
}

// Clipboard history and remote sessions hold the clipboard open for moments: the copy
// waits a short hold out, and says so when the clipboard stays taken.
TEST_F(MainWindow, CopyWaitsOutAShortHoldOfTheClipboardAndReportsALongOne) {
    Start();
    const std::string code = app->Html();
    ASSERT_TRUE(ClearClipboard());
    Select(app->HtmlBox(), 0, 0);
    {
        ClipboardHold hold(800ms);
        ASSERT_TRUE(hold.Held());
        // The command selects the box at once, also while it waits for the clipboard.
        ASSERT_TRUE(app->PressUntil("Ctrl+C selects the code", {VK_CONTROL, 'C'},
                                    [&] { return WholeCodeSelected(*app); }));
    }
    EXPECT_TRUE(WaitUntil([&] { return ReadClipboardText() == code; }, 5s)) << "the code once the hold ended";
    EXPECT_TRUE(MessageBoxes(app->ProcessId()).empty());

    ASSERT_TRUE(ClearClipboard());
    Select(app->HtmlBox(), 0, 0);
    ClipboardHold hold(6s);
    ASSERT_TRUE(hold.Held());
    ASSERT_TRUE(app->PressUntil("Ctrl+C selects the code", {VK_CONTROL, 'C'}, [&] { return WholeCodeSelected(*app); }));
    auto box = WaitForMessageBox(app->ProcessId(), 5s);
    ASSERT_TRUE(box.has_value()) << "a long hold is reported";
    EXPECT_EQ(box->caption, kTitle);
    EXPECT_NE(box->text.find("clipboard"), std::string::npos) << box->text;
    ASSERT_EQ(box->buttons.size(), 1u);
    AnswerMessageBox(box->window, box->buttons[0].window);
    EXPECT_TRUE(WaitUntil([&] { return MessageBoxes(app->ProcessId()).empty(); }, 5s));
    EXPECT_TRUE(app->process().IsRunning());
}

TEST_F(MainWindow, CtrlCCopiesTheSelectionOfAValueBoxAndElseTheCode) {
    Start();
    BringToForeground(app->main());
    ASSERT_TRUE(ClickUntil("a click puts the focus in the red box", CenterOf(WindowRect(app->RedBox())),
                           [&] { return FocusOf(app->main()) == app->RedBox(); }, app->main()));
    Select(app->HtmlBox(), 0, 0);
    Select(app->RedBox(), 0, -1);
    ASSERT_TRUE(app->CopyWith({VK_CONTROL, 'C'}, "Ctrl+C copies the red value"));
    EXPECT_EQ(ReadClipboardText(), app->Red());
    EXPECT_FALSE(ClipboardHasFormat("Rich Text Format")) << "plain text only";
    EXPECT_EQ(EditSelection(app->HtmlBox()).second, 0) << "the HTML box is left alone";

    // Nothing selected in the box: the code, as the menu's command copies it.
    Select(app->RedBox(), 0, 0);
    ASSERT_TRUE(app->CopyWith({VK_CONTROL, 'C'}, "Ctrl+C copies the code"));
    EXPECT_EQ(ReadClipboardText(), app->Html());
    EXPECT_TRUE(WholeCodeSelected(*app));
}

TEST_F(MainWindow, TheCopiedCodeOutlivesTheProgramAsPlainText) {
    Start();
    const std::string code = app->Html();
    ASSERT_TRUE(app->CopyWith({VK_CONTROL, 'C'}, "Ctrl+C copies the code"));
    EXPECT_FALSE(ClipboardHasFormat("Rich Text Format")) << "plain text only";
    ASSERT_TRUE(app->Exit());
    EXPECT_EQ(ReadClipboardText(), code);
    EXPECT_FALSE(ClipboardHasFormat("Rich Text Format"));
}

// The box's other ways of copying take the program's copy too: Ctrl+Insert, and WM_COPY
// from another program (a tool that asks the focused window for its selection).
TEST_F(MainWindow, CtrlInsertAndWmCopyCopyAsCtrlCDoes) {
    Start();
    const std::string code = app->Html();
    BringToForeground(app->main());
    ASSERT_TRUE(ClickUntil("a click puts the focus in the HTML box", CenterOf(WindowRect(app->HtmlBox())),
                           [&] { return FocusOf(app->main()) == app->HtmlBox(); }, app->main()));
    Select(app->HtmlBox(), 0, -1);
    ASSERT_TRUE(app->CopyWith({VK_CONTROL, VK_INSERT}, "Ctrl+Insert copies the code"));
    EXPECT_EQ(ReadClipboardText(), code);
    EXPECT_FALSE(ClipboardHasFormat("Rich Text Format")) << "plain text only";

    Select(app->HtmlBox(), 1, 3);
    ASSERT_TRUE(ClearClipboard());
    SendMessageTimeoutA(app->HtmlBox(), WM_COPY, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    ASSERT_TRUE(WaitUntil([] { return ReadClipboardText().has_value(); }, 5s)) << "WM_COPY copied nothing";
    EXPECT_EQ(ReadClipboardText(), code.substr(1, 2)) << "the selection, as Ctrl+C copies it";
    EXPECT_FALSE(ClipboardHasFormat("Rich Text Format"));
}

TEST_F(MainWindow, HelpWithoutTheHelpFileReportsTheInstallationAsCorrupted) {
    LoneProgram lone;
    Huetrove copy(lone.dir.Path(), lone.exe);
    ExpectMissingHelpReported(copy);
}

TEST_F(MainWindow, HelpNeverOpensAHelpFileOfTheFolderItWasStartedFrom) {
    LoneProgram lone;
    // A Downloads or shared folder, say, that holds someone's Help.chm.
    ScratchDirectory startedFrom;
    ASSERT_TRUE(startedFrom.CopyIn(ProgramDirectory() + "\\Help.chm"));
    Huetrove copy(startedFrom.Path(), lone.exe);
    ExpectMissingHelpReported(copy);
    HWND viewer = FindWindowA(nullptr, "Huetrove Help");
    EXPECT_EQ(viewer, nullptr) << "the stranger's help file was opened";
    if (viewer)
        CloseViewer(viewer);
}

TEST_F(MainWindow, HelpIsFoundBesideTheProgramWhenStartedFromElsewhere) {
    ScratchDirectory elsewhere;
    // Whatever lies in the folder the program was started from comes second. This
    // one is no help file: only the file beside the program brings up the viewer.
    std::ofstream(elsewhere.Path() + "\\Help.chm") << "Not the help beside the program";
    Huetrove copy(elsewhere.Path());
    ExpectHelpOpens(copy);
}

// Another program's window, bound to an object of that program much as the framework
// binds its own, names itself as the sender of a control's notice to the main window.
// The address in its user data is one no process maps, so that taking it for an object
// of the program's would end the program there and then. The notice is posted: Wine
// swallows a fault in a message sent from another process. (Nor does Wine carry
// WM_CTLCOLOR* between processes: framework_test sends those from windows of its own.)
TEST_F(MainWindow, ANoticeFromAnotherProgramsWindowReachesNoHandler) {
    constexpr WPARAM kWebHues = 111;  // the command of Options > Display color palette > Web hues (F2)
    Start();
    const std::string code = app->Html();
    const std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> stranger(
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), &DestroyWindow);
    ASSERT_NE(stranger, nullptr);
    SetWindowLongPtrA(stranger.get(), GWLP_USERDATA, 0x1000);
    ASSERT_TRUE(PostMessageA(app->main(), WM_COMMAND, MAKEWPARAM(1000, EN_CHANGE),
                             reinterpret_cast<LPARAM>(stranger.get())));
    // Handled in turn after the notice: the program went on past it.
    ASSERT_TRUE(PostMessageA(app->main(), WM_COMMAND, kWebHues, 0));
    EXPECT_TRUE(WaitUntil([&] { return app->ChartCaption() == "Web hue colors"; }, 10s)) << "the program did not go on";
    EXPECT_TRUE(app->process().IsRunning());
    EXPECT_EQ(app->Html(), code);
}

TEST_F(MainWindow, ExitEndsTheProgram) {
    Start();
    ASSERT_TRUE(app->Exit());
    EXPECT_EQ(app->process().ExitCode(), 0u);
}
