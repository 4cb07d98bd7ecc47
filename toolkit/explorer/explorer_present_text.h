// Platform-free texts of the explorer's list: the size column, and the two text operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The Size column: " " for a folder, then bytes, whole kilobytes, megabytes with two
// truncated fraction digits ("1.50 MB"), gigabytes as at most four characters of the quotient
// ("10.7 GB"), and whole gigabytes from 10000 GB on ("12345 GB").
std::string ExplorerSizeText(std::int32_t kind, std::uint64_t size);

// Lowers a text in place (the window side passes the system's own lowering).
using TextLowerFunction = void (*)(char* text, std::size_t length);

// Both text operations walk by character of the code page they are given, so that a trail byte
// is never taken for a character of its own value.

// Replaces the searched text, found from the 1-based start (below 1 counts as 1) where it covers
// whole characters, by the replacement: the first occurrence only, or every one when `every` is
// 1. exact 0 compares lowered copies (with `lower`, or ASCII lowering when null). An empty
// searched text is never found.
std::string TextReplace(std::string_view text, std::string_view searched,
                        std::string_view replacement, std::int64_t start, std::int32_t every,
                        std::int32_t exact, std::uint32_t code_page,
                        TextLowerFunction lower = nullptr);

// Drops trailing characters that occur in the set; the first character always stays.
std::string TextTrimTrailing(std::string_view text, std::string_view set, std::uint32_t code_page);
