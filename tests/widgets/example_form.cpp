#include "example_form.h"

using namespace vcl;

TExampleForm::TExampleForm(TComponent* owner) : TForm(owner) {
  SetCaption("Example");
  SetBorderIcons(biSystemMenu | biMinimize | biHelp);
  SetBorderStyle(bsSingle);
  SetBounds(200, 150, 0, 0);
  SetClientSize(292, 94);
  SetAutoSize(true);

  Panel1 = new TPanel(this);
  Panel1->SetName("Panel1");
  Panel1->SetBounds(0, 0, 292, 94);
  Panel1->SetAlign(alTop);
  Panel1->SetParent(this);

  SpeedButton1 = new TSpeedButton(this);
  SpeedButton1->SetBounds(16, 62, 23, 22);
  SpeedButton1->SetCaption("↓");
  SpeedButton1->Font().SetColor(clRed);
  SpeedButton1->SetParent(Panel1);
  SpeedButton1->OnClick = Method(this, &TExampleForm::SpeedButton1Click);

  Edit1 = new TEdit(this);
  Edit1->SetBounds(56, 1, 201, 21);
  Edit1->SetParent(Panel1);

  Button1 = new TButton(this);
  Button1->SetBounds(56, 27, 105, 25);
  Button1->SetCaption("应用选中的图标");
  Button1->SetParent(Panel1);
  Button1->OnClick = Method(this, &TExampleForm::Button1Click);

  Panel2 = new TPanel(this);
  Panel2->SetName("Panel2");
  Panel2->SetBounds(0, 94, 292, 99);
  Panel2->SetAlign(alTop);
  Panel2->SetVisible(false);
  Panel2->SetParent(this);

  CheckBox1 = new TCheckBox(this);
  CheckBox1->SetBounds(16, 1, 209, 17);
  CheckBox1->SetCaption("在右键菜单中添加\"Vexilo\"");
  CheckBox1->SetParent(Panel2);

  Label1 = new TLabel(this);
  Label1->SetLeft(35);
  Label1->SetTop(48);
  Label1->SetCaption("下载本软件最新版");
  Label1->Font().SetColor(clMaroon);
  Label1->SetCursor(crHandPoint);
  Label1->SetParent(Panel2);

  OnCreate = Method(this, &TExampleForm::FormCreate);
  OnShow = Method(this, &TExampleForm::FormShow);
}

void TExampleForm::FormCreate(TObject*) { ++created; }
void TExampleForm::FormShow(TObject*) { ++shown; }
void TExampleForm::Button1Click(TObject*) { ++clicks; }

void TExampleForm::SpeedButton1Click(TObject*) {
  Panel2->SetVisible(!Panel2->Visible());
  SpeedButton1->SetCaption(Panel2->Visible() ? "↑" : "↓");
}
