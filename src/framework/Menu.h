#pragma once
// Menu bars and popup menus: items with access keys (&), shortcuts, radio items whose
// automatic checking stays inside their own submenu, separators, hidden and default items.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Handles.h"
#include "framework/ShortCut.h"
#include "framework/Types.h"

namespace fw {

class TMenu;

class TMenuItem : public TComponent {
public:
    // `command` is the number that the menu sends when the item is chosen, as the form's
    // description gives it; the form finds the item and its handler again by it.
    explicit TMenuItem(TComponent* owner, unsigned command = 0) : TComponent(owner), command_(command) {}

    std::string Caption;  // "-" makes a separator
    TShortCut ShortCut;
    bool RadioItem = false;
    bool AutoCheck = false;
    int GroupIndex = 0;
    bool Default = false;
    TNotifyEvent OnClick;

    bool Checked() const { return checked_; }
    // Checking a radio item clears the other radio items of the same group in the
    // same submenu, and no others.
    void SetChecked(bool checked);
    void SetVisible(bool visible);

    // What choosing the item does: an automatic check mark flips, then the handler runs.
    // An item with a command is chosen through its form's window, as the menu chooses it.
    void Click();

    void Add(TMenuItem* item);
    const std::vector<TMenuItem*>& Items() const { return items_; }
    bool IsSeparator() const { return Caption == "-"; }
    unsigned Command() const { return command_; }

    // Appends this item (and its submenu) to a menu handle being built.
    void AppendTo(HMENU menu) const;
    TMenuItem* FindShortCut(const TShortCut& shortCut);
    // The item's type and state, as a menu handle shows them.
    MENUITEMINFOA StateInfo() const;

    TMenu* Menu = nullptr;

private:
    void Changed() const;

    bool checked_ = false;
    bool visible_ = true;
    unsigned command_ = 0;
    TMenuItem* parentItem_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner, bool bar = false);

    TMenuItem* Items() const { return root_; }
    // The menu's handle, built from the items when first needed.
    HMENU Handle();
    // An item changed in a way the handle must show.
    virtual void ItemChanged(const TMenuItem& item, bool structure);
    // The form window that shows the menu and receives its commands.
    HWND Window = nullptr;

protected:
    TMenuItem* root_;
    UniqueMenu handle_;

private:
    bool bar_;  // a menu bar rather than a popup menu
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner, true) {}
    ~TMainMenu() override;
    void ItemChanged(const TMenuItem& item, bool structure) override;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

    bool AutoPopup = true;
    TNotifyEvent OnPopup;

    // Runs OnPopup, then shows the menu with its top-left corner at the screen point
    // and returns when it closes. The choice goes to Window as a menu bar's does, and
    // the chosen item's click runs when it arrives there.
    void Popup(int x, int y);
};

}  // namespace fw
