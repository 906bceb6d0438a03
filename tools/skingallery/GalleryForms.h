#pragma once
// The gallery's main form: the skin component and one of every control of
// the widget layer.
#include "tools/skingallery/Gallery.h"
#include "widgets/Vcl.h"

namespace gallery {

class TGalleryForm : public vcl::TForm {
 public:
  TGalleryForm(vcl::TComponent* owner, const Options& options);
  vex::skin::TSkinData* SkinData1 = nullptr;
};

}  // namespace gallery
