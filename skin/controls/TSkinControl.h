#pragma once
// TSkinControl: the base of every control skinner.  A skinner takes over the
// message handling of one control of a skinned window, decides which
// messages the control's own procedure still sees, keeps the hot and pressed
// state and paints the control (or the part that native painting gets wrong)
// from the skin, composed in the shared ScratchBitmap and copied once.
//
// Two ways to attach:
//   AttachControl  a control of the widget layer: its replaceable WindowProc
//                  is saved and replaced (and put back on Detach).  Also
//                  switches the control's double buffering on, and with the
//                  set-colour flag gives it the skin's face colour.
//   AttachHandle   any window (system dialogs): a comctl32 window subclass,
//                  removed safely whatever was installed after it.  The
//                  caller appends the skinner to the frame's ControlSkinners.
// Either way every message goes through SkinWindowProc:
//   BeforeMessage  true lets the control's own procedure (CallOldProc) have
//                  the message; false: the skinner handled it.
//   AfterMessage   runs after the own procedure handled a message.
// The base passes everything and, afterwards, repaints on focus, enabling,
// text and WM_PAINT, and detaches on WM_NCDESTROY.
//
// Lifetime: the frame owns its skinners (ControlSkinners) and detaches and
// releases them when it detaches.  A skinner released while one of its own
// messages is being handled further up the stack is freed when the
// outermost of them returns.  A control object freed while attached is
// forgotten (free notification), never touched again.
//
// Drawing helpers shared by the skinners: FillFace, BlitBuffer,
// PaintElement, DrawCaption, DrawGlyphFrame, DrawStripFrame.  Painters take a
// DC and a rectangle, so tests call Draw on memory DCs.
#include <windows.h>

#include <string>

#include "skin/controls/PictureCache.h"
#include "skin/windows/SkinParts.h"
#include "widgets/Messages.h"
#include "widgets/TBitmap.h"
#include "widgets/TCanvas.h"

namespace vcl {
class TControl;
class TWinControl;
}  // namespace vcl

namespace vex::skin {

class TSkinData;
class TSkinForm;
class TDataSkinObject;

class TSkinControl : public TFrameSkinner {
 public:
  // Owned by `frame` (which may be null in tests of a painter alone).
  explicit TSkinControl(TSkinForm* frame);
  ~TSkinControl() override;

  // ---- attaching -------------------------------------------------------
  virtual void AttachControl(vcl::TWinControl* control, TSkinData* skin, bool setColour, vcl::TCanvas* canvas);
  virtual void AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas);
  // Undoes the attachment: procedure back, and colour and double buffering
  // back unless the frame is being released with its dying window.
  void Detach() override;
  bool Attached() const { return FSubclassed || static_cast<bool>(OldWindowProc); }

  // ---- message handling --------------------------------------------------
  void SkinWindowProc(vcl::TMessage& message);
  // The control's own handling of a message (only while one is handled).
  void CallOldProc(vcl::TMessage& message);
  virtual bool BeforeMessage(vcl::TMessage& message);
  virtual void AfterMessage(vcl::TMessage& message);

  // ---- painting ------------------------------------------------------------
  // Paints the whole window at once through a window DC; errors swallowed.
  virtual void PaintNow();
  // The painting itself, into `dc` at `rect` (the window at origin).
  virtual void Draw(HDC dc, const RECT& rect);
  // Invalidates the window without erasing and updates it at once.
  virtual void Redraw();
  // WM_PAINT painted by the skinner: the DC in WParam, or BeginPaint's.
  void PaintMessage(vcl::TMessage& message);
  // For skinners that paint the whole control: WM_PAINT through
  // PaintMessage, WM_ERASEBKGND answered 1.  True when it was one of them.
  bool PaintsItself(vcl::TMessage& message);
  // A press the control handles itself first (capture, repeat, its own
  // click), then shown pressed.
  void PressAfterOwnProc(vcl::TMessage& message);

  // ---- what the frame asks (TFrameSkinner) ---------------------------------
  void SendMouseLeave() override;
  RECT ScreenRect() const override { return WindowRect; }
  // A skinner that coloured its control gives it the new face colour.
  void SkinChanged() override;
  void Release() override;

  // ---- drawing helpers -------------------------------------------------------
  void FillFace(HDC dc, const RECT& rect);
  // Copies ScratchBitmap (its current size) to `dc` at the rectangle's corner.
  void BlitBuffer(HDC dc, const RECT& rect);
  // Frame k of n of `object` at the size of `rect` into ScratchBitmap (at
  // its origin) over the face colour, keyed when `trans` is 1.  Nothing for
  // an inverted rectangle or an object whose image cannot hold the frame
  // with its margins.
  void PaintElement(const RECT& rect, TDataSkinObject& object, int trans, int frameCount, int frame);
  // A one-line caption of buttons, tabs, panels and boxes with the font and
  // text colour selected in `dc`; grey when not enabled.
  void DrawCaption(HDC dc, const RECT& rect, UINT format, bool enabled, const std::string& text);
  // Frame k of a glyph strip of n frames, unscaled, at the rectangle's
  // corner, its bottom-left pixel the see-through colour.
  void DrawGlyphFrame(HDC dc, const RECT& rect, int frameCount, int frame, vcl::TBitmap& glyph);
  // Frame k of a strip of n frames stretched into `rect`, magenta keyed.
  void DrawStripFrame(HDC dc, const RECT& rect, int frameCount, int frame, vcl::TBitmap& strip);

