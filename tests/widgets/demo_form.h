#pragma once
// A form with one of every control, for the screenshot and the leak test.
#include "widgets/Vcl.h"

class TDemoForm : public vcl::TForm {
 public:
  explicit TDemoForm(vcl::TComponent* owner);
  vcl::TPanel* Top;
  vcl::TSpeedButton* Speed;
  vcl::TEdit* Edit;
  vcl::TButton* Button;
  vcl::TBitBtn* BitBtn;
  vcl::TImage* Image;
  vcl::TLabel* Label;
  vcl::TCheckBox* Check;
  vcl::TGroupBox* Group;
  vcl::TRadioButton* Radio1;
  vcl::TRadioButton* Radio2;
  vcl::TScrollBar* Scroll;
  vcl::TListView* List;
  vcl::TImageList* Images;
  vcl::TMemo* Memo;
  vcl::TMainMenu* Menu;
  vcl::TPopupMenu* Popup;
  vcl::TTimer* Timer;
  vcl::TComboBox* Combo;
  vcl::TProgressBar* Progress;
  vcl::TEdit* Number;
  vcl::TUpDown* UpDown;
  vcl::TTrackBar* Track;
  vcl::TTabControl* Tabs;
  vcl::TStatusBar* Status;
};
