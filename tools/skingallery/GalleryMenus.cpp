// A form with a main menu (submenus three levels deep, check and radio
// items, disabled items, a top-level item without sub-items, shortcuts,
// separators, images) and two popup-menu components shown on a right click,
// one of them right to left.  With --shot, pictures of the form with a
// drop-down and one of its submenus open, and of the two context menus.
#include "skin/windows/SkinParts.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinForm.h"
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryIcons.h"
#include "widgets/Vcl.h"

using namespace vcl;

namespace gallery {
namespace {

class TGalleryMenuForm : public TForm {
 public:
  explicit TGalleryMenuForm(TComponent* owner) : TForm(owner) {
    SetName("GalleryMenus");
    SetCaption("菜单 Menus");
    SetBorderStyle(bsSizeable);
    Icon().SetHandle(MakeGalleryIcon(RGB(120, 60, 160)));
    const POINT at = NextWindowPosition(420, 260);
    SetBounds(at.x, at.y, 0, 0);
    SetClientSize(410, 220);

    Images = new TImageList(this);
    Images->SetSize(16, 16);
    for (COLORREF c : {RGB(200, 40, 40), RGB(40, 150, 40), RGB(40, 70, 200), RGB(200, 150, 0)}) {
      TIcon icon;
      icon.SetHandle(MakeGalleryIcon(c));
      Images->AddIcon(icon);
    }

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetImages(Images);
    TMenuItem* file = Add(MainMenu1->Items(), "文件(&F)");
    Add(file, "新建(&N)", scCtrl | 'N', 0);
    Add(file, "打开(&O)...", scCtrl | 'O', 1);
    TMenuItem* recent = Add(file, "最近的文件(&R)");
    Add(recent, "C:\\图标\\folder.ico");
    TMenuItem* more = Add(recent, "更多(&M)");
    Add(more, "D:\\shell32.dll");
    Add(more, "E:\\很长很长的文件名也能显示完整.exe");
    Add(file, "保存(&S)", scCtrl | 'S', 2)->SetEnabled(false);
    Add(file, "-");
    Add(file, "退出(&X)", scAlt | VK_F4)->OnClick = [this](TObject*) { Close(); };

    TMenuItem* view = Add(MainMenu1->Items(), "查看(&V)");
    TMenuItem* toolbar = Add(view, "工具栏(&T)");
    toolbar->SetChecked(true);
    toolbar->OnClick = [toolbar](TObject*) { toolbar->SetChecked(!toolbar->Checked()); };
    TMenuItem* status = Add(view, "状态栏(&S)", 0, 3);
    status->SetChecked(true);
    status->OnClick = [status](TObject*) { status->SetChecked(!status->Checked()); };
    Add(view, "-");
    for (const char* caption : {"大图标(&L)", "小图标(&M)", "列表(&I)"}) {
      TMenuItem* radio = Add(view, caption);
      radio->SetRadioItem(true);
      radio->OnClick = [view, radio](TObject*) {
        for (int i = 0; i < view->Count(); ++i)
          if (view->Items(i)->RadioItem()) view->Items(i)->SetChecked(view->Items(i) == radio);
      };
    }
    view->Items(4)->SetChecked(true);
    Add(view, "-");
    Add(view, "属性(&P)", VK_RETURN | scAlt)->SetDefault(true);

    Add(MainMenu1->Items(), "刷新(&R)")->OnClick = [this](TObject*) { Say("刷新了 (refreshed)"); };
    Add(MainMenu1->Items(), "禁用(&D)")->SetEnabled(false);
    TMenuItem* help = Add(MainMenu1->Items(), "帮助(&H)");
    Add(help, "关于(&A)...", VK_F1)->OnClick = [this](TObject*) { Say("Vexilo 皮肤画廊"); };
    SetMenu(MainMenu1);

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetImages(Images);
    Add(PopupMenu1->Items(), "剪切(&T)", scCtrl | 'X', 0);
    Add(PopupMenu1->Items(), "复制(&C)", scCtrl | 'C', 1);
    Add(PopupMenu1->Items(), "粘贴(&P)", scCtrl | 'V', 2)->SetEnabled(false);
    Add(PopupMenu1->Items(), "-");
    TMenuItem* wrap = Add(PopupMenu1->Items(), "自动换行(&W)");
    wrap->SetChecked(true);
    TMenuItem* sendTo = Add(PopupMenu1->Items(), "发送到(&N)");
    Add(sendTo, "桌面(&D)");
    Add(sendTo, "邮件(&M)");
    Add(PopupMenu1->Items(), "-");
    Add(PopupMenu1->Items(), "属性(&R)")->SetDefault(true);

    PopupMenu2 = new TPopupMenu(this);
    PopupMenu2->SetRightToLeft(true);
    Add(PopupMenu2->Items(), "从右到左 (&A)", scCtrl | 'A');
    Add(PopupMenu2->Items(), "第二项 (&B)")->SetChecked(true);
    Add(PopupMenu2->Items(), "-");
    Add(PopupMenu2->Items(), "不可用 (&C)")->SetEnabled(false);

    Label1 = new TLabel(this);
    Label1->SetBounds(12, 12, 386, 40);
    Label1->SetWordWrap(true);
    Label1->SetCaption("右键单击左半边：弹出菜单；右半边：从右到左的菜单。 Right-click for popup menus.");
    Label1->SetParent(this);
    OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
      if (button != mbRight) return;
      POINT p{x, y};
      ::ClientToScreen(Handle(), &p);
      (x < ClientRect().right / 2 ? PopupMenu1 : PopupMenu2)->Popup(p.x, p.y);
    };
  }

