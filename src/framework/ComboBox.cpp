#include "framework/ComboBox.h"

#include "framework/Handles.h"

namespace fw {

namespace {
constexpr int kListRoom = 120;  // below the field, at 96 DPI
}

void TComboBox::CreateHandle() {
    // Made with the room for its list below the field, so it is placed only once.
    const int field = height_;
    height_ = field + Scale(kListRoom);
    CreateStandardWindow("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | (TabOrder >= 0 ? WS_TABSTOP : 0));
    height_ = field;
    ApplyItemHeight();
}

void TComboBox::SetUpStandard() {
    for (const std::string& item : Items)
        SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height + Scale(kListRoom));
    height_ = height;
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

LRESULT TComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = TControl::WndProc(msg, wParam, lParam);
    if (msg == WM_PAINT && Flat)
        PaintFlatFrame();
    return result;
}

void TComboBox::PaintFlatFrame() {
    // The control draws its own edge, sunken in the classic look: over it goes a single
    // line in the shadow colour, with the window colour inside it as far as the button.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    const RECT field = ClientRect();
    if (!GetComboBoxInfo(handle_, &info) || field.right <= 2 || field.bottom <= 2)
        return;
    WindowDC dc(handle_);
    FrameRect(dc.Get(), &field, GetSysColorBrush(COLOR_BTNSHADOW));
    const LONG innerRight =
        info.rcButton.left > 1 && info.rcButton.left < field.right ? info.rcButton.left : field.right - 1;
    HBRUSH window = GetSysColorBrush(COLOR_WINDOW);
    const RECT top{1, 1, innerRight, 2};
    const RECT bottom{1, field.bottom - 2, innerRight, field.bottom - 1};
    const RECT left{1, 1, 2, field.bottom - 1};
    FillRect(dc.Get(), &top, window);
    FillRect(dc.Get(), &bottom, window);
    FillRect(dc.Get(), &left, window);
}

}  // namespace fw
