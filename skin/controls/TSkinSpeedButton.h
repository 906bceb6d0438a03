#pragma once
// TSkinSpeedButton: windowless speed buttons (vcl::TSpeedButton) drawn from
// the skin's Buttons frames.  The button's WindowProc is taken over as for
// windowed controls; its parent's paint and its own state changes go
// through it.  The click stays the button's own (no WM_COMMAND): the skinner
// lets it have the press and only shows the frames.
#include "skin/controls/TSkinBitButton.h"

namespace vcl {
class TSpeedButton;
}

namespace vex::skin {

class TSkinSpeedButton : public TSkinBitButton {
 public:
  using TSkinBitButton::TSkinBitButton;
  ~TSkinSpeedButton() override { Detach(); }
  void AttachSpeedButton(vcl::TSpeedButton* button, TSkinData* skin, vcl::TCanvas* canvas);
  void Detach() override;
  bool BeforeMessage(vcl::TMessage& message) override;
  void AfterMessage(vcl::TMessage& message) override;
  // Paints straight onto the parent's window, clipped to the button.
  void PaintNow() override;
  void Redraw() override { PaintNow(); }
  // The button at `rect` of `target` (the button's own coordinates there).
  void PaintSpeedButton(HDC target, const RECT& rect);
  vcl::TSpeedButton* SpeedButton() const { return FSpeedButton; }

 protected:
  void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

 private:
  vcl::TSpeedButton* FSpeedButton = nullptr;
};

}  // namespace vex::skin
