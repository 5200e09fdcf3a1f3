#pragma once
// The push button control and how its click ends a modal form.
#include "framework/Control.h"

namespace fw {

// A push button; a modal result ends the modal showing of its form when clicked.
class TButton : public TControl {
public:
    explicit TButton(TComponent* owner) : TControl(owner) {}
    TModalResult ModalResult = mrNone;
    bool Default = false;
    void CreateHandle() override;
    void Click() override;

protected:
    void CommandNotify(WORD code) override;
    bool Clickable() const override { return false; }
};

}  // namespace fw
