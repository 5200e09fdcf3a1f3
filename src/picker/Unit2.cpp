#include "picker/Unit2.h"

TColorPickForm* ColorPickForm = nullptr;

TColorPickForm::TColorPickForm(fw::TComponent* owner) : fw::TForm(owner) {
    ColorPickForm = this;
    Build(fw::TFormDesc{.name = "ColorPickForm"}, {});
}
