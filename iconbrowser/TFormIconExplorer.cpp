#include "iconbrowser/TFormIconExplorer.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "iconbrowser/BrowserIconData.h"
#include "iconbrowser/AtomicSave.h"
#include "iconbrowser/CompositeGeometry.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconFileName.h"
#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconGdi.h"
#include "iconbrowser/IconReader.h"
#include "iconbrowser/IconSourceImages.h"

using namespace vcl;
using namespace vex::iconbrowser;

TFormIconExplorer* FormIconExplorer = nullptr;

namespace {

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The image of the set `side` pixels wide; empty when there is none.
RgbaImage LargeImage(const std::vector<CompositeImage>& set, int side) {
  for (const CompositeImage& c : set)
    if (c.image.width == side) return c.image;
  return {};
}

// Background of the scaling list: what an image list paints under the
// transparent parts of a scaled icon.  Only the mask is used afterwards.
constexpr TColor kScaleBackground = 10930928;

constexpr char kCaption[] = "图标浏览";
// The reader's signal that icons are ready (wParam: the reading's generation).
constexpr UINT WM_ICONSREAD = WM_APP + 0x119;
// Comes back for ready icons after input waiting in the queue: a posted
// message would be handled before it.
constexpr UINT_PTR kTakeTimer = 0x1C0;
// Icons are added in steps of a few frames' time, taken a strip at a time.
constexpr DWORD kStepMilliseconds = 40;
constexpr std::size_t kIconsPerTake = 16;
// How often the list control is told of the items added meanwhile.
constexpr UINT_PTR kListTimer = 0x1C1;
constexpr DWORD kListInterval = 250;
// Longest run of steps before timers and paint get their turn.
constexpr DWORD kYieldInterval = 100;
// How often the caption's count of files may change.
constexpr DWORD kProgressInterval = 100;

}  // namespace

TFormIconExplorer::TFormIconExplorer(TComponent* AOwner, std::string programFolder)
    : TForm(AOwner),
      FProgramFolder(programFolder.empty() ? vcl::ProgramFolder() : std::move(programFolder)),
      FReader(std::make_unique<IconReader>(WM_ICONSREAD)) {
  BuildControls();
  OnCreate = Method(this, &TFormIconExplorer::FormCreate);
  OnShow = Method(this, &TFormIconExplorer::FormShow);
  OnHide = Method(this, &TFormIconExplorer::FormHide);
  OnDpiChanged = Method(this, &TFormIconExplorer::FormDpiChanged);
}

TFormIconExplorer::~TFormIconExplorer() = default;

void TFormIconExplorer::BeforeDestruction() {
  FReader->Cancel();
  TForm::BeforeDestruction();
}

void TFormIconExplorer::BuildControls() {
  SetCaption(kCaption);
  SetBorderStyle(bsSizeable);
  SetBounds(373, 198, 275, 233);
  Icon().LoadFromMemory(kBrowserIconIco);

  ImageList1 = new TImageList(this);
  ImageList1->SetAllocBy(256);  // big folders hold thousands of icons
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
  ListView1->SetOwnerData(true);  // thousands of items: added as a count, not one by one
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
  Image2->OnMouseEnter = Method(this, &TFormIconExplorer::Image2MouseEnter);
  Image2->OnMouseLeave = Method(this, &TFormIconExplorer::Image2MouseLeave);

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
  // At 32 pixels whatever the display: the 32-pixel composite is made at that size.
  FFolderIcon.LoadFromFile(FProgramFolder + "Folder.ico", 32);
  FFolderImages = ReadSourceImages(FProgramFolder + "Folder.ico", 0);
  OpenDialog1->InitialDir = FProgramFolder + "精选图标\\";
  FResultIndex = 0;
}

bool TFormIconExplorer::Execute(const std::string& folder) {
  FFolder = folder;
  ShowModal();
  return FAccepted;
}

void TFormIconExplorer::FormShow(TObject*) {
  CatchUpList();
  ListView1->Clear();
  ImageList1->Clear();
  FSources.clear();
  FOpenedFiles.clear();
  FReselect = {{}, -1};
  // The window shows at once; the folder is listed and read on a worker and
  // the list fills as files are read.
  FReader->SetIconSize(ImageList1->Width());
  FReader->Start(Handle(), FFolder);
  ShowProgress(true);
}

void TFormIconExplorer::FormHide(TObject*) {
  StopReading();
  FZoom.Hide();
}

void TFormIconExplorer::StopReading() {
  FReader->Cancel();
  CatchUpList();
  if (HandleAllocated()) KillTimer(Handle(), kTakeTimer);
  SetCaption(kCaption);
}

void TFormIconExplorer::LoadIconsFromFile(const std::string& path) {
  FOpenedFiles.push_back(path);
  FReader->Add(Handle(), path);
  ShowProgress(true);
}

bool TFormIconExplorer::Reading() const { return !FReader->Progress().done; }

int TFormIconExplorer::LiveReadingThreads() { return FReader->LiveWorkers(); }

