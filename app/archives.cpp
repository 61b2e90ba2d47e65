#include "app/archives.hpp"

#include <cmath>

#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "archive/number_text.hpp"

namespace kv::app {

namespace {
constexpr int kOpenedAtStart[] = {1, 62, 63, 64, 65, 66, 67, 68, kPeriodFile};

std::string Slice(const std::string& text, std::size_t position, std::size_t length) {
    if (position - 1 >= text.size()) return "";
    return text.substr(position - 1, length);
}
}  // namespace

std::string PeriodOf(const std::string& periodRecord) {
    return Slice(periodRecord, 5, 4) + Slice(periodRecord, 3, 2);
}

std::string YearLabelOf(const std::string& currentPeriod) {
    double year = archive::NumericValue(currentPeriod.substr(0, 4));
    return std::to_string(static_cast<long long>(std::floor(year)) - 1);
}

void Apri_Archivi(Program& program) {
    program.services.trail.TRACCIA("Apri_Archivi");
    archive::ArchiveState& archive = program.archive;
    for (int file : kOpenedAtStart) archive::FAIOPEN(archive, file);
    archive.FINE = archive::LEGGIREC(archive, kPeriodFile, 1);
    program.start.currentPeriod = PeriodOf(archive::Entry(archive, kPeriodFile).buffer);
    program.screen.yearLabel = YearLabelOf(program.start.currentPeriod);
}

}  // namespace kv::app
