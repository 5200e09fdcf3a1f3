#pragma once
// A top-level window built hidden from its form description, shown normally or
// modally, with close handling through a close action and activation events.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/FormDescription.h"
#include "framework/Types.h"

namespace fw {

class TButton;
class TMainMenu;

using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;

// Handler names of a description, resolved to the form's own member functions.
struct TEventResolver {
    std::function<TNotifyEvent(std::string_view)> notify;
    std::function<TCloseEvent(std::string_view)> close;
    // The handler of a name; none for an empty name.
    TNotifyEvent Notify(std::string_view name) const { return name.empty() ? nullptr : notify(name); }
    TCloseEvent Close(std::string_view name) const { return name.empty() ? nullptr : close(name); }
};

// A form's handler under the name its description uses; a form keeps a static table of them.
template <typename F, typename Method = void (F::*)(TComponent*)>
struct THandler {
    std::string_view name;
    Method method;
};
template <typename F>
using TCloseHandler = THandler<F, void (F::*)(TComponent*, TCloseAction&)>;

namespace detail {

template <typename Table>
constexpr bool Names(Table table, std::string_view name) {
    return std::ranges::any_of(table, [&](const auto& h) { return h.name == name; });
}

template <typename F>
constexpr bool ItemsResolve(TList<TMenuItemDesc> items, std::span<const THandler<F>> handlers) {
    for (const TMenuItemDesc& item : items) {
        if ((!item.onClick.empty() && !Names(handlers, item.onClick)) || !ItemsResolve(item.items, handlers))
            return false;
    }
    return true;
}

}  // namespace detail

// Whether the form's handler tables answer every handler name its description gives.
// Checked as the program is built, so a misspelt handler name fails the build.
template <typename F>
constexpr bool HandlersResolve(const TFormDesc& form,
                               std::span<const THandler<F>> handlers,
                               std::span<const TCloseHandler<F>> closeHandlers = {}) {
    auto named = [&](std::string_view name) { return name.empty() || detail::Names(handlers, name); };
    for (std::string_view name : {form.onCreate, form.onActivate, form.onClick, form.onDpiChanged}) {
        if (!named(name))
            return false;
    }
    if (!form.onClose.empty() && !detail::Names(closeHandlers, form.onClose))
        return false;
    for (const TControlDesc& c : form.controls) {
        if (!named(c.onClick) || !named(c.onChange))
            return false;
    }
    for (const TMenuDesc& m : form.menus) {
        if (!named(m.onPopup) || !detail::ItemsResolve(m.items, handlers))
            return false;
    }
    return true;
}

// A name in a description that no handler answers to.
[[noreturn]] void NoHandler(std::string_view name);

namespace detail {

// The handler of that name, bound to the form.
template <typename Event, typename F, typename Table>
Event Bind(F* form, Table table, std::string_view name) {
    for (const auto& h : table) {
        if (h.name == name)
            return [form, method = h.method](auto&&... args) { (form->*method)(args...); };
    }
    NoHandler(name);
}

}  // namespace detail

// Resolves the names of a description against the form's handler tables; the tables
// need to live only while the form is built.
template <typename F>
TEventResolver MakeResolver(F* form,
                            std::span<const THandler<F>> handlers,
                            std::span<const TCloseHandler<F>> closeHandlers = {}) {
    return {[=](std::string_view name) { return detail::Bind<TNotifyEvent>(form, handlers, name); },
            [=](std::string_view name) { return detail::Bind<TCloseEvent>(form, closeHandlers, name); }};
}

// While a modal window is up, the program's other forms stay disabled and the loop is
// counted as modal; at the end they are enabled again, and the window that was active
// gets the focus back where it was.
class TOtherFormsDisabled {
public:
    explicit TOtherFormsDisabled(const TControl* modal = nullptr);
    ~TOtherFormsDisabled();
    TOtherFormsDisabled(const TOtherFormsDisabled&) = delete;
    // Enables the forms again now (a modal form does so before it hides, so that the
    // system can hand the activation to one of them).
    void EnableAgain();
    TOtherFormsDisabled& operator=(const TOtherFormsDisabled&) = delete;
    // The window that was active when the modal one came up.
    HWND Active() const { return active_; }

private:
    TModalLoop modalLoop_;
    HWND active_;
    HWND focus_;
    std::vector<HWND> disabled_;
};

class TForm : public TControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Builds the window, its controls and menus from the description, hidden.
    void Build(const TFormDesc& desc, const TEventResolver& events);
    // Runs after construction: loaded notifications, then OnCreate. An error in them
    // is shown in the standard error box and does not leave here.
    void DoCreate();

    void CreateHandle() override;

    template <typename T>
    T* Find(std::string_view name) const {
        auto* c = dynamic_cast<T*>(FindComponent(name));
        if (!c)
            NoComponent(name);
        return c;
    }
    [[noreturn]] static void NoComponent(std::string_view name);

    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    void SetVisible(bool visible) override;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    void Close();
    // The program is asked to end from outside, through the application window. The
    // main form ends it as the program's own exit command would; by default it just ends.
    virtual void ExitRequested() { Application().Terminate(); }
    TModalResult ShowModal();
    TModalResult ModalResult = mrNone;

    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    // Changes the client height; the top-left corner stays where it is.
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    // Changes the client size, with the frame of the form's DPI; the top-left corner stays.
    void SetClientSize(int width, int height);

    int Dpi() const override { return dpi_; }
    // Lays the form out again for another DPI: the described controls take their
    // scaled places and fonts, the top-left corner stays, then OnDpiChanged runs for
    // what the form lays out itself.
    void ChangeDpi(int dpi);
    TNotifyEvent OnDpiChanged;
    void SetBounds(int left, int top, int width, int height) override;

    void SetFormStyle(TFormStyle style);
    void SetWindowState(TWindowState state);
    // A clear brush: the window never erases its background.
    void SetBrushClear() { brushClear_ = true; }

    TMainMenu* Menu = nullptr;
    TButton* DefaultButton = nullptr;
    TButton* CancelButton = nullptr;
    // Forms with buttons handle Tab, Enter, Escape and access keys as dialogs do.
    bool DialogKeys = false;

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;

    bool HandleShortCut(const MSG& msg);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;
    bool Clickable() const override { return OnClick != nullptr; }

private:
    void PlaceFirstShow();
    void CenterOn(const RECT& area);
    // After a move: takes up the DPI of the monitor the window is on now.
    void FollowMonitorDpi();
    // New system colours (`msg` says how they were announced): every control takes them up.
    void FollowSystemColors(UINT msg);
    void CoverMonitor();
    // Registers a control's hint with the form's tooltip.
    void AddHint(TControl* control);
    // One described control: made, placed, bound to its handlers.
    void BuildControl(const TControlDesc& d, const TEventResolver& events);
    // The tooltip window and a tool for each hinted control, made once the form has painted.
    void CreateHints();
    static constexpr UINT kCreateHintsMessage = WM_APP + 0x100;
    // A described control's place at the form's DPI.
    void PlaceControl(TControl& control) const;

    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    TPosition position_ = TPosition::poDesigned;
    int designClientWidth_ = 0;
    int designClientHeight_ = 0;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    bool modal_ = false;
    bool shownOnce_ = false;
    bool brushClear_ = false;
    bool maximized_ = false;
    int dpi_ = kDesignDpi;
    bool changingDpi_ = false;
    HWND focused_ = nullptr;
    HWND tooltip_ = nullptr;
};

}  // namespace fw
