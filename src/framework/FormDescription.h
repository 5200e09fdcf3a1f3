#pragma once
// Form descriptions: the data from which a window is built, read like the window it
// describes (control name, the form's field that holds it, kind, rectangle, texts, font,
// hint, handlers, command numbers). They are constant data: texts are views of literals,
// lists are views of arrays, and nothing is assembled when the program starts. A
// description is read only while its form is built.
#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <type_traits>

#include "framework/Font.h"
#include "framework/Types.h"

namespace fw {

class TForm;
class TPanel;
class TLabel;
class TImage;
class TBevel;
class TCheckBox;
class TComboBox;
class TButton;
class TRichEdit;
class TMainMenu;
class TPopupMenu;
class TMenuItem;

// A handler that a description names: a member function of the form it builds, written
// as its member pointer, Handler<&TMyForm::Button1Click>. A misspelt name fails the
// build, and "go to definition" on it reaches the function.
using TEventHandler = void (*)(TForm& form, TComponent* sender);
using TCloseHandler = void (*)(TForm& form, TComponent* sender, TCloseAction& action);

namespace detail {

template <typename Method>
struct THandlerOf;
template <typename F>
struct THandlerOf<void (F::*)(TComponent*)> {
    template <void (F::*method)(TComponent*)>
    static void Call(TForm& form, TComponent* sender) {
        (static_cast<F&>(form).*method)(sender);
    }
};
template <typename F>
struct THandlerOf<void (F::*)(TComponent*, TCloseAction&)> {
    template <void (F::*method)(TComponent*, TCloseAction&)>
    static void Call(TForm& form, TComponent* sender, TCloseAction& action) {
        (static_cast<F&>(form).*method)(sender, action);
    }
};

}  // namespace detail

template <auto method>
inline constexpr auto Handler = &detail::THandlerOf<decltype(method)>::template Call<method>;

// What a described part is made as; the first eight are the control kinds.
enum class TPartKind {
    Panel,
    Label,
    Image,
    Bevel,
    CheckBox,
    ComboBox,
    Button,
    RichEdit,
    MainMenu,
    PopupMenu,
    MenuItem
};

namespace detail {

template <typename T>
struct TKindOf;
template <>
struct TKindOf<TPanel> : std::integral_constant<TPartKind, TPartKind::Panel> {};
template <>
struct TKindOf<TLabel> : std::integral_constant<TPartKind, TPartKind::Label> {};
template <>
struct TKindOf<TImage> : std::integral_constant<TPartKind, TPartKind::Image> {};
template <>
struct TKindOf<TBevel> : std::integral_constant<TPartKind, TPartKind::Bevel> {};
template <>
struct TKindOf<TCheckBox> : std::integral_constant<TPartKind, TPartKind::CheckBox> {};
template <>
struct TKindOf<TComboBox> : std::integral_constant<TPartKind, TPartKind::ComboBox> {};
template <>
struct TKindOf<TButton> : std::integral_constant<TPartKind, TPartKind::Button> {};
template <>
struct TKindOf<TRichEdit> : std::integral_constant<TPartKind, TPartKind::RichEdit> {};
template <>
struct TKindOf<TMainMenu> : std::integral_constant<TPartKind, TPartKind::MainMenu> {};
template <>
struct TKindOf<TPopupMenu> : std::integral_constant<TPartKind, TPartKind::PopupMenu> {};
template <>
struct TKindOf<TMenuItem> : std::integral_constant<TPartKind, TPartKind::MenuItem> {};

template <typename Member>
struct TFieldOf;
template <typename F, typename T>
struct TFieldOf<T * F::*> {
    static constexpr TPartKind kind = TKindOf<T>::value;
    template <T* F::*member>
    static void Bind(TForm& form, TComponent* part) {
        static_cast<F&>(form).*member = static_cast<T*>(part);
    }
};

}  // namespace detail

// The field of the form that holds a described part, filled by Build: written as its
// member pointer, Field<&TMyForm::Button1>. A misspelt field fails the build, and so does
// one of another kind than the part (PartsResolve compares the kinds).
struct TField {
    TPartKind kind{};
    void (*bind)(TForm& form, TComponent* part) = nullptr;
};

template <auto member>
inline constexpr TField Field{detail::TFieldOf<decltype(member)>::kind,
                              &detail::TFieldOf<decltype(member)>::template Bind<member>};

// The numbers menu commands send (WM_COMMAND's low word): each form writes its own
// beside its description, one per item, from kFirstCommand on, below the controls' ids
// and apart from IDOK and IDCANCEL.
inline constexpr unsigned kFirstCommand = 100;
inline constexpr unsigned kLastCommand = 999;

// A view of a constant array of descriptions (a std::span that may name a type that is
// still being defined, as a menu item names its submenu's items).
template <typename T>
class TList {
public:
    constexpr TList() = default;
    // Implicit on purpose: a description names its items as a braced array.
    template <std::size_t N>
    // cppcheck-suppress noExplicitConstructor ; a description's items convert as they are written
    constexpr TList(const T (&items)[N]) : first_(items), count_(N) {}
    template <std::size_t N>
    // cppcheck-suppress noExplicitConstructor ; likewise for a std::array of items
    constexpr TList(const std::array<T, N>& items) : first_(items.data()), count_(N) {}
    constexpr const T* begin() const { return first_; }
    constexpr const T* end() const { return first_ + count_; }
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }

private:
    const T* first_ = nullptr;
    std::size_t count_ = 0;
};

