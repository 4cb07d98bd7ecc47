// Platform-free texts of the explorer: the two layouts of a date and the share-root test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/explorer/explorer_constants.h"

// The fields of a calendar time that the date texts show (a SYSTEMTIME's, by name).
struct ExplorerDateParts {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

// Writes "YYYY.MM.DD HH:MM:SS" when sortable is 1, else "DD.MM.YYYY HH:MM:SS", cut to the
// buffer; returns the text's length.
std::size_t ExplorerDateFormat(const ExplorerDateParts& parts, int sortable, char* out,
                               std::size_t out_size);
std::string ExplorerDateText(const ExplorerDateParts& parts, int sortable);

// EXPLORER_TRUE for \\server\share\ (two leading backslashes, at most four in all, counted by
// character of the code page: a trail byte of the separator's value is none).
int32_t ExplorerIsShareRoot(std::string_view path, std::uint32_t code_page);
