#pragma once
// Everything a test needs to drive windows from outside, whether they belong to the
// program under test or to the test's own process.
#include "Clipboard.h"
#include "ColourWindow.h"
#include "Input.h"
#include "MessageBoxes.h"
#include "Process.h"
#include "Program.h"
#include "Registry.h"
#include "Resources.h"
#include "Screen.h"
#include "Steps.h"
#include "Tray.h"
#include "Wait.h"
#include "WindowFinder.h"
#include "WindowText.h"
