// The tray component against Wine's real notification area: notices are posted to
// its tray window as the shell posts them, and what reaches the shell is checked by
// asking the shell about the icon.
#include "tray/CoolTrayIcon.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "Harness.h"
#include "TestApplication.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "tray_sequences.h"

namespace {

using namespace std::chrono_literals;
using harness::PumpUntil;

class TTestForm : public fw::TForm {
public:
    explicit TTestForm(fw::TComponent* owner) : fw::TForm(owner) {
        Build({.name = "TestForm", .caption = "Tray test", .clientWidth = 200, .clientHeight = 100, .menus = kMenus});
        Menu = nullptr;
    }
    fw::TPopupMenu* TrayMenu = nullptr;
    fw::TMenuItem* ItemA = nullptr;
    fw::TMenuItem* ItemB = nullptr;
    fw::TMenuItem* ItemC = nullptr;

private:
    static constexpr fw::TMenuItemDesc kItems[] = {
        {.name = "ItemA", .field = fw::Field<&TTestForm::ItemA>, .caption = "&A", .command = 100},
        {.name = "ItemB", .field = fw::Field<&TTestForm::ItemB>, .caption = "&B", .command = 101},
        {.name = "ItemC", .field = fw::Field<&TTestForm::ItemC>, .caption = "&C", .command = 102}};
    static constexpr fw::TMenuDesc kMenus[] = {
        {.name = "TrayMenu", .field = fw::Field<&TTestForm::TrayMenu>, .popup = true, .items = kItems}};
};

TTestForm* mainForm = nullptr;

// Whether the shell holds the component's icon: a change succeeds only then.
bool IconInTray(const NOTIFYICONDATAA& data) {
    NOTIFYICONDATAA probe = data;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

// The shell losing every icon, as when the taskbar restarts.
void ShellForgetsIcon(const NOTIFYICONDATAA& data) {
    NOTIFYICONDATAA probe = data;
    Shell_NotifyIconA(NIM_DELETE, &probe);
}

// An image list of three icons: red, green and blue, owned by the main form.
fw::TImageList* RedGreenBlueIcons() {
    auto* list = new fw::TImageList(mainForm);
    const std::vector<BYTE> opaque(16 * 16 / 8, 0);
    for (DWORD rgb : {0xFF0000u, 0x00FF00u, 0x0000FFu}) {
        const std::vector<DWORD> pixels(16 * 16, 0xFF000000u | rgb);
        HICON icon = CreateIcon(nullptr, 16, 16, 1, 32, opaque.data(), reinterpret_cast<const BYTE*>(pixels.data()));
        list->AddIcon(icon);
        DestroyIcon(icon);
    }
    return list;
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainForm->Show();
        tray = new TCoolTrayIcon(mainForm);
        for (fw::TMenuItem* item : menu->Items()->Items())
            item->Default = false;
        menu->AutoPopup = true;
        menu->OnPopup = nullptr;
        tray->OnClick = [this](fw::TComponent* s) { Record(s, "click"); };
        tray->OnDblClick = [this](fw::TComponent* s) { Record(s, "dblclick"); };
        tray->OnMouseDown = [this](fw::TComponent* s, fw::TMouseButton b, fw::TShiftState shift, int, int) {
            Record(s, "down " + Button(b));
            shifts.push_back(shift);
        };
        tray->OnMouseUp = [this](fw::TComponent* s, fw::TMouseButton b, fw::TShiftState shift, int, int) {
            Record(s, "up " + Button(b));
            shifts.push_back(shift);
        };
        tray->OnMouseMove = [this](fw::TComponent* s, fw::TShiftState, int, int) { Record(s, "move"); };
    }

    void TearDown() override {
        delete tray;
        fw::Application().ProcessMessages();
    }

    static std::string Button(fw::TMouseButton b) {
        return b == fw::TMouseButton::mbLeft ? "left" : b == fw::TMouseButton::mbRight ? "right" : "middle";
    }

    void Record(fw::TComponent* sender, const std::string& what) {
        EXPECT_EQ(sender, tray);
        events.push_back(what);
    }

    // Posts the shell's notices and waits until all of them have been handled.
    void Notices(std::initializer_list<LPARAM> messages) {
        for (LPARAM m : messages)
            PostMessageA(tray->TrayWindow(), TCoolTrayIcon::TrayCallbackMessage, TCoolTrayIcon::TrayIconId, m);
        fw::Application().ProcessMessages();
    }

    void ItemClicks(fw::TMenuItem* item, const std::string& what) {
        item->OnClick = [this, what](fw::TComponent*) { events.push_back(what); };
    }

    // Plays a sequence of the shared table one notice at a time, so that a menu's own loop
    // takes no later notice; its menu closes again as soon as it opens.
    void Play(const tray::sequences::TraySequence& sequence) {
        if (sequence.menu) {
            tray->SetPopupMenu(menu);
            ItemClicks(mainForm->ItemA, "default");
            mainForm->ItemA->Default = true;
            menu->OnPopup = [this](fw::TComponent*) {
                events.push_back("menu");
                PostMessageA(app, WM_KEYDOWN, VK_ESCAPE, 0);
            };
        }
        tray->SetLeftPopup(sequence.leftPopup);
        for (std::int64_t m : sequence.notices)
            Notices({static_cast<LPARAM>(m)});
        EXPECT_EQ(events, sequence.fired);
    }

    const HWND app = fw::Application().Handle();
    TCoolTrayIcon* tray = nullptr;
    fw::TPopupMenu* const menu = mainForm->TrayMenu;
    std::vector<std::string> events;
    std::vector<fw::TShiftState> shifts;
};

using Events = std::vector<std::string>;

TEST_F(TrayIconTest, RecordIsTheVersionTwoLayoutWithOurWindowAndMessage) {
    const NOTIFYICONDATAA& d = tray->NotifyData();
    EXPECT_EQ(d.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));
    EXPECT_EQ(d.uID, 1u);
    EXPECT_EQ(d.uFlags, 7u);
    EXPECT_EQ(d.uCallbackMessage, 0x0800u);
    EXPECT_TRUE(IsWindow(d.hWnd));
    EXPECT_FALSE(IsWindowVisible(d.hWnd));
    EXPECT_EQ(TCoolTrayIcon::TaskbarCreatedMessage(), RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_TRUE(tray->Enabled());
    EXPECT_TRUE(tray->ShowHint());
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_FALSE(tray->MinimizeToTray());
    EXPECT_FALSE(tray->StepTimer()->Enabled());
    EXPECT_EQ(SendMessageA(d.hWnd, WM_QUERYENDSESSION, 0, 0), 1);
}

TEST_F(TrayIconTest, NothingReachesTheTrayUntilLoaded) {
    tray->SetHint("before loading");
    EXPECT_FALSE(IconInTray(tray->NotifyData()));
    EXPECT_FALSE(tray->RefreshTray());
    tray->Loaded();
    EXPECT_TRUE(IconInTray(tray->NotifyData()));
    EXPECT_STREQ(tray->NotifyData().szTip, "before loading");
    delete tray;
    // A new component is not in the tray either: the old one took its icon away.
    tray = new TCoolTrayIcon(mainForm);
    EXPECT_FALSE(IconInTray(tray->NotifyData()));
}

TEST_F(TrayIconTest, DestructionTakesTheIconAway) {
    tray->Loaded();
    NOTIFYICONDATAA copy = tray->NotifyData();
    HWND trayWindow = tray->TrayWindow();
    ASSERT_TRUE(IconInTray(copy));
    delete tray;
    tray = nullptr;
    EXPECT_FALSE(IconInTray(copy));
    EXPECT_FALSE(IsWindow(trayWindow));
    tray = new TCoolTrayIcon(mainForm);
}

TEST_F(TrayIconTest, TipIsCutTo127CharactersAndEmptyWithoutHint) {
    tray->Loaded();
    tray->SetHint(std::string(200, 'h'));
    EXPECT_EQ(std::string(tray->NotifyData().szTip), std::string(127, 'h'));
    EXPECT_TRUE(IconInTray(tray->NotifyData()));
    tray->SetShowHint(false);
    EXPECT_EQ(tray->NotifyData().szTip[0], '\0');
    tray->SetShowHint(true);
    EXPECT_EQ(std::string(tray->NotifyData().szTip).size(), 127u);
    tray->SetHint("");
    for (char c : tray->NotifyData().szTip)
        ASSERT_EQ(c, '\0');
}

TEST_F(TrayIconTest, DoubleClickIsOneClickThenOneDblClick) {
    Play(tray::sequences::kDoubleClickIsOneClickThenOneDblClick);
    for (fw::TShiftState s : shifts)
        EXPECT_TRUE(s & fw::ssLeft);
}

TEST_F(TrayIconTest, EveryReleaseAfterAPressClicksOnce) {
    Play(tray::sequences::kEveryReleaseAfterAPressClicksOnce);
}

TEST_F(TrayIconTest, MiddleAndRightDoubleClicksFireOnlyTheirOwnEvents) {
    Play(tray::sequences::kMiddleAndRightDoubleClicksFireOnlyTheirOwnEvents);
    events.clear();
    tray->SetPopupMenu(nullptr);  // no menu: the press fires only its event
    Notices({WM_RBUTTONDOWN, WM_RBUTTONUP});
    EXPECT_EQ(events, (Events{"down right", "up right"}));
}

TEST_F(TrayIconTest, DisabledDropsEveryNoticeAndKeepsThePress) {
    tray->SetPopupMenu(menu);
    ItemClicks(mainForm->ItemA, "item A");
    mainForm->ItemA->Default = true;
    menu->OnPopup = [this](fw::TComponent*) { events.push_back("popup"); };
    Notices({WM_LBUTTONDOWN});
    tray->SetEnabled(false);
    Notices({WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MOUSEMOVE});
    EXPECT_EQ(events, (Events{"down left"}));
    tray->SetEnabled(true);
    Notices({WM_LBUTTONUP});
    EXPECT_EQ(events, (Events{"down left", "click", "up left"}));
}

TEST_F(TrayIconTest, RightPressOpensTheMenuBeforeTheRelease) {
    tray->SetPopupMenu(menu);
    ItemClicks(mainForm->ItemB, "item B");
    menu->OnPopup = [this](fw::TComponent* sender) {
        events.push_back("popup");
        EXPECT_EQ(sender, menu);
        // Choose the second entry with the keyboard, as a user would.
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN})
            PostMessageA(app, WM_KEYDOWN, key, 0);
    };
    Notices({WM_RBUTTONDOWN});
    ASSERT_TRUE(PumpUntil([&] { return events.size() >= 3; }, 3s));
    Notices({WM_RBUTTONUP});
    EXPECT_EQ(events, (Events{"down right", "popup", "item B", "up right"}));
}

