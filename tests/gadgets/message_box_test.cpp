// Tests of the message box: texts shown, button result, owner, and the focus given back.
#include "toolkit/gadgets/message_box.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr char kBoxClass[] = "#32770";
constexpr int kBoxTextId = 0xFFFF;  // the Static child that shows a message box's text
constexpr UINT kPollMilliseconds = 10;
// Polls after which a box that cannot be recognised is closed anyway, so no test ever hangs.
constexpr int kPollsBeforeGivingUp = 1000;
constexpr char kTestWindowClass[] = "VantrelMessageBoxTestWindow";

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

// What the test saw of the box while it was open.
struct BoxSeen {
  bool found = false;
  std::string caption;
  std::string text;
  HWND owner = nullptr;
  std::vector<int> buttons;  // ids of the command buttons present, among IDOK..IDNO
};

// Drives the next message box of this thread from a timer that the box's own modal loop
// dispatches: records what it shows, then presses one of its buttons.
class BoxDriver {
 public:
  explicit BoxDriver(int button) : button_(button) {
    active_ = this;
    timer_ = SetTimer(nullptr, 0, kPollMilliseconds, &BoxDriver::OnTimer);
  }
  ~BoxDriver() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
  }
  BoxDriver(const BoxDriver&) = delete;
  BoxDriver& operator=(const BoxDriver&) = delete;

  const BoxSeen& Seen() const { return seen_; }

 private:
  static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    if (ClassName(window) != kBoxClass || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    BoxDriver* self = active_;
    if (self == nullptr || self->seen_.found) return;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &BoxDriver::FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
      if (++self->polls_ >= kPollsBeforeGivingUp) self->GiveUp();
      return;
    }
    self->seen_.found = true;
    self->seen_.caption = WindowText(box);
    self->seen_.text = WindowText(GetDlgItem(box, kBoxTextId));
    self->seen_.owner = GetWindow(box, GW_OWNER);
    for (int id = IDOK; id <= IDNO; ++id) {
      if (GetDlgItem(box, id) != nullptr) self->seen_.buttons.push_back(id);
    }
    HWND button = GetDlgItem(box, self->button_);
    if (button != nullptr) {
      SendMessageA(button, BM_CLICK, 0, 0);
    } else {
      PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    }
  }

  // Nothing recognisable appeared: close whatever dialog this thread shows.
  void GiveUp() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
          if (ClassName(window) != kTestWindowClass) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
          return TRUE;
        },
        0);
  }

  static inline BoxDriver* active_ = nullptr;
  int button_;
  UINT_PTR timer_ = 0;
  int polls_ = 0;
  BoxSeen seen_;
};

// Shows a box and presses button in it; returns MessageShow's result.
std::int64_t ShowAndPress(const char* title, const char* text, std::int64_t flags, HWND owner,
                          int button, BoxSeen* seen = nullptr) {
  BoxDriver driver(button);
  const std::int64_t result = MessageShow(title, text, flags, owner);
  if (seen != nullptr) *seen = driver.Seen();
  return result;
}

class MessageShowTexts : public testing::Test {};

TEST_F(MessageShowTexts, TitleIsTheCaptionAndTextTheMessage) {
  BoxSeen seen;
  EXPECT_EQ(ShowAndPress("Caption", "Message", MB_OK, nullptr, IDOK, &seen), IDOK);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, "Caption");
  EXPECT_EQ(seen.text, "Message");
}

TEST_F(MessageShowTexts, EmptyTitleAndTextAreShownAsOneSpace) {
  BoxSeen seen;
  EXPECT_EQ(ShowAndPress("", "", 0, nullptr, IDOK, &seen), IDOK);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, " ");
  EXPECT_EQ(seen.text, " ");
}

TEST_F(MessageShowTexts, EmptyTitleAloneBecomesOneSpace) {
  BoxSeen seen;
  ShowAndPress("", "text", 0, nullptr, IDOK, &seen);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, " ");
  EXPECT_EQ(seen.text, "text");
}

TEST_F(MessageShowTexts, MissingTitleAndTextAreShownAsOneSpace) {
  BoxSeen seen;
  EXPECT_EQ(ShowAndPress(nullptr, nullptr, 0, nullptr, IDOK, &seen), IDOK);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, " ");
  EXPECT_EQ(seen.text, " ");
}

TEST_F(MessageShowTexts, EightBitTextKeepsItsBytes) {
  BoxSeen seen;
  ShowAndPress("", "\xFD\xF2\xEE 1", 0, nullptr, IDOK, &seen);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "\xFD\xF2\xEE 1");
}

TEST(MessageShowButtons, FlagsZeroShowsOneOkButton) {
  BoxSeen seen;
  EXPECT_EQ(ShowAndPress("t", "m", 0, nullptr, IDOK, &seen), IDOK);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
}

TEST(MessageShowButtons, ResultIsThePressedButton) {
  BoxSeen seen;
  EXPECT_EQ(ShowAndPress("t", "m", MB_YESNO, nullptr, IDNO, &seen), IDNO);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(ShowAndPress("t", "m", MB_OKCANCEL, nullptr, IDCANCEL), IDCANCEL);
  EXPECT_EQ(ShowAndPress("t", "m", MB_RETRYCANCEL, nullptr, IDRETRY), IDRETRY);
}

TEST(MessageShowButtons, OnlyTheLow32BitsOfTheFlagsCount) {
  BoxSeen seen;
  const std::int64_t flags = (std::int64_t{1} << 32) | MB_YESNO;
  EXPECT_EQ(ShowAndPress("t", "m", flags, nullptr, IDYES, &seen), IDYES);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
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
    for (HWND window : windows_) {
      if (window != nullptr) DestroyWindow(window);
    }
  }

  HWND windows_[2] = {};
  HWND edits_[2] = {};
};

TEST_F(MessageShowFocus, ControlThatHadTheFocusHasItAgain) {
  SetFocus(edits_[0]);
  ASSERT_EQ(GetFocus(), edits_[0]);
  BoxSeen seen;
  EXPECT_EQ(ShowAndPress("", "m", 0, nullptr, IDOK, &seen), IDOK);
  EXPECT_TRUE(seen.found);
  EXPECT_EQ(GetFocus(), edits_[0]);
}

TEST_F(MessageShowFocus, FocusComesBackFromTheOwnerThatTookIt) {
  // On closing, the box activates its owner, which takes the focus: it must be put back into
  // the other window's field.
  SetFocus(edits_[1]);
  ASSERT_EQ(GetFocus(), edits_[1]);
  BoxSeen seen;
  EXPECT_EQ(ShowAndPress("", "m", 0, windows_[0], IDOK, &seen), IDOK);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.owner, windows_[0]);
  EXPECT_EQ(GetFocus(), edits_[1]);
}

TEST_F(MessageShowFocus, FocusComesBackInsideTheOwner) {
  SetFocus(edits_[0]);
  ASSERT_EQ(GetFocus(), edits_[0]);
  EXPECT_EQ(ShowAndPress("", "m", 0, windows_[0], IDOK), IDOK);
  EXPECT_EQ(GetFocus(), edits_[0]);
}

TEST_F(MessageShowFocus, NoFocusBeforeMeansNoneAfter) {
  SetFocus(nullptr);
  ASSERT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(ShowAndPress("", "m", 0, windows_[0], IDOK), IDOK);
  EXPECT_EQ(GetFocus(), nullptr);
}

}  // namespace
