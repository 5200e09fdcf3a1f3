#include "picker/PickCursor.h"

void InstallPickCursor() {}
