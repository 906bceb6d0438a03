// The main form (one of every control of the widget layer) and a second,
// sizeable form with every caption button.
#include "tools/skingallery/GalleryForms.h"

#include "tools/skingallery/GalleryIcons.h"

using namespace vcl;

namespace gallery {

TGalleryForm::TGalleryForm(TComponent* owner, const Options& options) : TForm(owner) {
  SetName("GalleryForm");
  SetCaption("皮肤画廊 Skin gallery");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  Icon().SetHandle(MakeGalleryIcon(RGB(88, 102, 68)));
  const POINT at = NextWindowPosition(430, 440);
  SetBounds(at.x, at.y, 0, 0);
  SetClientSize(420, 400);

  SkinData1 = new vex::skin::TSkinData(this);
  SkinData1->SetName("SkinData1");
  SkinData1->BeginLoading();
  SkinData1->SetActive(true);
  if (options.skinFile.empty()) SkinData1->ReadSkinStreamResource(GetModuleHandleA(nullptr));
  SkinData1->Loaded();
  if (!options.skinFile.empty()) {
    SkinData1->SetSkinFile(options.skinFile);
    SkinData1->SetActive(true);
  }

  auto* top = new TPanel(this);
  top->SetBounds(0, 0, 420, 60);
  top->SetAlign(alTop);
  top->SetParent(this);
  auto* speed = new TSpeedButton(this);
  speed->SetBounds(8, 4, 23, 22);
  speed->SetCaption(">>");
  speed->SetParent(top);
  auto* edit = new TEdit(this);
  edit->SetBounds(40, 4, 200, 21);
  edit->SetText("C:\\文件夹");
  edit->SetParent(top);
  auto* button = new TButton(this);
  button->SetBounds(40, 30, 105, 25);
  button->SetCaption("应用选中的图标");
  button->SetParent(top);
  auto* bitBtn = new TBitBtn(this);
  bitBtn->SetBounds(150, 30, 90, 25);
  bitBtn->SetCaption("还原图标");
  DrawGalleryGlyph(bitBtn->Glyph(), RGB(0, 128, 0));
  bitBtn->SetParent(top);
  auto* image = new TImage(this);
  image->SetBounds(250, 4, 32, 32);
  image->Picture().Icon().SetHandle(MakeGalleryIcon(RGB(0, 90, 220)));
  image->SetTransparent(true);
  image->SetParent(top);
  auto* label = new TLabel(this);
  label->SetLeft(290);
  label->SetTop(10);
  label->SetCaption("下载本软件最新版");
  label->Font().SetColor(clMaroon);
  label->SetParent(top);

  auto* check = new TCheckBox(this);
  check->SetBounds(8, 66, 180, 17);
  check->SetCaption("在右键菜单中添加\"Vexilo\"");
  check->SetChecked(true);
  check->SetParent(this);
  auto* group = new TGroupBox(this);
  group->SetBounds(8, 88, 180, 70);
  group->SetCaption("合成");
  group->SetParent(this);
  auto* radio1 = new TRadioButton(this);
  radio1->SetBounds(8, 18, 160, 17);
  radio1->SetCaption("合成文件夹图标");
  radio1->SetParent(group);
  radio1->SetChecked(true);
  auto* radio2 = new TRadioButton(this);
  radio2->SetBounds(8, 40, 160, 17);
  radio2->SetCaption("只用图标");
  radio2->SetParent(group);
  auto* scroll = new TScrollBar(this);
  scroll->SetBounds(8, 166, 180, 17);
  scroll->SetParams(30, 0, 100);
  scroll->SetParent(this);

  auto* images = new TImageList(this);
  images->SetSize(32, 32);
  for (COLORREF c : {RGB(220, 0, 0), RGB(0, 160, 0), RGB(0, 0, 220)}) {
    TIcon icon;
    icon.SetHandle(MakeGalleryIcon(c));
    images->AddIcon(icon);
  }
  auto* list = new TListView(this);
  list->SetBounds(196, 66, 216, 117);
  list->SetLargeImages(images);
  list->SetParent(this);
  list->AddItem("red.ico", 0);
  list->AddItem("green.dll,1", 1);
  list->AddItem("blue.exe,2", 2);

  auto* memo = new TMemo(this);
  memo->SetBounds(8, 190, 404, 96);
  memo->SetScrollBars(ssVertical);
  memo->SetLines({"第一行", "second line"});
  memo->SetParent(this);
  auto* combo = new TComboBox(this);
  combo->SetBounds(8, 294, 150, 21);
  combo->SetItems({"文件夹", "Folder.ico"});
  combo->SetItemIndex(1);
  combo->SetParent(this);
  auto* progress = new TProgressBar(this);
  progress->SetBounds(166, 296, 100, 16);
  progress->SetPosition(60);
  progress->SetParent(this);
  auto* number = new TEdit(this);
  number->SetBounds(276, 294, 60, 21);
  number->SetParent(this);
  auto* upDown = new TUpDown(this);
  upDown->SetBounds(336, 294, 17, 21);
  upDown->SetRange(0, 48);
  upDown->SetPosition(32);
  upDown->SetParent(this);
  upDown->SetAssociate(number);
  auto* track = new TTrackBar(this);
  track->SetBounds(8, 320, 200, 36);
  track->SetRange(0, 10);
  track->SetPosition(4);
  track->SetParent(this);
  auto* tabs = new TTabControl(this);
  tabs->SetBounds(216, 320, 196, 56);
  tabs->SetTabs({"图标", "预览"});
  tabs->SetParent(this);
  auto* status = new TStatusBar(this);
  status->SetSimpleText("就绪");
  status->SetParent(this);
}

namespace {

// A sizeable window with minimise and maximise boxes: every caption button.
class TGallerySecond : public TForm {
 public:
  explicit TGallerySecond(TComponent* owner) : TForm(owner) {
    SetName("GallerySecond");
    SetCaption("第二个窗口 Second window");
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    Icon().SetHandle(MakeGalleryIcon(RGB(200, 120, 0)));
    const POINT at = NextWindowPosition(330, 200);
    SetBounds(at.x, at.y, 0, 0);
    SetClientSize(320, 160);
    auto* label = new TLabel(this);
    label->SetBounds(12, 12, 290, 40);
    label->SetCaption("可以调整大小、最大化和最小化。");
    label->SetParent(this);
    auto* ok = new TButton(this);
    ok->SetBounds(12, 112, 90, 25);
    ok->SetCaption("确定");
    ok->SetParent(this);
  }
};

const PageRegistrar gMain{{"main", 0, [] { return ShowPage(MainForm()); }, nullptr}};
const PageRegistrar gSecond{{"second", 10, [] { return ShowPage(New<TGallerySecond>(Application)); }, nullptr}};

// A message box owned by the main form, as the program shows its results.
const PageRegistrar gMessageBox{
    {"messagebox", 1000, nullptr, [](const std::function<void(HWND)>& shoot) {
       static std::function<void(HWND)> pending;
       pending = shoot;
       // The picture is taken from inside the box's own modal loop.
       SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
         HWND box = FindWindowA("#32770", "Skin gallery");
         if (!box || !IsWindowVisible(box) || !pending) return;
         KillTimer(nullptr, id);
         auto shootNow = std::move(pending);
         pending = nullptr;
         shootNow(box);
         PostMessageA(box, WM_COMMAND, IDOK, 0);
       });
       MessageBoxA(MainForm()->Handle(), "文件夹图标更改成功", "Skin gallery", MB_OK | MB_ICONINFORMATION);
     }}};

}  // namespace
}  // namespace gallery
