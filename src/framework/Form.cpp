#include "framework/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/Bevel.h"
#include "framework/Button.h"
#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/DebugReport.h"
#include "framework/WindowDpi.h"
#include "framework/Exception.h"
#include "framework/Graphics.h"
#include "framework/Monitor.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Menu.h"
#include "framework/Panel.h"
#include "framework/RichEdit.h"

namespace fw {

namespace {

// WM_GETDPISCALEDSIZE, from Windows 10 (1703) on; the headers offer it only to programs
// that require that version.
constexpr UINT kGetDpiScaledSize = 0x02E4;

DWORD FormStyleBits(const TFormDesc& d) {
    if (d.border == TBorderStyle::bsNone)
        return WS_POPUP;
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | (d.minimizeBox ? WS_MINIMIZEBOX : 0);
}

DWORD FormExStyleBits(const TFormDesc& d) {
    const DWORD frame = d.border == TBorderStyle::bsNone ? 0 : WS_EX_TOOLWINDOW;
    return frame | (d.formStyle == TFormStyle::fsStayOnTop ? WS_EX_TOPMOST : 0);
}

TControl* MakeControl(TForm* form, const TControlDesc& d) {
    switch (d.kind) {
        case TControlKind::Panel: {
            auto* p = new TPanel(form);
            p->BevelOuter = d.bevelOuter;
            p->BevelInner = d.bevelInner;
            return p;
        }
        case TControlKind::Label:
            return new TLabel(form);
        case TControlKind::Image:
            return new TImage(form);
        case TControlKind::Bevel:
            return new TBevel(form);
        case TControlKind::CheckBox:
            return new TCheckBox(form);
        case TControlKind::ComboBox: {
            auto* c = new TComboBox(form);
            c->Items.assign(d.items.begin(), d.items.end());
            c->Flat = d.flat;
            return c;
        }
        case TControlKind::Button: {
            auto* b = new TButton(form);
            form->DialogKeys = true;
            b->ModalResult = d.modalResult;
            b->Default = d.isDefault;
            if (d.isDefault)
                form->DefaultButton = b;
            if (d.isCancel)
                form->CancelButton = b;
            return b;
        }
        case TControlKind::RichEdit: {
            auto* r = new TRichEdit(form);
            r->Centered = d.centered;
            r->MaxLength = d.maxLength;
            return r;
        }
    }
    throw Exception("unknown control kind");
}

BOOL CALLBACK ForwardSysColorChange(HWND child, LPARAM) {
    SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

TForm::TForm(TComponent* owner) : TControl(owner) {
    visible_ = false;
    Application().AddForm(this);
}

TForm::~TForm() {
    Application().RemoveForm(this);
    // Controls and menus go before the window they live in.
    DestroyComponents();
    if (Application().MainForm() == this)
        Application().MainFormDestroying(this);
}

TNotifyEvent TForm::EventOf(TEventHandler handler) {
    if (!handler)
        return nullptr;
    return [this, handler](TComponent* sender) { handler(*this, sender); };
}

void TForm::BuildItems(TMenuItem* parent, TList<TMenuItemDesc> items) {
    for (const TMenuItemDesc& d : items) {
        auto* item = new TMenuItem(this, d.command);
        if (d.command)
            commands_.push_back({d.command, item, d.onClick});
        item->Name = d.name;
        item->Caption = d.caption;
        item->ShortCut = ParseShortCut(std::string(d.shortCut));
        item->RadioItem = d.radioItem;
        item->AutoCheck = d.autoCheck;
        item->GroupIndex = d.groupIndex;
        parent->Add(item);
        item->SetChecked(d.checked);
        Bind(d.field, item);
        BuildItems(item, d.items);
    }
}

bool TForm::Command(unsigned command) {
    const auto entry = std::ranges::find(commands_, command, &TCommandEntry::command);
    if (entry == commands_.end())
        return false;
    TMenuItem* item = entry->item;
    if (item->AutoCheck)
        item->SetChecked(!item->Checked());
    // A handler set on the item in code takes the place of the description's.
    if (item->OnClick)
        item->OnClick(item);
    else if (entry->handler)
        entry->handler(*this, item);
    return true;
}

void TForm::Build(const TFormDesc& desc) {
    style_ = FormStyleBits(desc) | WS_CLIPCHILDREN;
    exStyle_ = FormExStyleBits(desc);
    position_ = desc.position;
    designClientWidth_ = desc.clientWidth;
    designClientHeight_ = desc.clientHeight;
    Name = desc.name;
    formStyle_ = desc.formStyle;
    color_ = desc.color;
    ownColor_ = true;
    font_ = desc.font;
    ownFont_ = true;
    ShowHint = desc.showHint;
    cursor_ = desc.cursor;
    left_ = desc.left;
    top_ = desc.top;
    SetCaption(std::string(desc.caption));
    CreateHandle();
    // Made where the description places it, so the window knows its monitor's DPI
    // before anything is sized.
    dpi_ = WindowDpi(handle_);

    for (const TMenuDesc& md : desc.menus) {
        TMenu* menu = md.popup ? static_cast<TMenu*>(new TPopupMenu(this)) : new TMainMenu(this);
        menu->Name = md.name;
        menu->Items()->Menu = menu;
        menu->Window = handle_;
        BuildItems(menu->Items(), md.items);
        if (auto* popup = dynamic_cast<TPopupMenu*>(menu))
            popup->OnPopup = EventOf(md.onPopup);
        Bind(md.field, menu);
    }
    if (!desc.menu.empty()) {
        Menu = dynamic_cast<TMainMenu*>(FindComponent(desc.menu));
        SetMenu(handle_, Menu->Handle());
    }
    // Client size after the menu bar is in place, so the bar does not eat the client area.
    SetClientSize(Scale(desc.clientWidth), Scale(desc.clientHeight));

    // Windows keeps the tab order in the order windows are made: the controls by tab
    // order (those without one last; equal ones in description order), parents first,
    // since a control's window needs its parent's.
    std::vector<const TControlDesc*> order;
    for (const TControlDesc& d : desc.controls)
        order.push_back(&d);
    std::ranges::stable_sort(order, {}, [](const TControlDesc* d) {
        return std::pair{!d->parent.empty(), d->tabOrder < 0 ? INT_MAX : d->tabOrder};
    });
    for (const TControlDesc* d : order)
        BuildControl(*d);

    for (const TKeyDesc& key : desc.keys)
        keys_.emplace_back(ParseShortCut(std::string(key.shortCut)), key.onKey);
    OnCreate = EventOf(desc.onCreate);
    OnActivate = EventOf(desc.onActivate);
    OnClick = EventOf(desc.onClick);
    OnDpiChanged = EventOf(desc.onDpiChanged);
    if (desc.onClose)
        OnClose = [this, handler = desc.onClose](TComponent* sender, TCloseAction& action) {
            handler(*this, sender, action);
        };
}

void TForm::BuildControl(const TControlDesc& d) {
    TControl* c = MakeControl(this, d);
    c->Name = d.name;
    c->SetParent(d.parent.empty() ? static_cast<TControl*>(this) : dynamic_cast<TControl*>(FindComponent(d.parent)));
    c->TabOrder = d.tabOrder;
    if (d.font)
        c->SetFont(*d.font);
    if (d.color)
        c->SetColor(*d.color);
    c->Hint = d.hint;
    c->SetCursor(d.cursor);
    c->SetVisible(d.visible);
    c->SetDesignBounds({d.left, d.top, d.width, d.height, d.alignTop});
    PlaceControl(*c);
    if (!d.text.empty())
        c->SetText(std::string(d.text));
    c->CreateHandle();
    if (d.kind == TControlKind::Image && !d.picture.empty())
        static_cast<TImage*>(c)->LoadIconResource(std::string(d.picture), d.width);
    c->OnClick = EventOf(d.onClick);
    if (auto* edit = dynamic_cast<TRichEdit*>(c)) {
        edit->OnChange = EventOf(d.onChange);
        edit->OnCopy = EventOf(d.onCopy);
    }
    if (!d.contextMenu.empty())
        c->ContextMenu = dynamic_cast<TPopupMenu*>(FindComponent(d.contextMenu));
    Bind(d.field, c);
}

void TForm::CreateHints() {
    // After the first paint: the form is on the screen sooner, and no pointer can rest
    // on a control before then.
    if (tooltip_ || !ShowHint)
        return;
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, handle_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_) {
        ReportFailure("CreateWindowExA (tooltip)");
        return;
    }
    for (TComponent* component : Components()) {
        auto* control = dynamic_cast<TControl*>(component);
        if (control && !control->Hint.empty() && control->Handle())
            AddHint(control);
    }
}

void TForm::AddHint(TControl* control) {
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = handle_;
    ti.lpszText = const_cast<char*>(control->Hint.c_str());
    // The hint covers the whole control: a combo box's text field is a window of its
    // own, and the pointer over it would otherwise show nothing.
    std::vector<HWND> windows{control->Handle()};
    for (HWND child = GetWindow(control->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        windows.push_back(child);
    for (HWND window : windows) {
        ti.uId = reinterpret_cast<UINT_PTR>(window);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void TForm::DoCreate() {
    // An error here ends the creation handlers only, as in any other handler: it is
    // shown, and start-up goes on with the next form.
    try {
        for (TComponent* c : Components())
            c->Loaded();
        if (OnCreate)
            OnCreate(this);
    } catch (...) {
        Application().HandleException();
    }
}

void TForm::CreateHandle() {
    // Every form is owned by the application window, which stands for the program on
    // the taskbar, so the forms get no taskbar buttons of their own.
    owner_ = Application().Handle();
    CreateOwnWindow(kFormClass, style_, exStyle_);
}

void TForm::PlaceControl(TControl& control) const {
    const TControl::TDesignBounds& d = control.DesignBounds();
    control.SetBounds(Scale(d.left), Scale(d.top), d.alignTop ? ClientWidth() : Scale(d.width), Scale(d.height));
}

void TForm::PlaceFirstShow() {
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (position_ == TPosition::poDesigned)
        return;
    const RECT area = position_ == TPosition::poDesktopCenter
                          ? RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}
                          : MonitorRect(GetActiveWindow());
    CenterOn(area);
    // Centred on a monitor of another DPI, the window takes that monitor's size; centre
    // it again at that size.
    const int dpi = dpi_;
    FollowMonitorDpi();
    if (dpi_ != dpi)
        CenterOn(area);
}

void TForm::CenterOn(const RECT& area) {
    const int left = area.left + (area.right - area.left - width_) / 2;
    const int top = area.top + (area.bottom - area.top - height_) / 2;
    TControl::SetBounds(left, top, width_, height_);
}

void TForm::FollowMonitorDpi() {
    if (handle_ && !changingDpi_ && WindowDpiFollowsMonitor())
        ChangeDpi(WindowDpi(handle_));
}

void TForm::ChangeDpi(int dpi) {
    if (dpi == dpi_ || dpi <= 0 || !handle_)
        return;
    changingDpi_ = true;
    dpi_ = dpi;
    ApplyFont();
    if (maximized_)
        CoverMonitor();
    else
        SetClientSize(Scale(designClientWidth_), Scale(designClientHeight_));
    // The described controls, in the order they were made.
    for (TComponent* component : Components()) {
        auto* c = dynamic_cast<TControl*>(component);
        if (!c || !c->Described())
            continue;
        PlaceControl(*c);
        c->ChangeScale();
    }
    changingDpi_ = false;
    if (OnDpiChanged)
        OnDpiChanged(this);
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

SIZE TForm::ClientSizeForDpi(int dpi) const {
    return {ScaleToDpi(designClientWidth_, dpi), ScaleToDpi(designClientHeight_, dpi)};
}

SIZE TForm::WindowSizeForDpi(int dpi) const {
    const SIZE client = ClientSizeForDpi(dpi);
    RECT window{};
    GetWindowRect(handle_, &window);
    const RECT clientNow = ClientRect();
    // The frame and menu bar as they are now.
    SIZE frame{(window.right - window.left) - clientNow.right, (window.bottom - window.top) - clientNow.bottom};
    if (FrameFollowsWindowDpi(handle_)) {
        // They take the size of the new DPI, and whatever the system adds beyond the
        // computed size now (a menu bar that wraps), as SetClientSize finds it.
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_EXSTYLE));
        const RECT here = WindowRectForClient(clientNow, style, exStyle, Menu != nullptr, dpi_);
        const RECT there = WindowRectForClient(RECT{0, 0, client.cx, client.cy}, style, exStyle, Menu != nullptr, dpi);
        frame.cx += (there.right - there.left - client.cx) - (here.right - here.left - clientNow.right);
        frame.cy += (there.bottom - there.top - client.cy) - (here.bottom - here.top - clientNow.bottom);
    }
    return {client.cx + frame.cx, client.cy + frame.cy};
}

void TForm::FollowSystemColors(UINT msg) {
    // Only top-level windows hear of new system colours; the common controls among
    // the children must be told by their parent.
    if (msg == WM_SYSCOLORCHANGE)
        EnumChildWindows(handle_, &ForwardSysColorChange, 0);
    for (TComponent* component : Components()) {
        if (auto* c = dynamic_cast<TControl*>(component))
            c->SystemColorsChanged();
    }
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TForm::SetVisible(bool visible) {
    if (visible && !visible_) {
        PlaceFirstShow();
        FollowMonitorDpi();
    }
    visible_ = visible;
    if (handle_) {
        if (visible) {
            SetWindowPos(handle_, formStyle_ == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            SetForegroundWindow(handle_);
        } else {
            ShowWindow(handle_, SW_HIDE);
        }
    }
    Application().UpdateVisible();
}

void TForm::Close() {
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    Hide();  // caFree too: other forms live until the program ends
}

TOtherFormsDisabled::TOtherFormsDisabled(const TControl* modal) : active_(GetActiveWindow()), focus_(GetFocus()) {
    for (TForm* form : Application().Forms()) {
        HWND w = form->Handle();
        if (form != modal && w && IsWindowVisible(w) && IsWindowEnabled(w)) {
            EnableWindow(w, FALSE);
            disabled_.push_back(w);
        }
    }
}

void TOtherFormsDisabled::EnableAgain() {
    for (HWND w : disabled_)
        EnableWindow(w, TRUE);
    disabled_.clear();
}

TOtherFormsDisabled::~TOtherFormsDisabled() {
    EnableAgain();
    if (active_ && IsWindow(active_))
        SetActiveWindow(active_);
    if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_) && GetActiveWindow() == GetAncestor(focus_, GA_ROOT))
        SetFocus(focus_);
}

TModalResult TForm::ShowModal() {
    TOtherFormsDisabled others(this);
    modal_ = true;
    ModalResult = mrNone;
    Show();
    while (ModalResult == mrNone) {
        if (!Application().HandleMessage() || Application().Terminated())
            ModalResult = mrCancel;
    }
    modal_ = false;
    others.EnableAgain();
    Hide();
    return ModalResult;
}

void TForm::SetClientSize(int width, int height) {
    RECT window{};
    GetWindowRect(handle_, &window);
    const RECT outer =
        WindowRectForClient(RECT{0, 0, width, height}, static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE)),
                            static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_EXSTYLE)), Menu != nullptr, dpi_);
    int outerWidth = outer.right - outer.left;
    int outerHeight = outer.bottom - outer.top;
    TControl::SetBounds(window.left, window.top, outerWidth, outerHeight);
    // The frame the system really drew may differ from the computed one (a menu bar
    // that wraps, a frame still at the old DPI): measure, and make up the difference.
    const RECT client = ClientRect();
    if (client.right != width || client.bottom != height) {
        outerWidth += width - client.right;
        outerHeight += height - client.bottom;
        TControl::SetBounds(window.left, window.top, outerWidth, outerHeight);
    }
}

