#pragma once
// The combo box control: a drop-down list of texts, read and set by index.
#include <string>
#include <vector>

#include "framework/Control.h"

namespace fw {

// A drop-down list with an editable text field.
class TComboBox : public TControl {
public:
    explicit TComboBox(TComponent* owner) : TControl(owner) {}
    std::vector<std::string> Items;
    // Drawn with a flat one-pixel frame instead of the sunken 3-D edge.
    bool Flat = false;
    void CreateHandle() override;
    // The drop-down list's item height, at 96 DPI; the text field keeps its own.
    void SetItemHeight(int height);
    // The height is the text field's; the window also holds the drop-down list below it.
    void SetBounds(int left, int top, int width, int height) override;
    void ChangeScale() override;

protected:
    void SetUpStandard() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyItemHeight();
    void PaintFlatFrame();
    int itemHeight_ = 0;
};

}  // namespace fw
