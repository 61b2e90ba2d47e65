#include "archive/file_naming.hpp"

#include <array>

#include "archive/file_table.hpp"
#include "archive/number_text.hpp"
#include "platform/paths.hpp"

namespace kv::archive {

namespace {

using platform::RuntimeError;

struct BaseRecord {
    std::string nameTemplate;
    double recordLength = 0;
};

// Fields of a base record: template at 4-32, record length at 33-37 (1-based).
constexpr size_t kTemplateStart = 3;
constexpr size_t kTemplateLength = 29;
constexpr size_t kLengthStart = 32;
constexpr size_t kLengthDigits = 5;

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

BaseRecord ReadBaseRecord(const ArchiveState& state, long long number) {
    std::string basePath = platform::JoinPath(state.archiveFolder, kBaseFileName);
    platform::SharedFile base = state.services.files.Open(basePath, platform::OpenMode::Read);
    std::string record(kBaseRecordLength, ' ');
    uint64_t offset = static_cast<uint64_t>(number - 1) * kBaseRecordLength;
    size_t got = base.ReadAt(offset, record.data(), record.size());
    if (got < kLengthStart + kLengthDigits) throw RuntimeError(platform::err::kInputPastEnd);
    return {TrimRight(record.substr(kTemplateStart, kTemplateLength)),
            NumericValue(record.substr(kLengthStart, kLengthDigits))};
}

// Writes value over the text at pos, as many characters as both allow.
void Overwrite(std::string& text, size_t pos, const std::string& value, size_t count) {
    for (size_t i = 0; i < count && i < value.size() && pos + i < text.size(); ++i) text[pos + i] = value[i];
}

void NormaliseCodes(ArchiveState& state) {
    state.DITTA = RightDigits(NumberText(NumericValue(state.DITTA)), 3);
    state.ANNO = RightDigits(NumberText(NumericValue(state.ANNO)), 2);
    state.REGIONE = RightDigits(NumberText(NumericValue(state.REGIONE)), 2);
}

void ApplyDrive(ArchiveState& state, std::string& nameTemplate, bool& prefix) {
    size_t at = nameTemplate.find("!:\\");
    if (at == std::string::npos) return;
    char first = state.UNITA.empty() ? '\0' : state.UNITA[0];
    bool floppy = first == 'A' || first == 'B' || first == 'a' || first == 'b';
    if (floppy)
        nameTemplate[at] = first;
    else
        nameTemplate = state.UNITA + nameTemplate.substr(2);
    state.UNITA.clear();
    prefix = false;
}

[[noreturn]] void EndWithMessage(ArchiveState& state, const std::string& text) {
    platform::MessageBox box;
    box.title = state.services.projectName;
    box.text = text;
    platform::ShowMessage(state.services, box);
    CHIUDI(state, 0);
    throw platform::ProgramEnd(platform::exit_status::kFatal, text);
}

struct Placeholder {
    const char* mark;
    bool missing;          // the value the template needs is not there
    const char* message;   // shown, followed by the logical file number, when it is missing
    std::string value;
    std::string* consumed;  // cleared once used; null for a value that is never cleared
};

void Substitute(ArchiveState& state, std::string& nameTemplate, Placeholder& placeholder, double number) {
    std::string mark = placeholder.mark;
    size_t at = nameTemplate.find(mark);
    if (at == std::string::npos) return;
    if (placeholder.missing) EndWithMessage(state, placeholder.message + NumberText(number));
    Overwrite(nameTemplate, at, placeholder.value, mark.size());
    if (placeholder.consumed != nullptr) placeholder.consumed->clear();
}

void SubstituteCodes(ArchiveState& state, std::string& nameTemplate, double entryYear, double number) {
    std::array<Placeholder, 5> placeholders{{
        {"###", NumericValue(state.DITTA) <= 0, "ERRORE OPEN FILE - MANCA DITTAOPEN ", state.DITTA, &state.DITTA},
        {"$$", false, "", state.installationCode, nullptr},
        {"**", entryYear <= 0, "ERRORE OPEN - MANCA ANNO - ", state.ANNO, &state.ANNO},
        {"@@", NumericValue(state.REGIONE) <= 0, "ERRORE OPEN - MANCA REGIONE - ", state.REGIONE, &state.REGIONE},
        {"%%", state.PROVINCIA.size() != 2, "ERRORE OPEN - MANCA PROVINCIA - ", state.PROVINCIA, &state.PROVINCIA},
    }};
    for (Placeholder& placeholder : placeholders) Substitute(state, nameTemplate, placeholder, number);
}

std::string ComputePath(ArchiveState& state, double NUMEROBASE, bool& prefix) {
    long long number = WholeNumber(NUMEROBASE);
    if (!(NUMEROBASE > 0) || number < 1) return {};
    double entryYear = NumericValue(state.ANNO);
    NormaliseCodes(state);
    BaseRecord base = ReadBaseRecord(state, number);
    state.lastRecordLength = base.recordLength;
    std::string path = base.nameTemplate;
    ApplyDrive(state, path, prefix);
    SubstituteCodes(state, path, entryYear, NUMEROBASE);
    return prefix ? platform::JoinPath(state.archiveFolder, path) : path;
}

}  // namespace

std::string DAMMIFILE(ArchiveState& state, double NUMEROBASE, bool& prefix) {
    state.services.trail.TRACCIA("DAMMIFILE$ (" + NumberText(NUMEROBASE) + ")");
    return platform::Guarded(state.services, [&] { return ComputePath(state, NUMEROBASE, prefix); });
}

std::string DAMMIFILE(ArchiveState& state, double NUMEROBASE) {
    bool prefix = true;
    return DAMMIFILE(state, NUMEROBASE, prefix);
}

SavedCodes SaveCodes(const ArchiveState& state) {
    return {state.DITTA, state.ANNO, state.REGIONE, state.PROVINCIA, state.UNITA};
}

void RestoreCodes(ArchiveState& state, const SavedCodes& codes) {
    state.DITTA = codes.DITTA;
    state.ANNO = codes.ANNO;
    state.REGIONE = codes.REGIONE;
    state.PROVINCIA = codes.PROVINCIA;
    state.UNITA = codes.UNITA;
}

}  // namespace kv::archive
