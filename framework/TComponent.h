#pragma once

#include <memory>
#include <vector>

// Something a form owns: a control, a timer, later actions and menus. An owner frees
// what it owns, last made first, before it goes itself.
class TComponent {
public:
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    void Adopt(std::unique_ptr<TComponent> component);
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }

protected:
    TComponent() = default;
    void FreeComponents();

private:
    std::vector<std::unique_ptr<TComponent>> components_;
};
