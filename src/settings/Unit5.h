#pragma once
// The Preferences dialog: three of the settings as controls. It keeps no settings of
// its own; the Preferences command fills it before each showing and reads it after OK.
#include "framework/Button.h"
#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/Form.h"
#include "framework/Label.h"

class TFormPreferences : public fw::TForm {
public:
    explicit TFormPreferences(fw::TComponent* owner);

    fw::TLabel* Label1;
    fw::TCheckBox* chkMinimizeClose;
    fw::TCheckBox* chkSystemStartup;
    fw::TComboBox* ActionBox;
    fw::TButton* Button1;
    fw::TButton* Button2;

    void FormActivate(fw::TComponent* Sender);
};

extern TFormPreferences* FormPreferences;