TEST_F(TrayIconTest, MenuSwitchedOffOrMissingOpensNothing) {
    menu->OnPopup = [this](fw::TComponent*) { events.push_back("popup"); };
    tray->SetPopupMenu(menu);
    menu->AutoPopup = false;
    Notices({WM_RBUTTONDOWN, WM_RBUTTONUP});
    EXPECT_EQ(events, (Events{"down right", "up right"}));
}

TEST_F(TrayIconTest, DoubleClickRunsTheUpperOfTwoDefaultItems) {
    tray->SetPopupMenu(menu);
    ItemClicks(mainForm->ItemA, "item A");
    ItemClicks(mainForm->ItemB, "item B");
    ItemClicks(mainForm->ItemC, "item C");
    mainForm->ItemB->Default = true;
    mainForm->ItemC->Default = true;
    Notices({WM_LBUTTONDBLCLK});
    EXPECT_EQ(events, (Events{"dblclick", "item B"}));

    events.clear();
    menu->AutoPopup = false;
    Notices({WM_LBUTTONDBLCLK});
    EXPECT_EQ(events, (Events{"dblclick"}));
}

TEST_F(TrayIconTest, LeftPopupOpensOnTheLeftPressAndRunsNoDefaultItem) {
    Play(tray::sequences::kLeftPopupOpensOnTheLeftPressAndRunsNoDefaultItem);
}

