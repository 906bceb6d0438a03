#pragma once
// Status bar ("TStatusBar" over "msctls_statusbar32"), aligned to the bottom:
// one simple text or several panels of given widths.
#include <string>
#include <vector>

#include "widgets/TWinControl.h"

namespace vcl {

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& text);
  // Panel widths (the last one takes the rest) and texts.
  void SetPanels(const std::vector<int>& widths);
  void SetPanelText(int index, const std::string& text);
  std::string PanelText(int index) const;
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;

 private:
  std::string FSimpleText;
  std::vector<int> FWidths;
  std::vector<std::string> FTexts;
  bool FSizeGrip = true;
};

}  // namespace vcl
