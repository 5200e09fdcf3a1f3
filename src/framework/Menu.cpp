#include "framework/Menu.h"

#include "framework/Application.h"
#include "framework/DebugReport.h"

namespace fw {

namespace {

// The menu with the items appended, each with its submenu.
HMENU Filled(HMENU menu, const std::vector<TMenuItem*>& items) {
    for (const TMenuItem* item : items)
        item->AppendTo(menu);
    return menu;
}

}  // namespace

void TMenuItem::Add(TMenuItem* item) {
    item->parentItem_ = this;
    item->Menu = Menu;
    items_.push_back(item);
}

void TMenuItem::SetChecked(bool checked) {
    if (checked && RadioItem && parentItem_) {
        for (TMenuItem* sibling : parentItem_->items_) {
            if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex && sibling->checked_) {
                sibling->checked_ = false;
                sibling->Changed();
            }
        }
    }
    checked_ = checked;
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    if (Menu)
        Menu->ItemChanged(*this, true);
}

void TMenuItem::Changed() const {
    // The handle finds an item by its command; one without is found again by building anew.
    if (Menu)
        Menu->ItemChanged(*this, command_ == 0);
}

void TMenuItem::Click() {
    // An item with a command goes where the menu's choice goes: to its form's dispatch.
    if (command_ && Menu && Menu->Window) {
        SendMessageA(Menu->Window, WM_COMMAND, MAKEWPARAM(command_, 0), 0);
        return;
    }
    if (AutoCheck)
        SetChecked(!checked_);
    if (OnClick)
        OnClick(this);
}

MENUITEMINFOA TMenuItem::StateInfo() const {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    info.fType = IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
    if (RadioItem)
        info.fType |= MFT_RADIOCHECK;
    info.fState = (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (Default ? MFS_DEFAULT : 0);
    return info;
}

void TMenuItem::AppendTo(HMENU menu) const {
    if (!visible_)
        return;
    MENUITEMINFOA info = StateInfo();
    info.fMask |= MIIM_ID;
    info.wID = command_;
    std::string text = Caption;
    if (!ShortCut.Empty()) {
        text.push_back('\t');
        text.append(ShortCutToText(ShortCut));
    }
    if (!IsSeparator()) {
        info.fMask |= MIIM_STRING;
        info.dwTypeData = text.data();
    }
    if (!items_.empty()) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = Filled(CreatePopupMenu(), items_);
    }
    Reported(InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info), "InsertMenuItemA");
}

TMenuItem* TMenuItem::FindShortCut(const TShortCut& shortCut) {
    for (TMenuItem* item : items_) {
        if (!item->ShortCut.Empty() && item->ShortCut == shortCut)
            return item;
        if (TMenuItem* found = item->FindShortCut(shortCut))
            return found;
    }
    return nullptr;
}

TMenu::TMenu(TComponent* owner, bool bar) : TComponent(owner), root_(new TMenuItem(this)), bar_(bar) {
    root_->Menu = this;
}

HMENU TMenu::Handle() {
    if (!handle_)
        handle_.Reset(Filled(bar_ ? CreateMenu() : CreatePopupMenu(), root_->Items()));
    return handle_.Get();
}

void TMenu::ItemChanged(const TMenuItem& item, bool structure) {
    if (!handle_)
        return;
    if (structure) {
        handle_.Reset();
        return;
    }
    MENUITEMINFOA info = item.StateInfo();
    info.fMask = MIIM_STATE;
    SetMenuItemInfoA(handle_.Get(), item.Command(), FALSE, &info);
}

TMainMenu::~TMainMenu() {
    // A window destroys the menu bar it shows; take ours back first, so it is
    // destroyed exactly once, here.
    if (Window && IsWindow(Window) && GetMenu(Window) == handle_.Get())
        SetMenu(Window, nullptr);
}

void TMainMenu::ItemChanged(const TMenuItem& item, bool structure) {
    if (structure && Window && handle_) {
        // The bar must never show a destroyed menu: attach the new one before the old goes.
        UniqueMenu old(handle_.Release());
        SetMenu(Window, Handle());
        DrawMenuBar(Window);
        return;
    }
    TMenu::ItemChanged(item, structure);
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup)
        OnPopup(this);
    // Built afresh each time so that items hidden by OnPopup stay out.
    handle_.Reset(Filled(CreatePopupMenu(), root_->Items()));
    // The application window owns the menu while it is open, as it owns every form.
    const auto command =
        static_cast<UINT>(TrackPopupMenu(handle_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                         x, y, 0, Application().Handle(), nullptr));
    if (command)
        PostMessageA(Window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

}  // namespace fw
