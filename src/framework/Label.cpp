#include "framework/Label.h"

#include "framework/Graphics.h"
#include "framework/Handles.h"

namespace fw {

void TLabel::CreateHandle() {
    CreateOwnWindow(kLabelClass, 0);
    FitToText();
}

void TLabel::SetText(const std::string& text) {
    TControl::SetText(text);
    if (!handle_)
        return;  // measured once, when the window is made
    FitToText();
    InvalidateRect(handle_, nullptr, TRUE);
}

void TLabel::ChangeScale() {
    TControl::ChangeScale();
    FitToText();
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TLabel::FitToText() {
    if (!AutoSize || !handle_)
        return;
    // Measured on a memory DC: the metrics are the screen's, and no window of a form not
    // yet shown needs a device context of its own for it.
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.Get(), FontHandle(Font(), Dpi()));
    RECT rc{0, 0, 0, 0};
    std::string text = Text();
    DrawTextA(dc.Get(), text.empty() ? " " : text.c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc.Get(), old);
    SetBounds(left_, top_, text.empty() ? 0 : rc.right, rc.bottom);
}

void TLabel::Paint(HDC dc) {
    RECT rc = ClientRect();
    FillSolid(dc, rc, ColorToRGB(Color()));
    HGDIOBJ old = SelectObject(dc, FontHandle(Font(), Dpi()));
    SetTextColor(dc, ColorToRGB(Font().color));
    SetBkMode(dc, TRANSPARENT);
    std::string text = Text();
    DrawTextA(dc, text.c_str(), -1, &rc, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    SelectObject(dc, old);
}

}  // namespace fw
