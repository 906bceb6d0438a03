#pragma once
// The main window: the folder, its icon, the apply and restore buttons and
// the options panel. The handlers hand over to TMainLogic; this class only
// lays out the controls and answers TMainView with them.
#include <memory>

#include "app/TMainLogic.h"
#include "app/TMainView.h"
#include "app/TPlatform.h"
#include "app/usage/TKnowUsage.h"
#include "skin/data/TSkinData.h"
#include "widgets/Vcl.h"

class TForm1 : public vcl::TForm, public vex::app::TMainView {
 public:
  explicit TForm1(vcl::TComponent* AOwner);
  ~TForm1() override;

  vcl::TPanel* Panel1;
  vcl::TSpeedButton* SpeedButton2;
  vcl::TEdit* Edit1;
  vcl::TPanel* Panel3;
  vcl::TImage* Image1;
  vcl::TButton* Button1;
  vcl::TBitBtn* BitBtn1;
  vcl::TSpeedButton* SpeedButton1;
  vcl::TPanel* Panel2;
  vcl::TCheckBox* CheckBox1;
  vcl::TCheckBox* CheckBox2;
  vcl::TLabel* Label1;
  vex::skin::TSkinData* SkinData1;
  vex::app::TKnowUsage* KnowUsage1;

 private:
  void FormCreate(vcl::TObject* Sender);
  void FormShow(vcl::TObject* Sender);
  void FormDestroy(vcl::TObject* Sender);
  void Button1Click(vcl::TObject* Sender);
  void BitBtn1Click(vcl::TObject* Sender);
  void Image1Click(vcl::TObject* Sender);
  void SpeedButton1Click(vcl::TObject* Sender);
  void SpeedButton2Click(vcl::TObject* Sender);
  void Label1Click(vcl::TObject* Sender);
  void CheckBox1Click(vcl::TObject* Sender);
  void CheckBox2Click(vcl::TObject* Sender);

  // TMainView
  std::string FolderText() override;
  void SetFolderText(const std::string& text) override;
  bool MenuChecked() override;
  void SetMenuChecked(bool checked) override;
  bool CopyChecked() override;
  void SetCopyChecked(bool checked) override;
  bool OptionsVisible() override;
  void SetOptionsVisible(bool visible) override;
  void SetOptionsButtonCaption(const std::string& caption) override;
  bool BrowseForFolder(const std::string& title, std::string& folder) override;
  bool ExecuteIconBrowser(const std::string& folder, vex::app::TIconReference& chosen) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void PaintIcon(const vex::app::TIconReference& icon) override;
  void OpenUrl(const std::string& url) override;

  void FormDpiChanged(vcl::TObject* Sender);
  void LoadWindowIcon();

  void BuildPanel1();
  void BuildPanel2();

  // The icon the picture shows, drawn again at a new DPI's size.
  vex::app::TIconReference FPaintedIcon;
  std::unique_ptr<vex::app::TPlatform> FPlatform;
  std::unique_ptr<vex::app::TMainLogic> FLogic;
};

extern TForm1* Form1;
