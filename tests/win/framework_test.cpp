// The form framework on real windows: menus, the rich edit change rule, the
// application window following the forms, modal showing, close actions and the
// standard error box.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "Harness.h"
#include "TestApplication.h"
#include "framework/Application.h"
#include "framework/Button.h"
#include "framework/DebugReport.h"
#include "framework/WindowDpi.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/Menu.h"
#include "framework/Panel.h"
#include "framework/RichEdit.h"

using namespace fw;

namespace {

class TestForm : public TForm {
public:
    explicit TestForm(const TFormDesc& desc) : TForm(&Application()) { Build(desc); }
    void Count(TComponent*) { ++count; }
    void Fail(TComponent*) { throw Exception("Failed to set data for 'WindowTop'"); }
    void FormClose(TComponent*, TCloseAction& action) {
        ++closes;
        action = closeAction;
    }
    int count = 0;
    int closes = 0;
    TCloseAction closeAction = TCloseAction::caHide;
};

// The process's application object, made before the first test as a program makes its own.
struct FrameworkApplication : testing::Environment {
    void SetUp() override { InitializeTestApplication("Framework Test"); }
};
[[maybe_unused]] testing::Environment* const kApplication = testing::AddGlobalTestEnvironment(new FrameworkApplication);

// A plain form description, with controls if given.
TFormDesc Desc(std::string_view name, int width = 100, int height = 50, TList<TControlDesc> controls = {}) {
    return {.name = name, .caption = name, .clientWidth = width, .clientHeight = height, .controls = controls};
}

// A described part by its name, as the tests name them.
template <typename T>
T* Part(const TForm& form, std::string_view name) {
    auto* part = dynamic_cast<T*>(form.FindComponent(name));
    EXPECT_NE(part, nullptr) << "no part " << name;
    return part;
}

constexpr TMenuItemDesc Radio(std::string_view name, unsigned command, bool checked = false) {
    return {.name = name, .caption = name, .radioItem = true, .autoCheck = true, .groupIndex = 1, .checked = checked,
            .command = command, .onClick = Handler<&TestForm::Count>};
}

// Descriptions are constant data: the menus of the menu form as arrays.
constexpr TMenuItemDesc kSubA[] = {Radio("A1", 101, true), Radio("A2", 102)};
constexpr TMenuItemDesc kSubB[] = {Radio("B1", 103, true), Radio("B2", 104)};
constexpr TMenuItemDesc kTop[] = {{.name = "SubA", .caption = "A", .items = kSubA},
                                  {.name = "SubB", .caption = "B", .items = kSubB},
                                  {.name = "Hidden", .caption = "Hidden", .command = 105}};
constexpr TMenuItemDesc kBarItems[] = {{.name = "Top", .caption = "&Top", .items = kTop}};
constexpr TMenuDesc kBar[] = {{.name = "Bar", .items = kBarItems}};

constexpr TFormDesc kMenuForm{
    .name = "MenuForm", .caption = "MenuForm", .clientWidth = 200, .clientHeight = 100, .menu = "Bar", .menus = kBar};

UINT MenuState(TestForm& form, const std::string& name) {
    return GetMenuState(GetMenu(form.Handle()), Part<TMenuItem>(form, name)->Command(), MF_BYCOMMAND);
}

TEST(Menus, RadioCheckingStaysInsideItsOwnSubmenu) {
    TestForm form(kMenuForm);
    auto* a2 = Part<TMenuItem>(form, "A2");
    a2->SetChecked(true);
    EXPECT_FALSE(Part<TMenuItem>(form, "A1")->Checked());
    EXPECT_TRUE(Part<TMenuItem>(form, "B1")->Checked()) << "the other submenu keeps its mark";
    EXPECT_TRUE(MenuState(form, "A2") & MF_CHECKED);
    EXPECT_FALSE(MenuState(form, "A1") & MF_CHECKED);
    EXPECT_TRUE(MenuState(form, "B1") & MF_CHECKED);
}

TEST(Menus, ChoosingAnAutoCheckItemFlipsItsMarkBeforeTheHandlerRuns) {
    TestForm form(kMenuForm);
    auto* b1 = Part<TMenuItem>(form, "B1");
    bool checkedDuringHandler = true;
    b1->OnClick = [&](TComponent*) { checkedDuringHandler = b1->Checked(); };
    b1->Click();  // the checked item: its mark goes
    EXPECT_FALSE(checkedDuringHandler);
    EXPECT_FALSE(b1->Checked());
    EXPECT_FALSE(Part<TMenuItem>(form, "B2")->Checked());
    Part<TMenuItem>(form, "B2")->Click();
    EXPECT_TRUE(Part<TMenuItem>(form, "B2")->Checked());
    EXPECT_EQ(form.count, 1);
}

TEST(Menus, MenuCommandsReachTheItemThroughTheWindow) {
    TestForm form(kMenuForm);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(Part<TMenuItem>(form, "A2")->Command(), 0), 0);
    EXPECT_EQ(form.count, 1);
    EXPECT_TRUE(Part<TMenuItem>(form, "A2")->Checked());
}

