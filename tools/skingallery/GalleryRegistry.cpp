// The gallery's pages and the state they share.
#include <algorithm>

#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryForms.h"
#include "tools/skingallery/GallerySkins.h"
#include "widgets/DpiScale.h"
#include "widgets/WindowDpi.h"

namespace gallery {
namespace {

Options gOptions;
TGalleryForm* gMainForm = nullptr;
int gNextX = 10, gNextY = 10, gRowHeight = 0;

}  // namespace

std::vector<Page>& Pages() {
  static std::vector<Page> pages;
  return pages;
}
TGalleryForm* MainForm() { return gMainForm; }
vex::skin::TSkinData* Skin() { return gMainForm ? gMainForm->SkinData1 : nullptr; }
const Options& CurrentOptions() { return gOptions; }
Options& MutableOptions() { return gOptions; }

HWND ShowPage(vcl::TForm* form) {
  form->Show();
  return form->Handle();
}

POINT NextWindowPosition(int width, int height) {
  // Positions and sizes are the forms' 96-dpi designs, which each form
  // scales to its window's DPI: the screen is measured in the same units.
  const int dpi = vcl::SystemDpi();
  const int screen = MulDiv(GetSystemMetrics(SM_CXSCREEN), vcl::dpi::kDesignDpi, dpi);
  if (gNextX + width > screen && gNextX > 10) {
    gNextX = 10;
    gNextY += gRowHeight + 10;
    gRowHeight = 0;
  }
  // Off the bottom of the screen a window could not be pictured: start at
  // the top again (each page comes to the front for its picture).
  if (gNextY + height > MulDiv(GetSystemMetrics(SM_CYSCREEN), vcl::dpi::kDesignDpi, dpi) && gNextY > 10) {
    gNextY = 10;
    gRowHeight = 0;
  }
  const POINT at{gNextX, gNextY};
  gNextX += width + 10;
  gRowHeight = std::max(gRowHeight, height);
  return at;
}


TGalleryForm* StartGallery() {
  gMainForm = new TGalleryForm(vcl::Application, gOptions);
  AddSkinMenu(*gMainForm);
  gMainForm->AfterConstruction();
  vcl::Application->SetMainForm(gMainForm);
  return gMainForm;
}

}  // namespace gallery
