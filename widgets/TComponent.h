#pragma once
// Components: an owner destroys what it owns (last created first), a name and
// a Tag, and notifications when an owned or watched component goes away.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/TObject.h"

namespace vcl {

enum TOperation { opInsert, opRemove };

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  void BeforeDestruction() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(index); }
  TComponent* FindComponent(std::string_view name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  std::int32_t Tag() const { return FTag; }
  void SetTag(std::int32_t tag) { FTag = tag; }

  // Ask to be told (Notification opRemove) when `component` is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  bool Destroying() const { return FDestroying; }

 protected:
  // Called on the owner (and everything it owns) when a component is inserted
  // or removed, and on every component that asked FreeNotification.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

 private:
  void DestroyComponents();

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  std::int32_t FTag = 0;
  bool FDestroying = false;
};

}  // namespace vcl
