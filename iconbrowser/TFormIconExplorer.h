#pragma once
// The icon browser: a modal window that lists the icons of a folder's
// executables and libraries and of files the user opens, previews the
// selected icon alone and over the folder picture, and hands back an icon
// reference: the icon itself, or the composite saved to MyIcons (index 0).
//
// Created once at start-up without an owner and kept, hidden, until the end:
//   FormIconExplorer = vcl::New<TFormIconExplorer>(nullptr);
//   if (FormIconExplorer->Execute(folder)) use(FormIconExplorer->FResultFile, FormIconExplorer->FResultIndex);
#include <memory>
#include <string>
#include <vector>

#include "iconbrowser/CompositeSet.h"
#include "iconbrowser/CompositeZoom.h"
#include "widgets/Vcl.h"

namespace vex::iconbrowser {
class IconReader;
struct FileIcons;
}

class TFormIconExplorer : public vcl::TForm {
 public:
  // Folder.ico, "精选图标" and MyIcons are looked for in `programFolder`
  // (with its trailing backslash); empty means the executable's folder.
  explicit TFormIconExplorer(vcl::TComponent* AOwner, std::string programFolder = {});

  // Shows the window modally for `folder` (used as given; may be empty) and
  // returns whether the user confirmed an icon.  Closing the window other
  // than by OK or Cancel returns the previous outcome.
  bool Execute(const std::string& folder);

  ~TFormIconExplorer() override;
  // Stops reading before the window goes: no signal may reach a window
  // handle that is gone, or one reused by another window.
  void BeforeDestruction() override;

  // Appends every icon of the file to the list (nothing for a file without
  // icons), after everything already being read.  The file is read on a
  // worker thread and its icons arrive through the message loop.
  void LoadIconsFromFile(const std::string& path);
  // Whether icons are still being read for the list (the caption counts the
  // files meanwhile).
  bool Reading() const;
  // Reading threads still alive, including those of a closed reading that
  // are finishing their file (nothing of theirs reaches the list).
  int LiveReadingThreads();

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
  // The composite at every size, saved by OK; its 32-pixel image is
  // FCompositeIcon's where that one is opaque.  Empty with FCompositeIcon.
  std::vector<vex::iconbrowser::CompositeImage> FCompositeSet;
  // The composite's large image, shown while the mouse rests on Image2.
  vex::iconbrowser::CompositeZoom FZoom;
  static constexpr int kZoomSize = 128;

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
  void FormHide(vcl::TObject* Sender);

  void WndProc(vcl::TMessage& message) override;
  // Adds the icons the reader has ready, a few hundred at a time, and
  // arranges to come back for the rest.
  void TakeReadIcons();
  void AddRun(const vex::iconbrowser::FileIcons& run);
  void AddItem(const std::string& file, int index, int image);
  void ShowProgress(bool force);
  // Shows the list control the items added since it last was.
  void CatchUpList();
  void ReserveImages();
  void StopReading();
  void Image2MouseEnter(vcl::TObject* Sender);
  void Image2MouseLeave(vcl::TObject* Sender);

  void DrawPreviews(int index);
  void ClearPreviews();
  void ComposeSet(int index, int size);
  void ShowComposite(int size);
  std::vector<vex::iconbrowser::RgbaImage> FolderImages() const;
  void ShowZoom();
  // Saves FCompositeIcon under a free name in MyIcons as FResultFile.
  void SaveComposite();

  std::string FProgramFolder;
  std::vector<IconSource> FSources;
  std::unique_ptr<vex::iconbrowser::IconReader> FReader;
  // The files opened since the window was shown, read again after the
  // folder when the DPI changes (showing the window always lists the folder).
  std::vector<std::string> FOpenedFiles;
  // The item to select again when the list read again reaches its place.
  IconSource FReselect{{}, -1};
  int FReselectAt = -1;
  DWORD FProgressShownAt = 0;
  DWORD FLastYield = 0;
  // Items added that the list control does not show yet (see CatchUpList).
  bool FListBehind = false;
  bool FListTimer = false;
  DWORD FListShownAt = 0;
  // Every image of Folder.ico, read once with FFolderIcon.
  std::vector<vex::iconbrowser::RgbaImage> FFolderImages;
  // The images of the last source composed, kept while only the size changes.
  IconSource FSetSource{{}, -1};
  std::vector<vex::iconbrowser::RgbaImage> FSetSourceImages;
};

// The one browser of the process, created by the main window.
extern TFormIconExplorer* FormIconExplorer;
