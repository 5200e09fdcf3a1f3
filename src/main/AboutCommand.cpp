// Showing the About window.
#include "about/Unit3.h"
#include "main/Unit1.h"

void TMainForm::About1Click(fw::TComponent*) {
    FormAbout->ShowModal();  // the window has only a way out, so its result says nothing
}