TEST_F(TrayIconTest, TaskbarRestartBringsTheIconBackOnlyWhenVisible) {
    tray->Loaded();
    const UINT restart = TCoolTrayIcon::TaskbarCreatedMessage();
    ShellForgetsIcon(tray->NotifyData());
    ASSERT_FALSE(IconInTray(tray->NotifyData()));
    SendMessageA(app, restart, 0, 0);
    EXPECT_TRUE(IconInTray(tray->NotifyData()));

    tray->SetIconVisible(false);
    ASSERT_FALSE(IconInTray(tray->NotifyData()));
    SendMessageA(app, restart, 0, 0);
    EXPECT_FALSE(IconInTray(tray->NotifyData()));
    EXPECT_FALSE(tray->IconVisible());
}

// A shell still starting at log-on: it refuses the first adds, and sends no restart
// notice. Refusing may only mean that the call timed out: the shell then takes the icon
// all the same (here at once), and refuses any further add of it.
class BusyShell {
public:
    static constexpr bool kTakesTheIcon = true;
    explicit BusyShell(int refusals, bool takesRefused = false) {
        refusalsLeft_ = refusals;
        takesRefused_ = takesRefused;
        lastTip_.clear();
        TCoolTrayIcon::ShellNotifyIcon = &Notify;
    }
    ~BusyShell() { TCoolTrayIcon::ShellNotifyIcon = &Shell_NotifyIconA; }
    BusyShell(const BusyShell&) = delete;
    BusyShell& operator=(const BusyShell&) = delete;
    static int RefusalsLeft() { return refusalsLeft_; }
    // The tip of the last change that reached the shell.
    static const std::string& LastTipSent() { return lastTip_; }

private:
    static BOOL WINAPI Notify(DWORD message, PNOTIFYICONDATAA data) {
        if (message == NIM_ADD && refusalsLeft_ > 0) {
            --refusalsLeft_;
            if (takesRefused_)
                Shell_NotifyIconA(message, data);
            return FALSE;
        }
        const BOOL done = Shell_NotifyIconA(message, data);
        if (message == NIM_MODIFY && done)
            lastTip_ = data->szTip;
        return done;
    }
    static inline int refusalsLeft_ = 0;
    static inline bool takesRefused_ = false;
    static inline std::string lastTip_;
};