TEST(Menus, ACommandIsTheNumberItsDescriptionGivesAndNoOther) {
    TestForm form(kMenuForm);
    EXPECT_EQ(Part<TMenuItem>(form, "A2")->Command(), 102u);
    EXPECT_EQ(Part<TMenuItem>(form, "SubA")->Command(), 0u) << "a submenu sends nothing";
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(104, 0), 0);
    EXPECT_EQ(form.count, 1);
    EXPECT_TRUE(Part<TMenuItem>(form, "B2")->Checked());
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(106, 0), 0);
    EXPECT_EQ(form.count, 1) << "a number no item has runs nothing";
}

TEST(Menus, HiddenItemsAreLeftOutAndComeBackWhenShown) {
    TestForm form(kMenuForm);
    Part<TMenuItem>(form, "Hidden")->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form.Handle()), 0)), 2);
    Part<TMenuItem>(form, "Hidden")->SetVisible(true);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form.Handle()), 0)), 3);
}

TEST(Menus, ShortcutTextFollowsTheCaption) {
    static constexpr TMenuItemDesc kGo[] = {
        {.name = "Go", .caption = "&Go", .shortCut = "Ctrl+F1", .command = 100, .onClick = Handler<&TestForm::Count>}};
    static constexpr TMenuItemDesc kItems[] = {{.name = "Top", .caption = "&Top", .items = kGo}};
    static constexpr TMenuDesc kMenus[] = {{.name = "Bar", .items = kItems}};
    TestForm form(
        {.name = "F", .caption = "F", .clientWidth = 100, .clientHeight = 50, .menu = "Bar", .menus = kMenus});
    char text[64] = {};
    GetMenuStringA(GetMenu(form.Handle()), Part<TMenuItem>(form, "Go")->Command(), text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Go\tCtrl+F1");
}

// A form whose description names the fields that hold its parts.
class FieldForm : public TForm {
public:
    FieldForm();
    TRichEdit* Edit = nullptr;
    TMainMenu* Bar = nullptr;
    TMenuItem* Go = nullptr;
};

constexpr TControlDesc kFieldControls[] = {
    {.name = "Edit", .field = Field<&FieldForm::Edit>, .kind = TControlKind::RichEdit, .width = 90, .height = 16}};
constexpr TMenuItemDesc kFieldGo[] = {{.name = "Go", .field = Field<&FieldForm::Go>, .caption = "&Go", .command = 100}};
constexpr TMenuItemDesc kFieldTop[] = {{.name = "Top", .caption = "&Top", .items = kFieldGo}};
constexpr TMenuDesc kFieldMenus[] = {{.name = "Bar", .field = Field<&FieldForm::Bar>, .items = kFieldTop}};

FieldForm::FieldForm() : TForm(&Application()) {
    Build({.name = "FieldForm", .caption = "FieldForm", .clientWidth = 200, .clientHeight = 60, .menu = "Bar",
           .menus = kFieldMenus, .controls = kFieldControls});
}

TEST(FormDescription, BuildFillsTheFieldsTheDescriptionNames) {
    FieldForm form;
    EXPECT_EQ(form.Edit, Part<TRichEdit>(form, "Edit"));
    EXPECT_NE(form.Edit->Handle(), nullptr);
    EXPECT_EQ(form.Bar, form.Menu);
    EXPECT_EQ(form.Go, Part<TMenuItem>(form, "Go"));
}

TEST(RichEdit, ChangeFiresOnlyWhenTheTextBecomesDifferent) {
    static constexpr TControlDesc kControls[] = {{.name = "Edit", .kind = TControlKind::RichEdit, .left = 10, .top = 10,
                                                  .width = 90, .height = 16, .centered = true,
                                                  .onChange = Handler<&TestForm::Count>}};
    TestForm form(Desc("EditForm", 200, 60, kControls));
    auto* edit = Part<TRichEdit>(form, "Edit");
    edit->SetText("#FF0000");
    EXPECT_EQ(form.count, 1);
    edit->SetText("#FF0000");
    EXPECT_EQ(form.count, 1);
    edit->SetText("#00FF00");
    EXPECT_EQ(form.count, 2);
    EXPECT_EQ(harness::Caption(edit->Handle()), "#00FF00");
}

TEST(ApplicationWindow, IsShownWhileAnyFormIsVisible) {
    HWND app = Application().Handle();
    TestForm one(Desc("One"));
    TestForm two(Desc("Two"));
    EXPECT_FALSE(IsWindowVisible(app));
    one.Show();
    EXPECT_TRUE(IsWindowVisible(app));
    two.Show();
    one.Hide();
    EXPECT_TRUE(IsWindowVisible(app)) << "one form is still visible";
    two.Hide();
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongPtrA(one.Handle(), GWLP_HWNDPARENT)), app);
}