  TImageList* Images = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TPopupMenu* PopupMenu2 = nullptr;
  TLabel* Label1 = nullptr;

 private:
  TMenuItem* Add(TMenuItem* parent, const char* caption, TShortCut shortCut = 0, int image = -1) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->SetImageIndex(image);
    parent->Add(item);
    return item;
  }
  void Say(const char* text) { Label1->SetCaption(text); }
};

TGalleryMenuForm* gMenuForm = nullptr;

TGalleryMenuForm& MenuForm() {
  if (!gMenuForm) gMenuForm = New<TGalleryMenuForm>(Application);
  return *gMenuForm;
}

// Runs `open` (which shows a menu and returns once it has closed) and takes
// the picture from inside the menu's loop, once its windows are painted:
// after `keys` have been posted to the menu one per tick.
void ShootMenu(const std::function<void(HWND)>& shoot, const std::function<void()>& open,
               std::vector<UINT> keys) {
  static std::function<void(HWND)> pending;
  static std::vector<UINT> toPost;
  static int ticks = 0;
  pending = shoot;
  toPost = std::move(keys);
  ticks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 60, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (++ticks > 100) {  // the menu never came: give up
      KillTimer(nullptr, id);
      pending = nullptr;
      return;
    }
    if (!menu || !IsWindowVisible(menu) || !pending) return;
    if (!toPost.empty()) {
      PostMessageA(menu, WM_KEYDOWN, toPost.front(), 0);
      toPost.erase(toPost.begin());
      return;
    }
    KillTimer(nullptr, id);
    auto shootNow = std::move(pending);
    pending = nullptr;
    shootNow(MenuForm().Handle());
    EndMenu();
  });
  open();
  if (pending) {
    pending = nullptr;  // the menu closed before its picture was taken
    KillTimer(nullptr, timer);
  }
}

const PageRegistrar gMenus{{"menus", 30, [] {
                              MenuForm().Show();
                              return MenuForm().Handle();
                            },
                            nullptr}};

// The "文件" drop-down with the recent-files submenu open.
const PageRegistrar gDropDown{
    {"menus-dropdown", 1010, nullptr, [](const std::function<void(HWND)>& shoot) {
       HWND window = MenuForm().Handle();
       SetForegroundWindow(window);
       ShootMenu(
           shoot,
           [window] {
             vex::skin::TSkinForm* frame = vex::skin::FrameOf(window);
             vex::skin::TNCObject* file = frame ? vex::skin::MenuLayer().FindAccelButton(*frame, 'F') : nullptr;
             if (!file) return;
             frame->PressMenuButton(*file);
             // The click opens the drop-down; its loop runs until the picture is taken.
             MSG msg;
             while (PeekMessageA(&msg, window, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) DispatchMessageA(&msg);
           },
           {VK_DOWN, VK_DOWN, VK_RIGHT});
     }}};

// A popup-menu component shown at (dx, dy) of the form, its first item selected.
void ShootPopup(const std::function<void(HWND)>& shoot, TPopupMenu* TGalleryMenuForm::*popup, int dx, int dy) {
  TGalleryMenuForm& form = MenuForm();
  SetForegroundWindow(form.Handle());
  ShootMenu(
      shoot,
      [&form, popup, dx, dy] {
        RECT r{};
        GetWindowRect(form.Handle(), &r);
        (form.*popup)->Popup(r.left + dx, r.top + dy);
      },
      {VK_DOWN});
}

const PageRegistrar gContext{{"menus-context", 1020, nullptr, [](const std::function<void(HWND)>& shoot) {
                                ShootPopup(shoot, &TGalleryMenuForm::PopupMenu1, 60, 90);
                              }}};
const PageRegistrar gRightToLeft{{"menus-rtl", 1030, nullptr, [](const std::function<void(HWND)>& shoot) {
                                    ShootPopup(shoot, &TGalleryMenuForm::PopupMenu2, 240, 90);
                                  }}};

}  // namespace
}  // namespace gallery
