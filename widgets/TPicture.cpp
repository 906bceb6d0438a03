#include "widgets/TPicture.h"

#include <algorithm>

namespace vcl {

template <class T>
T& TPicture::Ensure() {
  if (auto* g = dynamic_cast<T*>(FGraphic.get())) return *g;
  auto g = std::make_unique<T>();
  g->OnChange = [this] { Changed(); };
  T& ref = *g;
  FGraphic = std::move(g);
  Changed();
  return ref;
}

TIcon& TPicture::Icon() { return Ensure<TIcon>(); }
TBitmap& TPicture::Bitmap() { return Ensure<TBitmap>(); }

void TPicture::Clear() {
  FGraphic.reset();
  Changed();
}

void TPicture::LoadFromFile(const std::string& fileName) {
  std::string ext;
  if (const auto dot = fileName.rfind('.'); dot != std::string::npos) ext = fileName.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
  if (ext == ".ico") {
    auto icon = std::make_unique<TIcon>();
    icon->LoadFromFile(fileName);
    icon->OnChange = [this] { Changed(); };
    FGraphic = std::move(icon);
  } else {
    auto bmp = std::make_unique<TBitmap>();
    bmp->LoadFromFile(fileName);
    bmp->OnChange = [this] { Changed(); };
    FGraphic = std::move(bmp);
  }
  Changed();
}

}  // namespace vcl
