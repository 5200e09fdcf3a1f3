#pragma once
// The descriptions from which the program's windows are built.
#include "framework/FormDescription.h"

const fw::TFormDesc& MainFormDescription();
const fw::TFormDesc& ColorPickFormDescription();
const fw::TFormDesc& AboutFormDescription();
const fw::TFormDesc& PreferencesFormDescription();
