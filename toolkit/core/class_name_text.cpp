// Builds toolkit window-class names from the time of day and the window count.
#include "toolkit/core/class_name_text.h"

#include <cstdio>

#include "toolkit/core/core_constants.h"

std::string WindowClassNameText(const TimeOfDay* time, std::int64_t window_count) {
  std::string name = WINDOW_CLASS_PREFIX;
  if (time != nullptr) {
    char clock[32];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", time->hour, time->minute, time->second);
    name += clock;
  }
  name += std::to_string(window_count);
  return name;
}
