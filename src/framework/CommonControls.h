#pragma once
// The common controls library, loaded while the program runs rather than imported. It is
// not one of Windows' known libraries: imported, it would be looked for, with what it
// pulls in, before WinMain could keep the search to the system folder.
#include <windows.h>

#include <commctrl.h>

namespace fw {

// What the framework takes from the library; each null when it cannot be had.
struct TCommonControls {
    decltype(&InitCommonControlsEx) initCommonControlsEx = nullptr;
    decltype(&ImageList_Create) imageListCreate = nullptr;
    decltype(&ImageList_Destroy) imageListDestroy = nullptr;
    decltype(&ImageList_GetImageCount) imageListGetImageCount = nullptr;
    decltype(&ImageList_ReplaceIcon) imageListReplaceIcon = nullptr;
    decltype(&ImageList_GetIcon) imageListGetIcon = nullptr;
};

// Loaded at the first call, kept until the program ends.
const TCommonControls& CommonControls();

}  // namespace fw
