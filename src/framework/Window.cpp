#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/DebugReport.h"

namespace fw {

LRESULT CALLBACK TWindowTarget::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The system calls this for the framework's own windows only: their data is ours.
    TWindowTarget* target = BoundData(wnd);
    if (msg == WM_NCCREATE && !target) {
        target = static_cast<TWindowTarget*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (target) {
            SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
            target->Attached(wnd);
        }
    }
    if (!target)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // The hooks see the window go, then come off.
        for (TWindowHook* hook = target->hooks_; hook; hook = hook->next_) {
            bool handled = false;
            Guarded([&] { return hook->method_(msg, wParam, lParam, handled); });
        }
        while (target->hooks_)
            target->hooks_->Remove();
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        target->Detached();
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }
    return target->HookedMessage(target->hooks_, wnd, msg, wParam, lParam);
}

bool TWindowTarget::OfThisThread(HWND wnd) {
    DWORD process = 0;
    return wnd && GetWindowThreadProcessId(wnd, &process) == GetCurrentThreadId() && process == GetCurrentProcessId();
}

TWindowTarget* TWindowTarget::Bound(HWND wnd) {
    // A window of another program, or of a class the framework did not register (a combo
    // box's edit field, a system dialog's controls), keeps data of its own there. Both are
    // asked of this thread's windows without leaving the process.
    if (!OfThisThread(wnd) ||
        GetClassLongPtrA(wnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&TWindowTarget::WindowProc))
        return nullptr;
    return BoundData(wnd);
}

TWindowTarget::~TWindowTarget() {
    while (hooks_)
        hooks_->Remove();
}

LRESULT TWindowTarget::HookedMessage(TWindowHook* hook, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!hook)
        return Guarded([&] { return WindowMessage(wnd, msg, wParam, lParam); });
    // Read before the handler runs: it may take its own hook off.
    TWindowHook* next = hook->next_;
    bool handled = false;
    const LRESULT result = Guarded([&] { return hook->method_(msg, wParam, lParam, handled); });
    // cppcheck-suppress knownConditionTrueFalse ; the handler sets `handled` through the lambda's reference
    return handled ? result : HookedMessage(next, wnd, msg, wParam, lParam);
}

void RegisterWindowClasses() {
    struct TClass {
        const char* name;
        bool withIcon;
    };
    static constexpr TClass kClasses[] = {
        {kApplicationClass, true}, {kFormClass, true},   {kPanelClass, false},   {kLabelClass, false},
        {kImageClass, false},      {kBevelClass, false}, {kUtilityClass, false},
    };
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, "MAINICON");
    // Shared: every class that shows the program's icon takes the one copy the system keeps.
    auto smallIcon = static_cast<HICON>(LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    for (const TClass& c : kClasses) {
        // No class cursor: every window sets the cursor of its own number.
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &TWindowTarget::WindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = c.name;
        wc.hIcon = c.withIcon ? icon : nullptr;
        wc.hIconSm = c.withIcon ? smallIcon : nullptr;
        Reported(RegisterClassExA(&wc), "RegisterClassExA");
    }
}

HWND TWindowTarget::CreateBound(const TCreateArgs& a) {
    return CreateWindowExA(a.exStyle, a.className, a.text, a.style, a.left, a.top, a.width, a.height, a.parent, a.id,
                           GetModuleHandleA(nullptr), this);
}

TUtilityWindow::TUtilityWindow(Handler handler) : handler_(std::move(handler)) {
    CreateBound({.className = kUtilityClass, .style = WS_POPUP, .exStyle = WS_EX_TOOLWINDOW});
}

TUtilityWindow::~TUtilityWindow() {
    if (handle_)
        DestroyWindow(handle_);
}

LRESULT TUtilityWindow::WindowMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A close request meant for the program (taskkill sends one to each of its top-level
    // windows) must not take a tray's or a timer's window away: it lives as long as its object.
    if (msg == WM_CLOSE)
        return 0;
    return handler_ ? handler_(wnd, msg, wParam, lParam) : DefWindowProcA(wnd, msg, wParam, lParam);
}

void TWindowHook::Install(HWND wnd, Method method) {
    Remove();
    method_ = std::move(method);
    // Only the framework's own windows run hooks. Another window would need the system's
    // subclassing, and with it the common controls library before the program could load
    // it safely; no window of the program needs that.
    TWindowTarget* target = TWindowTarget::Bound(wnd);
    if (!target || !target->RunsWindowProc()) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        ReportFailure("TWindowHook::Install");
        return;
    }
    next_ = target->hooks_;
    target->hooks_ = this;
    target_ = target;
}

void TWindowHook::Remove() {
    if (!target_)
        return;
    for (TWindowHook** link = &target_->hooks_; *link; link = &(*link)->next_) {
        if (*link == this) {
            *link = next_;
            break;
        }
    }
    target_ = nullptr;
    next_ = nullptr;
}

}  // namespace fw
