// Tests of the message box: the texts shown, the button pressed, and the focus given back.
#include "toolkit/gadgets/message_box.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// What the test saw of the box while it was open.
struct Box {
  bool found = false;
  std::string caption, text;
  HWND owner = nullptr;
} seen;
int to_press = IDOK;

// Run by the box's own modal loop: finds the box, records what it shows and presses the button,
// or ends the box if that button is missing, so that nothing ever waits for a person.
void CALLBACK DriveBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = FindWindowA("#32770", nullptr);
  if (seen.found || !box || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
  char caption[256] = {}, text[256] = {};
  GetWindowTextA(box, caption, sizeof caption);
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the Static that shows the text
  seen = {true, caption, text, GetWindow(box, GW_OWNER)};
  if (HWND button = GetDlgItem(box, to_press)) return void(SendMessageA(button, BM_CLICK, 0, 0));
  EndDialog(box, 0);
}

std::int64_t ShowAndPress(const char* title, const char* text, std::int64_t flags, HWND owner,
                          int press) {
  seen = Box{};
  to_press = press;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, DriveBox);
  const std::int64_t result = MessageShow(title, text, flags, owner);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(seen.found);
  return result;
}

TEST(MessageShow, ShowsItsTextsWithEmptyOnesAsASpaceAndGivesThePressedButton) {
  // clang-format off
  const struct { const char *title, *text; std::int64_t flags; int press; const char *caption, *shown; } rows[] = {
      {"Caption", "Message", MB_OK, IDOK, "Caption", "Message"},
      {"", "", MB_YESNO, IDNO, " ", " "},
      {nullptr, nullptr, MB_OKCANCEL, IDCANCEL, " ", " "},
      {"", "\xFD\xF2\xEE 1", MB_OK, IDOK, " ", "\xFD\xF2\xEE 1"},  // 8-bit text keeps its bytes
      {"t", "m", std::int64_t{1} << 32 | MB_RETRYCANCEL, IDRETRY, "t", "m"}};  // low 32 bits only
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "flags " << row.flags << ", text " << row.shown);
    EXPECT_EQ(ShowAndPress(row.title, row.text, row.flags, nullptr, row.press), row.press);
    EXPECT_EQ(seen.caption, row.caption);
    EXPECT_EQ(seen.text, row.shown);
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
    SCOPED_TRACE(row.label);
    HWND focus = edits[row.focused], owner = windows[row.owner];
    SetFocus(focus);
    ASSERT_EQ(GetFocus(), focus);
    EXPECT_EQ(ShowAndPress("", "m", 0, owner, IDOK), IDOK);
    EXPECT_EQ(seen.owner, owner);
    EXPECT_EQ(GetFocus(), focus);
  }
  for (HWND window : windows) DestroyWindow(window);
}

}  // namespace
