#pragma once
// Scroll bar control ("TScrollBar" over "SCROLLBAR"; the skin engine refuses
// plain "ScrollBar" children of skinned windows, not these). The parent's
// WM_HSCROLL/WM_VSCROLL arrives here as CN_HSCROLL/CN_VSCROLL and moves
// Position by the scroll code.
#include <functional>

#include "widgets/TWinControl.h"

namespace vcl {

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* AOwner);
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  void SetPosition(int position);
  void SetParams(int position, int min, int max);
  void SetMin(int min) { SetParams(FPosition, min, FMax); }
  void SetMax(int max) { SetParams(FPosition, FMin, max); }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int value) { FSmallChange = value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int value) { FLargeChange = value; }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void WndProc(TMessage& message) override;

 private:
  void Scroll(WPARAM wParam);
  void PushInfo();

  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0, FMax = 100, FPosition = 0;
  int FSmallChange = 1, FLargeChange = 1, FPageSize = 0;
};

}  // namespace vcl
