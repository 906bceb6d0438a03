#include "demo_form.h"

#include "test_icons.h"

using namespace vcl;

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
  SetCaption("Widgets 控件");
  SetBounds(20, 20, 0, 0);
  SetClientSize(420, 410);
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  Icon().SetHandle(MakeTestIcon(RGB(200, 120, 0)));

  Menu = new TMainMenu(this);
  auto* file = new TMenuItem(this);
  file->SetCaption("文件(&F)");
  auto* open = new TMenuItem(this);
  open->SetCaption("&Open");
  open->SetShortCut(scCtrl | 'O');
  file->Add(open);
  Menu->Items()->Add(file);
  SetMenu(Menu);
  Popup = new TPopupMenu(this);
  auto* item = new TMenuItem(this);
  item->SetCaption("Item");
  Popup->Items()->Add(item);
  Timer = new TTimer(this);
  Timer->SetEnabled(false);

  Top = new TPanel(this);
  Top->SetBounds(0, 0, 420, 60);
  Top->SetAlign(alTop);
  Top->SetParent(this);

  Speed = new TSpeedButton(this);
  Speed->SetBounds(8, 4, 23, 22);
  Speed->SetCaption(">>");
  Speed->SetParent(Top);

  Edit = new TEdit(this);
  Edit->SetBounds(40, 4, 200, 21);
  Edit->SetText("C:\\文件夹");
  Edit->SetParent(Top);

  Button = new TButton(this);
  Button->SetBounds(40, 30, 105, 25);
  Button->SetCaption("应用选中的图标");
  Button->SetParent(Top);

  BitBtn = new TBitBtn(this);
  BitBtn->SetBounds(150, 30, 90, 25);
  BitBtn->SetCaption("还原图标");
  BitBtn->Glyph().SetSize(16, 16);
  BitBtn->Glyph().Canvas().Brush().SetColor(clFuchsia);
  RECT g{0, 0, 16, 16};
  BitBtn->Glyph().Canvas().FillRect(g);
  BitBtn->Glyph().Canvas().Brush().SetColor(clGreen);
  RECT dot{3, 3, 13, 13};
  BitBtn->Glyph().Canvas().FillRect(dot);
  BitBtn->SetParent(Top);

  Image = new TImage(this);
  Image->SetBounds(250, 4, 32, 32);
  Image->Picture().Icon().SetHandle(MakeTestIcon(RGB(0, 90, 220)));
  Image->SetTransparent(true);
  Image->SetCursor(crHandPoint);
  Image->SetParent(Top);

  Label = new TLabel(this);
  Label->SetLeft(290);
  Label->SetTop(10);
  Label->SetCaption("下载本软件最新版");
  Label->Font().SetColor(clMaroon);
  Label->SetParent(Top);

  Check = new TCheckBox(this);
  Check->SetBounds(8, 66, 180, 17);
  Check->SetCaption("在右键菜单中添加\"Vexilo\"");
  Check->SetChecked(true);
  Check->SetParent(this);

  Group = new TGroupBox(this);
  Group->SetBounds(8, 88, 180, 70);
  Group->SetCaption("合成");
  Group->SetParent(this);
  Radio1 = new TRadioButton(this);
  Radio1->SetBounds(8, 18, 160, 17);
  Radio1->SetCaption("合成文件夹图标");
  Radio1->SetParent(Group);
  Radio1->SetChecked(true);
  Radio2 = new TRadioButton(this);
  Radio2->SetBounds(8, 40, 160, 17);
  Radio2->SetCaption("只用图标");
  Radio2->SetParent(Group);

  Scroll = new TScrollBar(this);
  Scroll->SetBounds(8, 166, 180, 17);
  Scroll->SetParams(30, 0, 100);
  Scroll->SetParent(this);

  Images = new TImageList(this);
  Images->SetSize(32, 32);
  for (COLORREF c : {RGB(220, 0, 0), RGB(0, 160, 0), RGB(0, 0, 220)}) {
    TIcon icon;
    icon.SetHandle(MakeTestIcon(c));
    Images->AddIcon(icon);
  }
  List = new TListView(this);
  List->SetBounds(196, 66, 216, 117);
  List->SetLargeImages(Images);
  List->SetParent(this);
  List->AddItem("red.ico", 0);
  List->AddItem("green.dll,1", 1);
  List->AddItem("blue.exe,2", 2);

  Memo = new TMemo(this);
  Memo->SetBounds(8, 190, 404, 100);
  Memo->SetScrollBars(ssVertical);
  Memo->SetLines({"第一行", "second line"});
  Memo->SetParent(this);

  Combo = new TComboBox(this);
  Combo->SetBounds(8, 296, 150, 21);
  Combo->SetItems({"文件夹", "Folder.ico"});
  Combo->SetItemIndex(1);
  Combo->SetParent(this);

  Progress = new TProgressBar(this);
  Progress->SetBounds(166, 298, 100, 16);
  Progress->SetPosition(60);
  Progress->SetParent(this);

  Number = new TEdit(this);
  Number->SetBounds(276, 296, 60, 21);
  Number->SetParent(this);
  UpDown = new TUpDown(this);
  UpDown->SetBounds(336, 296, 17, 21);
  UpDown->SetRange(0, 48);
  UpDown->SetPosition(32);
  UpDown->SetParent(this);
  UpDown->SetAssociate(Number);

  Track = new TTrackBar(this);
  Track->SetBounds(8, 322, 200, 36);
  Track->SetRange(0, 10);
  Track->SetPosition(4);
  Track->SetParent(this);

  Tabs = new TTabControl(this);
  Tabs->SetBounds(216, 322, 196, 64);
  Tabs->SetTabs({"图标", "预览"});
  Tabs->SetParent(this);

  Status = new TStatusBar(this);
  Status->SetSimpleText("就绪");
  Status->SetParent(this);
}