  // ---- state -----------------------------------------------------------------
  TSkinForm* Frame() const { return FFrame; }
  // Makes this the frame's hot control, sending the previous one a
  // mouse-leave first.
  void BecomeHot();
  // Clears the frame's hot control when it is this one.
  void LeaveHot();
  // Focused, Enabled, Caption and Font read from the window (at attach;
  // afterwards the focus, text and font messages keep them current, which
  // spares a painter three round trips to the window system).
  void RefreshState();
  // Enabled read again from the window's style (cheap).
  void RefreshEnabled();
  // What the window's UI state hides (WM_QUERYUISTATE), as a native
  // control shows it: underlined access keys only after Alt, the focus
  // rectangle only once the keyboard has been used.
  UINT PrefixFormat() const { return (UiState & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0; }
  bool ShowsFocusCue() const { return Focused && Enabled && !(UiState & UISF_HIDEFOCUS); }
  // The system's focus rectangle, `inset` pixels inside `rect`, when the
  // control shows its focus cue.
  void DrawFocusCue(HDC dc, const RECT& rect, int inset);
  static std::string WindowText(HWND window);

  TSkinData* SkinData = nullptr;
  unsigned State = 0;  // kHot, kPressed (ControlGeometry.h)
  vcl::TCanvas* Canvas = nullptr;
  bool Enabled = true;
  bool Focused = false;
  // UISF_HIDEFOCUS and UISF_HIDEACCEL as the window's UI state has them: read
  // at attach and again on WM_UPDATEUISTATE, never per paint.
  unsigned UiState = 0;
  std::string Caption;
  HFONT Font = nullptr;  // the window's font (WM_GETFONT, then WM_SETFONT)
  HWND Handle = nullptr;
  vcl::TWndMethod OldWindowProc;
  vcl::TWinControl* Control = nullptr;
  RECT WindowRect{};
  bool SetColour = false;
  vcl::TColor OldColour = 0;

 protected:
  void Notification(vcl::TComponent* component, vcl::TOperation operation) override;
  // Replaces `control`'s WindowProc with SkinWindowProc; Detach puts it back.
  void HookWindowProc(vcl::TControl* control);
  void UnhookWindowProc(vcl::TControl* control);
  bool FrameReleasing() const;
  // Check boxes and radio buttons: frame k of n of a glyph image over the
  // face colour where the window's own glyph sits in `rect`.
  void DrawBoxGlyph(HDC dc, const RECT& rect, vcl::TBitmap& image, int frameCount, int frame);
  // At a DPI other than the system's: the control's face, and its caption
  // `kBoxCaptionGap` (at 96 dpi) beside the glyph at `glyph`.
  void RedrawCaptionBeside(HDC dc, const RECT& rect, const RECT& glyph);
  static constexpr int kBoxCaptionGap = 4;
  // Messages after which a check box or radio button shows another glyph.
  static bool ChangesBoxGlyph(UINT msg);
  // What this skinner composes again and again (see PictureCache.h).
  TPictureCache& Pictures() { return FPictures; }

 private:
  friend LRESULT ControlSubclassProc(void*, HWND, UINT, WPARAM, LPARAM);
  friend class TSkinnerScope;

  TSkinForm* FFrame;
  TPictureCache FPictures;
  bool FSubclassed = false;
  bool FOldDoubleBuffered = false;
  bool FOldParentColor = false;
  int FMessageDepth = 0;
  bool FFreeWhenDone = false;
};

LRESULT ControlSubclassProc(void* skinner, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Frame k of n of `object` built at the size of `at` (its margins kept, the
// centre tiled when `tile`) and drawn there, opaque or with magenta left out
// when `keyed`; the picture is kept in `pictures` for the next paint.
void DrawSkinFrame(TPictureCache& pictures, HDC dc, const RECT& at, TDataSkinObject& object, int frameCount,
                   int frame, bool tile, bool keyed);
// The same with an image of its own (a turned copy) and the margins given.
void DrawSkinFrame(TPictureCache& pictures, HDC dc, const RECT& at, vcl::TBitmap& image, const RECT& margins,
                   int frameCount, int frame, bool tile, bool keyed);

// Keeps a skinner alive while one of its messages is handled.
class TSkinnerScope {
 public:
  explicit TSkinnerScope(TSkinControl& skinner) : skinner_(skinner) { ++skinner_.FMessageDepth; }
  TSkinnerScope(const TSkinnerScope&) = delete;
  TSkinnerScope& operator=(const TSkinnerScope&) = delete;
  ~TSkinnerScope() {
    if (--skinner_.FMessageDepth == 0 && skinner_.FFreeWhenDone) skinner_.Free();
  }

 private:
  TSkinControl& skinner_;
};

}  // namespace vex::skin
