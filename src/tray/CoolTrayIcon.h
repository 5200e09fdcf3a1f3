#pragma once
// A non-visual component that keeps one icon in the notification area: it turns the
// shell's mouse notices into events, opens a popup menu at the cursor, hides the main
// window with its taskbar button and brings it back, and puts the icon back after the
// taskbar restarts. Written for any program built on the framework.
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Component.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "framework/Timer.h"
#include "framework/Types.h"
#include "framework/Window.h"

using TMouseEvent =
    std::function<void(fw::TComponent* Sender, fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(fw::TComponent* Sender, fw::TShiftState Shift, int X, int Y)>;
using TCycleEvent = std::function<void(fw::TComponent* Sender, int NextIndex)>;

class TCoolTrayIcon : public fw::TComponent {
public:
    // The message the shell posts to the tray window for mouse activity over the icon.
    static constexpr UINT TrayCallbackMessage = WM_USER + 0x0400;
    static constexpr UINT TrayIconId = 1;

    explicit TCoolTrayIcon(fw::TComponent* owner);
    ~TCoolTrayIcon() override;

    void Loaded() override;
    void Removing(fw::TComponent* component) override;

    // Published properties, in their published order.
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool value);
    fw::TImageList* IconList() const { return iconList_; }
    void SetIconList(fw::TImageList* value);
    bool CycleIcons() const { return stepTimer_->Enabled(); }
    void SetCycleIcons(bool value);
    unsigned CycleInterval() const { return stepTimer_->Interval(); }
    void SetCycleInterval(unsigned value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    const fw::TIcon& Icon() const { return *icon_; }
    void SetIcon(const fw::TIcon& value);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool value);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int value);
    fw::TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(fw::TPopupMenu* value) { popupMenu_ = value; }
    bool LeftPopup() const { return leftPopup_; }
    void SetLeftPopup(bool value) { leftPopup_ = value; }
    bool StartMinimized() const { return startMinimized_; }
    void SetStartMinimized(bool value) { startMinimized_ = value; }
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }

    fw::TNotifyEvent OnClick;
    fw::TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TCycleEvent OnCycle;

    // Virtual operations.
    virtual bool AddToTray();
    virtual bool RemoveFromTray();
    virtual bool RefreshTray();

    // Brings the application's main window and its taskbar button back.
    void ShowMainWindow();
    // Hides the main window and the taskbar button; the icon stays.
    void HideMainWindow();
    // Opens the popup menu at the cursor (the right button's press does this).
    void ShowTrayMenu();

    // Seams for tests, which the program itself never reads: what is handed to the
    // shell, where its notices arrive, and the two timers.
    const NOTIFYICONDATAA& NotifyData() const { return notifyData_; }
    HWND TrayWindow() const { return notifyData_.hWnd; }
    fw::TTimer* StepTimer() const { return stepTimer_; }
    // The number of the shell's "TaskbarCreated" broadcast.
    static UINT TaskbarCreatedMessage();

    // Hides the main window and makes sure the icon is in the tray.
    virtual void SendToTray();

    // Whether the shell has taken the icon. Until it has, nothing is hidden to the tray:
    // a window hidden there could not be brought back.
    bool InTray() const { return inTray_; }
    // While an add fails (a shell still starting at log-on), it is tried again this often.
    static constexpr unsigned AddRetryInterval = 1000;
    fw::TTimer* AddRetryTimer() const { return addRetryTimer_; }

    // Seam for tests: the shell's notification-area call, replaceable so that tests can play a shell
    // that refuses the first adds, or takes an icon while reporting failure.
    using TShellNotify = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAA data);
    static TShellNotify ShellNotifyIcon;

protected:
    LRESULT TrayWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    void HandleMouseNotice(LPARAM mouseMessage);
    void RunDefaultItem();
    void StepTimerTick(fw::TComponent* Sender);
    void AddRetryTimerTick(fw::TComponent* Sender);
    bool ShellNotify(DWORD operation);
    // The shell has been seen holding the icon: no more tries to add it.
    void IconIsInTray();

    LRESULT ApplicationWindowHook(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OwnerWindowHook(UINT msg, WPARAM wParam, LPARAM lParam);

    bool designPreview_ = false;
    fw::TImageList* iconList_ = nullptr;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = true;
    bool iconVisible_ = true;
    int iconIndex_ = 0;
    fw::TPopupMenu* popupMenu_ = nullptr;
    bool leftPopup_ = false;
    bool startMinimized_ = false;
    bool minimizeToTray_ = false;

    NOTIFYICONDATAA notifyData_{};
    std::unique_ptr<fw::TUtilityWindow> trayWindow_;
    bool inTray_ = false;  // the shell has taken the icon
    // An add has been asked for since construction or the last remove: the shell may
    // hold the icon, whatever the add answered.
    bool mayHoldIcon_ = false;
    std::unique_ptr<fw::TIcon> icon_;
    fw::TTimer* stepTimer_ = nullptr;
    fw::TTimer* addRetryTimer_ = nullptr;
    // The owner's window when the owner is a windowed control; null otherwise.
    HWND ownerWindow_ = nullptr;
    fw::TWindowHook appHook_;
    fw::TWindowHook ownerHook_;
    bool clickPending_ = false;
    bool previewSwitching_ = false;
};
