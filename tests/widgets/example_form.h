#pragma once
// A small form declared the way the program declares its windows: controls
// as members created in the constructor, one handler per control event.
#include "widgets/Vcl.h"

class TExampleForm : public vcl::TForm {
 public:
  explicit TExampleForm(vcl::TComponent* owner);

  vcl::TPanel* Panel1;
  vcl::TEdit* Edit1;
  vcl::TButton* Button1;
  vcl::TSpeedButton* SpeedButton1;
  vcl::TPanel* Panel2;
  vcl::TCheckBox* CheckBox1;
  vcl::TLabel* Label1;

  int clicks = 0;
  int created = 0;
  int shown = 0;

 private:
  void FormCreate(vcl::TObject* Sender);
  void FormShow(vcl::TObject* Sender);
  void Button1Click(vcl::TObject* Sender);
  void SpeedButton1Click(vcl::TObject* Sender);
};
