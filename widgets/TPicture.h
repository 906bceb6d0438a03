#pragma once
// Holds the one picture of a TImage: an icon or a bitmap.
#include <functional>
#include <memory>
#include <string>

#include "widgets/TBitmap.h"
#include "widgets/TIcon.h"

namespace vcl {

class TPicture : public TObject {
 public:
  // The picture as an icon (replacing a bitmap).
  TIcon& Icon();
  // The picture as a bitmap (replacing an icon).
  TBitmap& Bitmap();
  TGraphic* Graphic() const { return FGraphic.get(); }
  void Clear();
  // By extension: ".ico" loads an icon, anything else a bitmap.
  void LoadFromFile(const std::string& fileName);
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  std::function<void()> OnChange;

 private:
  template <class T>
  T& Ensure();
  void Changed() {
    if (OnChange) OnChange();
  }
  std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace vcl