TEST_F(TrayIconTest, AnIconTheShellRefusesComesLaterAndNothingHidesIntoNothingMeanwhile) {
    BusyShell shell(2);
    tray->SetMinimizeToTray(true);
    tray->Loaded();
    ASSERT_FALSE(IconInTray(tray->NotifyData()));
    EXPECT_FALSE(tray->InTray());
    EXPECT_TRUE(tray->AddRetryTimer()->Enabled());

    // A close that hides to the tray, as the program's close handler does. Hidden now,
    // the window could never come back: it goes to the taskbar instead.
    mainForm->OnClose = [this](fw::TComponent*, fw::TCloseAction& action) {
        tray->HideMainWindow();
        action = fw::TCloseAction::caNone;
    };
    SendMessageA(mainForm->Handle(), WM_CLOSE, 0, 0);
    mainForm->OnClose = nullptr;
    EXPECT_TRUE(mainForm->Visible());
    EXPECT_TRUE(IsWindowVisible(app)) << "the taskbar button stays";
    EXPECT_TRUE(IsIconic(app));
    fw::Application().Restore();
    EXPECT_TRUE(IsWindowVisible(mainForm->Handle()));

    ASSERT_TRUE(PumpUntil([&] { return IconInTray(tray->NotifyData()); }, 5s)) << "the icon arrives later";
    EXPECT_EQ(BusyShell::RefusalsLeft(), 0);
    EXPECT_TRUE(tray->InTray());
    EXPECT_FALSE(tray->AddRetryTimer()->Enabled()) << "no more tries once it is there";

    tray->HideMainWindow();
    EXPECT_FALSE(mainForm->Visible());
    EXPECT_FALSE(IsWindowVisible(app));
    tray->ShowMainWindow();
    EXPECT_TRUE(IsWindowVisible(mainForm->Handle()));
}

