// Date gadgets: a date picker and a month calendar; a change of date is an event.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

namespace {

constexpr std::int64_t kYearUnit = 10000;
constexpr std::int64_t kMonthUnit = 100;

HWND DateOf(GadgetId id) {
  HWND gadget = GadgetWindowOf(id);
  const std::int32_t kind = gadget != nullptr ? GadgetKindOf(gadget) : GADGET_KIND_OTHER;
  return kind == GADGET_KIND_DATETIME || kind == GADGET_KIND_CALENDAR ? gadget : nullptr;
}

bool IsCalendar(HWND gadget) {
  return GadgetKindOf(gadget) == GADGET_KIND_CALENDAR;
}

}  // namespace

HWND DateGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t flags) {
  return GadgetControlCreate(id, DATETIMEPICK_CLASSA, nullptr, DTS_SHORTDATEFORMAT, 0, x, y, width,
                             height, true);
}

HWND CalendarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags) {
  return GadgetControlCreate(id, MONTHCAL_CLASSA, nullptr, 0, 0, x, y, width, height, true);
}

int GadgetDateSet(GadgetId id, std::int64_t date) {
  HWND gadget = DateOf(id);
  if (gadget == nullptr) return 0;
  SYSTEMTIME day = {};
  day.wYear = static_cast<WORD>(date / kYearUnit);
  day.wMonth = static_cast<WORD>(date / kMonthUnit % kMonthUnit);
  day.wDay = static_cast<WORD>(date % kMonthUnit);
  FILETIME check;
  if (date <= 0 || !SystemTimeToFileTime(&day, &check)) return 0;  // no such day
  const auto time = reinterpret_cast<LPARAM>(&day);
  const LRESULT done = IsCalendar(gadget)
                           ? SendMessageA(gadget, MCM_SETCURSEL, 0, time)
                           : SendMessageA(gadget, DTM_SETSYSTEMTIME, GDT_VALID, time);
  return done != 0 ? 1 : 0;
}

std::int64_t GadgetDateGet(GadgetId id) {
  HWND gadget = DateOf(id);
  if (gadget == nullptr) return -1;
  SYSTEMTIME day = {};
  const auto time = reinterpret_cast<LPARAM>(&day);
  IsCalendar(gadget) ? SendMessageA(gadget, MCM_GETCURSEL, 0, time)
                     : SendMessageA(gadget, DTM_GETSYSTEMTIME, 0, time);
  return day.wYear * kYearUnit + day.wMonth * kMonthUnit + day.wDay;
}
