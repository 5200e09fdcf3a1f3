#pragma once
// The rich edit box control: the read-only boxes that show a colour's values.
#include "framework/Control.h"

namespace fw {

// A one-line, read-only, plain-text rich edit box. Its change event fires only when
// the text is set to a different text: the control itself reports every setting.
class TRichEdit : public TControl {
public:
    explicit TRichEdit(TComponent* owner) : TControl(owner) {}
    bool Centered = false;
    int MaxLength = 0;
    TNotifyEvent OnChange;
    // When set, the program's own copy, run in place of the control's for WM_COPY.
    TNotifyEvent OnCopy;

    void CreateHandle() override;
    // Read-only: the text last set is the text shown, so it is given without asking the
    // control (the main window reads the HTML box twice on every pick).
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;
    void SetColor(TColor color) override;
    void ChangeScale() override;
    void SystemColorsChanged() override;
    void SelectAll();
    // The part of the text that is selected; empty when nothing is.
    std::string SelectedText() const;

protected:
    void SetUpStandard() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyBackground();
    void ApplyTextColor();
};

// Loads the rich edit library once; it stays loaded for the life of the process.
void LoadRichEditLibrary();

}  // namespace fw
