#include "framework/Component.h"

#include <vector>

namespace fw {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_) {
        // Tell the siblings first, so none keeps a pointer to this one.
        for (TComponent* sibling : owner_->components_)
            if (sibling != this)
                sibling->Removing(this);
        std::erase(owner_->components_, this);
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (TComponent* c : components_)
        if (c->Name == name)
            return c;
    return nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty())
        delete components_.back();  // its destructor removes it from the list
}

}  // namespace fw
