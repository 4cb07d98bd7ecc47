// The display scale: the opt-in read from the program's manifest, each window's DPI kept on it,
// units turned into pixels, the 96-DPI places of gadgets, and the DPI calls of newer systems.
#include "toolkit/core/display_scale.h"

#include <limits>
#include <new>
#include <string_view>
#include <unordered_map>

#include <vantrel/toolkit.h>

#include "toolkit/core/manifest_dpi_text.h"
#include "toolkit/core/window_proc_handlers.h"

namespace {

// A top-level window's DPI, kept from every DPI change: Windows' own answer can lag behind a
// change, and Wine's never follows one. Until the first change, the system's answer holds.
constexpr char kDpiProp[] = "vantreldpi";
constexpr WORD kManifestResource = 1;  // CREATEPROCESS_MANIFEST_RESOURCE_ID
constexpr WORD kManifestType = 24;     // RT_MANIFEST
constexpr int kHandlersMax = 4;

// Entry points of Windows 10 version 1607 and later, looked up once: the toolkit runs on older
// systems too, which scale everything from the one system DPI.
struct DpiCalls {
  UINT(WINAPI* window_dpi)(HWND) = nullptr;
  UINT(WINAPI* system_dpi)() = nullptr;
  int(WINAPI* metric)(int, UINT) = nullptr;
  BOOL(WINAPI* adjust)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  BOOL(WINAPI* parameters)(UINT, UINT, void*, UINT, UINT) = nullptr;
};

template <typename Function>
void Find(HMODULE module, const char* name, Function* function) {
  // Through the one function type every other converts to without a warning.
  *function =
      reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const DpiCalls& Calls() {
  static const DpiCalls calls = [] {
    DpiCalls found;
    HMODULE user = GetModuleHandleA("user32.dll");
    Find(user, "GetDpiForWindow", &found.window_dpi);
    Find(user, "GetDpiForSystem", &found.system_dpi);
    Find(user, "GetSystemMetricsForDpi", &found.metric);
    Find(user, "AdjustWindowRectExForDpi", &found.adjust);
    Find(user, "SystemParametersInfoForDpi", &found.parameters);
    return found;
  }();
  return calls;
}

bool ManifestAsksForScaling() {
  HMODULE program = GetModuleHandleA(nullptr);
  HRSRC found =
      FindResourceA(program, MAKEINTRESOURCEA(kManifestResource), MAKEINTRESOURCEA(kManifestType));
  HGLOBAL loaded = found != nullptr ? LoadResource(program, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return false;
  return ManifestDeclaresDpiAwareness(
      std::string_view(static_cast<const char*>(bytes), SizeofResource(program, found)));
}

int Scaled(int value, UINT to, UINT from) {
  if (to == from || from == 0) return value;
  const long long product = static_cast<long long>(value) * to;
  const long long half = value < 0 ? -static_cast<long long>(from / 2) : from / 2;
  const long long result = (product + half) / from;
  constexpr long long kMost = std::numeric_limits<int>::max();
  constexpr long long kLeast = std::numeric_limits<int>::min();
  return static_cast<int>(result > kMost ? kMost : result < kLeast ? kLeast : result);
}

std::unordered_map<HWND, DpiRect> kept_places;
DpiChangeHandler change_handlers[kHandlersMax] = {};

BOOL CALLBACK PlaceKept(HWND child, LPARAM dpi) {
  const auto found = kept_places.find(child);
  if (found == kept_places.end()) return TRUE;
  const DpiRect pixels = DpiScaleRect(found->second, static_cast<UINT>(dpi));
  SetWindowPos(child, nullptr, pixels.x, pixels.y, pixels.width, pixels.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

}  // namespace

bool DpiScalingOn() {
  static const bool on = ManifestAsksForScaling();
  return on;
}

UINT DpiOfSystem() {
  if (Calls().system_dpi != nullptr) return Calls().system_dpi();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : DPI_UNITS;
}

UINT DpiOfWindow(HWND window) {
  if (!DpiScalingOn()) return DPI_UNITS;
  HWND top = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
  if (top == nullptr) return DpiOfSystem();
  if (const auto kept = reinterpret_cast<std::uintptr_t>(GetPropA(top, kDpiProp))) {
    return static_cast<UINT>(kept);
  }
  const UINT dpi = Calls().window_dpi != nullptr ? Calls().window_dpi(top) : 0;
  return dpi != 0 ? dpi : DpiOfSystem();
}

SIZE DpiFrameExtent(DWORD style, DWORD ex_style, bool menu, UINT dpi) {
  RECT frame = {};
  if (Calls().adjust != nullptr) {
    Calls().adjust(&frame, style, menu, ex_style, dpi);
  } else {
    AdjustWindowRectEx(&frame, style, menu, ex_style);
    const UINT system = DpiOfSystem();
    frame = RECT{Scaled(frame.left, dpi, system), Scaled(frame.top, dpi, system),
                 Scaled(frame.right, dpi, system), Scaled(frame.bottom, dpi, system)};
  }
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

int DpiScale(int value, UINT dpi) {
  return Scaled(value, dpi, DPI_UNITS);
}

int DpiUnscale(int value, UINT dpi) {
  return Scaled(value, DPI_UNITS, dpi);
}

DpiRect DpiScaleRect(const DpiRect& units, UINT dpi) {
  const int left = DpiScale(units.x, dpi), top = DpiScale(units.y, dpi);
  return DpiRect{left, top, DpiScale(units.x + units.width, dpi) - left,
                 DpiScale(units.y + units.height, dpi) - top};
}

DpiRect DpiPlaceOf(HWND parent, const DpiRect& units) {
  if (!DpiScalingOn()) return units;
  return DpiScaleRect(units, DpiOfWindow(parent));
}

HWND DpiChildCreate(DWORD ex_style, const char* class_name, const char* text, DWORD style,
                    const DpiRect& units, HWND parent, int id) {
  const DpiRect place = DpiPlaceOf(parent, units);
  HWND child = CreateWindowExA(ex_style, class_name, text, style, place.x, place.y, place.width,
                               place.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  DpiGeometryKeep(child, units);
  return child;
}

void DpiGeometryKeep(HWND gadget, const DpiRect& units) {
  if (!DpiScalingOn() || gadget == nullptr) return;
  try {
    kept_places[gadget] = units;
  } catch (const std::bad_alloc&) {
    kept_places.erase(gadget);  // followed by its window's place, as in the default mode
  }
}

bool DpiGeometryGet(HWND gadget, DpiRect* units) {
  const auto found = kept_places.find(gadget);
  if (found == kept_places.end()) return false;
  *units = found->second;
  return true;
}

void DpiGeometryForget(HWND gadget) {
  kept_places.erase(gadget);
}

int DpiOuterExtent(HWND window, int units, bool horizontal) {
  const UINT dpi = DpiOfWindow(window);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  const bool menu = (style & WS_CHILD) == 0 && GetMenu(window) != nullptr;
  const SIZE frame_units = DpiFrameExtent(style, ex_style, menu, DPI_UNITS);
  // The frame the window really has: the system draws it, at whatever DPI it draws it.
  RECT outer = {}, client = {};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const int frame = horizontal ? (outer.right - outer.left) - client.right
                               : (outer.bottom - outer.top) - client.bottom;
  const int client_units = units - (horizontal ? frame_units.cx : frame_units.cy);
  return DpiScale(client_units, dpi) + frame;
}

int DpiMetric(int index, UINT dpi) {
  if (!DpiScalingOn()) return GetSystemMetrics(index);
  if (Calls().metric != nullptr) return Calls().metric(index, dpi);
  return Scaled(GetSystemMetrics(index), dpi, DpiOfSystem());
}

LOGFONTA DpiMessageFont(UINT dpi) {
  NONCLIENTMETRICSW wide = {};
  wide.cbSize = sizeof(wide);
  LOGFONTA font = {};
  if (Calls().parameters != nullptr &&
      Calls().parameters(SPI_GETNONCLIENTMETRICS, sizeof(wide), &wide, 0, dpi)) {
    const LOGFONTW& from = wide.lfMessageFont;
    font.lfHeight = from.lfHeight;
    font.lfWidth = from.lfWidth;
    font.lfWeight = from.lfWeight;
    font.lfItalic = from.lfItalic;
    font.lfCharSet = from.lfCharSet;
    font.lfQuality = from.lfQuality;
    font.lfPitchAndFamily = from.lfPitchAndFamily;
    WideCharToMultiByte(CP_ACP, 0, from.lfFaceName, -1, font.lfFaceName, LF_FACESIZE, nullptr,
                        nullptr);
    return font;
  }
  NONCLIENTMETRICSA narrow = {};
  narrow.cbSize = sizeof(narrow);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(narrow), &narrow, 0);
  font = narrow.lfMessageFont;
  font.lfHeight = Scaled(font.lfHeight, dpi, DpiOfSystem());
  return font;
}

void DpiChangeHandlerAdd(DpiChangeHandler handler) {
  for (DpiChangeHandler& slot : change_handlers) {
    if (slot == handler) return;
    if (slot == nullptr) {
      slot = handler;
      return;
    }
  }
}

// A window opened on a display whose DPI is not the system's (one monitor of several) is made at
// the system's and corrected here.
void DpiWindowOpened(HWND window, int client_width_units, int client_height_units) {
  if (!DpiScalingOn() || window == nullptr || GetAncestor(window, GA_ROOT) != window) return;
  const UINT dpi = DpiOfWindow(window);
  // The client a 96-DPI program's window of this size has, scaled, whatever frame the system
  // gives the window at its DPI.
  RECT outer = {}, client = {};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const int grow_x = DpiScale(client_width_units, dpi) - client.right;
  const int grow_y = DpiScale(client_height_units, dpi) - client.bottom;
  if (client_width_units <= 0 || client_height_units <= 0 || (grow_x == 0 && grow_y == 0)) return;
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + grow_x,
               outer.bottom - outer.top + grow_y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool OnDpiChanged(HWND window, WPARAM wparam, LPARAM suggested) {
  if (!DpiScalingOn() || GetAncestor(window, GA_ROOT) != window) return false;
  const UINT old_dpi = DpiOfWindow(window);
  const UINT new_dpi = LOWORD(wparam);
  if (new_dpi == 0) return false;
  SetPropA(window, kDpiProp, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(new_dpi)));
  // The window first, whose resize lays out the anchored gadgets at the new DPI; then every kept
  // gadget from its units, parents before their children.
  if (const auto* place = reinterpret_cast<const RECT*>(suggested)) {
    SetWindowPos(window, nullptr, place->left, place->top, place->right - place->left,
                 place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  EnumChildWindows(window, PlaceKept, static_cast<LPARAM>(new_dpi));
  for (DpiChangeHandler handler : change_handlers) {
    if (handler != nullptr) handler(window, old_dpi, new_dpi);
  }
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  PostMessageA(window, TOOLKIT_MESSAGE, static_cast<WPARAM>(DPI_NOTIFY),
               static_cast<LPARAM>(new_dpi));
  return true;
}

void DpiWindowForget(HWND window) {
  RemovePropA(window, kDpiProp);
}

std::int32_t DpiScalingGet() {
  return DpiScalingOn() ? 1 : 0;
}

std::int32_t WindowDpiGet(HWND window) {
  if (!IsWindow(window)) return 0;
  return static_cast<std::int32_t>(DpiOfWindow(window));
}

std::int32_t WindowDpiScale(HWND window, std::int32_t value) {
  if (!IsWindow(window)) return value;
  return DpiScale(value, DpiOfWindow(window));
}
