#pragma once
// Base of pictures that can draw themselves on a canvas (bitmaps, icons).
#include <windows.h>

#include <functional>
#include <string>

#include "widgets/TObject.h"

namespace vcl {

class TCanvas;

class TGraphic : public TObject {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Draws into `rect` of the canvas, stretched when the sizes differ.
  virtual void Draw(TCanvas& canvas, const RECT& rect) = 0;
  virtual void LoadFromFile(const std::string& fileName) = 0;

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);

  std::function<void()> OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange();
  }

 private:
  bool FTransparent = false;
};

// The whole file, or EFOpenError with the system's reason.
std::string ReadWholeFile(const std::string& fileName);

// The system's text for an error code, without the trailing line break.
std::string SysErrorMessage(DWORD code);

}  // namespace vcl
