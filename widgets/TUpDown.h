#pragma once
// Up-down arrows ("TUpDown" over "msctls_updown32"), optionally attached to
// an edit whose text shows the position.
#include "widgets/TWinControl.h"

namespace vcl {

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* AOwner);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const;
  void SetRange(int min, int max);
  void SetPosition(int position);
  TWinControl* Associate() const { return FAssociate; }
  void SetAssociate(TWinControl* control);
  TNotifyEvent OnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void DestroyWnd() override { FPosition = Position(); }
  void WndProc(TMessage& message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetBuddy(HWND buddy);
  void ScaleOwnWidth();
  void ScaleBuddyAlignment(const RECT& buddyBefore, int ownWidth);
  int FMin = 0, FMax = 100, FPosition = 0;
  int FAskedWidth = 0;
  TWinControl* FAssociate = nullptr;
};

}  // namespace vcl
