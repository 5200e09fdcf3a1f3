#pragma once
#include "framework/Form.h"

class TFormAbout : public fw::TForm {
public:
    explicit TFormAbout(fw::TComponent* owner);
};

extern TFormAbout* FormAbout;
