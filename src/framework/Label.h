#pragma once
// The label control: one line of text that can fit its own width.
#include "framework/Control.h"

namespace fw {

// A line of text in its font and colour; with AutoSize it fits its text, left edge fixed.
class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) {}
    bool AutoSize = true;
    void CreateHandle() override;
    void SetText(const std::string& text) override;
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }
    void ChangeScale() override;

protected:
    void Paint(HDC dc) override;

private:
    void FitToText();
};

}  // namespace fw
