// Event pump cost: EventPoll draining a toolkit window against a raw PeekMessage loop.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <vantrel/toolkit.h>

namespace {

constexpr int kMessages = 200000;
constexpr int kBatch = 5000;  // well under the 10,000 messages a posted queue holds
constexpr UINT kStreamMessage = WM_USER + 100;
constexpr UINT kSentinel = WM_USER + 101;
constexpr int kRounds = 5;

LRESULT CALLBACK RawWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

void PostBatch(HWND window) {
  for (int i = 0; i < kBatch; ++i) {
    if (i % 2 == 0) {
      PostMessageA(window, kStreamMessage, i, 0);
    } else {
      PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(i & 0xFF, 7));
    }
  }
  PostMessageA(window, kSentinel, 0, 0);
}

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// One batch through the toolkit: EventPoll until the sentinel is dispatched, then once more
// for what that dispatch parked.
double ToolkitBatch(HWND window) {
  PostBatch(window);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (;;) {
    EventPoll();
    if (EventMessageRecord()->message == kSentinel) break;
  }
  EventPoll();
  QueryPerformanceCounter(&end);
  EventMessageRecord()->message = 0;
  return Seconds(start, end);
}

double RawBatch(HWND window) {
  PostBatch(window);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  MSG message;
  for (;;) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    if (message.message == kSentinel) break;
  }
  QueryPerformanceCounter(&end);
  return Seconds(start, end);
}

}  // namespace

int main() {
  HWND toolkit_window = WindowOpen("pump", 0, 0, 200, 200, WS_OVERLAPPEDWINDOW, 0, nullptr);
  WNDCLASSEXA raw_class = {};
  raw_class.cbSize = sizeof raw_class;
  raw_class.lpfnWndProc = RawWindowProc;
  raw_class.hInstance = GetModuleHandleA(nullptr);
  raw_class.lpszClassName = "RawPumpWindow";
  RegisterClassExA(&raw_class);
  HWND raw_window = CreateWindowExA(0, "RawPumpWindow", "raw", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                    nullptr, nullptr, nullptr, nullptr);
  if (toolkit_window == nullptr || raw_window == nullptr) {
    std::printf("pump: no window\n");
    return 1;
  }
  // Batches alternate between the two, so that load from elsewhere falls on both alike; the
  // median round decides.
  std::vector<double> ratios;
  for (int round = 0; round < kRounds; ++round) {
    double toolkit = 0, raw = 0;
    for (int done = 0; done < kMessages; done += kBatch) {
      raw += RawBatch(raw_window);
      toolkit += ToolkitBatch(toolkit_window);
    }
    ratios.push_back(toolkit / raw);
    std::printf("round %d: toolkit %.1f ms, raw %.1f ms for %d messages\n", round + 1,
                toolkit * 1000, raw * 1000, kMessages);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("pump: toolkit/raw = %.2f\n", ratios[ratios.size() / 2]);
  return 0;
}
