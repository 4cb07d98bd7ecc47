// A message recorder on the toolkit's window-procedure hook, in the style of Wine's msg tests.
#include "tests/support/message_log.h"

#include <set>
#include <sstream>

#include "toolkit/core/toolkit.h"

namespace {

std::vector<MessageRecord> recorded;

std::int64_t Record(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  recorded.push_back(MessageRecord{window, message, wparam, lparam});
  return 0;
}

std::string Describe(UINT message, WPARAM wparam, LPARAM lparam) {
  std::ostringstream out;
  out << "0x" << std::hex << message << " w=0x" << wparam << " l=0x" << lparam;
  return out.str();
}

}  // namespace

void MessageLogStart() {
  recorded.clear();
  MessageHookSet(&Record, HOOK_WINDOW_PROC);
}

void MessageLogStop() {
  MessageHookClear(HOOK_WINDOW_PROC);
}

void MessageLogFlush() {
  recorded.clear();
}

std::vector<MessageRecord> MessageLogTake() {
  std::vector<MessageRecord> taken;
  taken.swap(recorded);
  return taken;
}

testing::AssertionResult MessageSequenceMatches(const std::vector<ExpectedMessage>& expected,
                                                const std::vector<MessageRecord>& actual) {
  std::set<UINT> wanted;
  for (const ExpectedMessage& e : expected) wanted.insert(e.message);
  std::vector<MessageRecord> seen;
  for (const MessageRecord& r : actual) {
    if (wanted.count(r.message) != 0) seen.push_back(r);
  }
  bool same = seen.size() == expected.size();
  for (std::size_t i = 0; same && i < seen.size(); ++i) {
    const ExpectedMessage& e = expected[i];
    same = seen[i].message == e.message &&
           ((e.flags & EXPECT_WPARAM) == 0 || seen[i].wparam == e.wparam) &&
           ((e.flags & EXPECT_LPARAM) == 0 || seen[i].lparam == e.lparam);
  }
  if (same) return testing::AssertionSuccess();
  std::ostringstream out;
  out << "message sequence differs\n  expected:";
  for (const ExpectedMessage& e : expected)
    out << "\n    " << Describe(e.message, e.wparam, e.lparam);
  out << "\n  actual:";
  for (const MessageRecord& r : seen) out << "\n    " << Describe(r.message, r.wparam, r.lparam);
  return testing::AssertionFailure() << out.str();
}
