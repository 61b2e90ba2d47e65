#pragma once
// Apri_Archivi: opens the archive files the reports read for the program's whole life and reads
// the current payroll period.

#include <string>

#include "app/program.hpp"

namespace kv::app {

inline constexpr int kPeriodFile = 6;

// Opens logical files 1, 62 to 68 and 6, reads the period record (record 1 of file 6) into FINE,
// sets the current period (year then month) and the year label (period year minus one).
void Apri_Archivi(Program& program);

// The current period of a period record: positions 5-8 (year) then 3-4 (month).
std::string PeriodOf(const std::string& periodRecord);

// The year before the period's year, as a whole number without blanks ("2024" gives "2023").
std::string YearLabelOf(const std::string& currentPeriod);

}  // namespace kv::app
