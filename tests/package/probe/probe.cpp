// Calls one toolkit operation, chosen at build time, and exits 0 only if the start-up runner
// ran: it is what sets the character locale from the user's, away from "C". The UTF-8 probe
// also needs the code page its manifest asked for, and the scaled one scaled mode as well.
#include <vantrel/toolkit.h>

#include <clocale>
#include <cstring>

int main() {
#if defined(PROBE_window)
  WindowOpen(nullptr, 0, 0, 0, 0, 0, 0, nullptr);
#elif defined(PROBE_poll)
  EventPoll();
#elif defined(PROBE_utf8)
  EventPoll();
  if (GetACP() != CP_UTF8) return 1;
#elif defined(PROBE_scaled)
  EventPoll();
  if (GetACP() != CP_UTF8 || DpiScalingGet() != 1) return 1;
#else
  IconLoadFile(nullptr);
#endif
  return std::strcmp(std::setlocale(LC_CTYPE, nullptr), "C") != 0 ? 0 : 1;
}
