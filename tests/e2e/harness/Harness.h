#pragma once

// Everything an end-to-end test needs to drive a program from outside.
#include "Clipboard.h"
#include "Input.h"
#include "MessageBoxes.h"
#include "Process.h"
#include "Program.h"
#include "Registry.h"
#include "Resources.h"
#include "Screen.h"
#include "Tray.h"
#include "Wait.h"
#include "WindowFinder.h"
#include "WindowText.h"
