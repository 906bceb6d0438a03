#include "iconbrowser/TFormIconExplorer.h"

#include <commctrl.h>

#include <utility>

#include "iconbrowser/BrowserIconData.h"
#include "iconbrowser/CompositeGeometry.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconFileName.h"
#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconGdi.h"

using namespace vcl;
using namespace vex::iconbrowser;

TFormIconExplorer* FormIconExplorer = nullptr;

namespace {

std::string ExecutableFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  return p.substr(0, p.find_last_of('\\') + 1);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Background of the scaling list: what an image list paints under the
// transparent parts of a scaled icon.  Only the mask is used afterwards.
constexpr TColor kScaleBackground = 10930928;

}  // namespace

TFormIconExplorer::TFormIconExplorer(TComponent* AOwner, std::string programFolder)
    : TForm(AOwner), FProgramFolder(programFolder.empty() ? ExecutableFolder() : std::move(programFolder)) {
  BuildControls();
  OnCreate = Method(this, &TFormIconExplorer::FormCreate);
  OnShow = Method(this, &TFormIconExplorer::FormShow);
  OnDpiChanged = Method(this, &TFormIconExplorer::FormDpiChanged);
}

void TFormIconExplorer::BuildControls() {
  SetCaption("图标浏览");
  SetBorderStyle(bsSizeable);
  SetBounds(373, 198, 275, 233);
  Icon().LoadFromMemory(kBrowserIconIco);

  ImageList1 = new TImageList(this);
  ImageList1->SetSize(32, 32);
  ImageList2 = new TImageList(this);
  ImageList2->SetBkColor(kScaleBackground);

  // Panel1 first: the bottom strip is placed before the list takes the rest.
  Panel1 = new TPanel(this);
  Panel1->SetBounds(0, 107, 267, 99);
  Panel1->SetAlign(alBottom);
  Panel1->SetBevelOuter(bvNone);
  Panel1->SetParent(this);

  ListView1 = new TListView(this);
  ListView1->SetAlign(alClient);
  ListView1->SetViewStyle(vsIcon);
  ListView1->SetLargeImages(ImageList1);
  ListView1->SetReadOnly(true);
  ListView1->SetParent(this);
  ListView1->OnSelectItem = Method(this, &TFormIconExplorer::ListView1SelectItem);
  ListView1->OnDblClick = Method(this, &TFormIconExplorer::ListView1DblClick);

  GroupBox1 = new TGroupBox(this);
  GroupBox1->SetBounds(0, 2, 153, 95);
  GroupBox1->SetParent(Panel1);

  Image1 = new TImage(this);
  Image1->SetBounds(8, 25, 32, 32);
  Image1->SetCursor(crHandPoint);
  Image1->SetTransparent(true);
  Image1->SetParent(GroupBox1);
  Image1->OnClick = Method(this, &TFormIconExplorer::Image1Click);
  Image1->OnDblClick = Method(this, &TFormIconExplorer::ImageDblClick);

  Image2 = new TImage(this);
  Image2->SetBounds(69, 25, 32, 32);
  Image2->SetCursor(crHandPoint);
  Image2->SetTransparent(true);
  Image2->SetParent(GroupBox1);
  Image2->OnClick = Method(this, &TFormIconExplorer::Image2Click);
  Image2->OnDblClick = Method(this, &TFormIconExplorer::ImageDblClick);

  RadioButton1 = new TRadioButton(this);
  RadioButton1->SetBounds(2, 71, 57, 17);
  RadioButton1->SetCaption("原图");
  RadioButton1->SetParent(GroupBox1);

  RadioButton2 = new TRadioButton(this);
  RadioButton2->SetBounds(61, 71, 57, 17);
  RadioButton2->SetCaption("合成图");
  RadioButton2->SetChecked(true);
  RadioButton2->SetParent(GroupBox1);

  ScrollBar1 = new TScrollBar(this);
  ScrollBar1->SetKind(sbVertical);  // before the bounds: a change of kind swaps width and height
  ScrollBar1->SetBounds(122, 8, 19, 81);
  ScrollBar1->SetParams(kDefaultInnerSize, kMinInnerSize, kMaxInnerSize);
  ScrollBar1->SetPageSize(0);
  ScrollBar1->SetSmallChange(1);
  ScrollBar1->SetLargeChange(1);
  ScrollBar1->SetHint("使用上下方向键控制");
  ScrollBar1->SetParent(GroupBox1);
  ScrollBar1->OnChange = Method(this, &TFormIconExplorer::ScrollBar1Change);

  GroupBox2 = new TGroupBox(this);
  GroupBox2->SetBounds(160, 2, 105, 95);
  GroupBox2->SetParent(Panel1);

  const auto button = [this](int top, const char* caption, void (TFormIconExplorer::*handler)(TObject*)) {
    auto* b = new TButton(this);
    b->SetBounds(14, top, 77, 25);
    b->SetCaption(caption);
    b->SetParent(GroupBox2);
    b->OnClick = Method(this, handler);
    return b;
  };
  Button3 = button(9, "打开...", &TFormIconExplorer::Button3Click);
  Button1 = button(37, "确定", &TFormIconExplorer::Button1Click);
  Button1->SetEnabled(false);
  Button2 = button(65, "取消", &TFormIconExplorer::Button2Click);

  OpenDialog1 = new TOpenDialog(this);
  OpenDialog1->Title = "请选择图标";
  OpenDialog1->Filter =
      "所有支持类型|*.ico;*.exe;*.dll|可执行文件(*.exe)|*.exe|动态链接库文件(*.dll)|*.dll|图标文件(*.ico)|*.ico";
  OpenDialog1->FilterIndex = 1;
}

