#include "framework/CommonControls.h"

#include "framework/SystemLibrary.h"

namespace fw {

const TCommonControls& CommonControls() {
    // By its bare name, so that the manifest's activation context still redirects it to
    // version 6 in the side-by-side store; a path would bypass that and give version 5,
    // as it does where Windows 7 lacks the safer search and the path is the only safe way.
    static const TCommonControls controls = [] {
        const HMODULE library = LoadSystemLibrary(L"comctl32.dll");
        TCommonControls c;
        c.initCommonControlsEx = LibraryFunction<decltype(c.initCommonControlsEx)>(library, "InitCommonControlsEx");
        c.imageListCreate = LibraryFunction<decltype(c.imageListCreate)>(library, "ImageList_Create");
        c.imageListDestroy = LibraryFunction<decltype(c.imageListDestroy)>(library, "ImageList_Destroy");
        c.imageListGetImageCount =
            LibraryFunction<decltype(c.imageListGetImageCount)>(library, "ImageList_GetImageCount");
        c.imageListReplaceIcon = LibraryFunction<decltype(c.imageListReplaceIcon)>(library, "ImageList_ReplaceIcon");
        c.imageListGetIcon = LibraryFunction<decltype(c.imageListGetIcon)>(library, "ImageList_GetIcon");
        return c;
    }();
    return controls;
}

}  // namespace fw