void TFormIconExplorer::WndProc(TMessage& m) {
  if (m.Msg == WM_ICONSREAD) {
    if (FReader->Current(m.WParam)) TakeReadIcons();
    return;
  }
  if (m.Msg == WM_TIMER && m.WParam == kListTimer) {
    CatchUpList();
    return;
  }
  if (m.Msg == WM_TIMER && m.WParam == kTakeTimer) {
    KillTimer(Handle(), kTakeTimer);
    TakeReadIcons();
    return;
  }
  TForm::WndProc(m);
}

void TFormIconExplorer::TakeReadIcons() {
  // A step lasts a few tens of milliseconds whatever the list costs per
  // icon, then the loop answers, paints and takes input before the next one.
  const DWORD start = GetTickCount();
  for (;;) {
    std::vector<FileIcons> files = FReader->Take(kIconsPerTake);
    if (files.empty()) break;
    if (ImageList1->Count() == 0) ReserveImages();
    if (!FListBehind) ListView1->BeginUpdate();
    FListBehind = true;
    for (const FileIcons& f : files) AddRun(f);
    if (GetTickCount() - start >= kStepMilliseconds) break;
  }
  // The control learns of the new items a few times a second, not every
  // step, and in a dispatch of its own: each time costs it a redraw and its
  // scroll bars, tens of milliseconds under Wine whatever the number of items.
  if (FListBehind && FReader->Progress().done) {
    CatchUpList();
  } else if (FListBehind && !FListTimer) {
    const DWORD since = GetTickCount() - FListShownAt;
    FListTimer = SetTimer(Handle(), kListTimer, since >= kListInterval ? USER_TIMER_MINIMUM : kListInterval - since, nullptr) != 0;
  }
  if (FReader->More()) {
    // A posted message goes before input, paint and timers: now and then,
    // and whenever input waits, come back through a timer instead.
    const DWORD now = GetTickCount();
    if (HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT | QS_TIMER)) != 0 || now - FLastYield >= kYieldInterval) {
      FLastYield = now;
      SetTimer(Handle(), kTakeTimer, USER_TIMER_MINIMUM, nullptr);
    } else {
      PostMessageA(Handle(), WM_ICONSREAD, FReader->Generation(), 0);
    }
  }
  ShowProgress(false);
}

void TFormIconExplorer::ReserveImages() {
  // Room for the whole reading made while the list is empty: grown as it
  // fills, the list would copy thousands of images at a time, long enough
  // for the window to stop answering.  The number of icons is not known
  // before they are read: a guess from the files, within a memory budget.
  constexpr long long kIconsPerFile = 8, kMaxBytes = 64ll << 20;
  const long long cell = ImageList1->Width(), files = FReader->Progress().filesKnown;
  const long long most = kMaxBytes / (cell * cell * 4);
  ImageList1->Reserve(static_cast<int>(std::min(files * kIconsPerFile, most)));
}

void TFormIconExplorer::CatchUpList() {
  if (FListTimer && HandleAllocated()) KillTimer(Handle(), kListTimer);
  FListTimer = false;
  if (!FListBehind) return;
  FListBehind = false;
  FListShownAt = GetTickCount();
  ListView1->EndUpdate();
}

void TFormIconExplorer::AddRun(const FileIcons& run) {
  // Read for another size (the DPI changed meanwhile): stretched it would be
  // blurred; the reading started again at the new size brings it again.
  if (run.size != ImageList1->Width()) return;
  // Straight into the list's handle, which the list view shares: going
  // through TImageList would hand it to the list view again every time.
  HIMAGELIST images = ImageList1->Handle();
  if (run.strip.count > 0) {
    const int first = ImageList_Add(images, run.strip.colour.get(), run.strip.mask.get());
    if (first < 0) return;
    for (int i = 0; i < run.strip.count; ++i) AddItem(run.file, run.stripIndexes[static_cast<std::size_t>(i)], first + i);
    return;
  }
  // Item k must be image k: an icon the list cannot take gets no item.
  for (const IndexedIcon& icon : run.icons) {
    const int k = ImageList_ReplaceIcon(images, -1, icon.icon.get());
    if (k >= 0) AddItem(run.file, icon.index, k);
  }
}

void TFormIconExplorer::AddItem(const std::string& file, int index, int image) {
  FSources.push_back({file, index});
  TListItem* item = ListView1->AddItem(std::to_string(image), image);
  if (FReselect.index >= 0 && ListView1->ItemCount() == FReselectAt + 1) {
    // The item selected before the list was read again at another size.
    if (FReselect.file == file && FReselect.index == index) item->SetSelected(true);
    FReselect = {{}, -1};
  }
}

void TFormIconExplorer::ShowProgress(bool force) {
  const ReadingProgress p = FReader->Progress();
  if (p.done) {
    SetCaption(kCaption);
    return;
  }
  const DWORD now = GetTickCount();
  if (!force && now - FProgressShownAt < kProgressInterval) return;
  FProgressShownAt = now;
  std::string text = std::string(kCaption) + " - ";
  if (p.scanning && p.filesKnown == 0) {
    text += "正在查找文件...";
  } else {
    text += "已读取 " + std::to_string(p.filesRead) + "/" + std::to_string(p.filesKnown) + " 个文件";
  }
  SetCaption(text);
}

