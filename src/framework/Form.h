#pragma once
// A top-level window built hidden from its form description, shown normally or
// modally, with close handling through a close action and activation events.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/FormDescription.h"
#include "framework/ShortCut.h"
#include "framework/Types.h"

namespace fw {

class TButton;
class TMainMenu;
class TMenuItem;

using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;

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

    // Builds the window, its controls and menus from the description, hidden, with the
    // description's handlers bound to this form and the fields it names filled.
    void Build(const TFormDesc& desc);
    // Runs after construction: loaded notifications, then OnCreate. An error in them
    // is shown in the standard error box and does not leave here.
    void DoCreate();

    void CreateHandle() override;

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
    // The client size the form takes at `dpi`, as ChangeDpi lays it out. A form that
    // fits itself to its content in OnDpiChanged says so here.
    virtual SIZE ClientSizeForDpi(int dpi) const;
    void SetBounds(int left, int top, int width, int height) override;

    void SetFormStyle(TFormStyle style);
    // The form covers its monitor from now on, also after a move to another DPI.
    void Maximize();
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

    // A key pressed in the form: a shortcut of its menu bar, else one of its own keys.
    bool HandleShortCut(const MSG& msg);
    // The form's command dispatch: the menu item (of the menu bar or a popup menu) that
    // the number stands for flips its automatic check mark, and its handler runs. False
    // when the form has no such command.
    bool Command(unsigned command);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

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
    void BuildControl(const TControlDesc& d);
    void BuildItems(TMenuItem* parent, TList<TMenuItemDesc> items);
    // A description's handler as an event of this form; none for none.
    TNotifyEvent EventOf(TEventHandler handler);
    // Fills the form's field that the description names for a part, if it names one.
    void Bind(const TField& field, TComponent* part) {
        if (field.bind)
            field.bind(*this, part);
    }
    // The tooltip window and a tool for each hinted control, made once the form has painted.
    void CreateHints();
    static constexpr UINT kCreateHintsMessage = WM_APP + 0x100;
    // A described control's place at the form's DPI.
    void PlaceControl(TControl& control) const;
    // The outer size the form will have at `dpi`, frame and menu bar included.
    SIZE WindowSizeForDpi(int dpi) const;

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
    // The form's commands: the number its description gives a menu item, the item, and
    // the handler that choosing it runs.
    struct TCommandEntry {
        unsigned command;
        TMenuItem* item;
        TEventHandler handler;
    };
    std::vector<TCommandEntry> commands_;
    // The keys the description gives the form, with what they run.
    std::vector<std::pair<TShortCut, TEventHandler>> keys_;
};

}  // namespace fw
