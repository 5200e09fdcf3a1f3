#include "settings/Unit5.h"

#include <windows.h>

#include <string>

#include "framework/Application.h"
#include "settings/PreferencesFormDescription.h"

using fw::TComponent;

TFormPreferences* FormPreferences = nullptr;

namespace {

constexpr int kActionItemHeight = 13;

}  // namespace

TFormPreferences::TFormPreferences(TComponent* owner) : fw::TForm(owner) {
    FormPreferences = this;
    Build(forms::kPreferencesForm);
    // The height of the drop-down list's items; the text field keeps its own.
    ActionBox->SetItemHeight(kActionItemHeight);
}

void TFormPreferences::FormActivate(TComponent*) {
    Label1->SetCaption(fw::Application().Title());
}

bool TFormPreferences::Edit(settings::Preferences& preferences) {
    chkMinimizeClose->SetChecked(preferences.minimizeClose);
    chkSystemStartup->SetChecked(preferences.systemStartup);
    ActionBox->SetText(std::string(settings::ActionToComboText(preferences.dblClickAction)));
    if (ShowModal() != fw::mrOk)
        return false;
    preferences.minimizeClose = chkMinimizeClose->Checked();
    preferences.systemStartup = chkSystemStartup->Checked();
    preferences.dblClickAction = settings::ComboTextToAction(ActionBox->Text());
    return true;
}
