#include "widgets/TMemo.h"

namespace vcl {

TMemo::TMemo(TComponent* AOwner) : TEdit(AOwner) { SetStoredBounds(0, 0, 185, 89); }

void TMemo::CreateParams(TCreateParams& p) {
  TEdit::CreateParams(p);
  p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  p.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!FWordWrap) p.Style |= ES_AUTOHSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) p.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) p.Style |= WS_HSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle style) {
  if (style == FScrollBars) return;
  FScrollBars = style;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  RecreateWnd();
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  const std::string text = GetText();
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (end == std::string::npos) {
      if (!line.empty()) lines.push_back(line);
      break;
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  SetText(text);
}

void TMemo::AddLine(const std::string& line) { SetText(GetText() + line + "\r\n"); }

}  // namespace vcl
