#include "framework/RichEdit.h"

#include <richedit.h>

#include "framework/SystemLibrary.h"

namespace fw {

void LoadRichEditLibrary() {
    static HMODULE library = LoadSystemLibrary(L"riched20.dll");
    (void)library;
}

void TRichEdit::CreateHandle() {
    LoadRichEditLibrary();
    DWORD style =
        ES_AUTOHSCROLL | ES_READONLY | (Centered ? ES_CENTER : 0) | (TabOrder >= 0 ? WS_TABSTOP : 0) | WS_BORDER;
    CreateStandardWindow(RICHEDIT_CLASSA, style);
}

void TRichEdit::SetUpStandard() {
    SendMessageA(handle_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO | TM_SINGLECODEPAGE, 0);
    if (MaxLength > 0)
        SendMessageA(handle_, EM_EXLIMITTEXT, 0, MaxLength);
    SetColor(Color());
    ChangeScale();
}

LRESULT TRichEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Whoever sends it: the control's own copy offers its rich text, rendered only when
    // pasted, and gone with the program.
    if (msg == WM_COPY && OnCopy) {
        OnCopy(this);
        return 0;
    }
    return TControl::WndProc(msg, wParam, lParam);
}

void TRichEdit::ChangeScale() {
    ApplyFont();
    ApplyTextColor();
}

void TRichEdit::SystemColorsChanged() {
    // The control keeps the colours it was given as plain values.
    ApplyBackground();
    ApplyTextColor();
}

void TRichEdit::ApplyTextColor() {
    if (!handle_)
        return;
    // The control draws text in the font's colour only when told through its own format.
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = ColorToRGB(Font().color);
    SendMessageA(handle_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void TRichEdit::ApplyBackground() {
    if (handle_)
        SendMessageA(handle_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

void TRichEdit::SetText(const std::string& text) {
    // The box is read-only: the text last set is the text it shows, and comparing with
    // it spares two messages to the control on every pick.
    if (text == text_)
        return;
    TControl::SetText(text);
    if (OnChange)
        OnChange(this);
}

void TRichEdit::SetColor(TColor color) {
    TControl::SetColor(color);
    ApplyBackground();
}

void TRichEdit::SelectAll() {
    if (handle_)
        SendMessageA(handle_, EM_SETSEL, 0, -1);
}

std::string TRichEdit::SelectedText() const {
    if (!handle_)
        return {};
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    // One line of plain single-byte text: positions are indices into it. The final mark
    // a rich edit box counts lies past the end.
    if (start >= text_.size() || end <= start)
        return {};
    return text_.substr(start, end - start);
}

}  // namespace fw
