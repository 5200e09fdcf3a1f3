#pragma once
// A list of same-sized icons kept by the system's image list, from which components
// copy single entries.
#include <windows.h>

#include <commctrl.h>

#include "framework/Component.h"
#include "framework/Icon.h"

namespace fw {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner, int width = 16, int height = 16);
    ~TImageList() override;

    int Count() const;
    // Appends a copy of the icon; its index, or -1 when it could not be added.
    int AddIcon(HICON icon);
    // Copies entry `index` into `icon`; false (and `icon` unchanged) without that entry.
    bool GetIcon(int index, TIcon& icon) const;

private:
    HIMAGELIST list_ = nullptr;
};

}  // namespace fw
