#pragma once
// The Preferences dialog: three of the settings as controls. It keeps no settings of
// its own; each showing starts from the values it is given and hands them back after OK.
#include "framework/Button.h"
#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "settings/SettingsStore.h"

class TFormPreferences : public fw::TForm {
public:
    explicit TFormPreferences(fw::TComponent* owner);

    fw::TLabel* Label1 = nullptr;
    fw::TCheckBox* chkMinimizeClose = nullptr;
    fw::TCheckBox* chkSystemStartup = nullptr;
    fw::TComboBox* ActionBox = nullptr;
    fw::TButton* Button1 = nullptr;
    fw::TButton* Button2 = nullptr;

    void FormActivate(fw::TComponent* Sender);

    // Shows the dialog modally with `preferences`; true, and `preferences` as the user
    // left them, when the user confirmed with OK.
    bool Edit(settings::Preferences& preferences);
};

extern TFormPreferences* FormPreferences;
