// The main window as a user meets it: its caption, the colour it shows at start-up,
// copying the code, help, and leaving the program.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "HuetroveWindow.h"

using namespace e2e;

namespace {

COLORREF DesktopColor() {
    return GetSysColor(COLOR_BACKGROUND);
}

std::string FileBesideProgram(const std::string& name) {
    return ProgramDirectory() + "\\" + name;
}

// A folder that holds a copy of the program and nothing else, so neither the
// current directory nor the program's own folder has its companion files.
struct LoneProgram {
    ScratchDirectory dir;
    std::string exe;
    LoneProgram() {
        dir.CopyIn(ProgramPath(), "Huetrove.exe");
        exe = dir.Path() + "\\Huetrove.exe";
    }
};

}  // namespace

TEST(MainWindow, ShowsTitleAndTheDesktopColourAtStartUp) {
    Huetrove app;
    EXPECT_EQ(Caption(app.main()), kMainCaption);
    EXPECT_EQ(ClientSize(app.main()).cx, 150);

    const COLORREF desktop = DesktopColor();
    EXPECT_EQ(app.Html(), HtmlOf(desktop));
    EXPECT_EQ(app.Red(), std::to_string(GetRValue(desktop)));
    EXPECT_EQ(app.Green(), std::to_string(GetGValue(desktop)));
    EXPECT_EQ(app.Blue(), std::to_string(GetBValue(desktop)));

    // The swatch shows the colour itself: look at its middle on the screen.
    BringToForeground(app.main());
    const POINT middle = CenterOf(WindowRect(app.Swatch()));
    EXPECT_TRUE(WaitUntil([&] { return ReadPixel(middle) == desktop; }, 5s))
        << "swatch pixel " << HtmlOf(ReadPixel(middle)) << ", desktop " << HtmlOf(desktop);
}

TEST(MainWindow, TheApplicationWindowCarriesTheTitle) {
    Huetrove app;
    HWND owner = Owner(app.main());
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(Caption(owner), "Huetrove v1.0");
    EXPECT_TRUE(IsVisible(owner)) << "the taskbar button goes with a visible form";
}

TEST(MainWindow, CopyToClipboardPutsExactlyTheSevenCharacterCode) {
    Huetrove app;
    ASSERT_TRUE(ClearClipboard());
    BringToForeground(app.main());
    const DWORD id = app.process().Id();
    ASSERT_TRUE(ClickUntil("a right click on the HTML box opens its menu", CenterOf(WindowRect(app.HtmlBox())),
                           [&] { return ShownMenu(id) != nullptr; }, app.main(), MouseButton::Right));
    ASSERT_TRUE(CopyThroughOpenMenu());
    auto text = ReadClipboardText();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, HtmlOf(DesktopColor()));
    EXPECT_EQ(text->size(), 7u);
    // The whole code stays selected (a rich edit box counts its final mark as well).
    auto [start, end] = EditSelection(app.HtmlBox());
    EXPECT_EQ(start, 0);
    EXPECT_GE(end, 7);
}

TEST(MainWindow, HelpWithoutTheHelpFileReportsTheInstallationAsCorrupted) {
    LoneProgram lone;
    Huetrove app(lone.dir.Path(), lone.exe);
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

TEST(MainWindow, HelpOpensTheHelpFileFromTheCurrentDirectory) {
    LoneProgram lone;
    ASSERT_TRUE(lone.dir.CopyIn(FileBesideProgram("Help.chm")));
    Huetrove app(lone.dir.Path(), lone.exe);
    ExpectHelpOpens(app);
}

TEST(MainWindow, HelpIsFoundBesideTheProgramWhenStartedFromElsewhere) {
    ScratchDirectory elsewhere;
    {
        // Whatever lies in the folder the program was started from comes second. This
        // one is no help file: only the file beside the program brings up the viewer.
        std::ofstream other(elsewhere.Path() + "\\Help.chm");
        other << "Not the help beside the program";
    }
    Huetrove app(elsewhere.Path());
    ExpectHelpOpens(app);
}

TEST(MainWindow, ExitEndsTheProgram) {
    Huetrove app;
    app.MenuCommand('F', 'X', "File > Exit ends the program", [&] { return !app.process().IsRunning(); },
                    {.deadline = 15s, .attempts = kStepAttempts});
    ASSERT_TRUE(app.process().WaitForExit(15s));
    EXPECT_EQ(app.process().ExitCode(), 0u);
}