enum class TControlKind { Panel, Label, Image, Bevel, CheckBox, ComboBox, Button, RichEdit };
static_assert(static_cast<TPartKind>(TControlKind::RichEdit) == TPartKind::RichEdit);
enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TBorderStyle { bsToolWindow, bsNone };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter };

struct TControlDesc {
    std::string_view name{};
    TField field{};
    TControlKind kind{};
    std::string_view parent{};  // empty: the form itself
    int left = 0, top = 0, width = 0, height = 0;
    bool alignTop = false;
    std::string_view text{};
    const TFontDesc* font = nullptr;  // null: the parent's
    std::optional<TColor> color{};
    std::string_view hint{};
    TCursor cursor = crDefault;
    int tabOrder = -1;
    bool visible = true;
    // Panels
    TBevelCut bevelOuter = TBevelCut::bvRaised;
    TBevelCut bevelInner = TBevelCut::bvNone;
    // Images: an icon resource, drawn at the image's designed width
    std::string_view picture{};
    // Rich edit boxes (always read-only)
    bool centered = false;
    int maxLength = 0;
    // Combo boxes and buttons
    TList<std::string_view> items{};
    bool flat = false;  // combo boxes: a flat frame, no 3-D edge
    TModalResult modalResult = mrNone;
    bool isDefault = false;
    bool isCancel = false;
    // Handlers, and the popup menu (by name) that a right click opens
    TEventHandler onClick = nullptr;
    TEventHandler onChange = nullptr;
    TEventHandler onCopy = nullptr;  // rich edit boxes: WM_COPY
    std::string_view contextMenu{};
};

struct TMenuItemDesc {
    std::string_view name{};
    TField field{};
    std::string_view caption{};  // "-" for a separator
    std::string_view shortCut{};
    bool radioItem = false;
    bool autoCheck = false;
    int groupIndex = 0;
    bool checked = false;
    unsigned command = 0;  // every item that can be chosen has one; see kFirstCommand
    TEventHandler onClick = nullptr;
    TList<TMenuItemDesc> items{};
};

// A key the form answers itself, besides its menus' shortcuts.
struct TKeyDesc {
    std::string_view shortCut{};
    TEventHandler onKey = nullptr;
};

struct TMenuDesc {
    std::string_view name{};
    TField field{};
    bool popup = false;
    TEventHandler onPopup = nullptr;
    TList<TMenuItemDesc> items{};
};

