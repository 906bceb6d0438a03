#pragma once
// Status bar ("TStatusBar" over "msctls_statusbar32"), aligned to the bottom:
// one simple text or several panels of given widths.
#include <string>
#include <vector>

#include "widgets/TPanel.h"
#include "widgets/TWinControl.h"

namespace vcl {

// A panel's edge: sunk in (the default), none, or standing out.
enum TStatusPanelBevel { pbLowered, pbNone, pbRaised };

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& text);
  // Panel widths (the last one takes the rest) and texts.
  void SetPanels(const std::vector<int>& widths);
  void SetPanelText(int index, const std::string& text);
  std::string PanelText(int index) const;
  // How a panel looks: its edge, and where its text goes.  The control
  // keeps both as it keeps them natively: drawing flags, and tabs in front
  // of the text (one centres it, two align it right).
  void SetPanelBevel(int index, TStatusPanelBevel bevel);
  void SetPanelAlignment(int index, TAlignment alignment);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;

 private:
  std::string FSimpleText;
  std::vector<int> FWidths;
  std::vector<std::string> FTexts;
  std::vector<TStatusPanelBevel> FBevels;
  std::vector<TAlignment> FAlignments;
  void PushPanelText(int index);
  bool FSizeGrip = true;
};

}  // namespace vcl
