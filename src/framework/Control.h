#pragma once
// The base of every window the framework makes: one static window procedure, the
// object attached to its window, events turned from messages, and the properties that
// every control shares (bounds, visibility, font, colour, hint, cursor, popup menu).
#include <windows.h>

#include <string>

#include "framework/Component.h"
#include "framework/DpiScale.h"
#include "framework/Font.h"
#include "framework/Types.h"

namespace fw {

class TPopupMenu;

enum class TAlign { alNone, alTop };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    static TControl* FromHandle(HWND wnd);
    HWND Handle() const { return handle_; }
    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent) { parent_ = parent; }

    // The DPI the control is laid out for: its form's. Positions and sizes are pixels
    // at that DPI; Scale turns a 96-DPI design value into them.
    virtual int Dpi() const { return parent_ ? parent_->Dpi() : kDesignDpi; }
    int Scale(int value) const { return ScaleToDpi(value, Dpi()); }
    // The form moved to another DPI: the font (and what depends on it) follows.
    virtual void ChangeScale();

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    TAlign Align = TAlign::alNone;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);

    virtual std::string Text() const;
    virtual void SetText(const std::string& text);

    const TFontDesc& Font() const;
    void SetFont(const TFontDesc& font);
    bool ParentFont = true;

    TColor Color() const;
    virtual void SetColor(TColor color);

    std::string Hint;
    bool ShowHint = true;

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    TNotifyEvent OnClick;
    virtual void Click();
    TPopupMenu* PopupMenu = nullptr;

    int TabOrder = -1;  // -1: not a tab stop

    // Makes the control's window inside its parent's window.
    virtual void CreateHandle() = 0;

protected:
    // A window of one of the framework's own classes; its procedure is ours.
    void CreateOwnWindow(const char* className, DWORD style, DWORD exStyle = 0);
    // A standard control, subclassed so that it answers to the same procedure.
    void CreateStandardWindow(const char* className, DWORD style, DWORD exStyle = 0);

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
    WNDPROC original_ = nullptr;
    TControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool ownFont_ = false;
    TFontDesc font_;
    TColor color_ = clBtnFace;
    bool ownColor_ = false;
    TCursor cursor_ = crDefault;

public:
    static void RegisterClasses(HINSTANCE instance);

private:
    void MakeWindow(const char* className, DWORD style, DWORD exStyle);
    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND ParentHandle() const;

    bool mouseDown_ = false;
    HBRUSH brush_ = nullptr;
    COLORREF brushColor_ = 0;
};

// Registers the framework's own window classes once per process.
void RegisterFrameworkClasses(HINSTANCE instance);

}  // namespace fw
