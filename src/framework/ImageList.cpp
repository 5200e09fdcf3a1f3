#include "framework/ImageList.h"

#include "framework/CommonControls.h"

namespace fw {

namespace {

// A list is made only where the library gives every call that uses it.
bool ImageListsAvailable() {
    const TCommonControls& c = CommonControls();
    return c.imageListCreate && c.imageListDestroy && c.imageListGetImageCount && c.imageListReplaceIcon &&
           c.imageListGetIcon;
}

}  // namespace

TImageList::TImageList(TComponent* owner, int width, int height) : TComponent(owner) {
    if (ImageListsAvailable())
        list_ = CommonControls().imageListCreate(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
}

TImageList::~TImageList() {
    if (list_)
        CommonControls().imageListDestroy(list_);
}

int TImageList::Count() const {
    return list_ ? CommonControls().imageListGetImageCount(list_) : 0;
}

int TImageList::AddIcon(HICON icon) {
    return list_ && icon ? CommonControls().imageListReplaceIcon(list_, -1, icon) : -1;
}

bool TImageList::GetIcon(int index, TIcon& icon) const {
    if (!list_ || index < 0 || index >= Count())
        return false;
    HICON copy = CommonControls().imageListGetIcon(list_, index, ILD_NORMAL);
    if (!copy)
        return false;
    icon.SetHandle(UniqueIcon(copy));
    return true;
}

}  // namespace fw
