#pragma once
// The panel control: a coloured, bevelled rectangle that holds other controls.
#include "framework/Control.h"
#include "framework/FormDescription.h"

namespace fw {

// A flat rectangle in its colour with outer and inner bevels; it can hold other controls.
class TPanel : public TControl {
public:
    explicit TPanel(TComponent* owner) : TControl(owner) {}
    TBevelCut BevelOuter = TBevelCut::bvRaised;
    TBevelCut BevelInner = TBevelCut::bvNone;
    void CreateHandle() override;

protected:
    void Paint(HDC dc) override;
};

}  // namespace fw
