#include "tray/CoolTrayIcon.h"

#include <cstring>
#include <vector>

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/Form.h"
#include "framework/Screen.h"
#include "tray/TrayClickRules.h"

namespace {

HWND WindowOfControl(fw::TComponent* component) {
    auto* control = dynamic_cast<fw::TControl*>(component);
    return control ? control->Handle() : nullptr;
}

fw::TShiftState CurrentShiftState() {
    return tray::ShiftFromKeys(GetAsyncKeyState(VK_SHIFT) < 0, GetAsyncKeyState(VK_CONTROL) < 0,
                               GetAsyncKeyState(VK_MENU) < 0);
}

}  // namespace

TCoolTrayIcon::TShellNotify TCoolTrayIcon::ShellNotifyIcon = &Shell_NotifyIconA;

UINT TCoolTrayIcon::TaskbarCreatedMessage() {
    // Shared by every instance: the shell broadcasts one number to all windows.
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

TCoolTrayIcon::TCoolTrayIcon(fw::TComponent* owner) : fw::TComponent(owner) {
    // cppcheck-suppress useInitializationList ; an empty pointer replaced once: nothing is constructed twice
    icon_ = std::make_unique<fw::TIcon>();

    // The version-2 layout of the record, at the platform's own size for it.
    notifyData_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    trayWindow_ = std::make_unique<fw::TUtilityWindow>(
        [this](HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) { return TrayWindowProc(wnd, msg, wParam, lParam); });
    notifyData_.hWnd = trayWindow_->Handle();
    notifyData_.uID = TrayIconId;
    notifyData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    notifyData_.uCallbackMessage = TrayCallbackMessage;

    stepTimer_ = new fw::TTimer(this);
    stepTimer_->SetEnabled(false);
    stepTimer_->SetInterval(0);
    stepTimer_->OnTimer = [this](fw::TComponent* sender) { StepTimerTick(sender); };
    addRetryTimer_ = new fw::TTimer(this);
    addRetryTimer_->SetEnabled(false);
    addRetryTimer_->SetInterval(AddRetryInterval);
    addRetryTimer_->OnTimer = [this](fw::TComponent* sender) { AddRetryTimerTick(sender); };

    // Both hooks act and then leave the message unhandled, so the window's own handler
    // always sees it: no message is swallowed.
    appHook_.Install(fw::Application().Handle(), [this](UINT msg, WPARAM wParam, LPARAM lParam, bool&) {
        return ApplicationWindowHook(msg, wParam, lParam);
    });
    // The shell's restart notice comes from a process of lower integrity: a program
    // started elevated would never hear it, and its icon would not come back. Let it
    // through to the window whose hook answers it. Nothing else can be done if refused.
    ChangeWindowMessageFilterEx(fw::Application().Handle(), TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
    ownerWindow_ = WindowOfControl(owner);
    ownerHook_.Install(ownerWindow_, [this](UINT msg, WPARAM wParam, LPARAM lParam, bool&) {
        return OwnerWindowHook(msg, wParam, lParam);
    });
}

TCoolTrayIcon::~TCoolTrayIcon() {
    SetIconVisible(false);  // also a preview's icon: there is one icon, whoever showed it
    delete addRetryTimer_;
    delete stepTimer_;
}

void TCoolTrayIcon::Loaded() {
    fw::TComponent::Loaded();
    if (ownerWindow_ && startMinimized_) {
        // The program starts with nothing but the icon.
        fw::Application().ShowMainForm = false;
        ShowWindow(fw::Application().Handle(), SW_HIDE);
    }
    RefreshTray();
    SetIconVisible(iconVisible_);
}

void TCoolTrayIcon::Removing(fw::TComponent* component) {
    if (iconList_ && component == iconList_)
        SetIconList(nullptr);
    if (popupMenu_ && component == popupMenu_)
        popupMenu_ = nullptr;
}

void TCoolTrayIcon::SetDesignPreview(bool value) {
    designPreview_ = value;
    previewSwitching_ = true;  // the icon shows or goes without changing IconVisible
    SetIconVisible(value);
    previewSwitching_ = false;
}

void TCoolTrayIcon::SetIconList(fw::TImageList* value) {
    iconList_ = value;
    SetIconIndex(0);
}

void TCoolTrayIcon::SetCycleIcons(bool value) {
    if (value)
        SetIconIndex(0);
    stepTimer_->SetEnabled(value);
}

void TCoolTrayIcon::SetCycleInterval(unsigned value) {
    stepTimer_->SetInterval(value);
}

void TCoolTrayIcon::SetHint(const std::string& value) {
    hint_ = value;
    RefreshTray();
}

void TCoolTrayIcon::SetShowHint(bool value) {
    showHint_ = value;
    RefreshTray();
}

void TCoolTrayIcon::SetIcon(const fw::TIcon& value) {
    icon_->Assign(value);
    RefreshTray();
}

void TCoolTrayIcon::SetIconVisible(bool value) {
    if (value)
        AddToTray();
    else
        RemoveFromTray();
}

void TCoolTrayIcon::SetIconIndex(int value) {
    if (iconList_) {
        iconIndex_ = tray::ClampIconIndex(value, iconList_->Count());
        iconList_->GetIcon(iconIndex_, *icon_);
    } else {
        iconIndex_ = 0;
    }
    RefreshTray();
}

bool TCoolTrayIcon::ShellNotify(DWORD operation) {
    notifyData_.hIcon = icon_->Handle();
    const std::string tip = tray::TipText(hint_, showHint_);
    std::memset(notifyData_.szTip, 0, sizeof notifyData_.szTip);
    std::memcpy(notifyData_.szTip, tip.data(), tip.size());
    return ShellNotifyIcon(operation, &notifyData_) != FALSE;
}

bool TCoolTrayIcon::AddToTray() {
    if (!previewSwitching_)
        iconVisible_ = true;
    mayHoldIcon_ = true;
    const bool added = ShellNotify(NIM_ADD);
    // A failed add does not mean there is no icon. At a busy log-on the call gives up
    // while the shell still takes the icon a moment later; and the shell refuses an add
    // for an icon it holds (after a restart notice with no restart, say). A change
    // tells: it succeeds exactly when the shell holds the icon. One already counted as
    // there is not asked about again (a minimise to the tray adds it each time).
    if (added || inTray_ || ShellNotify(NIM_MODIFY))
        IconIsInTray();
    else
        // At log-on the shell may be up but busy, and no restart notice follows: try
        // again until it takes the icon.
        addRetryTimer_->SetEnabled(true);
    return added;
}

void TCoolTrayIcon::IconIsInTray() {
    inTray_ = true;
    addRetryTimer_->SetEnabled(false);
}

void TCoolTrayIcon::AddRetryTimerTick(fw::TComponent*) {
    if (iconVisible_ && !inTray_)
        AddToTray();
    else
        addRetryTimer_->SetEnabled(false);
}

bool TCoolTrayIcon::RemoveFromTray() {
    if (!previewSwitching_)
        iconVisible_ = false;
    addRetryTimer_->SetEnabled(false);
    inTray_ = false;
    mayHoldIcon_ = false;
    return ShellNotify(NIM_DELETE);
}

bool TCoolTrayIcon::RefreshTray() {
    // Before any add there is nothing to change: the shell is not asked, since it could
    // only refuse, and each call is a round trip to it. After one, it is always asked,
    // whatever the add answered: the shell may have taken the icon all the same.
    if (!mayHoldIcon_ || !ShellNotify(NIM_MODIFY))
        return false;
    IconIsInTray();
    return true;
}

LRESULT TCoolTrayIcon::TrayWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == TrayCallbackMessage) {
        if (enabled_)
            HandleMouseNotice(lParam);
        return 0;
    }
    if (msg == WM_QUERYENDSESSION)
        return 1;  // never hold up a log-off or shut-down
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void TCoolTrayIcon::HandleMouseNotice(LPARAM mouseMessage) {
    // The notice carries no position: both are read before anything fires.
    const fw::TShiftState keys = CurrentShiftState();
    POINT pt{};
    GetCursorPos(&pt);
    const tray::TrayNoticeState state{
        .clickPending = clickPending_,
        .leftPopup = leftPopup_,
        .menuAutoPopup = popupMenu_ != nullptr && popupMenu_->AutoPopup,
    };
    for (const tray::TrayStep& step : tray::TrayNoticeSteps(mouseMessage, state, keys)) {
        switch (step.action) {
            case tray::TrayAction::MouseMove:
                if (OnMouseMove)
                    OnMouseMove(this, step.shift, pt.x, pt.y);
                break;
            case tray::TrayAction::MouseDown:
                if (OnMouseDown)
                    OnMouseDown(this, step.button, step.shift, pt.x, pt.y);
                break;
            case tray::TrayAction::MouseUp:
                if (OnMouseUp)
                    OnMouseUp(this, step.button, step.shift, pt.x, pt.y);
                break;
            case tray::TrayAction::Click:
                if (OnClick)
                    OnClick(this);
                break;
            case tray::TrayAction::SetClickPending:
            case tray::TrayAction::ClearClickPending:
                clickPending_ = step.action == tray::TrayAction::SetClickPending;
                break;
            case tray::TrayAction::DblClick:
                if (OnDblClick)
                    OnDblClick(this);
                break;
            case tray::TrayAction::ShowMenu:
                ShowTrayMenu();
                break;
            case tray::TrayAction::RunDefaultItem:
                RunDefaultItem();
                break;
        }
    }
}

void TCoolTrayIcon::RunDefaultItem() {
    // The double-click handler may have taken the menu away or switched it off.
    if (!popupMenu_ || !popupMenu_->AutoPopup || leftPopup_)
        return;
    const auto& items = popupMenu_->Items()->Items();
    std::vector<bool> defaults;
    for (const fw::TMenuItem* item : items)
        defaults.push_back(item->Default);
    const int index = tray::FirstDefaultIndex(defaults);
    if (index >= 0)
        items[static_cast<std::size_t>(index)]->Click();
}

void TCoolTrayIcon::ShowTrayMenu() {
    POINT pt{};
    if (!popupMenu_ || !popupMenu_->AutoPopup || !GetCursorPos(&pt))
        return;
    fw::Application().ProcessMessages();
    // The menu only closes on a click elsewhere when our window is in the foreground.
    SetForegroundWindow(notifyData_.hWnd);
    if (ownerWindow_)
        SetForegroundWindow(ownerWindow_);
    popupMenu_->Popup(pt.x, pt.y);
    // Lets the menu's own loop wind down, so the next right click opens it again.
    if (ownerWindow_)
        PostMessageA(ownerWindow_, WM_NULL, 0, 0);
}

void TCoolTrayIcon::ShowMainWindow() {
    if (fw::TForm* mainForm = ownerWindow_ ? fw::Application().MainForm() : nullptr) {
        ShowWindow(fw::Application().Handle(), SW_RESTORE);
        mainForm->SetVisible(true);
    }
}

void TCoolTrayIcon::HideMainWindow() {
    if (!ownerWindow_ || !fw::Application().MainForm())
        return;
    if (!inTray_) {
        // No icon to bring it back from: the window goes to the taskbar instead.
        fw::Application().Minimize();
        return;
    }
    fw::Application().MainForm()->SetVisible(false);
    ShowWindow(fw::Application().Handle(), SW_HIDE);
}

void TCoolTrayIcon::SendToTray() {
    // The icon first: without it the window stays minimised on the taskbar.
    SetIconVisible(true);
    if (inTray_)
        HideMainWindow();
}

void TCoolTrayIcon::StepTimerTick(fw::TComponent*) {
    if (!iconList_)
        return;
    iconList_->GetIcon(iconIndex_, *icon_);
    const int next = tray::NextCycleIndex(iconIndex_, iconList_->Count());
    if (OnCycle)
        OnCycle(this, next);
    RefreshTray();
    SetIconIndex(next);
}

LRESULT TCoolTrayIcon::ApplicationWindowHook(UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_SIZE && wParam == SIZE_MINIMIZED && minimizeToTray_)
        SendToTray();
    if (msg == TaskbarCreatedMessage() && iconVisible_) {
        inTray_ = false;  // the new taskbar has no icon of anyone's
        AddToTray();
    }
    return 0;
}

