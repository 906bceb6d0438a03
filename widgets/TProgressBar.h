#pragma once
// Progress bar ("TProgressBar" over "msctls_progress32").
#include "widgets/TWinControl.h"

namespace vcl {

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* AOwner);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  void SetRange(int min, int max);
  void SetPosition(int position);
  void StepBy(int delta) { SetPosition(FPosition + delta); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;

 private:
  int FMin = 0, FMax = 100, FPosition = 0;
};

}  // namespace vcl
