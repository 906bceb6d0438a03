#pragma once
// Track bar ("TTrackBar" over "msctls_trackbar32"); its scroll notifications
// come back as CN_HSCROLL/CN_VSCROLL and update Position.
#include "widgets/TWinControl.h"

namespace vcl {

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* AOwner);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  void SetRange(int min, int max);
  void SetPosition(int position);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation orientation);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void WndProc(TMessage& message) override;

 private:
  int FMin = 0, FMax = 10, FPosition = 0;
  TTrackBarOrientation FOrientation = trHorizontal;
};

}  // namespace vcl