LRESULT TCoolTrayIcon::OwnerWindowHook(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ACTIVATE && (LOWORD(wParam) == WA_ACTIVE || LOWORD(wParam) == WA_CLICKACTIVE)) {
        if (fw::TControl* active = fw::Screen().ActiveControl()) {
            HWND w = active->Parent() ? active->Parent()->Handle() : active->Handle();
            if (w != reinterpret_cast<HWND>(lParam))
                SetFocus(active->Handle());
        }
    }
    // Every way of showing the window ends here, ShowWindow and SetWindowPos with
    // SWP_SHOWWINDOW alike (only the first sends WM_SHOWWINDOW): the application
    // window must come back from the tray or from being minimised with it, or the
    // next minimise finds it still minimised and does nothing.
    // What the restore and the two foreground calls are for, the application window back
    // and the main window in front, is often already so (at start-up always): then they
    // would only pass the activation to the application window and back, each time with
    // its whole round of messages and a reload of the picking cursor.
    if (msg == WM_WINDOWPOSCHANGED && (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
        HWND app = fw::Application().Handle();
        if (IsIconic(app))
            ShowWindow(app, SW_RESTORE);
        else if (!IsWindowVisible(app))
            ShowWindow(app, SW_SHOWNA);
        if (GetForegroundWindow() != ownerWindow_) {
            SetForegroundWindow(app);
            SetForegroundWindow(ownerWindow_);
        }
    }
    return 0;
}
