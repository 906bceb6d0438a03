#include "app/SetupIni.h"

#include "app/EAppError.h"
#include "app/IniValue.h"
#include "app/PathText.h"

namespace vex::app {

std::string SetupIniPath(const std::string& programPath) { return DirectoryPart(programPath) + "Setup.ini"; }

TSettings ReadSettings(TPlatform& platform, const std::string& file) {
  TSettings s;
  s.Menu = ParseIniBool(platform.ReadIni(file, "Reg", "Menu", ""), s.Menu);
  s.Copy = ParseIniBool(platform.ReadIni(file, "Copy", "Copy", ""), s.Copy);
  return s;
}

void WriteSettings(TPlatform& platform, const std::string& file, const TSettings& settings) {
  if (!platform.WriteIni(file, "Reg", "Menu", IniBoolText(settings.Menu))) throw WriteError(file);
  if (!platform.WriteIni(file, "Copy", "Copy", IniBoolText(settings.Copy))) throw WriteError(file);
}

}  // namespace vex::app
