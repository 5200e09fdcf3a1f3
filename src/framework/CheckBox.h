#pragma once
// The check box control: a ticked or clear option with its caption.
#include "framework/Control.h"

namespace fw {

class TCheckBox : public TControl {
public:
    explicit TCheckBox(TComponent* owner) : TControl(owner) {}
    void CreateHandle() override;
    bool Checked() const;
    void SetChecked(bool checked);

private:
    bool checked_ = false;
};

}  // namespace fw
