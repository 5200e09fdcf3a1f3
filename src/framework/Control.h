#pragma once
// The base of every window the framework makes: one static window procedure, the
// object attached to its window, events turned from messages, and the properties that
// every control shares (bounds, visibility, font, colour, hint, cursor, context menu).
#include <windows.h>

#include <string>

#include "framework/Accessible.h"
#include "framework/Component.h"
#include "framework/DpiScale.h"
#include "framework/Font.h"
#include "framework/Handles.h"
#include "framework/Types.h"
#include "framework/Window.h"

namespace fw {

class TPopupMenu;

class TControl : public TComponent, public TWindowTarget {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The control of one of the program's windows: a window of the framework's classes by
    // its binding, a standard control by its subclass data; null for any other window.
    static TControl* FromHandle(HWND wnd);
    TControl* AsControl() override { return this; }
    // A standard control's messages come through StandardProc instead.
    bool RunsWindowProc() const override { return !standard_; }
    HWND Handle() const { return handle_; }
    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent) { parent_ = parent; }

    // The DPI the control is laid out for: its form's. Positions and sizes are pixels
    // at that DPI; Scale turns a 96-DPI design value into them.
    virtual int Dpi() const { return parent_ ? parent_->Dpi() : kDesignDpi; }
    int Scale(int value) const { return ScaleToDpi(value, Dpi()); }
    // The form moved to another DPI: the font (and what depends on it) follows.
    virtual void ChangeScale();
    // The system's colours changed (a new scheme, High Contrast). Controls paint with
    // system colours resolved at each paint; one that handed resolved colours to its
    // window hands them over again.
    virtual void SystemColorsChanged() {}

    // Where a form description places the control, at 96 DPI; `alignTop` spans the
    // form's client width.
    struct TDesignBounds {
        int left = 0, top = 0, width = 0, height = 0;
        bool alignTop = false;
    };
    const TDesignBounds& DesignBounds() const { return design_; }
    void SetDesignBounds(const TDesignBounds& bounds) {
        design_ = bounds;
        described_ = true;
    }
    bool Described() const { return described_; }

    RECT ClientRect() const {
        RECT rc{};
        GetClientRect(handle_, &rc);
        return rc;
    }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);

    // Before the window exists, the text is kept for it; afterwards the window holds it.
    virtual std::string Text() const;
    virtual void SetText(const std::string& text);

    const TFontDesc& Font() const;
    void SetFont(const TFontDesc& font);

    TColor Color() const;
    virtual void SetColor(TColor color);

    std::string Hint;
    bool ShowHint = true;

    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    TNotifyEvent OnClick;
    virtual void Click();
    TPopupMenu* ContextMenu = nullptr;  // opened by a right click on the control

    int TabOrder = -1;  // -1: not a tab stop

    // What screen readers hear beyond what the system finds itself.
    TAccessibleText Accessible;
    // Opens the context menu at the control, below its left edge: where the keyboard's
    // menu keys open it, wherever the pointer is.
    void PopupContextMenu();

    // Makes the control's window inside its parent's window.
    virtual void CreateHandle() = 0;

protected:
    // A window of one of the framework's own classes, bound as it is made, and made with
    // the text set before it existed.
    void CreateOwnWindow(const char* className, DWORD style, DWORD exStyle = 0);
    // A standard control, subclassed so that its messages reach WndProc too. It is made
    // empty, set up, and then given the text set before it existed: a combo box ignores
    // a creation text, and a rich edit box takes its text mode only while it is empty.
    void CreateStandardWindow(const char* className, DWORD style, DWORD exStyle = 0);
    // What a standard control needs before it takes its text (its items, its text mode).
    virtual void SetUpStandard() {}

    void Attached(HWND wnd) override { handle_ = wnd; }
    void Detached() override { handle_ = nullptr; }
    LRESULT WindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return WndProc(msg, wParam, lParam);
    }
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void Paint(HDC) {}
    virtual bool Clickable() const { return OnClick != nullptr; }
    // A notification that the control's window sent to its parent, handed back to it.
    virtual void CommandNotify(WORD) {}
    // Messages that children send to their parent: commands and colour requests.
    bool ReflectChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    HBRUSH BackgroundBrush();
    void ApplyFont();

    HWND handle_ = nullptr;
    HWND owner_ = nullptr;  // a top-level window's owner
    std::string text_;      // the text until the window exists, then the text last set
    TControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool ownFont_ = false;
    TFontDesc font_;
    TColor color_ = clBtnFace;
    bool ownColor_ = false;
    TCursor cursor_ = crDefault;

private:
    void MakeWindow(const char* className, const char* text, DWORD style, DWORD exStyle);
    HWND ParentHandle() const;
    // The procedure put in front of a standard control's own: its messages reach WndProc first.
    static LRESULT CALLBACK StandardProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    TDesignBounds design_;
    bool described_ = false;
    bool standard_ = false;  // a standard control: its own procedure comes after ours
    WNDPROC standardProc_ = nullptr;  // that procedure
    bool mouseDown_ = false;
    UniqueBrush brush_;
    COLORREF brushColor_ = 0;
};

}  // namespace fw
