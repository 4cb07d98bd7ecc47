// Tests of the message box: texts shown, button result, owner, and the focus given back.
#include "toolkit/gadgets/message_box.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr char kTestWindowClass[] = "VantrelMessageBoxTestWindow";

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

// What the test saw of the box while it was open.
struct BoxSeen {
  bool found = false;
  std::string caption, text;
  HWND owner = nullptr;
  std::vector<int> buttons;  // ids of the command buttons present, among IDOK..IDNO
};

BoxSeen driven;
int to_press = IDOK;

// Run by the box's own modal loop: finds the box, records what it shows, presses a button.
void CALLBACK DriveBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        char name[64] = {};
        GetClassNameA(window, name, sizeof(name));
        if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&box));
  if (box == nullptr || driven.found) return;
  driven.found = true;
  driven.caption = WindowText(box);
  driven.text = WindowText(GetDlgItem(box, 0xFFFF));  // the Static showing the text
  driven.owner = GetWindow(box, GW_OWNER);
  for (int id = IDOK; id <= IDNO; ++id) {
    if (GetDlgItem(box, id) != nullptr) driven.buttons.push_back(id);
  }
  SendMessageA(GetDlgItem(box, to_press), BM_CLICK, 0, 0);
}

// Shows a box and presses button in it; returns MessageShow's result.
std::int64_t ShowAndPress(const char* title, const char* text, std::int64_t flags, HWND owner,
                          int button, BoxSeen* shown) {
  driven = BoxSeen{};
  to_press = button;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, DriveBox);
  const std::int64_t result = MessageShow(title, text, flags, owner);
  KillTimer(nullptr, timer);
  *shown = driven;
  return result;
}

TEST(MessageShow, TextsAreShownAndEmptyOnesBecomeOneSpace) {
  const struct {
    const char *title, *text, *caption, *shown;
  } rows[] = {
      {"Caption", "Message", "Caption", "Message"},
      {"", "", " ", " "},
      {"", "text", " ", "text"},
      {nullptr, nullptr, " ", " "},
      {"", "\xFD\xF2\xEE 1", " ", "\xFD\xF2\xEE 1"},  // 8-bit text keeps its bytes
  };
  for (const auto& row : rows) {
    BoxSeen seen;
    EXPECT_EQ(ShowAndPress(row.title, row.text, 0, nullptr, IDOK, &seen), IDOK) << row.shown;
    ASSERT_TRUE(seen.found) << row.shown;
    EXPECT_EQ(seen.caption, row.caption);
    EXPECT_EQ(seen.text, row.shown);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK}) << "flags 0: one OK button";
  }
}

TEST(MessageShow, ResultIsThePressedButtonAndOnlyTheLow32BitsOfTheFlagsCount) {
  const struct {
    std::int64_t flags;
    int press;
    std::vector<int> buttons;
  } rows[] = {
      {MB_YESNO, IDNO, {IDYES, IDNO}},
      {MB_OKCANCEL, IDCANCEL, {IDOK, IDCANCEL}},
      {MB_RETRYCANCEL, IDRETRY, {IDCANCEL, IDRETRY}},
      {(std::int64_t{1} << 32) | MB_YESNO, IDYES, {IDYES, IDNO}},
  };
  for (const auto& row : rows) {
    BoxSeen seen;
    EXPECT_EQ(ShowAndPress("t", "m", row.flags, nullptr, row.press, &seen), row.press) << row.flags;
    EXPECT_EQ(seen.buttons, row.buttons) << row.flags;
  }
}

// Two visible top-level windows, each with an edit field, to move the focus between.
class MessageShowFocus : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestWindowClass;
    RegisterClassA(&windowClass);
  }
  void SetUp() override {
    for (int i = 0; i < 2; ++i) {
      windows_[i] = CreateWindowExA(0, kTestWindowClass, "focus test", WS_OVERLAPPEDWINDOW,
                                    40 + 240 * i, 40, 220, 160, nullptr, nullptr, nullptr, nullptr);
      ASSERT_NE(windows_[i], nullptr);
      edits_[i] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 150, 24,
                                  windows_[i], nullptr, nullptr, nullptr);
      ASSERT_NE(edits_[i], nullptr);
      ShowWindow(windows_[i], SW_SHOW);
    }
    SetForegroundWindow(windows_[0]);
  }
  void TearDown() override {
    for (HWND window : windows_) DestroyWindow(window);
  }

  HWND windows_[2] = {};
  HWND edits_[2] = {};
};

TEST_F(MessageShowFocus, FocusComesBackToWhereItWas) {
  const struct {
    const char* label;
    int focused, owner;  // indexes into edits_ and windows_; -1 for none
  } rows[] = {
      {"no owner", 0, -1},
      // On closing, the box activates its owner, which takes the focus from the other window.
      {"owner took the focus", 1, 0},
      {"focus inside the owner", 0, 0},
      {"no focus before", -1, 0},
  };
  for (const auto& row : rows) {
    HWND focus = row.focused < 0 ? nullptr : edits_[row.focused];
    HWND owner = row.owner < 0 ? nullptr : windows_[row.owner];
    SetFocus(focus);
    ASSERT_EQ(GetFocus(), focus) << row.label;
    BoxSeen seen;
    EXPECT_EQ(ShowAndPress("", "m", 0, owner, IDOK, &seen), IDOK) << row.label;
    ASSERT_TRUE(seen.found) << row.label;
    EXPECT_EQ(seen.owner, owner) << row.label;
    EXPECT_EQ(GetFocus(), focus) << row.label;
  }
}

}  // namespace