TEST_F(TrayIconTest, AnIconTheShellTookWhileReportingFailureCountsAsThere) {
    BusyShell shell(1, BusyShell::kTakesTheIcon);
    tray->Loaded();
    ASSERT_TRUE(IconInTray(tray->NotifyData()));
    EXPECT_TRUE(tray->InTray());
    EXPECT_FALSE(tray->AddRetryTimer()->Enabled()) << "no more adds for an icon the shell holds";
    tray->SetHint("#123456");
    EXPECT_EQ(BusyShell::LastTipSent(), "#123456");

    tray->HideMainWindow();
    EXPECT_FALSE(mainForm->Visible()) << "hidden to the tray, not minimised to the taskbar";
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_FALSE(IsIconic(app));
    tray->ShowMainWindow();
}

TEST_F(TrayIconTest, AHintChangeReachesAnIconTheShellTookAfterTheAddGaveUp) {
    BusyShell shell(1);
    tray->Loaded();
    ASSERT_FALSE(tray->InTray());
    NOTIFYICONDATAA late = tray->NotifyData();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &late)) << "the shell takes it before the next try";
    tray->SetHint("#654321");
    EXPECT_EQ(BusyShell::LastTipSent(), "#654321");
    EXPECT_TRUE(tray->InTray());
    EXPECT_FALSE(tray->AddRetryTimer()->Enabled());
}

TEST_F(TrayIconTest, MinimizeToTrayHidesBothWindowsAndKeepsTheIcon) {
    tray->Loaded();
    tray->SetMinimizeToTray(true);
    ASSERT_TRUE(IsWindowVisible(app));
    ShellForgetsIcon(tray->NotifyData());
    tray->SetIconVisible(false);
    fw::Application().Minimize();
    EXPECT_FALSE(mainForm->Visible());
    EXPECT_FALSE(IsWindowVisible(mainForm->Handle()));
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_TRUE(IconInTray(tray->NotifyData()));

    tray->ShowMainWindow();
    EXPECT_TRUE(mainForm->Visible());
    EXPECT_TRUE(IsWindowVisible(mainForm->Handle()));
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_FALSE(IsIconic(app));
}

TEST_F(TrayIconTest, WithoutMinimizeToTrayMinimisingLeavesTheFormVisible) {
    tray->Loaded();
    fw::Application().Minimize();
    EXPECT_TRUE(mainForm->Visible());
    fw::Application().Restore();
    EXPECT_TRUE(IsWindowVisible(mainForm->Handle()));
}

TEST_F(TrayIconTest, HideAndShowMainWindowMoveTheTaskbarButtonAndLeaveTheIcon) {
    tray->Loaded();
    tray->HideMainWindow();
    EXPECT_FALSE(mainForm->Visible());
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_TRUE(IconInTray(tray->NotifyData()));
    tray->ShowMainWindow();
    EXPECT_TRUE(mainForm->Visible());
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == mainForm->Handle(); }, 3s));
}

TEST_F(TrayIconTest, ShowingTheOwnerRestoresTheApplicationWindow) {
    ShowWindow(mainForm->Handle(), SW_HIDE);
    ShowWindow(app, SW_HIDE);
    ShowWindow(mainForm->Handle(), SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(app));
}

// Shown from hidden, as at start-up, the main form is activated once and the application
// window comes back without taking the activation on the way (each activation of the
// main window reloads the picking cursor in the program).
TEST_F(TrayIconTest, ShowingTheOwnerActivatesItOnceAndTheApplicationWindowNever) {
    tray->Loaded();
    tray->HideMainWindow();
    fw::Application().ProcessMessages();
    ASSERT_FALSE(IsWindowVisible(app));
    int ownerActivations = 0;
    int appActivations = 0;
    auto counting = [](int& count) {
        return [&count](UINT msg, WPARAM wParam, LPARAM, bool&) -> LRESULT {
            if (msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)
                ++count;
            return 0;
        };
    };
    fw::TWindowHook ownerHook;
    fw::TWindowHook appHook;
    ownerHook.Install(mainForm->Handle(), counting(ownerActivations));
    appHook.Install(app, counting(appActivations));
    mainForm->SetVisible(true);
    fw::Application().ProcessMessages();
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == mainForm->Handle(); }, 3s));
    EXPECT_EQ(ownerActivations, 1);
    EXPECT_EQ(appActivations, 0);
}