void TFormIconExplorer::FormDpiChanged(TObject*) {
  const int size = Scale(32);
  if (ImageList1->Width() == size) return;
  // Every icon at the new size comes from its own image of that size, read
  // again through the reader like the first time: the window keeps
  // answering, and icons of a reading in progress, read at the old size, are
  // not stretched into the new list (they are dropped, see AddRun).
  const bool showing = IsWindowVisible(Handle()) != FALSE;
  const int selected = ListView1->ItemIndex();
  FReselect = showing && selected >= 0 ? FSources.at(static_cast<std::size_t>(selected)) : IconSource{{}, -1};
  FReselectAt = selected;
  FReader->Cancel();
  KillTimer(Handle(), kTakeTimer);
  CatchUpList();
  const IconSource reselect = FReselect;
  ListView1->Clear();  // clears the previews too
  FReselect = reselect;
  FSources.clear();
  ImageList1->SetSize(size, size);  // empties it
  FReader->SetIconSize(size);
  // Hidden, the list is read afresh when the window shows again.
  if (!showing) {
    SetCaption(kCaption);
    return;
  }
  FReader->Start(Handle(), FFolder);
  for (const std::string& file : FOpenedFiles) FReader->Add(Handle(), file);
  ShowProgress(true);
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
    FZoom.Hide();
    Button1->SetEnabled(false);
  }
}

void TFormIconExplorer::ClearPreviews() {
  FCompositeSet.clear();
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
  if (!FCompositeIcon.Empty()) ComposeSet(index, size);
  if (!FCompositeIcon.Empty()) ShowComposite(size);
  if (ImageList1->GetIcon(index, FWorkIcon)) Image1->Picture().Icon().Assign(FWorkIcon);
  Image1->Invalidate();
  Image2->Invalidate();
  if (FZoom.Visible()) ShowZoom();  // the size changed under the resting mouse
}

void TFormIconExplorer::ComposeSet(int index, int size) {
  const IconSource& source = FSources.at(static_cast<std::size_t>(index));
  if (source.file != FSetSource.file || source.index != FSetSource.index) {
    FSetSource = source;
    FSetSourceImages = ReadSourceImages(source.file, source.index);
    // A source whose images cannot be read still has the list's 32 x 32 icon.
    if (FSetSourceImages.empty() && ImageList1->GetIcon(index, FWorkIcon))
      if (const auto listed = ReadIconPixels(FWorkIcon.Handle())) FSetSourceImages.push_back(FromIconPixels(*listed));
  }
  const std::vector<RgbaImage> folder = FolderImages();
  const auto legacy = ReadIconPixels(FCompositeIcon.Handle());
  FCompositeSet = ComposeCompositeSet(folder, FSetSourceImages, size, legacy ? &*legacy : nullptr);
}

void TFormIconExplorer::ShowComposite(int size) {
  // At 96 dpi the preview is the composite OK saves.  At another DPI it is
  // composed at the window's scale from the folder picture's and the icon's
  // own images of that size, as the list's icons are: the 32-pixel one
  // stretched would be blurred.
  const int side = ImageList1->Width();
  TIcon scaled;
  if (side != kCompositeSize) {
    const RgbaImage image = ComposeAtSide(FolderImages(), FSetSourceImages, size, side);
    if (!image.Empty()) scaled.SetHandle(CreateAlphaIcon(image));
  }
  Image2->Picture().Icon().Assign(scaled.Empty() ? FCompositeIcon : scaled);
}

std::vector<RgbaImage> TFormIconExplorer::FolderImages() const {
  if (!FFolderImages.empty()) return FFolderImages;
  // Folder.ico unreadable as a whole: the folder picture loaded at 32 pixels.
  if (const auto pixels = ReadIconPixels(FFolderIcon.Handle())) return {FromIconPixels(*pixels)};
  return {};
}

void TFormIconExplorer::ShowZoom() {
  POINT p{Image2->Left(), Image2->Top()};
  ::ClientToScreen(GroupBox1->Handle(), &p);
  const RECT anchor{p.x, p.y, p.x + Image2->Width(), p.y + Image2->Height()};
  FZoom.Show(Handle(), anchor, LargeImage(FCompositeSet, kZoomSize));
}

void TFormIconExplorer::Image2MouseEnter(TObject*) { ShowZoom(); }
void TFormIconExplorer::Image2MouseLeave(TObject*) { FZoom.Hide(); }

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
  const std::string folder = FProgramFolder + "MyIcons\\";
  FResultFile = FreeIconPath(folder, MakeIconFileName(t), FileExists);
  FResultIndex = 0;
  const auto bytes = FCompositeIcon.Empty() ? std::nullopt : EncodeCompositeSet(FCompositeSet);
  if (!bytes) throw EInvalidGraphic();
  // Written whole under a temporary name, then renamed: a folder never picks
  // up a half-written icon, and a name taken meanwhile is not replaced.
  FResultFile = SaveNewFile(folder, *bytes, FResultFile, [&] { return FreeIconPath(folder, MakeIconFileName(t), FileExists); });
}
