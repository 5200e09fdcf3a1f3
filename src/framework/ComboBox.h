#pragma once
#include <string>
#include <vector>

#include "framework/Control.h"

namespace fw {

// A drop-down list with an editable text field.
class TComboBox : public TControl {
public:
    explicit TComboBox(TComponent* owner) : TControl(owner) {}
    std::vector<std::string> Items;
    int ItemHeight = 0;
    void CreateHandle() override;
};

}  // namespace fw
