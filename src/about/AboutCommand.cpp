// Showing the About window.
#include "main/Unit1.h"

void TMainForm::About1Click(fw::TComponent*) {}
