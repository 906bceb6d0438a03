#pragma once
// What a TSkinData asks of the process-wide skin manager.  The skinned-window
// layer installs the manager's link; until one is installed the requests go
// nowhere and TSkinData only records its own state.
namespace vex::skin {

class TSkinData;

class TSkinManagerLink {
 public:
  virtual ~TSkinManagerLink() = default;
  // A component was created (outside design time) or is being destroyed.
  virtual void AddSkinData(TSkinData* skin) = 0;
  virtual void RemoveSkinData(TSkinData* skin) = 0;
  // Skin every form (on) or take the skin off every form (off).
  virtual void SkinAllForms(TSkinData* skin, bool on) = 0;
  // A skin file was loaded at run time: use this component, make every
  // skinned form drop its caption buttons, apply the changed skin (the
  // manager calls SkinChanged when done).
  virtual void ApplyNewSkin(TSkinData* skin) = 0;
};

// The installed link, or null.
TSkinManagerLink* SkinManagerLink();
void SetSkinManagerLink(TSkinManagerLink* link);

}  // namespace vex::skin
