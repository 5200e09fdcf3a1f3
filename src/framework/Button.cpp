#include "framework/Button.h"

#include "framework/Form.h"

namespace fw {

void TButton::CreateHandle() {
    CreateStandardWindow("BUTTON", (Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | (TabOrder >= 0 ? WS_TABSTOP : 0));
}

void TButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED)
        Click();
}

void TButton::Click() {
    TControl::Click();
    if (ModalResult != mrNone) {
        TControl* top = this;
        while (top->Parent())
            top = top->Parent();
        if (auto* form = dynamic_cast<TForm*>(top))
            form->ModalResult = ModalResult;
    }
}

}  // namespace fw
