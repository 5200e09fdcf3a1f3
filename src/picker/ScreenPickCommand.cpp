// Starting a pick from the screen.
#include "main/Unit1.h"

void TMainForm::Pickcolorfromthescreen1Click(fw::TComponent*) {}
