#include "framework/CheckBox.h"

namespace fw {

void TCheckBox::CreateHandle() {
    CreateStandardWindow("BUTTON", BS_AUTOCHECKBOX | (TabOrder >= 0 ? WS_TABSTOP : 0));
    SetChecked(checked_);
}

bool TCheckBox::Checked() const {
    if (!handle_)
        return checked_;
    return SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    if (handle_)
        SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace fw
