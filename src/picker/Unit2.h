#pragma once
#include "framework/Form.h"

class TColorPickForm : public fw::TForm {
public:
    explicit TColorPickForm(fw::TComponent* owner);
};

extern TColorPickForm* ColorPickForm;
