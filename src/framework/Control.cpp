#include "framework/Control.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "framework/Application.h"
#include "framework/DebugReport.h"
#include "framework/Exception.h"
#include "framework/Menu.h"
#include "framework/Screen.h"

namespace fw {

namespace {

// Whether the window is already at these bounds, in its parent's client coordinates
// (a child) or on the screen (a top-level window), as SetWindowPos takes them.
bool HasBounds(HWND wnd, int left, int top, int width, int height) {
    RECT rc{};
    if (!GetWindowRect(wnd, &rc))
        return false;
    if ((GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD) != 0)
        MapWindowPoints(HWND_DESKTOP, GetParent(wnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc.left == left && rc.top == top && rc.right - rc.left == width && rc.bottom - rc.top == height;
}

// The standard controls the framework has bound, while their windows live. Their window
// procedure does not tell them: another can be put in front of ours (a tooltip's
// subclassing is). Constant-initialised, so it outlives every control, the
// application's included.
constinit std::vector<HWND> boundStandardWindows;

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (handle_)
        DestroyWindow(handle_);
}

HWND TControl::ParentHandle() const {
    return parent_ ? parent_->Handle() : nullptr;
}

void TControl::CreateOwnWindow(const char* className, DWORD style, DWORD exStyle) {
    MakeWindow(className, text_.c_str(), style, exStyle);
}

void TControl::CreateStandardWindow(const char* className, DWORD style, DWORD exStyle) {
    MakeWindow(className, "", style, exStyle);
    standard_ = true;
    // The control is bound as the framework's own windows are, through GWLP_USERDATA (which
    // the standard classes leave to the program), and its procedure is put behind ours.
    // The system's subclassing would do the same, but it finds its data in a window
    // property on every message, and under Wine each such look-up is a wineserver round
    // trip. Unicode, as that subclassing is: texts pass through unchanged.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<TWindowTarget*>(this)));
    standardProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControl::StandardProc)));
    boundStandardWindows.push_back(handle_);
    SetUpStandard();
    if (!text_.empty())
        SetWindowTextA(handle_, text_.c_str());
}

LRESULT CALLBACK TControl::StandardProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Called only for the windows whose procedure was set to this one as they were bound.
    TWindowTarget* target = BoundData(wnd);
    TControl* control = target ? target->AsControl() : nullptr;
    if (!control)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        const WNDPROC own = control->standardProc_;
        control->handle_ = nullptr;
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
        std::erase(boundStandardWindows, wnd);
        return CallWindowProcW(own, wnd, msg, wParam, lParam);
    }
    return Guarded([&] { return control->WndProc(msg, wParam, lParam); });
}

TControl* TControl::FromHandle(HWND wnd) {
    // Own windows and standard controls alike are bound through GWLP_USERDATA, but only a
    // window the framework bound holds its object there: its data is read only once the
    // window is known to be one.
    if (TWindowTarget* target = Bound(wnd))
        return target->AsControl();
    if (OfThisThread(wnd) && std::ranges::find(boundStandardWindows, wnd) != boundStandardWindows.end())
        if (TWindowTarget* target = BoundData(wnd))
            return target->AsControl();
    return nullptr;
}

void TControl::MakeWindow(const char* className, const char* text, DWORD style, DWORD exStyle) {
    HWND parent = ParentHandle();
    if (parent)
        style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_ && parent)
        style |= WS_VISIBLE;
    // Child windows get distinct ids above IDOK and IDCANCEL, so dialog keys can name them.
    static int nextId = 1000;
    HMENU id = parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)) : nullptr;
    // A standard control is bound after it is made; its class reads no creation data of ours.
    handle_ = CreateBound({.className = className,
                           .text = text,
                           .style = style,
                           .exStyle = exStyle,
                           .left = left_,
                           .top = top_,
                           .width = width_,
                           .height = height_,
                           .parent = parent ? parent : owner_,
                           .id = id});
    if (!handle_)
        throw Exception(std::string("cannot create window of class ") + className);
    ApplyFont();
}

LRESULT TControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return standard_ ? CallWindowProcW(standardProc_, handle_, msg, wParam, lParam)
                     : DefWindowProcA(handle_, msg, wParam, lParam);
}

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectChildMessage(msg, wParam, lParam, reflected))
        return reflected;
    const bool ownClass = !standard_;
    switch (msg) {
        case WM_PAINT:
            if (ownClass) {
                const PaintDC paint(handle_);
                Paint(paint.Get());
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            if (ownClass)
                return 1;  // Paint covers every pixel; erasing first would only flicker
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT &&
                (cursor_ != crDefault || ownClass)) {
                ::SetCursor(Screen().Cursor(cursor_));
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            if (Clickable()) {
                SetCapture(handle_);
                mouseDown_ = true;
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            if (mouseDown_) {
                mouseDown_ = false;
                ReleaseCapture();
                const RECT rc = ClientRect();
                if (PtInRect(&rc, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
                    Click();
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            mouseDown_ = false;
            break;
        case WM_CONTEXTMENU:
            if (ContextMenu && reinterpret_cast<HWND>(wParam) == handle_) {
                if (lParam == -1)  // from the keyboard
                    PopupContextMenu();
                else
                    ContextMenu->Popup(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
                return 0;
            }
            break;
        case WM_GETOBJECT:
            // Only the client area's object: the window's frame and the rest stay the system's.
            if (Accessible && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
                if (const LRESULT answer = AnswerAccessibleClient(handle_, wParam))
                    return answer;
            }
            break;
        default:
            break;
    }
    return DefaultProc(msg, wParam, lParam);
}

bool TControl::ReflectChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            if (lParam) {
                if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                    child->CommandNotify(HIWORD(wParam));
                    result = 0;
                    return true;
                }
            }
            return false;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetBkColor(dc, ColorToRGB(child->Color()));
                SetTextColor(dc, ColorToRGB(child->Font().color));
                result = reinterpret_cast<LRESULT>(child->BackgroundBrush());
                return true;
            }
            return false;
        default:
            return false;
    }
}

HBRUSH TControl::BackgroundBrush() {
    COLORREF rgb = ColorToRGB(Color());
    if (!brush_ || brushColor_ != rgb) {
        brush_.Reset(CreateSolidBrush(rgb));
        brushColor_ = rgb;
    }
    return brush_.Get();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    // Forms place most controls where they were made; moving a window onto its own place
    // changes nothing but still costs the system a full move (a wineserver round trip
    // under Wine), so it is skipped.
    if (handle_ && !HasBounds(handle_, left, top, width, height))
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    if (handle_)
        ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

std::string TControl::Text() const {
    if (!handle_)
        return text_;
    int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void TControl::SetText(const std::string& text) {
    text_ = text;
    if (handle_)
        SetWindowTextA(handle_, text.c_str());
}

const TFontDesc& TControl::Font() const {
    if (ownFont_ || !parent_)
        return font_;
    return parent_->Font();
}

void TControl::SetFont(const TFontDesc& font) {
    font_ = font;
    ownFont_ = true;
    ApplyFont();
}

void TControl::ApplyFont() {
    if (handle_)
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(Font(), Dpi())), TRUE);
}

void TControl::ChangeScale() {
    ApplyFont();
}

TColor TControl::Color() const {
    if (ownColor_ || !parent_)
        return color_;
    return parent_->Color();
}

void TControl::SetColor(TColor color) {
    color_ = color;
    ownColor_ = true;
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::PopupContextMenu() {
    if (!ContextMenu || !handle_)
        return;
    RECT rc{};
    GetWindowRect(handle_, &rc);
    ContextMenu->Popup(rc.left, rc.bottom);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

}  // namespace fw
