#pragma once
// Pieces that several window descriptions share.
#include <vector>

#include "framework/FormDescription.h"

fw::TFontDesc Tahoma8();

// The white band across the top of the About and Preferences windows, with the
// program's icon and name, and the etched line under it.
std::vector<fw::TControlDesc> TitleBand();
