#pragma once
// The bevel control: an etched line that separates parts of a form.
#include "framework/Control.h"

namespace fw {

// A single etched line along the top of its rectangle.
class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner) : TControl(owner) {}
    void CreateHandle() override;

protected:
    void Paint(HDC dc) override;
};

}  // namespace fw