struct TFormDesc {
    std::string_view name{};
    std::string_view caption{};
    TBorderStyle border = TBorderStyle::bsToolWindow;
    bool minimizeBox = false;
    TFormStyle formStyle = TFormStyle::fsNormal;
    TPosition position = TPosition::poDesigned;
    int left = 0, top = 0, clientWidth = 0, clientHeight = 0;
    TColor color = clBtnFace;
    TFontDesc font{};
    bool showHint = false;
    TCursor cursor = crDefault;
    std::string_view menu{};  // the menu bar, one of `menus`
    TEventHandler onCreate = nullptr, onActivate = nullptr, onClick = nullptr, onDpiChanged = nullptr;
    TCloseHandler onClose = nullptr;
    TList<TMenuDesc> menus{};
    TList<TControlDesc> controls{};
    TList<TKeyDesc> keys{};
};

namespace detail {

constexpr bool FieldFits(const TField& field, TPartKind kind) {
    return !field.bind || field.kind == kind;
}

constexpr int CommandUses(TList<TMenuItemDesc> items, unsigned command) {
    int uses = 0;
    for (const TMenuItemDesc& item : items)
        uses += (item.command == command ? 1 : 0) + CommandUses(item.items, command);
    return uses;
}

constexpr int CommandUses(const TFormDesc& form, unsigned command) {
    int uses = 0;
    for (const TMenuDesc& menu : form.menus)
        uses += CommandUses(menu.items, command);
    return uses;
}

// Every item that can be chosen has a command of its own, and no other item has one.
constexpr bool ItemsResolve(const TFormDesc& form, TList<TMenuItemDesc> items) {
    for (const TMenuItemDesc& item : items) {
        const bool chosen = item.items.empty() && item.caption != "-";
        const bool numbered =
            item.command >= kFirstCommand && item.command <= kLastCommand && CommandUses(form, item.command) == 1;
        if (!FieldFits(item.field, TPartKind::MenuItem) || (chosen ? !numbered : item.command != 0) ||
            !ItemsResolve(form, item.items))
            return false;
    }
    return true;
}

}  // namespace detail

// Whether a description holds together, checked as the program is built so that a slip
// fails the build: every name it uses for another of its parts names one (a control's
// parent, its context menu, the form's menu bar), every field is of its part's kind,
// and every menu item that can be chosen has a command number of its own.
constexpr bool PartsResolve(const TFormDesc& form) {
    auto isControl = [&](std::string_view name) {
        return std::ranges::any_of(form.controls, [&](const TControlDesc& c) { return c.name == name; });
    };
    auto isMenu = [&](std::string_view name, bool popup) {
        return std::ranges::any_of(form.menus, [&](const TMenuDesc& m) { return m.name == name && m.popup == popup; });
    };
    for (const TControlDesc& c : form.controls) {
        if ((!c.parent.empty() && !isControl(c.parent)) || (!c.contextMenu.empty() && !isMenu(c.contextMenu, true)) ||
            !detail::FieldFits(c.field, static_cast<TPartKind>(c.kind)))
            return false;
    }
    for (const TMenuDesc& m : form.menus) {
        if (!detail::FieldFits(m.field, m.popup ? TPartKind::PopupMenu : TPartKind::MainMenu) ||
            !detail::ItemsResolve(form, m.items))
            return false;
    }
    return form.menu.empty() || isMenu(form.menu, false);
}

// Two constant lists of controls as one, for descriptions that share a part.
template <std::size_t A, std::size_t B>
constexpr std::array<TControlDesc, A + B> Joined(const std::array<TControlDesc, A>& first,
                                                 const std::array<TControlDesc, B>& second) {
    std::array<TControlDesc, A + B> all{};
    std::copy(second.begin(), second.end(), std::copy(first.begin(), first.end(), all.begin()));
    return all;
}

}  // namespace fw
