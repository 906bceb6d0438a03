#pragma once
// What a TSkinData asks of the process-wide skin manager.  The skinned-window
// layer registers a factory for its manager; the first run-time TSkinData
// creates the manager through it.  Without a registered factory (a program
// that links only the skin data) the requests go nowhere and TSkinData only
// records its own state.
namespace vex::skin {

class TSkinData;

class TSkinManagerLink {
 public:
  virtual ~TSkinManagerLink() = default;
  // A component was created (outside design time) or is being destroyed.
  virtual void AddSkinData(TSkinData* skin) = 0;
  virtual void RemoveSkinData(TSkinData* skin) = 0;
  // 1: switch skinning on; 2: switch it off; 3: a skin has been reloaded.
  virtual void SetAction(int code) = 0;
  // The component whose skin changed; told (SkinChanged) once action 3 is done.
  virtual void SetChangedSkin(TSkinData* skin) = 0;
  // Every skinned window drops its caption buttons (they were built from the
  // old skin's caption-button list).
  virtual void ClearAllButtons() = 0;
  // `skin` is about to replace its skin objects: the windows drawn with it
  // drop the caption buttons that point at the old ones.
  virtual void ClearButtonsOf(TSkinData* skin) = 0;
  // `skin` was reloaded outside the switch of action 3: the windows drawn
  // with it are fitted to the new objects now.
  virtual void ReapplySkin(TSkinData* skin) = 0;
  // `skin` failed to load and has no skin any more: the windows drawn with
  // it go back to their own look rather than keep a frame nobody paints.
  virtual void DropSkin(TSkinData* skin) = 0;
};

// The manager, or null while there is none.
TSkinManagerLink* SkinManagerLink();
// Installs a manager (or a stand-in, in tests); null removes it.
void SetSkinManagerLink(TSkinManagerLink* link);

using TSkinManagerFactory = TSkinManagerLink* (*)();
// The skinned-window layer registers how its manager is made.
void SetSkinManagerFactory(TSkinManagerFactory factory);
// The manager, created through the registered factory when there is none.
TSkinManagerLink* EnsureSkinManager();

}  // namespace vex::skin