TEST(Forms, CloseOfAFormThatIsNotTheMainOneHidesIt) {
    TestForm form({.name = "Closing", .caption = "Closing", .clientWidth = 100, .clientHeight = 50,
                   .onClose = Handler<&TestForm::FormClose>});
    form.Show();
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.closes, 1);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(IsWindowVisible(form.Handle()));

    form.closeAction = TCloseAction::caNone;
    form.Show();
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.closes, 2);
    EXPECT_TRUE(form.Visible()) << "no close action: the close is refused";
    form.Hide();
}

TEST(Forms, ShowModalDisablesTheOthersAndEndsWithTheButtonsResult) {
    TestForm other(Desc("Other"));
    other.Show();
    static constexpr TControlDesc kControls[] = {{.name = "Ok", .kind = TControlKind::Button, .left = 10, .top = 10,
                                                  .width = 75, .height = 25, .text = "&Ok", .tabOrder = 0,
                                                  .modalResult = mrOk}};
    TestForm dialog(Desc("Dialog", 200, 80, kControls));
    bool disabledMeanwhile = false;
    HWND button = Part<TButton>(dialog, "Ok")->Handle();
    std::thread clicker([&] {
        // Press the button from outside once the dialog is up, as a user would.
        harness::WaitUntil([&] { return IsWindowVisible(dialog.Handle()) != FALSE; }, std::chrono::seconds(2));
        disabledMeanwhile = !IsWindowEnabled(other.Handle());
        PostMessageA(button, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    clicker.join();
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
    EXPECT_FALSE(dialog.Visible());
    other.Hide();
}

// The boxes shown while `act` ran, each answered by a watcher as a user would: a box runs
// its modal loop inside the handler that failed.
std::vector<harness::MessageBoxInfo> BoxesShownBy(const std::function<void()>& act) {
    harness::DialogWatcher watcher;
    act();
    return watcher.Seen();
}

TEST(ErrorBox, AnErrorEndsTheHandlerAndShowsTheStandardBox) {
    static constexpr TControlDesc kControls[] = {{.name = "Go", .kind = TControlKind::Button, .left = 10, .top = 10,
                                                  .width = 75, .height = 25, .text = "Go", .tabOrder = 0,
                                                  .onClick = Handler<&TestForm::Fail>}};
    TestForm form(Desc("Failing", 200, 80, kControls));
    const auto boxes = BoxesShownBy([&] { SendMessageA(Part<TButton>(form, "Go")->Handle(), BM_CLICK, 0, 0); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Framework Test");
    EXPECT_EQ(boxes[0].text, "Failed to set data for 'WindowTop'") << "no full stop after an apostrophe";
    EXPECT_EQ(boxes[0].owner, Application().Handle());
}

TEST(ErrorBox, AnyErrorInACreationHandlerIsShownAndCreationGoesOn) {
    TestForm form(Desc("FailingAtCreation"));
    form.OnCreate = [&](TComponent*) {
        ++form.count;
        throw std::runtime_error("no room");
    };
    const auto boxes = BoxesShownBy([&] { form.DoCreate(); });  // must come back here, not unwind to the caller
    EXPECT_EQ(form.count, 1);
    ASSERT_EQ(boxes.size(), 1u) << "the error was not shown";
    EXPECT_EQ(boxes[0].caption, "Framework Test");
    EXPECT_EQ(boxes[0].text, "no room.");
    EXPECT_EQ(boxes[0].owner, Application().Handle());
}

// Windows that the framework did not bind, named as the sender of what children send a
// form: one of another thread, and one of a system class on this thread. Both keep data
// of their own where the framework keeps its objects (an address that nothing maps).
TEST(Binding, OnlyWindowsTheFrameworkBoundAreTakenForItsControls) {
    TestForm form(Desc("Binding"));
    auto stranger = [] {
        HWND wnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0x1000);
        return wnd;
    };
    std::promise<HWND> ofOtherThread;
    std::promise<void> done;
    std::thread other([&] {
        HWND wnd = stranger();
        ofOtherThread.set_value(wnd);
        done.get_future().wait();
        DestroyWindow(wnd);
    });
    HWND mine = stranger();
    for (HWND wnd : {ofOtherThread.get_future().get(), mine}) {
        EXPECT_EQ(TControl::FromHandle(wnd), nullptr);
        SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), reinterpret_cast<LPARAM>(wnd));
        SendMessageA(form.Handle(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(wnd));
    }
    DestroyWindow(mine);
    done.set_value();
    other.join();
}

// A panel whose first paint fails, keeping the device context it was given.
class FailingFirstPaint : public TPanel {
public:
    explicit FailingFirstPaint(TComponent* owner) : TPanel(owner) {}
    HDC failedPaint = nullptr;

protected:
    void Paint(HDC dc) override {
        if (!failedPaint) {
            failedPaint = dc;
            throw Exception("cannot paint");
        }
        TPanel::Paint(dc);
    }
};

TEST(ErrorBox, APaintThatFailsIsEndedAndShowsOneBox) {
    TestForm form(Desc("Painting"));
    auto* panel = new FailingFirstPaint(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 40, 40);
    panel->CreateHandle();
    form.Show();
    const auto boxes =
        BoxesShownBy([&] { RedrawWindow(panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
    ASSERT_NE(panel->failedPaint, nullptr);
    EXPECT_EQ(ReleaseDC(panel->Handle(), panel->failedPaint), 0) << "the failed paint kept its device context";
    EXPECT_EQ(boxes.size(), 1u);
    form.Hide();
}

LONG FontHeight(HWND control) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

TEST(Scaling, AMoveToAnotherScaleLaysTheFormOutAgainFromItsTopLeftCorner) {
    static constexpr TFontDesc kTahoma{.name = "Tahoma", .size = 8};
    static constexpr TControlDesc kControls[] = {
        {.name = "Edit", .kind = TControlKind::RichEdit, .left = 10, .top = 12, .width = 94, .height = 16,
         .font = &kTahoma},
        {.name = "Button", .kind = TControlKind::Button, .left = 110, .top = 60, .width = 75, .height = 25,
         .text = "&Ok"},
        {.name = "Line", .kind = TControlKind::Bevel, .height = 3, .alignTop = true}};
    TestForm form({.name = "Scaled", .caption = "Scaled", .left = 40, .top = 30, .clientWidth = 200,
                   .clientHeight = 100, .onDpiChanged = Handler<&TestForm::Count>, .controls = kControls});
    const int start = form.Dpi();
    ASSERT_EQ(start, WindowDpi(form.Handle()));
    auto scaled = [&](int v, int dpi) { return MulDiv(v, dpi, 96); };
    HWND editWindow = Part<TControl>(form, "Edit")->Handle();
    HWND lineWindow = Part<TControl>(form, "Line")->Handle();

    for (int dpi : {144, 120, 192, start}) {
        SCOPED_TRACE(dpi);
        MoveToScale(form.Handle(), dpi);
        EXPECT_EQ(form.Dpi(), dpi);
        const RECT window = harness::WindowRect(form.Handle());
        EXPECT_EQ(window.left, 40) << "the top-left corner stays";
        EXPECT_EQ(window.top, 30);
        EXPECT_EQ(form.ClientWidth(), scaled(200, dpi));
        EXPECT_EQ(form.ClientHeight(), scaled(100, dpi));
        EXPECT_EQ(harness::TopLeftIn(form.Handle(), editWindow).x, scaled(10, dpi));
        EXPECT_EQ(harness::TopLeftIn(form.Handle(), editWindow).y, scaled(12, dpi));
        const RECT r = harness::WindowRect(editWindow);
        EXPECT_EQ(r.right - r.left, scaled(94, dpi));
        EXPECT_EQ(r.bottom - r.top, scaled(16, dpi));
        EXPECT_EQ(FontHeight(Part<TControl>(form, "Button")->Handle()), -MulDiv(8, dpi, 72))
            << "the form's font at the new scale";
        const RECT l = harness::WindowRect(lineWindow);
        EXPECT_EQ(l.right - l.left, form.ClientWidth()) << "a top-aligned control spans the new width";
        EXPECT_EQ(l.bottom - l.top, scaled(3, dpi));
    }
    EXPECT_EQ(form.count, 4) << "the form's own layout ran after each change";
    MoveToScale(form.Handle(), start);
    EXPECT_EQ(form.count, 4) << "no change, no new layout";
}

TEST(DebugReport, AFailedCallIsReportedWithItsNameAndErrorInDebugBuildsOnly) {
    static std::vector<std::string> reports;  // static: the sink is a plain function
    reports.clear();
    const TDebugSink previous = SetDebugSink([](const char* text) { reports.emplace_back(text); });
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    EXPECT_EQ(Reported(ATOM{0}, "RegisterClassExA"), ATOM{0}) << "the result passes through";
    EXPECT_EQ(Reported(TRUE, "InsertMenuItemA"), TRUE);
    EmitFailure("SetWindowSubclass", ERROR_INVALID_WINDOW_HANDLE);
    SetDebugSink(previous);
#ifdef NDEBUG
    const std::vector<std::string> expected = {"SetWindowSubclass failed: error 1400\n"};
#else
    const std::vector<std::string> expected = {"RegisterClassExA failed: error 1410\n",
                                               "SetWindowSubclass failed: error 1400\n"};
#endif
    EXPECT_EQ(reports, expected) << "a release build reports nothing; the emitted text is the same in both";
}

}  // namespace
