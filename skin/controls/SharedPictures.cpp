#include "skin/controls/SharedPictures.h"

#include <map>
#include <memory>
#include <set>

#include "skin/controls/PictureCache.h"
#include "widgets/TComponent.h"

namespace vex::skin {
namespace {

class TSharedPictures : public vcl::TComponent {
 public:
  TSharedPictures() : vcl::TComponent(nullptr) {}

  void Draw(const void* user, vcl::TComponent* skin, std::uint64_t key, int width, int height, HDC dc, int x, int y,
            const std::function<void(HDC)>& paint) {
    auto [it, isNew] = FSkins.try_emplace(skin);
    if (isNew) {
      it->second.pictures = std::make_unique<TPictureCache>();
      FreeNotification(skin);
    }
    it->second.users.insert(user);
    it->second.pictures->Draw(key, width, height, dc, x, y, paint);
  }
  void Forget(vcl::TComponent* skin) {
    if (auto it = FSkins.find(skin); it != FSkins.end()) it->second.pictures->Clear();
  }
  void Release(const void* user) {
    for (auto it = FSkins.begin(); it != FSkins.end();) {
      it->second.users.erase(user);
      if (it->second.users.empty()) {
        RemoveFreeNotification(it->first);
        it = FSkins.erase(it);
      } else {
        ++it;
      }
    }
  }
  std::size_t Count(vcl::TComponent* skin) const {
    const auto it = FSkins.find(skin);
    return it == FSkins.end() ? 0 : it->second.pictures->Size();
  }

 protected:
  void Notification(vcl::TComponent* component, vcl::TOperation operation) override {
    vcl::TComponent::Notification(component, operation);
    if (operation == vcl::opRemove) FSkins.erase(component);
  }

 private:
  struct Skin {
    std::unique_ptr<TPictureCache> pictures;
    std::set<const void*> users;
  };
  std::map<vcl::TComponent*, Skin> FSkins;
};

// Never freed: skins may still be freed at program end, and tell it.
TSharedPictures& Shared() {
  static auto* shared = new TSharedPictures;
  return *shared;
}

}  // namespace

void DrawSharedPicture(const void* user, vcl::TComponent* skin, std::uint64_t key, int width, int height, HDC dc,
                       int x, int y, const std::function<void(HDC)>& paint) {
  if (!skin) {
    paint(dc);
    return;
  }
  Shared().Draw(user, skin, key, width, height, dc, x, y, paint);
}

void ForgetSharedPictures(vcl::TComponent* skin) { Shared().Forget(skin); }

void ReleaseSharedPictures(const void* user) { Shared().Release(user); }

std::size_t SharedPictureCount(vcl::TComponent* skin) { return Shared().Count(skin); }

}  // namespace vex::skin
