#include "widgets/TImageList.h"

#include <algorithm>

#include "widgets/TCanvas.h"
#include "widgets/TIcon.h"

namespace vcl {

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}
TImageList::~TImageList() = default;

HIMAGELIST TImageList::Handle() {
  if (!FHandle) MakeHandle(4);
  return FHandle.get();
}

void TImageList::MakeHandle(int initial) {
  FHandle.reset(ImageList_Create(FWidth, FHeight, ILC_COLOR32 | ILC_MASK, initial, FAllocBy));
  ImageList_SetBkColor(FHandle.get(), FBkColor == clNone ? CLR_NONE : ColorToRGB(FBkColor));
}

void TImageList::Reserve(int count) {
  if (count <= FReserved || Count() > 0) return;
  // A new empty list made with the room; holders learn the new handle before the old goes.
  ImageListHandle old = std::move(FHandle);
  MakeHandle(count);
  FReserved = count;
  Changed();
}

void TImageList::SetSize(int width, int height) {
  if (width == FWidth && height == FHeight) return;
  FWidth = width;
  FHeight = height;
  FReserved = 0;
  // A new list at the new size; holders learn the new handle before the old goes.
  ImageListHandle old = std::move(FHandle);
  Handle();
  Changed();
}

void TImageList::SetBkColor(TColor color) {
  FBkColor = color;
  if (FHandle) ImageList_SetBkColor(FHandle.get(), color == clNone ? CLR_NONE : ColorToRGB(color));
  Changed();
}

int TImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle.get()) : 0; }

int TImageList::AddIcon(const TIcon& icon) {
  if (icon.Empty()) return -1;
  const int index = ImageList_ReplaceIcon(Handle(), -1, icon.Handle());
  Changed();
  return index;
}

bool TImageList::GetIcon(int index, TIcon& icon) {
  if (index < 0 || index >= Count()) return false;
  HICON h = ImageList_GetIcon(Handle(), index, ILD_NORMAL);
  if (!h) return false;
  icon.SetHandle(h);
  return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(Handle(), index, canvas.Handle(), x, y, ILD_NORMAL);
  } else {
    IMAGELISTDRAWPARAMS p{};
    p.cbSize = sizeof p;
    p.himl = Handle();
    p.i = index;
    p.hdcDst = canvas.Handle();
    p.x = x;
    p.y = y;
    p.rgbBk = CLR_NONE;
    p.rgbFg = CLR_NONE;
    p.fStyle = ILD_NORMAL;
    p.fState = ILS_SATURATE;
    ImageList_DrawIndirect(&p);
  }
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  ImageList_Remove(Handle(), index);
  Changed();
}

void TImageList::Clear() {
  if (FHandle) ImageList_Remove(FHandle.get(), -1);
  FReserved = 0;
  Changed();
}

void TImageList::RegisterChanges(const void* client, std::function<void()> changed) {
  UnRegisterChanges(client);
  FLinks.emplace_back(client, std::move(changed));
}

void TImageList::UnRegisterChanges(const void* client) {
  FLinks.erase(std::remove_if(FLinks.begin(), FLinks.end(), [&](const auto& l) { return l.first == client; }),
               FLinks.end());
}

void TImageList::Changed() {
  for (auto& l : std::vector(FLinks)) l.second();
}

}  // namespace vcl