TEST_F(TrayIconTest, DesignPreviewAddsAndRemovesWithoutTouchingIconVisible) {
    tray->SetIconVisible(false);
    tray->SetDesignPreview(true);
    EXPECT_TRUE(IconInTray(tray->NotifyData()));
    EXPECT_FALSE(tray->IconVisible());
    tray->SetIconVisible(true);
    tray->SetDesignPreview(false);
    EXPECT_FALSE(IconInTray(tray->NotifyData()));
    EXPECT_TRUE(tray->IconVisible());
}

TEST_F(TrayIconTest, StartMinimizedKeepsTheMainFormFromShowing) {
    tray->SetStartMinimized(true);
    tray->Loaded();
    EXPECT_FALSE(fw::Application().ShowMainForm);
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_TRUE(IconInTray(tray->NotifyData()));
    fw::Application().ShowMainForm = true;
}

TEST_F(TrayIconTest, IconListSetsTheIconAndClampsTheIndex) {
    auto* list = RedGreenBlueIcons();
    ASSERT_EQ(list->Count(), 3);
    tray->SetIconIndex(2);
    EXPECT_EQ(tray->IconIndex(), 0);  // no list: always 0
    tray->SetIconList(list);
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_FALSE(tray->Icon().Empty());
    tray->SetIconIndex(7);
    EXPECT_EQ(tray->IconIndex(), 2);
    tray->SetIconIndex(1);
    EXPECT_EQ(tray->IconIndex(), 1);
    delete list;  // the removal notice takes the list away
    EXPECT_EQ(tray->IconList(), nullptr);
    EXPECT_EQ(tray->IconIndex(), 0);
}

TEST_F(TrayIconTest, CyclingStepsThroughTheListAndReportsTheNextIndex) {
    auto* list = RedGreenBlueIcons();
    tray->Loaded();
    tray->SetIconList(list);
    std::vector<int> next;
    std::vector<int> shownAtCycle;
    tray->OnCycle = [&](fw::TComponent* sender, int nextIndex) {
        EXPECT_EQ(sender, tray);
        next.push_back(nextIndex);
        shownAtCycle.push_back(tray->IconIndex());
    };
    tray->SetCycleInterval(20);
    EXPECT_FALSE(tray->StepTimer()->Enabled());
    tray->SetIconIndex(1);
    tray->SetCycleIcons(true);
    EXPECT_EQ(tray->IconIndex(), 0);  // cycling starts from the first entry
    EXPECT_TRUE(tray->StepTimer()->Enabled());
    EXPECT_EQ(tray->StepTimer()->Interval(), 20u);
    ASSERT_TRUE(PumpUntil([&] { return next.size() >= 4; }, 3s));
    tray->SetCycleIcons(false);
    EXPECT_EQ((std::vector<int>(next.begin(), next.begin() + 4)), (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ((std::vector<int>(shownAtCycle.begin(), shownAtCycle.begin() + 4)), (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(tray->NotifyData().hIcon, tray->Icon().Handle());
    EXPECT_FALSE(tray->StepTimer()->Enabled());
    delete list;
}

TEST_F(TrayIconTest, CyclingWithoutAListDoesNothing) {
    int cycles = 0;
    tray->OnCycle = [&](fw::TComponent*, int) { ++cycles; };
    tray->SetCycleInterval(10);
    tray->SetCycleIcons(true);
    // Several intervals go by with the timer running, and not one cycle.
    EXPECT_FALSE(PumpUntil([&] { return cycles > 0; }, 150ms));
    EXPECT_EQ(cycles, 0);
    EXPECT_EQ(tray->IconIndex(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    InitializeTestApplication("Tray test");
    mainForm = fw::Application().CreateForm<TTestForm>();
    return RUN_ALL_TESTS();
}
