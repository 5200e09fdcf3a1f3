#include "picker/PickCursor.h"

#include <windows.h>

#include "framework/Screen.h"
#include "shared/CompanionFiles.h"

namespace {

constexpr wchar_t kCursorFile[] = L"cur.dat";

}  // namespace

void LoadPickCursor() {
    // Loaded afresh at every activation, so a file put in place later is found. A missing
    // or unreadable file gives a null handle, which leaves number 5 empty: the images
    // and the picking window then show the arrow.
    const std::wstring path = huetrove::FindCompanionFile(kCursorFile);
    fw::UniqueCursor cursor(path.empty() ? nullptr : LoadCursorFromFileW(path.c_str()));
    // Destroys the cursor of the previous activation, so only one is ever held.
    fw::Screen().SetCursor(crPick, std::move(cursor));
}
