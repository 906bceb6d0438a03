#pragma once
// Skinners of the kinds that are drawn on this framework but not built yet:
// tab controls (TSkinTab), status bars (TSkinStatusBar), scroll bars of
// scrolling controls such as memos (TSkinScrollBar), list views
// (TSkinListView, with their headers) and scroll bar controls
// (TSkinScControl).  The dispatch rows that ask for them keep their place in
// the tables; each asks its factory here, which returns null until the
// skinner exists, and then the row attaches nothing: the control keeps its
// own look.  A factory that returns a skinner gets it attached by the
// dispatch (AttachControl or AttachHandle, as the row says).
namespace vex::skin {

class TSkinControl;
class TSkinForm;

// A tab control, attached by handle (also for "SysTabControl32" windows of
// system dialogs).
TSkinControl* NewTabSkinner(TSkinForm& frame);
// A status bar; the dispatch switches its size grip off once there is one.
TSkinControl* NewStatusBarSkinner(TSkinForm& frame);
// The scroll bars of a scrolling control; `takeNcClicks`: the skinner
// handles the clicks on them itself.
TSkinControl* NewScrollBarSkinner(TSkinForm& frame, bool takeNcClicks);
// A list view with its header.
TSkinControl* NewListViewSkinner(TSkinForm& frame);
// A scroll bar control (also a real "ScrollBar" window of a system dialog).
TSkinControl* NewScrollControlSkinner(TSkinForm& frame);

}  // namespace vex::skin
