#include "widgets/TIcon.h"

#include "widgets/Exceptions.h"
#include "widgets/IconDirectory.h"
#include "widgets/TCanvas.h"

namespace vcl {

TIcon::TIcon() { SetTransparent(true); }

void TIcon::SetHandle(HICON icon) {
  FHandle.reset(icon);
  FWidth = FHeight = 0;
  if (icon) {
    ICONINFO ii{};
    if (GetIconInfo(icon, &ii)) {
      BITMAP bm{};
      GetObjectA(ii.hbmMask, sizeof bm, &bm);
      FWidth = bm.bmWidth;
      FHeight = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
      if (ii.hbmColor) DeleteObject(ii.hbmColor);
      if (ii.hbmMask) DeleteObject(ii.hbmMask);
    }
  }
  Changed();
}

HICON TIcon::ReleaseHandle() {
  FWidth = FHeight = 0;
  return FHandle.release();
}

void TIcon::Assign(const TIcon& source) {
  if (&source == this) return;
  SetHandle(source.FHandle ? CopyIcon(source.FHandle.get()) : nullptr);
}

void TIcon::LoadFromFile(const std::string& fileName) { LoadFromFile(fileName, 0); }

void TIcon::LoadFromFile(const std::string& fileName, int size) {
  const std::string data = ReadWholeFile(fileName);
  LoadFromMemory({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()}, size);
}

void TIcon::LoadFromMemory(std::span<const std::uint8_t> data) { LoadFromMemory(data, 0); }

void TIcon::LoadFromMemory(std::span<const std::uint8_t> data, int size) {
  const auto entries = icofile::ReadDirectory(data);
  const int cx = size > 0 ? size : GetSystemMetrics(SM_CXICON), cy = size > 0 ? size : GetSystemMetrics(SM_CYICON);
  const auto pick = icofile::ChooseEntry(entries, cx, cy);
  if (!pick) throw EInvalidGraphic();
  const auto& e = entries[*pick];
  // CreateIconFromResourceEx wants a mutable pointer but does not write.
  auto* bits = const_cast<std::uint8_t*>(data.data() + e.offset);
  HICON icon = CreateIconFromResourceEx(bits, static_cast<DWORD>(e.size), TRUE, 0x00030000, cx, cy, LR_DEFAULTCOLOR);
  if (!icon) throw EInvalidGraphic();
  SetHandle(icon);
}

void TIcon::Draw(TCanvas& canvas, const RECT& rect) {
  if (!FHandle) return;
  DrawIconEx(canvas.Handle(), rect.left, rect.top, FHandle.get(), rect.right - rect.left, rect.bottom - rect.top, 0,
             nullptr, DI_NORMAL);
}

}  // namespace vcl
