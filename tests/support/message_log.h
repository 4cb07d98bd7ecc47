// Records the messages that reach toolkit windows and compares them with expected sequences.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

struct MessageRecord {
  HWND window;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

enum ExpectFlags : unsigned {
  EXPECT_ANY = 0,
  EXPECT_WPARAM = 1,
  EXPECT_LPARAM = 2,
};

struct ExpectedMessage {
  UINT message;
  unsigned flags;
  WPARAM wparam;
  LPARAM lparam;
};

// Installs the toolkit's window-procedure hook as a recorder (it answers nothing).
void MessageLogStart();
void MessageLogStop();
void MessageLogFlush();
std::vector<MessageRecord> MessageLogTake();

// The recorded messages whose numbers occur in `expected` must be exactly `expected`, in order;
// on failure both sequences are printed.
testing::AssertionResult MessageSequenceMatches(const std::vector<ExpectedMessage>& expected,
                                                const std::vector<MessageRecord>& actual);
