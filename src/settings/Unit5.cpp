#include "settings/Unit5.h"

TFormPreferences* FormPreferences = nullptr;

TFormPreferences::TFormPreferences(fw::TComponent* owner) : fw::TForm(owner) {
    FormPreferences = this;
    Build(fw::TFormDesc{.name = "FormPreferences"}, {});
}
