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

TEST(MessageShow, ShowsItsTextsWithEmptyOnesAsASpaceAndGivesThePressedButton) {
  // clang-format off
  // Empty texts are covered by the demo's test, 8-bit ones too.
  const struct { const char *title, *text; std::int64_t flags; int press; const char *caption, *shown; } rows[] = {
      {nullptr, nullptr, MB_OKCANCEL, IDCANCEL, " ", " "},
      {"t", "m", std::int64_t{1} << 32 | MB_RETRYCANCEL, IDRETRY, "t", "m"}};  // low 32 bits only
  // clang-format on
  for (const auto& row : rows) {
    EXPECT_EQ(ShowAndPress(row.title, row.text, row.flags, nullptr, row.press), row.press);
    EXPECT_EQ(seen.caption + "|" + seen.text, std::string(row.caption) + "|" + row.shown);
  }
}

TEST(MessageShow, GivesTheFocusBackToWhereItWas) {
  HWND windows[3] = {}, edits[3] = {};  // two top-level windows with an edit field; 2 is none
  for (int i = 0; i < 2; ++i) {
    windows[i] = CreateWindowExA(0, "Static", "focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 40 + 240 * i, 40, 220, 160, nullptr, nullptr, nullptr, nullptr);
    edits[i] = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 150, 24,
                               windows[i], nullptr, nullptr, nullptr);
  }
  SetForegroundWindow(windows[0]);
  // clang-format off
  // On closing, the box activates its owner, which takes the focus from the other window.
  const struct { const char* label; int focused, owner; } rows[] = {{"no owner", 0, 2},
      {"owner took the focus", 1, 0}, {"focus inside the owner", 0, 0}, {"no focus before", 2, 0}};
  // clang-format on
  for (const auto& row : rows) {
    SetFocus(edits[row.focused]);
    ASSERT_EQ(GetFocus(), edits[row.focused]) << row.label;
    EXPECT_EQ(ShowAndPress("", "m", 0, windows[row.owner], IDOK), IDOK);
    EXPECT_EQ(std::tuple(seen.owner, GetFocus()),
              std::tuple(windows[row.owner], edits[row.focused]))
        << row.label;
  }
  for (HWND window : windows) DestroyWindow(window);
}

}  // namespace
