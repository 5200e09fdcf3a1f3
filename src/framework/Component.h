#pragma once
// The base of everything a form owns: a name, an owner that frees it, a loaded
// notification after its description has been applied, and removal notices about the
// other components it refers to.
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string Name;
    const std::vector<TComponent*>& Components() const { return components_; }
    TComponent* FindComponent(std::string_view name) const;

    // Called once after the owner's description has set every stored property.
    virtual void Loaded() {}
    // Another component of the same owner is about to be destroyed.
    virtual void Removing(TComponent*) {}

protected:
    // Frees the owned components now, newest first, while the owner is still whole.
    void DestroyComponents();

private:
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
};

}  // namespace fw
