// A message recorder on the toolkit's window-procedure hook, in the style of Wine's msg tests.
#include "tests/support/message_log.h"

#include <set>
#include <sstream>
#include <utility>

#include "toolkit/core/toolkit.h"

namespace {

std::vector<MessageRecord> recorded;

std::string Describe(UINT message, WPARAM wparam, LPARAM lparam) {
  std::ostringstream out;
  out << "\n    0x" << std::hex << message << " w=0x" << wparam << " l=0x" << lparam;
  return out.str();
}

}  // namespace

void MessageLogStart() {
  recorded.clear();
  MessageHookSet(
      [](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        recorded.push_back(MessageRecord{window, message, wparam, lparam});
        return std::int64_t{0};
      },
      HOOK_WINDOW_PROC);
}

void MessageLogStop() {
  MessageHookClear(HOOK_WINDOW_PROC);
}

void MessageLogFlush() {
  recorded.clear();
}

std::vector<MessageRecord> MessageLogTake() {
  return std::exchange(recorded, {});
}

testing::AssertionResult MessageSequenceMatches(const std::vector<ExpectedMessage>& expected,
                                                const std::vector<MessageRecord>& actual) {
  std::set<UINT> wanted;
  for (const ExpectedMessage& e : expected) wanted.insert(e.message);
  std::string want, seen;
  bool same = true;
  std::size_t at = 0;
  for (const MessageRecord& r : actual) {
    if (wanted.count(r.message) == 0) continue;
    const ExpectedMessage* e = at < expected.size() ? &expected[at++] : nullptr;
    same = same && e != nullptr && r.message == e->message &&
           ((e->flags & EXPECT_WPARAM) == 0 || r.wparam == e->wparam) &&
           ((e->flags & EXPECT_LPARAM) == 0 || r.lparam == e->lparam);
    seen += Describe(r.message, r.wparam, r.lparam);
  }
  for (const ExpectedMessage& e : expected) want += Describe(e.message, e.wparam, e.lparam);
  if (same && at == expected.size()) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "message sequence differs\n  expected:" << want << "\n  actual:" << seen;
}
