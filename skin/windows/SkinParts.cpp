#include "skin/windows/SkinParts.h"

namespace vex::skin {
namespace {
TControlLayer gNoControls;
TMenuLayer gNoMenus;
TControlLayer* gControls = &gNoControls;
TMenuLayer* gMenus = &gNoMenus;
}  // namespace

TControlLayer& ControlLayer() { return *gControls; }
TMenuLayer& MenuLayer() { return *gMenus; }
void SetControlLayer(TControlLayer* layer) { gControls = layer ? layer : &gNoControls; }
void SetMenuLayer(TMenuLayer* layer) { gMenus = layer ? layer : &gNoMenus; }

}  // namespace vex::skin
