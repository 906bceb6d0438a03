#include "app/TForm1.h"

#include <shellapi.h>

#include "app/AppTexts.h"
#include "app/EAppError.h"
#include "app/IconBrowser.h"
#include "app/PathText.h"
#include "app/TWinPlatform.h"
#include "app/usage/UsageAddress.h"
#include "iconbrowser/IconFiles.h"
#include "res/resource_ids.h"

using namespace vcl;
namespace text = vex::app::text;

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner)
    : TForm(AOwner), FPlatform(std::make_unique<vex::app::TWinPlatform>()) {
  FLogic = std::make_unique<vex::app::TMainLogic>(*this, *FPlatform);
  SetName("Form1");
  SetCaption(text::kCaption);
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize | biHelp);
  SetColor(clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  LoadWindowIcon();
  SetBounds(362, 150, 0, 0);
  SetClientSize(292, 94);
  SetAutoSize(true);

  BuildPanel1();
  BuildPanel2();

  // The skin travels inside the program, stored the way the form's design
  // stores it: a 32-bit length and the package.  A package that Setup.ini
  // names takes its place when it loads; otherwise (and when that load fails
  // after all) the built-in skin is read, without a word to the user.
  SkinData1 = new vex::skin::TSkinData(this);
  SkinData1->SetName("SkinData1");
  SkinData1->BeginLoading();
  SkinData1->SetActive(true);
  SkinData1->DisableTag = 99;
  SkinData1->SkinFormtype = vex::skin::sfMainform;
  SkinData1->SkinControls = vex::skin::kAllSkinControls;
  // High contrast sends windows back to the system's look unless the user
  // keeps the skin for it.
  SkinData1->KeepInHighContrast = FLogic->SkinInHighContrast();
  const std::string skinFile = FLogic->ChosenSkinFile();
  if (!skinFile.empty()) SkinData1->SetSkinFile(skinFile);
  if (SkinData1->NoSkin) {
    if (!skinFile.empty()) SkinData1->SetSkinFile("");
    SkinData1->ReadSkinStreamResource(GetModuleHandleA(nullptr));
  }
  SkinData1->Loaded();

  KnowUsage1 = new vex::app::TKnowUsage(this);
  KnowUsage1->SetName("KnowUsage1");
  KnowUsage1->URL = vex::app::UsageUrlFromEnvironment();

  OnCreate = Method(this, &TForm1::FormCreate);
  OnShow = Method(this, &TForm1::FormShow);
  OnDestroy = Method(this, &TForm1::FormDestroy);
  OnDpiChanged = Method(this, &TForm1::FormDpiChanged);
}

TForm1::~TForm1() = default;

// The window icon at the window's DPI: the resource's image nearest that size.
void TForm1::LoadWindowIcon() {
  const int size = Scale(32);
  Icon().SetHandle(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VEXILO), IMAGE_ICON, size, size, 0)));
}

void TForm1::FormDpiChanged(TObject*) {
  LoadWindowIcon();
  try {
    PaintIcon(FPaintedIcon);
  } catch (...) {
    // The file went away since it was shown: the picture stays empty, as a
    // failed PaintIcon leaves it.
  }
}

void TForm1::BuildPanel1() {
  Panel1 = new TPanel(this);
  Panel1->SetName("Panel1");
  Panel1->SetBounds(0, 0, 292, 94);
  Panel1->SetAlign(alTop);
  Panel1->SetParent(this);
  Panel1->SetTabOrder(0);

  SpeedButton2 = new TSpeedButton(this);
  SpeedButton2->SetName("SpeedButton2");
  SpeedButton2->SetBounds(16, 1, 23, 22);
  SpeedButton2->SetCaption(text::kBrowseButton);
  SpeedButton2->SetParent(Panel1);
  SpeedButton2->OnClick = Method(this, &TForm1::SpeedButton2Click);

  // Created in tab order: Button1, BitBtn1, Edit1, Panel3.
  Button1 = new TButton(this);
  Button1->SetName("Button1");
  Button1->SetBounds(56, 27, 105, 25);
  Button1->SetCaption(text::kApplyButton);
  Button1->SetParent(Panel1);
  Button1->SetTabOrder(0);
  Button1->OnClick = Method(this, &TForm1::Button1Click);

  BitBtn1 = new TBitBtn(this);
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetBounds(176, 27, 81, 25);
  BitBtn1->SetCaption(text::kRestoreButton);
  BitBtn1->SetParent(Panel1);
  BitBtn1->SetTabOrder(1);
  BitBtn1->OnClick = Method(this, &TForm1::BitBtn1Click);

  Edit1 = new TEdit(this);
  Edit1->SetName("Edit1");
  Edit1->SetBounds(56, 1, 201, 21);
  Edit1->SetParent(Panel1);
  Edit1->SetTabOrder(2);

  Panel3 = new TPanel(this);
  Panel3->SetName("Panel3");
  Panel3->SetBounds(8, 24, 35, 35);
  Panel3->SetBevelOuter(bvLowered);
  Panel3->SetParent(Panel1);
  Panel3->SetTabOrder(3);

  Image1 = new TImage(this);
  Image1->SetName("Image1");
  Image1->SetBounds(1, 2, 32, 32);
  Image1->SetCursor(crHandPoint);
  Image1->SetTransparent(true);
  Image1->SetParent(Panel3);
  Image1->OnClick = Method(this, &TForm1::Image1Click);

  SpeedButton1 = new TSpeedButton(this);
  SpeedButton1->SetName("SpeedButton1");
  SpeedButton1->SetBounds(16, 62, 23, 22);
  SpeedButton1->SetCaption(text::kOptionsShow);
  SpeedButton1->SetParentFont(false);
  SpeedButton1->Font().SetColor(clRed);
  SpeedButton1->SetHint(text::kOptionsHint);
  SpeedButton1->SetParent(Panel1);
  SpeedButton1->OnClick = Method(this, &TForm1::SpeedButton1Click);
}

