#pragma once
// The small text shapes the reports build their monospaced columns with.

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/text_trim.hpp"

namespace kv::reports {

// The text without spaces at either end.
inline std::string Trim(std::string_view text) { return platform::Trim(text, " "); }

// The text padded with spaces or cut to exactly `width` characters.
std::string PadOrCut(std::string_view text, size_t width);

// The first 10 characters of the text followed by spaces up to 10: a left-aligned column.
std::string LeftIn10(std::string_view text);

// The last 10 characters of 10 spaces followed by the text: a right-aligned column.
std::string RightIn10(std::string_view text);

// The parts one after the other, built in one allocation: the reports' printed lines.
std::string Joined(std::initializer_list<std::string_view> parts);

// A run of `count` copies of a character: the reports' dash lines.
std::string Repeat(char character, size_t count);

// A DDMMYYYY field as DD/MM/YYYY: characters 1-2, "/", 3-4, "/", the last four.
std::string DayMonthYear(std::string_view field);

// A MMYYYY field as MM/YYYY: the first two and the last four characters.
std::string MonthYear(std::string_view field);

// A page number as two digits with a leading zero; from page 100 on, its last two digits.
std::string PageDigits(int page);

}  // namespace kv::reports
