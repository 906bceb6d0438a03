#pragma once
// Tabs ("TTabControl" over "SysTabControl32") that hold controls in the
// display area below the tabs; TCN_SELCHANGE arrives as CN_NOTIFY.
#include <string>
#include <vector>

#include "widgets/TWinControl.h"

namespace vcl {

class TTabControl : public TWinControl {
 public:
  explicit TTabControl(TComponent* AOwner);
  const std::vector<std::string>& Tabs() const { return FTabs; }
  void SetTabs(const std::vector<std::string>& tabs);
  int TabIndex() const;
  void SetTabIndex(int index);
  RECT AlignRect() override;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  bool EraseBackground(HDC dc) override;

 private:
  std::vector<std::string> FTabs;
  int FTabIndex = -1;
};

}  // namespace vcl
