#pragma once
// The icon browser: a modal window that lists the icons of a folder's
// executables and libraries and of files the user opens, previews the
// selected icon alone and over the folder picture, and hands back an icon
// reference: the icon itself, or the composite saved to MyIcons (index 0).
//
// Created once at start-up without an owner and kept, hidden, until the end:
//   FormIconExplorer = vcl::New<TFormIconExplorer>(nullptr);
//   if (FormIconExplorer->Execute(folder)) use(FormIconExplorer->FResultFile, FormIconExplorer->FResultIndex);
#include <string>
#include <vector>

#include "widgets/Vcl.h"

class TFormIconExplorer : public vcl::TForm {
 public:
  // Folder.ico, "精选图标" and MyIcons are looked for in `programFolder`
  // (with its trailing backslash); empty means the executable's folder.
  explicit TFormIconExplorer(vcl::TComponent* AOwner, std::string programFolder = {});

  // Shows the window modally for `folder` (used as given; may be empty) and
  // returns whether the user confirmed an icon.  Closing the window other
  // than by OK or Cancel returns the previous outcome.
  bool Execute(const std::string& folder);

  // Appends every icon of the file to the list (nothing for a file without icons).
  void LoadIconsFromFile(const std::string& path);

  std::string FFolder;
  bool FAccepted = false;
  std::string FResultFile;
  int FResultIndex = 0;

  vcl::TListView* ListView1;
  vcl::TPanel* Panel1;
  vcl::TGroupBox* GroupBox1;
  vcl::TImage* Image1;
  vcl::TImage* Image2;
  vcl::TRadioButton* RadioButton1;
  vcl::TRadioButton* RadioButton2;
  vcl::TScrollBar* ScrollBar1;
  vcl::TGroupBox* GroupBox2;
  vcl::TButton* Button3;
  vcl::TButton* Button1;
  vcl::TButton* Button2;
  vcl::TImageList* ImageList1;
  vcl::TImageList* ImageList2;
  vcl::TOpenDialog* OpenDialog1;

  vcl::TIcon FFolderIcon;
  vcl::TIcon FWorkIcon;
  vcl::TIcon FCompositeIcon;

  // Where each list item's icon comes from; item k is image k and entry k.
  struct IconSource {
    std::string file;
    int index = 0;
  };
  const std::vector<IconSource>& Sources() const { return FSources; }
  const std::string& ProgramFolder() const { return FProgramFolder; }

 private:
  void BuildControls();
  void FormCreate(vcl::TObject* Sender);
  void FormShow(vcl::TObject* Sender);
  void FormDpiChanged(vcl::TObject* Sender);
  void Button1Click(vcl::TObject* Sender);
  void Button2Click(vcl::TObject* Sender);
  void Button3Click(vcl::TObject* Sender);
  void ListView1DblClick(vcl::TObject* Sender);
  void ListView1SelectItem(vcl::TObject* Sender, vcl::TListItem* Item, bool Selected);
  void ScrollBar1Change(vcl::TObject* Sender);
  void Image1Click(vcl::TObject* Sender);
  void Image2Click(vcl::TObject* Sender);
  void ImageDblClick(vcl::TObject* Sender);

  // Appends icon `index` of `path` at the list's size; false when the list
  // cannot take it.
  bool AddListIcon(const std::string& path, int index);
  void DrawPreviews(int index);
  void ClearPreviews();
  // Saves FCompositeIcon under a free name in MyIcons as FResultFile.
  void SaveComposite();

  std::string FProgramFolder;
  std::vector<IconSource> FSources;
};

// The one browser of the process, created by the main window.
extern TFormIconExplorer* FormIconExplorer;
