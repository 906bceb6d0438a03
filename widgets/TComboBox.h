#pragma once
// Combo box ("TComboBox" over "COMBOBOX"): an edit or a fixed list with a
// drop-down list. Items live in the object and return to a re-created window.
#include <string>
#include <vector>

#include "widgets/TWinControl.h"

namespace vcl {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* AOwner);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle style);
  const std::vector<std::string>& Items() const { return FItems; }
  void SetItems(const std::vector<std::string>& items);
  int AddItem(const std::string& item);
  void Clear();
  int ItemIndex() const;
  void SetItemIndex(int index);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int count) { FDropDownCount = count; }
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;

 private:
  TComboBoxStyle FStyle = csDropDown;
  std::vector<std::string> FItems;
  int FItemIndex = -1;
  int FDropDownCount = 8;
};

}  // namespace vcl
