// Ownership and notifications of components.
#include "widgets/TComponent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vcl;

namespace {
std::vector<std::string>* gLog = nullptr;

class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string name) : TComponent(owner) { SetName(std::move(name)); }
  ~Probe() override {
    if (gLog) gLog->push_back("~" + Name());
  }
  std::vector<std::string> heard;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    heard.push_back((op == opInsert ? "+" : "-") + c->Name());
  }
};
}  // namespace

TEST(Component, OwnerFreesOwnedComponentsLastCreatedFirst) {
  std::vector<std::string> log;
  gLog = &log;
  auto* owner = new Probe(nullptr, "owner");
  new Probe(owner, "a");
  auto* b = new Probe(owner, "b");
  new Probe(b, "b1");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), b);
  owner->Free();
  gLog = nullptr;
  // A destructor body runs before the components it owns go.
  EXPECT_EQ(log, (std::vector<std::string>{"~owner", "~b", "~b1", "~a"}));
}

TEST(Component, FreeingAnOwnedComponentRemovesItFromItsOwner) {
  Owned<Probe> owner(new Probe(nullptr, "owner"));
  auto* a = new Probe(owner.get(), "a");  // inserted before it has its name
  a->Free();
  EXPECT_EQ(owner->ComponentCount(), 0);
  EXPECT_EQ(owner->heard, (std::vector<std::string>{"+", "-a"}));
}

TEST(Component, FreeNotificationTellsTheWatcherEitherWay) {
  Owned<Probe> watcher(new Probe(nullptr, "w"));
  auto* watched = new Probe(nullptr, "x");
  watcher->FreeNotification(watched);
  watched->Free();
  EXPECT_EQ(watcher->heard, (std::vector<std::string>{"-x"}));

  auto* other = new Probe(nullptr, "y");
  watcher->FreeNotification(other);
  watcher->RemoveFreeNotification(other);
  other->Free();
  EXPECT_EQ(watcher->heard.size(), 1u);
}

TEST(Component, TagIsSigned32Bit) {
  Owned<Probe> p(new Probe(nullptr, "p"));
  p->SetTag(-99);
  EXPECT_EQ(p->Tag(), -99);
  EXPECT_EQ(p->Tag() % 100, -99);
}

TEST(Component, ClassNameDropsTheNamespace) {
  Owned<Probe> p(new Probe(nullptr, "p"));
  EXPECT_EQ(p->ClassName(), "Probe");
}
