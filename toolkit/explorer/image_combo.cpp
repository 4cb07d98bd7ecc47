// The image combo box: a ComboBoxEx32 gadget whose items can carry images.
#include <windows.h>
#include <commctrl.h>

#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/gadget_create.h"
#include "toolkit/gadgets/gadget_registry.h"
#include "toolkit/gadgets/tab_stop.h"

namespace {

constexpr DWORD kComboBaseStyle = WS_CHILD | WS_VISIBLE;
constexpr COLORREF kComboBackground = 0xFFFFFF;
constexpr COLORREF kComboText = 0;
constexpr int kInitialImages = 1;
constexpr int kImageGrowth = 1;

}  // namespace

HWND ImageComboCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t image_size, std::int32_t style) {
  const INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controls);
  HWND combo = DpiChildCreate(0, WC_COMBOBOXEXA, "", static_cast<DWORD>(style) | kComboBaseStyle,
                              DpiRect{x, y, width, height}, CurrentWindowGet(), id);
  if (combo == nullptr) return nullptr;
  GadgetRegister(id, combo);
  ColourEntryAdd(combo, kComboBackground, kComboText);
  ComboListColourSet(kComboBackground, kComboText);
  TabStopEnrolGadget(id);
  // In scaled mode the font and the images' size follow the window's DPI.
  HFONT font = DpiScalingOn() ? GadgetFontOf(combo) : GadgetFontDefaultGet();
  if (font != nullptr) SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  const int side = DpiScale(image_size, DpiOfWindow(combo));
  HIMAGELIST images = ImageList_Create(side, side, ILC_COLOR32, kInitialImages, kImageGrowth);
  SetPropA(combo, PROP_COMPANION, images);
  SendMessageA(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  return combo;
}