void TForm1::BuildPanel2() {
  Panel2 = new TPanel(this);
  Panel2->SetName("Panel2");
  Panel2->SetBounds(0, 94, 292, 99);
  Panel2->SetAlign(alTop);
  Panel2->SetVisible(false);
  Panel2->SetParent(this);
  Panel2->SetTabOrder(1);

  CheckBox1 = new TCheckBox(this);
  CheckBox1->SetName("CheckBox1");
  CheckBox1->SetBounds(16, 1, 209, 17);
  CheckBox1->SetCaption(text::kMenuOption);
  // The design state; set before the handler is bound, so nothing runs yet.
  CheckBox1->SetChecked(true);
  CheckBox1->SetParent(Panel2);
  CheckBox1->SetTabOrder(0);
  CheckBox1->OnClick = Method(this, &TForm1::CheckBox1Click);

  CheckBox2 = new TCheckBox(this);
  CheckBox2->SetName("CheckBox2");
  CheckBox2->SetBounds(16, 25, 209, 17);
  CheckBox2->SetCaption(text::kCopyOption);
  CheckBox2->SetParent(Panel2);
  CheckBox2->SetTabOrder(1);
  CheckBox2->OnClick = Method(this, &TForm1::CheckBox2Click);

  Label1 = new TLabel(this);
  Label1->SetName("Label1");
  Label1->SetAutoSize(false);
  Label1->SetBounds(35, 48, 112, 13);
  Label1->SetCaption(text::kDownloadLink);
  Label1->SetParentFont(false);
  Label1->Font().SetName("MS Serif");
  Label1->Font().SetHeight(-11);
  Label1->Font().SetColor(clMaroon);
  Label1->SetCursor(crHandPoint);
  Label1->SetParent(Panel2);
  Label1->OnClick = Method(this, &TForm1::Label1Click);
}

void TForm1::FormCreate(TObject*) {
  FLogic->FormCreate(GetCommandLineA());
  vex::app::CreateIconBrowser();
}

void TForm1::FormShow(TObject*) { KnowUsage1->Visit(); }
void TForm1::FormDestroy(TObject*) { FLogic->FormDestroy(); }
void TForm1::Button1Click(TObject*) { FLogic->Button1Click(); }
void TForm1::BitBtn1Click(TObject*) { FLogic->BitBtn1Click(); }
void TForm1::Image1Click(TObject*) { FLogic->Image1Click(); }
void TForm1::SpeedButton1Click(TObject*) { FLogic->SpeedButton1Click(); }
void TForm1::SpeedButton2Click(TObject*) { FLogic->SpeedButton2Click(); }
void TForm1::Label1Click(TObject*) { FLogic->Label1Click(); }
void TForm1::CheckBox1Click(TObject*) { FLogic->CheckBox1Click(); }
void TForm1::CheckBox2Click(TObject*) { FLogic->CheckBox2Click(); }

std::string TForm1::FolderText() { return Edit1->Text(); }
void TForm1::SetFolderText(const std::string& value) { Edit1->SetText(value); }
bool TForm1::MenuChecked() { return CheckBox1->Checked(); }
void TForm1::SetMenuChecked(bool checked) { CheckBox1->SetChecked(checked); }
bool TForm1::CopyChecked() { return CheckBox2->Checked(); }
void TForm1::SetCopyChecked(bool checked) { CheckBox2->SetChecked(checked); }
bool TForm1::OptionsVisible() { return Panel2->Visible(); }
void TForm1::SetOptionsVisible(bool visible) { Panel2->SetVisible(visible); }
void TForm1::SetOptionsButtonCaption(const std::string& caption) { SpeedButton1->SetCaption(caption); }

bool TForm1::BrowseForFolder(const std::string& title, std::string& folder) {
  return vcl::BrowseForFolder(title, folder);
}

bool TForm1::ExecuteIconBrowser(const std::string& folder, vex::app::TIconReference& chosen) {
  return vex::app::ExecuteIconBrowser(folder, chosen);
}

void TForm1::ShowMessage(const std::string& message) { vcl::ShowMessage(message); }

void TForm1::ShowError(const std::string& message) { Application->ShowException(vex::app::EAppError(message)); }

void TForm1::PaintIcon(const vex::app::TIconReference& icon) {
  Image1->Picture().Clear();
  FPaintedIcon = icon;
  if (icon.File.empty()) return;
  // The picture's size at the window's DPI (32 at 96 dpi, 48 at 144), from
  // the icon's own image of that size where the file has one.
  const int size = Image1->Width();
  if (vex::app::IsIcoFile(icon.File)) {
    TIcon loaded;
    loaded.LoadFromFile(icon.File, size);  // raises for a missing or broken file
    Image1->Picture().Icon().Assign(loaded);
    return;
  }
  // The icon at the box's size; none for a file without icons or for the index
  // -1 other tools write, which would ask for the icon count instead.
  if (HICON extracted = vex::iconbrowser::ExtractIconAt(icon.File, icon.Index, size))
    Image1->Picture().Icon().SetHandle(extracted);
}

void TForm1::OpenUrl(const std::string& url) { vcl::ShellExecute(Handle(), "open", url, "", "", SW_SHOWMAXIMIZED); }