void TFormIconExplorer::FormCreate(TObject*) {
  // A missing Folder.ico raises here: the error box shows, the browser still
  // works, and only the composite stays empty.
  // At 32 pixels whatever the display: the composite is made at that size.
  FFolderIcon.LoadFromFile(FProgramFolder + "Folder.ico", 32);
  OpenDialog1->InitialDir = FProgramFolder + "精选图标\\";
  FResultIndex = 0;
}

bool TFormIconExplorer::Execute(const std::string& folder) {
  FFolder = folder;
  ShowModal();
  return FAccepted;
}

void TFormIconExplorer::FormShow(TObject*) {
  ListView1->Clear();
  ImageList1->Clear();
  FSources.clear();
  std::vector<std::string> files;
  FindIconSources(FFolder, files, ListDirectoryWin32);
  ListView1->BeginUpdate();
  for (const auto& f : files) LoadIconsFromFile(f);
  ListView1->EndUpdate();
}

bool TFormIconExplorer::AddListIcon(const std::string& path, int index) {
  // The list's images are 32 pixels at 96 dpi and as many more as the
  // window's DPI asks, each made from the icon's own image of that size.
  TIcon icon;
  icon.SetHandle(ExtractIconAt(path, index, ImageList1->Width()));
  if (icon.Empty()) return false;
  // Straight into the list's handle, which the list view shares: AddIcon
  // would hand the image list to the list view again for every icon.
  return ImageList_ReplaceIcon(ImageList1->Handle(), -1, icon.Handle()) >= 0;
}

void TFormIconExplorer::LoadIconsFromFile(const std::string& path) {
  const int count = IconCount(path);
  for (int i = 0; i < count; ++i) {
    // Item k must be image k: an icon the list cannot take gets no item.
    if (!AddListIcon(path, i)) continue;
    const int k = ImageList1->Count() - 1;
    FSources.push_back({path, i});
    ListView1->AddItem(std::to_string(k), k);
  }
}

void TFormIconExplorer::FormDpiChanged(TObject*) {
  const int size = Scale(32);
  if (ImageList1->Width() == size) return;
  ImageList1->SetSize(size, size);  // empties it
  // The same icons at the new size; one that cannot be read any more keeps
  // its place as a blank image, so item k stays image k.
  for (const IconSource& source : FSources) {
    if (!AddListIcon(source.file, source.index))
      ImageList_SetImageCount(ImageList1->Handle(), static_cast<UINT>(ImageList1->Count() + 1));
  }
  ListView1->Invalidate();
}

