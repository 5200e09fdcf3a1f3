#pragma once
// How the framework ties windows to objects. A window of one of the framework's own
// classes is bound at WM_NCCREATE to the object its creation names, kept in
// GWLP_USERDATA and served by the one static window procedure. A standard control is
// bound the same way once it is made, with its procedure put behind the framework's
// (see TControl::CreateStandardWindow), so every control is found through
// GWLP_USERDATA (TControl::FromHandle).
#include <windows.h>

#include <functional>

namespace fw {

class TControl;
class TWindowHook;

// The framework's window classes. All share the one window procedure; they differ in
// name only (so that a window's class says what it is) and in the program's icon,
// which the application window and the forms show.
inline constexpr char kApplicationClass[] = "fwApplication";
inline constexpr char kFormClass[] = "fwForm";
inline constexpr char kPanelClass[] = "fwPanel";
inline constexpr char kLabelClass[] = "fwLabel";
inline constexpr char kImageClass[] = "fwImage";
inline constexpr char kBevelClass[] = "fwBevel";
inline constexpr char kUtilityClass[] = "fwUtility";

// Registers every one of them; the application does it once, before any window is made.
void RegisterWindowClasses();

class TWindowTarget {
public:
    TWindowTarget() = default;
    TWindowTarget(const TWindowTarget&) = delete;
    TWindowTarget& operator=(const TWindowTarget&) = delete;
    virtual ~TWindowTarget();

    // The procedure of every class the framework registers.
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The control this object is, when it is one.
    virtual TControl* AsControl() { return nullptr; }
    // Whether its window's messages come through WindowProc, so that it can run hooks.
    virtual bool RunsWindowProc() const { return true; }

protected:
    friend class TWindowHook;
    // The object bound to a window of one of the framework's classes made on this thread;
    // null for any other window. Handles come from outside too (a command's sender, the
    // focus), and another window's user data is not a pointer of ours.
    static TWindowTarget* Bound(HWND wnd);
    // Whether the window belongs to this thread, and so to this process.
    static bool OfThisThread(HWND wnd);
    // The object in a window's user data, unchecked: for a window that is known to be
    // bound, such as the one whose messages reach a procedure of the framework.
    static TWindowTarget* BoundData(HWND wnd) {
        return reinterpret_cast<TWindowTarget*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    }
    // What a window is made with.
    struct TCreateArgs {
        const char* className = nullptr;
        const char* text = "";
        DWORD style = 0;
        DWORD exStyle = 0;
        int left = 0, top = 0, width = 0, height = 0;
        HWND parent = nullptr;  // a child's parent, or a top-level window's owner
        HMENU id = nullptr;
    };
    // Makes a window of a framework class bound to this object.
    HWND CreateBound(const TCreateArgs& args);
    // The window is bound (at WM_NCCREATE), and it is gone (at WM_NCDESTROY).
    virtual void Attached(HWND wnd) = 0;
    virtual void Detached() = 0;
    // Every message after WM_NCCREATE; errors end the handler and show the error box.
    virtual LRESULT WindowMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

private:
    // The hooks on this object's window, the last installed first.
    TWindowHook* hooks_ = nullptr;
    // Offers the message to the hooks from `hook` on, then to the object.
    LRESULT HookedMessage(TWindowHook* hook, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// A hidden top-level window (so that broadcasts reach it) that only receives messages:
// tray notices, timers. It lives as long as the object, and ignores close requests.
class TUtilityWindow : public TWindowTarget {
public:
    using Handler = std::function<LRESULT(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)>;
    explicit TUtilityWindow(Handler handler);
    ~TUtilityWindow() override;
    HWND Handle() const { return handle_; }

protected:
    void Attached(HWND wnd) override { handle_ = wnd; }
    void Detached() override { handle_ = nullptr; }
    LRESULT WindowMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
    HWND handle_ = nullptr;
};

// Places a handler in front of a window's own procedure; removed in any order. The
// handler sets `handled` to answer a message itself; otherwise the window's own
// procedure sees it too. WM_NCDESTROY reaches the handler and then takes the hook off.
// For a window of the framework's own classes, whose bound object runs the hooks itself;
// any other window is left unhooked (a debug build reports it).
class TWindowHook {
public:
    using Method = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled)>;
    TWindowHook() = default;
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;
    ~TWindowHook() { Remove(); }

    void Install(HWND wnd, Method method);
    void Remove();

private:
    friend class TWindowTarget;
    Method method_;
    TWindowTarget* target_ = nullptr;  // the bound object whose chain holds this hook
    TWindowHook* next_ = nullptr;
};

}  // namespace fw
