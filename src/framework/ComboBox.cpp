#include "framework/ComboBox.h"

namespace fw {

void TComboBox::CreateHandle() {
    CreateStandardWindow("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | (TabOrder >= 0 ? WS_TABSTOP : 0));
    // The drop-down list needs room below the field; the field keeps its own height.
    SetWindowPos(handle_, nullptr, 0, 0, width_, height_ + 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const std::string& item : Items)
        SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (ItemHeight > 0)
        SendMessageA(handle_, CB_SETITEMHEIGHT, 0, ItemHeight);
}

}  // namespace fw
