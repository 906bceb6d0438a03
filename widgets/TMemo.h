#pragma once
// Multi-line edit ("TMemo" over "EDIT"), with optional scroll bars.
#include <string>
#include <vector>

#include "widgets/TEdit.h"

namespace vcl {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TEdit {
 public:
  explicit TMemo(TComponent* AOwner);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle style);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  // The text split at line breaks, and replaced by lines joined with CR LF.
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);
  void AddLine(const std::string& line);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
};

}  // namespace vcl
