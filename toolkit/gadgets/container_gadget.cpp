// Container gadgets: child windows that hold gadgets, pass their news on to the window above
// them, and lay them out by their anchors.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"
#include "toolkit/gadgets/gadget_layout.h"

namespace {

constexpr char kContainerClass[] = "VantrelContainer";
constexpr int kFrameInset = 2;   // the frame's line, inside the container's edge
constexpr UINT kTitleGap = 4;    // the title starts this far right of the frame's corner
constexpr LONG_PTR kFramed = 1;  // window extra slot: whether a frame is drawn

// The news of the gadgets inside (clicks, notifications, scrolls, colour requests) goes to the
// window above, as if they lay in it: a toolkit window turns it into events and colours.
bool OnNews(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      *result = SendMessageA(GetParent(window), message, wparam, lparam);
      return true;
    default:
      return false;
  }
}

// An etched frame with the title on its top line.
bool OnPaint(HWND window) {
  if (GetWindowLongPtrA(window, 0) != kFramed) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  char title[256] = {};
  GetWindowTextA(window, title, sizeof(title));
  HGDIOBJ old = SelectObject(dc, GadgetFontOf(window));
  SIZE text = {};
  GetTextExtentPoint32A(dc, title, lstrlenA(title), &text);
  RECT frame;
  GetClientRect(window, &frame);
  frame.top += text.cy / 2;
  InflateRect(&frame, -kFrameInset, -kFrameInset);
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (title[0] != '\0') {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    TextOutA(dc, frame.left + static_cast<int>(kTitleGap) * 2, 0, title, lstrlenA(title));
  }
  SelectObject(dc, old);
  EndPaint(window, &paint);
  return true;
}

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (OnNews(window, message, wparam, lparam, &result)) return result;
  switch (message) {
    case WM_SIZE:
      GadgetLayoutRun(window, LOWORD(lparam), HIWORD(lparam));
      break;
    case WM_PAINT:
      if (OnPaint(window)) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

bool ContainerClassRegister() {
  WNDCLASSEXA info = {};
  info.cbSize = sizeof(info);
  info.style = CS_HREDRAW | CS_VREDRAW;
  info.lpfnWndProc = ContainerProc;
  info.hInstance = GetModuleHandleA(nullptr);
  info.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  info.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  info.cbWndExtra = sizeof(LONG_PTR);
  info.lpszClassName = kContainerClass;
  // Another copy of the toolkit in the process may have it already: its procedure is the same.
  return RegisterClassExA(&info) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND TabPageCreate(const RECT& area) {
  static const bool registered = ContainerClassRegister();
  if (!registered) return nullptr;
  return CreateWindowExA(WS_EX_CONTROLPARENT, kContainerClass, "",
                         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, area.left, area.top,
                         area.right - area.left, area.bottom - area.top, CurrentWindowGet(),
                         nullptr, nullptr, nullptr);
}

HWND ContainerGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, const char* title, std::int32_t flags) {
  static const bool registered = ContainerClassRegister();
  if (!registered) return nullptr;
  // Tab moves through the gadgets inside as through the window's own.
  HWND container = GadgetControlCreate(id, kContainerClass, title, WS_CLIPCHILDREN,
                                       WS_EX_CONTROLPARENT, x, y, width, height, false);
  if (container == nullptr) return nullptr;
  if ((flags & CONTAINER_FRAME) != 0) SetWindowLongPtrA(container, 0, kFramed);
  CurrentWindowSet(container);
  return container;
}
