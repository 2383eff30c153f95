#include "framework/TComponent.h"

TComponent::~TComponent()
{
    FreeComponents();
}

void TComponent::Adopt(std::unique_ptr<TComponent> component)
{
    components_.push_back(std::move(component));
}

void TComponent::FreeComponents()
{
    while (!components_.empty())
        components_.pop_back();
}
