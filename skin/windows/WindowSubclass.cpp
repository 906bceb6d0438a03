#include "skin/windows/WindowSubclass.h"

#include <utility>

namespace vex::skin {
namespace {

struct Record {
  WNDPROC old = nullptr;
  TSubclass::Handler handler = nullptr;
  void* owner = nullptr;
  bool unicode = false;
  bool active = false;
};

int gLiveRecords = 0;

constexpr const char* kPropNames[] = {"VexSkinSubFrame", "VexSkinSubMdiClient", "VexSkinSubControl",
                                      "VexSkinSubControlPart", "VexSkinSubPopupMenu", "VexSkinSubShowWatch"};
static_assert(sizeof kPropNames / sizeof kPropNames[0] == static_cast<int>(TSubclassKind::kCount));

Record* Find(HWND window, TSubclassKind kind) {
  return static_cast<Record*>(GetPropA(window, kPropNames[static_cast<int>(kind)]));
}

LONG_PTR CurrentProc(HWND window, bool unicode) {
  return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

// Frees the record, putting the saved procedure back when ours is current.
void Drop(HWND window, TSubclassKind kind, WNDPROC ours) {
  Record* r = Find(window, kind);
  if (!r) return;
  if (CurrentProc(window, r->unicode) == reinterpret_cast<LONG_PTR>(ours)) {
    if (r->unicode)
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(r->old));
    else
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(r->old));
  }
  RemovePropA(window, kPropNames[static_cast<int>(kind)]);
  delete r;
  --gLiveRecords;
}

template <int K, bool Unicode>
LRESULT CALLBACK KindProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  constexpr auto kind = static_cast<TSubclassKind>(K);
  Record* r = Find(window, kind);
  LRESULT result = 0;
  if (r && r->active)
    result = r->handler(r->owner, window, msg, wParam, lParam);
  else
    result = TSubclass::CallOld(window, kind, msg, wParam, lParam);
  // The record never outlives the window.
  if (msg == WM_NCDESTROY) Drop(window, kind, &KindProc<K, Unicode>);
  return result;
}

template <int K>
WNDPROC ProcFor(bool unicode) {
  return unicode ? &KindProc<K, true> : &KindProc<K, false>;
}

WNDPROC ProcOf(TSubclassKind kind, bool unicode) {
  switch (kind) {
    case TSubclassKind::kFrame: return ProcFor<0>(unicode);
    case TSubclassKind::kMdiClient: return ProcFor<1>(unicode);
    case TSubclassKind::kControl: return ProcFor<2>(unicode);
    case TSubclassKind::kControlPart: return ProcFor<3>(unicode);
    case TSubclassKind::kPopupMenu: return ProcFor<4>(unicode);
    case TSubclassKind::kShowWatch: return ProcFor<5>(unicode);
    case TSubclassKind::kCount: break;
  }
  return nullptr;
}

}  // namespace

bool TSubclass::Install(HWND window, TSubclassKind kind, Handler handler, void* owner) {
  if (!IsWindow(window) || !handler) return false;
  if (Record* r = Find(window, kind)) {
    if (r->active) return false;
    // A pass-through left below a later subclass: ours again, in its place.
    r->handler = handler;
    r->owner = owner;
    r->active = true;
    return true;
  }
  auto* r = new Record;
  r->handler = handler;
  r->owner = owner;
  r->unicode = IsWindowUnicode(window) != FALSE;
  r->active = true;
  if (!SetPropA(window, kPropNames[static_cast<int>(kind)], r)) {
    delete r;
    return false;
  }
  ++gLiveRecords;
  const auto proc = reinterpret_cast<LONG_PTR>(ProcOf(kind, r->unicode));
  r->old = reinterpret_cast<WNDPROC>(r->unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                                : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
  return true;
}

void TSubclass::Remove(HWND window, TSubclassKind kind) {
  Record* r = Find(window, kind);
  if (!r) return;
  const WNDPROC ours = ProcOf(kind, r->unicode);
  if (CurrentProc(window, r->unicode) == reinterpret_cast<LONG_PTR>(ours)) {
    Drop(window, kind, ours);
    return;
  }
  r->active = false;  // a later subclass calls us: pass on from now on
  r->owner = nullptr;
}

bool TSubclass::Installed(HWND window, TSubclassKind kind) {
  const Record* r = Find(window, kind);
  return r && r->active;
}

LRESULT TSubclass::CallOld(HWND window, TSubclassKind kind, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const Record* r = Find(window, kind)) {
    return r->unicode ? CallWindowProcW(r->old, window, msg, wParam, lParam)
                      : CallWindowProcA(r->old, window, msg, wParam, lParam);
  }
  // Removed while the message was being handled: the saved procedure is the
  // window's procedure again.
  if (IsWindowUnicode(window))
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), window, msg, wParam,
                           lParam);
  return CallWindowProcA(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)), window, msg, wParam,
                         lParam);
}

int TSubclass::LiveRecords() { return gLiveRecords; }

}  // namespace vex::skin
