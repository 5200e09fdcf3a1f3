#pragma once
// The picking window: while a pick from the screen is on, it covers its monitor, so
// the screen looks unchanged, and catches the left click that reads the pixel under
// the pointer.
#include <functional>

#include "framework/Form.h"
#include "framework/Handles.h"

class TColorPickForm : public fw::TForm {
public:
    explicit TColorPickForm(fw::TComponent* owner);
    ~TColorPickForm() override;

    // Prepares and shows the window; also its activation handler.
    void FormActivate(fw::TComponent* Sender);
    // The left click (press and release) that ends a pick.
    void FormClick(fw::TComponent* Sender);
    // Where a pick ends: the pixel its click read, once the window is gone.
    std::function<void(fw::TColor pixel)> OnPick;

    void SetVisible(bool visible) override;

protected:
    void Paint(HDC dc) override;

private:
    // What the monitor showed just before the window covered it.
    fw::UniqueBitmap screenCopy_;
};

extern TColorPickForm* ColorPickForm;
