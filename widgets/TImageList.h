#pragma once
// A list of equal-sized images with masks (the system image list). Changing
// the image size empties the list; users such as list views are told.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "widgets/Colors.h"
#include "widgets/Handles.h"
#include "widgets/TComponent.h"

namespace vcl {

class TIcon;
class TCanvas;

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* AOwner);
  ~TImageList() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }
  void SetSize(int width, int height);
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor color);
  // How many images the list makes room for at a time (4 by default).  A
  // list that grows to thousands wants more: each growth copies every image.
  // Takes effect when the handle is made, so set it first.
  int AllocBy() const { return FAllocBy; }
  void SetAllocBy(int count) { FAllocBy = count < 1 ? 1 : count; }
  // Makes room for `count` images at once while the list is empty (no-op
  // otherwise): growing by AllocBy to thousands copies every image held at
  // each growth, a tenth of a second at a time under Wine.  Emptying the
  // list gives the room back.
  void Reserve(int count);
  int Count() const;
  HIMAGELIST Handle();

  // Appends an icon (scaled to the list's size); returns its index.
  int AddIcon(const TIcon& icon);
  // Image `index` as a new icon in `icon`; false for a bad index.
  bool GetIcon(int index, TIcon& icon);
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  void Delete(int index);
  void Clear();

  // Objects that hold the list's handle register to be told when it changes.
  void RegisterChanges(const void* client, std::function<void()> changed);
  void UnRegisterChanges(const void* client);

 private:
  void Changed();
  void MakeHandle(int initial);
  int FWidth = 16, FHeight = 16;
  TColor FBkColor = clNone;
  int FAllocBy = 4;
  int FReserved = 0;
  ImageListHandle FHandle;
  std::vector<std::pair<const void*, std::function<void()>>> FLinks;
};

}  // namespace vcl
