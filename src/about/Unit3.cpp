#include "about/Unit3.h"

TFormAbout* FormAbout = nullptr;

TFormAbout::TFormAbout(fw::TComponent* owner) : fw::TForm(owner) {
    FormAbout = this;
    Build(fw::TFormDesc{.name = "FormAbout"}, {});
}
