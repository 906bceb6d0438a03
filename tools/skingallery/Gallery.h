#pragma once
// skingallery: every kind of window and control the skin engine draws, in
// one program, for people to look at and for tests to take pictures of.
//
// The gallery is a set of pages, each a window (a form of the widget layer,
// a raw Win32 window, a message box).  A page registers itself with
// GALLERY_PAGE in its own file; pages are opened in the order of their
// `order` field.  `--shot DIR` opens every page, waits until its frame is
// skinned and painted, saves DIR/gallery-<name>.png and exits.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/data/TSkinData.h"

namespace vcl {
class TForm;
}

namespace gallery {

struct Options {
  std::string skinFile;  // --skin FILE: a package instead of the built-in skin
  std::string shotDir;   // --shot DIR
  bool switchSkins = false;  // --switch: go through every skin choice
};

struct Page {
  std::string name;
  int order = 0;
  // Opens the page's window and returns it (shown).  Pages that are modal
  // (message boxes) use `modal` instead and are opened last.
  std::function<HWND()> open;
  // A modal page: runs its modal loop, calling `shoot` with its window once
  // it is up; `shoot` takes the picture, then the page closes the window.
  std::function<void(const std::function<void(HWND)>& shoot)> modal;
};

std::vector<Page>& Pages();
struct PageRegistrar {
  explicit PageRegistrar(Page page) { Pages().push_back(std::move(page)); }
};

// The gallery's main form (owns the skin component); null before start-up.
class TGalleryForm;
TGalleryForm* MainForm();
vex::skin::TSkinData* Skin();
const Options& CurrentOptions();
Options& MutableOptions();
// Makes the main form (which owns the skin component) with the options set
// so far; the application object must exist.
TGalleryForm* StartGallery();

// Places windows side by side on the screen as they are opened.
POINT NextWindowPosition(int width, int height);
// Shows a page's form and returns its window, for `Page::open`.
HWND ShowPage(vcl::TForm* form);

}  // namespace gallery
