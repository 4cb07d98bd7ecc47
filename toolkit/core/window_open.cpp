// Window creation: a class of its own for every window, whose procedure is MainWindowProc.
#include <cstdio>
#include <ctime>

#include <vantrel/toolkit.h>

#include "toolkit/core/class_name_text.h"
#include "toolkit/core/display_scale.h"
#include "toolkit/core/registries.h"
#include "toolkit/core/startup.h"
#include "toolkit/core/window_release.h"
#include "toolkit/core/core_constants.h"

namespace {

std::int64_t window_count = 0;
// Names another copy of the toolkit holds are passed over; a run of these many is no collision.
constexpr int kClassNameAttempts = 64;

bool LocalTimeOfDay(TimeOfDay* out) {
  const std::time_t now = std::time(nullptr);
  if (now == static_cast<std::time_t>(-1)) return false;
  std::tm local = {};
  if (localtime_s(&local, &now) != 0) return false;
  *out = TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec};
  return true;
}

std::string NextClassName() {
  TimeOfDay time = {};
  const bool have_time = LocalTimeOfDay(&time);
  return WindowClassNameText(have_time ? &time : nullptr, window_count);
}

// The system's error, or 0 when the class was registered.
DWORD ClassRegister(const char* class_name) {
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof(WNDCLASSEXA);
  window_class.style = WINDOW_CLASS_STYLE;
  window_class.lpfnWndProc = MainWindowProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground =
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(WINDOW_CLASS_BACKGROUND));
  window_class.lpszClassName = class_name;
  window_class.hIconSm = window_class.hIcon;
  return RegisterClassExA(&window_class) != 0 ? 0 : GetLastError();
}

// Registers a class of a new name and returns it; empty, after printing the system's error, when
// none could be registered. Another copy of the toolkit in the process (a DLL's) makes its names
// the same way under the same instance: a name it holds is passed over for the next count, and
// is never this copy's to unregister.
std::string ClassMake() {
  DWORD error = 0;
  for (int attempt = 0; attempt < kClassNameAttempts; ++attempt) {
    if (attempt > 0) ++window_count;
    // The node keeps the name while the window lives; its number is the one the list gave it,
    // since names of destroyed windows leave the list.
    const std::uint64_t number = HandleListAppendText(ClassNameRegistryGet(), NextClassName());
    const HandleNode* node = HandleListFind(ClassNameRegistryGet(), number);
    // A node that could not be stored still gets a class: the name is made again.
    const std::string class_name = node != nullptr ? node->text : NextClassName();
    error = ClassRegister(class_name.c_str());
    if (error == 0) return class_name;
    WindowClassForget(class_name);
    if (error != ERROR_CLASS_ALREADY_EXISTS) break;
  }
  std::printf("%s%lu\n", REGISTER_CLASS_FAILED, static_cast<unsigned long>(error));
  std::fflush(stdout);
  return std::string();
}

// A window's place and size in scaled mode: given in units, as pixels of the display it opens on;
// the outer size is that of a 96-DPI program's window, its frame the system's at this DPI.
struct WindowPlace {
  int x, y, width, height;
  int client_width, client_height;  // in units; 0 when the system chooses the size
};

WindowPlace WindowPlaceScaled(int x, int y, int width, int height, DWORD style, DWORD ex_style,
                              HWND parent) {
  WindowPlace place = {x, y, width, height, 0, 0};
  if (!DpiScalingOn()) return place;
  // A child window's its parent's DPI; a top-level one the system's, until it is made.
  const UINT dpi = DpiOfWindow(parent);
  if (x != CW_USEDEFAULT) {
    place.x = DpiScale(x, dpi);
    place.y = DpiScale(y, dpi);
  }
  if (width == CW_USEDEFAULT) return place;
  const SIZE frame_units = DpiFrameExtent(style, ex_style, false, DPI_UNITS);
  const SIZE frame = DpiFrameExtent(style, ex_style, false, dpi);
  place.client_width = width - frame_units.cx;
  place.client_height = height - frame_units.cy;
  // The frame the system really draws is measured once the window exists.
  place.width = DpiScale(place.client_width, dpi) + frame.cx;
  place.height = DpiScale(place.client_height, dpi) + frame.cy;
  return place;
}

}  // namespace

// Brings the start-up runner into every program that opens a window.
const char* const WindowOpenStartupLink = &ToolkitStartupLink;

HWND WindowOpen(const char* title, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, std::uint64_t style, std::uint64_t ex_style, HWND parent) {
  if (parent != nullptr) ex_style |= WS_EX_CONTROLPARENT;
  ++window_count;
  if (!RegistriesCreated()) {
    const bool tab_stops = (style & WINDOW_STYLE_TABSTOP_REQUEST) != 0;
    RegistriesCreate(tab_stops);
    // Only the first call reads the bit as a request; later it is an ordinary style bit.
    if (tab_stops) style &= ~WINDOW_STYLE_TABSTOP_REQUEST;
  }

  // Classes of windows destroyed since the last call go first: the atom table stays small.
  WindowClassesUnregisterPending();
  const std::string class_name = ClassMake();
  if (class_name.empty()) return nullptr;

  const WindowPlace place = WindowPlaceScaled(x, y, width, height, static_cast<DWORD>(style),
                                              static_cast<DWORD>(ex_style), parent);
  HWND window =
      CreateWindowExA(static_cast<DWORD>(ex_style), class_name.c_str(),
                      title != nullptr ? title : "", static_cast<DWORD>(style), place.x, place.y,
                      place.width, place.height, parent, nullptr, nullptr, nullptr);
  DpiWindowOpened(window, place.client_width, place.client_height);
  // No window will ever hold the class.
  if (window == nullptr) WindowClassRelease(class_name);
  if (window != nullptr && TabStopRegistryGet() != nullptr) {
    SetPropA(window, PROP_TABSTOP_ENABLE, reinterpret_cast<HANDLE>(1));
  }
  CurrentWindowSet(window);
  return window;
}
