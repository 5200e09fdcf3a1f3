#include "framework/ImageList.h"

namespace fw {

TImageList::TImageList(TComponent* owner, int width, int height) : TComponent(owner) {
    // cppcheck-suppress useInitializationList ; a handle, assigned once: nothing is constructed twice
    list_ = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
}

TImageList::~TImageList() {
    if (list_)
        ImageList_Destroy(list_);
}

int TImageList::Count() const {
    return list_ ? ImageList_GetImageCount(list_) : 0;
}

int TImageList::AddIcon(HICON icon) {
    return list_ && icon ? ImageList_ReplaceIcon(list_, -1, icon) : -1;
}

bool TImageList::GetIcon(int index, TIcon& icon) const {
    if (!list_ || index < 0 || index >= Count())
        return false;
    HICON copy = ImageList_GetIcon(list_, index, ILD_NORMAL);
    if (!copy)
        return false;
    icon.SetHandle(UniqueIcon(copy));
    return true;
}

}  // namespace fw
