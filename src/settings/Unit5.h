#pragma once
#include "framework/Form.h"

class TFormPreferences : public fw::TForm {
public:
    explicit TFormPreferences(fw::TComponent* owner);
};

extern TFormPreferences* FormPreferences;
