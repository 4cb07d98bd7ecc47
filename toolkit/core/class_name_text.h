// The text of a toolkit window-class name.
#pragma once

#include <cstdint>
#include <string>

struct TimeOfDay {
  int hour;
  int minute;
  int second;
};

// "CLASSCLASS_" + "hh:mm:ss" (left out when no time could be read) + the window count.
std::string WindowClassNameText(const TimeOfDay* time, std::int64_t window_count);
