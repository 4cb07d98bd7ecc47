// The message box: the texts shown, the button pressed, and the focus given back.
#include "toolkit/gadgets/message_box.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the test saw of the box while it was open, and the button it presses there.
struct Box {
  bool found = false;
  std::string caption, text;
  HWND owner = nullptr;
} seen;
int to_press = IDOK;

// Shows the box; a timer run by the box's own modal loop records it and presses the button (or
// ends the box if that button is missing), so that nothing ever waits for a person.
std::int64_t ShowAndPress(const char* title, const char* text, std::int64_t flags, HWND owner,
                          int press) {
  seen = Box{};
  to_press = press;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowA("#32770", nullptr);
    if (seen.found || !box || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId())
      return;
    char caption[256] = {}, text[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the Static that shows the text
    seen = {true, caption, text, GetWindow(box, GW_OWNER)};
    if (HWND button = GetDlgItem(box, to_press)) return void(SendMessageA(button, BM_CLICK, 0, 0));
    EndDialog(box, 0);
  });
  const std::int64_t result = MessageShow(title, text, flags, owner);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(seen.found);
  return result;
}

TEST(MessageShow, GivesThePressedButtonAndTheFocusBackToWhereItWas) {
  HWND windows[3] = {}, edits[3] = {};  // two top-level windows with an edit field; 2 is none
  for (int i = 0; i < 2; ++i) {
    windows[i] = CreateWindowExA(0, "Static", "focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 40 + 240 * i, 40, 220, 160, nullptr, nullptr, nullptr, nullptr);
    edits[i] = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 150, 24,
                               windows[i], nullptr, nullptr, nullptr);
  }
  SetForegroundWindow(windows[0]);
  // On closing, the box activates its owner, which takes the focus from the other window.
  // Empty and 8-bit texts are checked by the demo's test.
  // clang-format off
  const struct { const char* label; int focused, owner; const char* text; std::int64_t flags; int press; } rows[] = {
      {"no owner", 0, 2, nullptr, MB_OKCANCEL, IDCANCEL},  // no texts: shown as " "
      {"owner took the focus", 1, 0, "m", std::int64_t{1} << 32 | MB_RETRYCANCEL, IDRETRY},  // low 32 bits
      {"focus inside the owner", 0, 0, "m", MB_OK, IDOK}, {"no focus before", 2, 0, "m", MB_OK, IDOK}};
  // clang-format on
  for (const auto& row : rows) {
    SetFocus(edits[row.focused]);
    ASSERT_EQ(GetFocus(), edits[row.focused]) << row.label;
    EXPECT_EQ(ShowAndPress(row.text, row.text, row.flags, windows[row.owner], row.press),
              row.press);
    EXPECT_EQ(std::tuple(seen.owner, GetFocus(), seen.caption + "|" + seen.text),
              std::tuple(windows[row.owner], edits[row.focused], row.text ? "m|m" : " | "))
        << row.label;
  }
  for (HWND window : windows) DestroyWindow(window);
}

}  // namespace
