// Gadget cost as their number grows: an event from the last of 5,000 gadgets against one from the
// first, and creating 1,000 gadgets against the same controls made with raw Win32 calls.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include <vantrel/toolkit.h>

namespace {

constexpr int kGadgets = 5000;
constexpr int kEvents = 20000;
constexpr int kCreated = 1000;
constexpr int kRounds = 5;  // best of: the machine may be busy
constexpr GadgetId kFirst = 1;
constexpr GadgetId kCreatedFirst = 10000;

double Now() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Events of a track bar as the application meets them: its move parked by the window procedure,
// reported by EventPoll with the gadget's id, and its position read by that id.
double EventsSeconds(HWND window, GadgetId id) {
  HWND bar = GadgetWindowOf(id);
  const double start = Now();
  for (int k = 0; k < kEvents; ++k) {
    SendMessageA(window, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(bar));
    if (EventPoll() != EVENT_GADGET || EventSourceId() != id) return -1;
    GadgetStateGet(id);
  }
  return Now() - start;
}

double CreateSeconds(bool toolkit) {
  const double start = Now();
  for (int k = 0; k < kCreated; ++k) {
    const GadgetId id = kCreatedFirst + k;
    if (toolkit) {
      ButtonGadgetCreate(id, 0, 0, 80, 24, "Press", 0);
      continue;
    }
    HWND button = CreateWindowExA(
        0, WC_BUTTONA, "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 80, 24,
        CurrentWindowGet(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  }
  return Now() - start;
}

// The buttons made by a round go, the toolkit's by id, the raw ones by their window.
void CreatedRemove(HWND window, bool toolkit) {
  for (int k = 0; k < kCreated; ++k) {
    const GadgetId id = kCreatedFirst + k;
    toolkit ? GadgetFree(id) : void(DestroyWindow(GetDlgItem(window, id)));
  }
}

}  // namespace

int main() {
  InitCommonControls();
  HWND window = WindowOpen("gadgets", 0, 0, 400, 300, WS_OVERLAPPEDWINDOW, 0, nullptr);
  if (window == nullptr) return 1;
  // The first and the last are track bars; texts lie between them.
  TrackBarGadgetCreate(kFirst, 0, 0, 100, 30, 0, 100, 0);
  for (GadgetId id = kFirst + 1; id < kGadgets; ++id) TextGadgetCreate(id, 0, 40, 50, 20, "t", 0);
  TrackBarGadgetCreate(kGadgets, 0, 80, 100, 30, 0, 100, 0);
  double first = 1e9, last = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    first = std::min(first, EventsSeconds(window, kFirst));
    last = std::min(last, EventsSeconds(window, kGadgets));
  }
  if (first <= 0 || last <= 0) {
    std::printf("an event did not come back as the gadget's\n");
    return 1;
  }
  double toolkit = 1e9, raw = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    for (const bool ours : {true, false}) {
      const double seconds = CreateSeconds(ours);
      (ours ? toolkit : raw) = std::min(ours ? toolkit : raw, seconds);
      CreatedRemove(window, ours);
    }
  }
  std::printf("%d gadgets: %d events of the first %.1f ms, of the last %.1f ms\n", kGadgets,
              kEvents, first * 1e3, last * 1e3);
  std::printf("%d buttons among them: toolkit %.1f ms, CreateWindowExA and WM_SETFONT %.1f ms\n",
              kCreated, toolkit * 1e3, raw * 1e3);
  std::printf("events: last/first = %.2f\n", last / first);
  std::printf("create: toolkit/raw = %.2f\n", toolkit / raw);
  return 0;
}