void TFormIconExplorer::Button3Click(TObject*) {
  if (OpenDialog1->Execute()) LoadIconsFromFile(OpenDialog1->FileName);
}

void TFormIconExplorer::ListView1DblClick(TObject* Sender) {
  if (!ListView1->Selected()) Button3Click(Sender);
}

void TFormIconExplorer::ListView1SelectItem(TObject*, TListItem*, bool) {
  // The list reports the old item's deselection and the new one's selection
  // separately; what counts is what is selected now.
  if (TListItem* item = ListView1->Selected()) {
    DrawPreviews(item->Index());
  } else {
    ClearPreviews();
    Button1->SetEnabled(false);
  }
}

void TFormIconExplorer::ClearPreviews() {
  Image1->Picture().Clear();
  Image2->Picture().Clear();
  Image1->Invalidate();
  Image2->Invalidate();
}

void TFormIconExplorer::DrawPreviews(int index) {
  Button1->SetEnabled(true);
  ClearPreviews();
  const int size = ScrollBar1->Position();
  FCompositeIcon.SetHandle(nullptr);
  if (ImageList1->GetIcon(index, FWorkIcon)) {
    ImageList2->SetSize(size, size);
    ImageList2->Clear();  // it only ever scales this one icon
    const int scaled = ImageList2->AddIcon(FWorkIcon);
    if (scaled >= 0 && ImageList2->GetIcon(scaled, FWorkIcon))
      FCompositeIcon.SetHandle(ComposeFolderIcon(FWorkIcon.Handle(), FFolderIcon.Handle(), size));
  }
  if (!FCompositeIcon.Empty()) Image2->Picture().Icon().Assign(FCompositeIcon);
  if (ImageList1->GetIcon(index, FWorkIcon)) Image1->Picture().Icon().Assign(FWorkIcon);
  Image1->Invalidate();
  Image2->Invalidate();
}

void TFormIconExplorer::ScrollBar1Change(TObject* Sender) { ListView1SelectItem(Sender, ListView1->Selected(), true); }

void TFormIconExplorer::Image1Click(TObject*) { RadioButton1->SetChecked(true); }
void TFormIconExplorer::Image2Click(TObject*) { RadioButton2->SetChecked(true); }
void TFormIconExplorer::ImageDblClick(TObject* Sender) { Button1Click(Sender); }

void TFormIconExplorer::Button1Click(TObject*) {
  TListItem* item = ListView1->Selected();
  if (!item) return;
  if (RadioButton2->Checked()) {
    SaveComposite();
  } else {
    const IconSource& source = FSources.at(static_cast<std::size_t>(item->Index()));
    FResultFile = source.file;
    FResultIndex = source.index;
  }
  FAccepted = true;
  Close();
}

void TFormIconExplorer::Button2Click(TObject*) {
  FAccepted = false;
  Close();
}

void TFormIconExplorer::SaveComposite() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const LocalDateTime t{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
  FResultFile = FreeIconPath(FProgramFolder + "MyIcons\\", MakeIconFileName(t), FileExists);
  FResultIndex = 0;
  const auto bits = ReadIconImageBits(FCompositeIcon.Handle());
  const auto bytes = bits ? EncodeSingleIcon(*bits) : std::nullopt;
  if (!bytes) throw EInvalidGraphic();
  HANDLE file = CreateFileA(FResultFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw EFCreateError(FResultFile, SysErrorMessage(GetLastError()));
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr);
  const DWORD error = GetLastError();
  CloseHandle(file);
  if (!ok || written != bytes->size()) {
    DeleteFileA(FResultFile.c_str());  // no half-written icon for a folder to pick up
    throw EFCreateError(FResultFile, SysErrorMessage(error));
  }
}