void TForm::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    FollowMonitorDpi();
}

void TForm::SetFormStyle(TFormStyle style) {
    formStyle_ = style;
    if (handle_)
        SetWindowPos(handle_, style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::Maximize() {
    if (!handle_)
        return;
    maximized_ = true;
    CoverMonitor();
    FollowMonitorDpi();
}

void TForm::CoverMonitor() {
    // A borderless form covers its monitor.
    const RECT m = MonitorRect(handle_);
    TControl::SetBounds(m.left, m.top, m.right - m.left, m.bottom - m.top);
}

void TForm::Paint(HDC dc) {
    if (!brushClear_)
        FillSolid(dc, ClientRect(), ColorToRGB(Color()));
}

bool TForm::HandleShortCut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    const TShortCut pressed{static_cast<unsigned>(msg.wParam), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0,
                            GetKeyState(VK_MENU) < 0};
    if (TMenuItem* item = Menu ? Menu->Items()->FindShortCut(pressed) : nullptr) {
        if (!Command(item->Command()))
            item->Click();
        return true;
    }
    for (const auto& [key, onKey] : keys_) {
        if (key == pressed && onKey) {
            onKey(*this, this);
            return true;
        }
    }
    return false;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            if (ShowHint && !tooltip_)
                PostMessageA(handle_, kCreateHintsMessage, 0, 0);
            break;
        case kCreateHintsMessage:
            // Posted messages come before painting: the controls paint first.
            RedrawWindow(handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            CreateHints();
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_COMMAND:
            // The menu bar's commands, and those of the form's popup menus.
            if (lParam == 0 && HIWORD(wParam) == 0 && Command(LOWORD(wParam)))
                return 0;
            if (TButton* b = LOWORD(wParam) == IDCANCEL ? CancelButton
                             : LOWORD(wParam) == IDOK   ? DefaultButton
                                                        : nullptr;
                b && lParam == 0) {
                b->Click();
                return 0;
            }
            break;
        case DM_GETDEFID:
            // Enter presses the button that has the focus; only elsewhere the default one.
            // A form is no dialog, so nothing restyles a focused push button as the
            // default, and the dialog keys would otherwise always find DefaultButton.
            if (HWND focus = GetFocus(); focus && IsChild(handle_, focus) && dynamic_cast<TButton*>(FromHandle(focus)))
                return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
            if (DefaultButton)
                return MAKELRESULT(GetDlgCtrlID(DefaultButton->Handle()), DC_HASDEFID);
            break;
        case WM_DPICHANGED:
            // Moved to a monitor of another scale. The system suggests the place and outer
            // size there: taken first, the layout at the new DPI then grows from that
            // corner. From the old corner, it would pull the window back across the
            // monitors' edge, and the system would answer with the old scale again.
            if (const int dpi = HIWORD(wParam); !changingDpi_ && dpi > 0 && dpi != dpi_) {
                const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
                TControl::SetBounds(suggested.left, suggested.top, suggested.right - suggested.left,
                                    suggested.bottom - suggested.top);
                ChangeDpi(dpi);
            }
            return 0;
        case kGetDpiScaledSize:
            // Asked before a move onto a monitor of another scale: the size WM_DPICHANGED
            // will then give. The system's own guess, the size scaled, differs from the
            // layout there, and a drag across the monitors' edge would flip between the two.
            if (const int dpi = static_cast<int>(wParam); !maximized_ && dpi > 0) {
                *reinterpret_cast<SIZE*>(lParam) = WindowSizeForDpi(dpi);
                return TRUE;
            }
            break;
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            FollowSystemColors(msg);
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE && Application().MainForm() == this) {
                Application().Minimize();
                return 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(handle_, focus))
                    focused_ = focus;
            } else if (!HIWORD(wParam)) {
                DefaultProc(msg, wParam, lParam);
                if (focused_ && IsWindow(focused_) && IsWindowEnabled(focused_))
                    SetFocus(focused_);
                else if (DialogKeys)
                    SetFocus(GetNextDlgTabItem(handle_, nullptr, FALSE));
                if (OnActivate)
                    OnActivate(this);
                return 0;
            }
            break;
        default:
            break;
    }
    return TControl::WndProc(msg, wParam, lParam);
}

}  // namespace fw
