#pragma once
// The system's open-file dialog: title, filter list ("Icons|*.ico|All|*.*"),
// initial folder, chosen file.
#include <string>

#include "widgets/TComponent.h"

namespace vcl {

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
  // Shows the dialog; true and FileName set when the user chose a file.
  bool Execute();

  std::string Title;
  std::string Filter;
  int FilterIndex = 1;
  std::string InitialDir;
  std::string FileName;
  std::string DefaultExt;
  bool FileMustExist = true;
};

}  // namespace vcl
