#include "framework/ComboBox.h"

namespace fw {

namespace {
constexpr int kListRoom = 120;  // below the field, at 96 DPI
}

void TComboBox::CreateHandle() {
    CreateStandardWindow("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | (TabOrder >= 0 ? WS_TABSTOP : 0));
    SetBounds(left_, top_, width_, height_);
    for (const std::string& item : Items)
        SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    ApplyItemHeight();
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height + Scale(kListRoom), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetItemHeight(int height) {
    itemHeight_ = height;
    ApplyItemHeight();
}

void TComboBox::ChangeScale() {
    TControl::ChangeScale();
    ApplyItemHeight();
}

void TComboBox::ApplyItemHeight() {
    if (handle_ && itemHeight_ > 0)
        SendMessageA(handle_, CB_SETITEMHEIGHT, 0, Scale(itemHeight_));
}

}  // namespace fw
