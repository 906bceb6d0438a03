#include "widgets/TComponent.h"

#include <algorithm>

namespace vcl {

namespace {
void Erase(std::vector<TComponent*>& list, TComponent* c) {
  list.erase(std::remove(list.begin(), list.end(), c), list.end());
}
}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  // Tell the watchers first: they may still read the component's name or tag.
  while (!FFreeNotifies.empty()) {
    TComponent* watcher = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Erase(watcher->FFreeNotifies, this);
    watcher->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::BeforeDestruction() { FDestroying = true; }

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* c = FComponents.back();
    FComponents.pop_back();
    c->FOwner = nullptr;
    c->Free();
  }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents) {
    if (c->FName.size() == name.size() &&
        std::equal(name.begin(), name.end(), c->FName.begin(), [](char a, char b) {
          auto lower = [](char x) { return x >= 'A' && x <= 'Z' ? static_cast<char>(x + 32) : x; };
          return lower(a) == lower(b);
        })) {
      return c;
    }
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  component->FOwner = this;
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->FOwner != this) return;
  Notification(component, opRemove);
  Erase(FComponents, component);
  component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(component);
  }
  if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
      component->FFreeNotifies.end()) {
    component->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  Erase(FFreeNotifies, component);
  Erase(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (FDestroying) return;
  for (std::size_t i = FComponents.size(); i-- > 0;) {
    if (i < FComponents.size() && FComponents[i] != AComponent) FComponents[i]->Notification(AComponent, Operation);
  }
}

}  // namespace vcl
