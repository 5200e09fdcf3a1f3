// Drives Wine's own notepad, wordpad and reg programs to show that every part of
// the harness works across processes in the shared prefix and desktop.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "Harness.h"

namespace {

using namespace harness;

constexpr Duration kStartTimeout = 20s;
// Generous: other sessions may load the machine; a passing run never waits this long.
constexpr Duration kReactTimeout = 10s;

std::string SystemProgram(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

class NotepadTest : public ::testing::Test {
protected:
    void SetUp() override {
        notepad_.emplace(Process::Launch(SystemProgram("notepad.exe")));
        window_ = WaitForTopLevelWindow(notepad_->Id(), {.className = "Notepad", .visibleOnly = true}, kStartTimeout);
        ASSERT_NE(window_, nullptr);
        edit_ = FindChildWindow(window_, "Edit");
        ASSERT_NE(edit_, nullptr);
        ASSERT_TRUE(BringToForeground(window_));
    }

    void TearDown() override { SaveScreenOnFailure(); }

    // Typed over the whole text, so that a repeat replaces what a lost key left.
    void Type(const std::string& text) {
        TypeOver(edit_, text);
        ASSERT_EQ(WindowText(edit_), text);
    }

    // Where character `index` of the edit is drawn, on the screen.
    POINT CharacterOnScreen(int index) {
        const auto packed = SendMessageA(edit_, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
        return ClientToScreenPoint(edit_,
                                   {static_cast<SHORT>(LOWORD(packed)) + 2, static_cast<SHORT>(HIWORD(packed)) + 5});
    }

    std::optional<Process> notepad_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(NotepadTest, TypedTextIsReadBackAndCopiedToTheClipboard) {
    EXPECT_TRUE(IsForeground(window_));
    EXPECT_TRUE(IsVisible(window_));
    EXPECT_EQ(Owner(window_), nullptr);

    const std::string text = "Hello, Harness #42!";
    Type(text);

    ASSERT_TRUE(ClearClipboard());
    EXPECT_NE(ReadClipboardText(), text);
    PressUntil("Ctrl+A selects all", window_, {VK_CONTROL, 'A'},
               [&] { return EditSelection(edit_) == std::pair<int, int>(0, int(text.size())); });
    ASSERT_EQ(EditSelection(edit_), std::make_pair(0, int(text.size())));
    PressUntil("Ctrl+C copies", window_, {VK_CONTROL, 'C'}, [&] { return ReadClipboardText() == text; });
    EXPECT_EQ(ReadClipboardText(), text) << ReadClipboardText().value_or("");
}

TEST_F(NotepadTest, MouseClicksLandOnTheExactPoint) {
    Type("alpha beta");
    const POINT onBeta = CharacterOnScreen(7);

    POINT inWindow = onBeta;
    ScreenToClient(window_, &inWindow);
    EXPECT_EQ(ChildAt(window_, inWindow), edit_);

    ASSERT_TRUE(SendUntil("a double click selects a word", [&] { return DoubleClick(onBeta); },
                          [&] { return EditSelection(edit_).first == 6; }));
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, onBeta.x);
    EXPECT_EQ(cursor.y, onBeta.y);

    EXPECT_TRUE(ClickUntil("a click puts the caret", CharacterOnScreen(2),
                           [&] { return EditSelection(edit_) == std::pair<int, int>(2, 2); }));

    // The edit's own context menu, a top-level popup of notepad, opens and Escape closes it.
    const DWORD id = notepad_->Id();
    EXPECT_TRUE(ClickUntil("a right click opens the menu", onBeta, [&] { return ShownMenu(id) != nullptr; }, edit_,
                           MouseButton::Right));
    EXPECT_TRUE(PressUntil("Escape closes the menu", nullptr, {VK_ESCAPE}, [&] { return ShownMenu(id) == nullptr; }));
}

TEST_F(NotepadTest, ScreenPixelsShowWhatIsDrawn) {
    const RECT client = ClientRectOnScreen(edit_);
    const SIZE size = ClientSize(edit_);
    ASSERT_GT(size.cx, 20);
    ASSERT_GT(size.cy, 20);
    EXPECT_EQ(client.right - client.left, size.cx);

    // The empty edit is painted in the window colour. Its middle, not its bottom:
    // the status bar may still cover the bottom until notepad has laid itself out.
    const POINT blank = CenterOf(client);
    EXPECT_TRUE(WaitUntil([&] { return ReadPixel(blank) == GetSysColor(COLOR_WINDOW); }, kReactTimeout))
        << std::hex << ReadPixel(blank) << std::dec << " at " << blank.x << "," << blank.y;

    const std::string path = "harness_selftest-screenshot.bmp";
    ASSERT_TRUE(SaveScreenshot(WindowRect(window_), path));
    const RECT frame = WindowRect(window_);
    const auto stride = static_cast<std::uintmax_t>(((frame.right - frame.left) * 3 + 3) & ~3);
    EXPECT_EQ(std::filesystem::file_size(path), 54 + stride * static_cast<std::uintmax_t>(frame.bottom - frame.top));
    std::filesystem::remove(path);
}

TEST_F(NotepadTest, ClosingWithUnsavedTextAsksAndDontSaveEnds) {
    Type("unsaved");
    PressUntil("Alt+F4 asks whether to save", window_, {VK_MENU, VK_F4},
               [&] { return !MessageBoxes(notepad_->Id()).empty(); });

    const auto box = WaitForMessageBox(notepad_->Id(), kReactTimeout);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->owner, window_);
    EXPECT_FALSE(box->caption.empty());
    EXPECT_NE(box->text.find("Untitled"), std::string::npos) << box->text;
    EXPECT_NE(box->icon, nullptr);
    ASSERT_EQ(box->buttons.size(), 3u);
    const DialogButton* dontSave = box->ButtonById(IDNO);
    ASSERT_NE(dontSave, nullptr);
    EXPECT_EQ(box->ButtonById(IDYES) != nullptr, true);

    AnswerMessageBox(box->window, dontSave->window);
    EXPECT_TRUE(notepad_->WaitForExit(kReactTimeout));
    EXPECT_EQ(notepad_->ExitCode(), 0u);
}

TEST(ProcessTest, TerminateEndsOnlyTheProgramStarted) {
    Process first = Process::Launch(SystemProgram("notepad.exe"));
    Process second = Process::Launch(SystemProgram("notepad.exe"));
    ASSERT_NE(WaitForTopLevelWindow(first.Id(), {.className = "Notepad"}, kStartTimeout), nullptr);
    EXPECT_FALSE(first.WaitForExit(50ms));
    EXPECT_EQ(first.ExitCode(), std::nullopt);

    first.Terminate();
    EXPECT_FALSE(first.IsRunning());
    EXPECT_EQ(first.ExitCode(), 1u);
    EXPECT_TRUE(TopLevelWindows(first.Id()).empty());
    EXPECT_TRUE(second.IsRunning());
}

TEST(RegistryTest, ValuesAreSharedWithOtherProcesses) {
    const std::string key = "Software\\Brightquill\\HarnessSelftest";
    const std::string reg = SystemProgram("reg.exe");
    const std::string query = "query \"HKCU\\" + key + "\" /v Text";
    ASSERT_TRUE(DeleteRegistryKey(key));

    ASSERT_TRUE(WriteRegistryString(key, "Text", "palWeb"));
    ASSERT_TRUE(WriteRegistryDword(key, "Number", 0x12345678));
    EXPECT_EQ(ReadRegistryString(key, "Text"), "palWeb");
    EXPECT_EQ(ReadRegistryDword(key, "Number"), 0x12345678u);
    EXPECT_EQ(ReadRegistryDword(key, "Text"), std::nullopt);  // a string is no number
    EXPECT_EQ(RunToEnd(reg, query, kStartTimeout), 0u);

    EXPECT_TRUE(DeleteRegistryValue(key, "Text"));
    EXPECT_FALSE(RegistryValueExists(key, "Text"));
    EXPECT_TRUE(RegistryValueExists(key, "Number"));
    EXPECT_EQ(RunToEnd(reg, query, kStartTimeout), 1u);

    EXPECT_TRUE(DeleteRegistryKey(key));
    EXPECT_FALSE(RegistryKeyExists(key));
    EXPECT_TRUE(DeleteRegistryKey(key));
}

// Rich edit controls are Unicode windows in another module; WM_GETTEXT still
// reads them across processes, as it does edits.
TEST(RichEditTest, WindowTextReadsRichEditsOfAnotherProcess) {
    for (const std::string className : {"RICHEDIT50W", "RichEdit20A", "RichEdit20W"}) {
        SCOPED_TRACE(className);
        Process host = Process::Launch(BesideThisTest("richedit_host.exe"), className + " \"#00FF80 R:0\"");
        HWND window = WaitForTopLevelWindow(host.Id(), {.caption = "RichEditHost", .visibleOnly = true}, kStartTimeout);
        ASSERT_NE(window, nullptr) << "exit code " << host.ExitCode().value_or(0);
        HWND richEdit = WaitFor([&] { return FindChildWindow(window, className); }, kReactTimeout);
        ASSERT_NE(richEdit, nullptr);
        EXPECT_EQ(WindowText(richEdit), "#00FF80 R:0");
        EXPECT_EQ(EditSelection(richEdit), std::make_pair(0, 0));
    }
}

}  // namespace
