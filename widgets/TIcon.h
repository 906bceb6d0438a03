#pragma once
// An icon that owns its handle. Files are read at the large icon size.
#include <windows.h>

#include <cstdint>
#include <span>

#include "widgets/Handles.h"
#include "widgets/TGraphic.h"

namespace vcl {

class TIcon : public TGraphic {
 public:
  TIcon();
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Empty() const override { return !FHandle; }

  HICON Handle() const { return FHandle.get(); }
  // Takes ownership of `icon`.
  void SetHandle(HICON icon);
  HICON ReleaseHandle();
  // Copies the picture into a new handle.
  void Assign(const TIcon& source);

  // An .ico file at the system's large icon size: EFOpenError when it cannot
  // be read, EInvalidGraphic ("Icon image is not valid") when it is no icon.
  void LoadFromFile(const std::string& fileName) override;
  void LoadFromMemory(std::span<const std::uint8_t> data);
  // The same at `size` x `size` pixels (0: the large icon size), from the
  // file's image nearest that size: a display at 150% gets the 48-pixel
  // image where the file has one, not the 32-pixel one stretched.
  void LoadFromFile(const std::string& fileName, int size);
  void LoadFromMemory(std::span<const std::uint8_t> data, int size);

  void Draw(TCanvas& canvas, const RECT& rect) override;

 private:
  IconHandle FHandle;
  int FWidth = 0, FHeight = 0;
};

}  // namespace vcl
