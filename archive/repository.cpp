#include "archive/repository.hpp"

#include <algorithm>
#include <charconv>

#include "archive/archive_state.hpp"
#include "archive/file_table.hpp"
#include "platform/services.hpp"

namespace kv::archive {
namespace {

struct FieldLocation {
    int32_t position = 0;  // 1-based
    int32_t length = 0;
    char type = 'A';
};

// The integer value of a fixed-offset part of a descriptor (leading blanks allowed).
int32_t DigitsAt(std::string_view descriptor, size_t offset, size_t count) {
    int32_t value = 0;
    std::string_view part = descriptor.substr(std::min(offset, descriptor.size()), count);
    size_t i = part.find_first_not_of(' ');
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i) value = value * 10 + (part[i] - '0');
    return value;
}

// Position from characters 7-11, length from 13-14, type from 16; separators are not tested.
FieldLocation Locate(std::string_view descriptor) {
    if (descriptor.size() < 16) {
        throw platform::RuntimeError(5, "Invalid field descriptor \"" + std::string(descriptor) + "\"");
    }
    FieldLocation location{DigitsAt(descriptor, 6, 5), DigitsAt(descriptor, 12, 2), descriptor[15]};
    if (location.position < 1) {
        throw platform::RuntimeError(5, "Invalid field position in \"" + std::string(descriptor) + "\"");
    }
    return location;
}

// Characters [start, start + length) of a text, 0-based, shorter or empty past its end; a start
// before the text (an occurrence that moves the field back) is an invalid argument.
std::string_view Cut(std::string_view text, int64_t start, int32_t length) {
    if (start < 0) throw platform::RuntimeError(platform::err::kInvalidArgument);
    if (start >= static_cast<int64_t>(text.size())) return {};
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

int ImpliedDecimals(char type) { return type >= '0' && type <= '9' ? type - '0' : 0; }

// Sign-normalised digits: the first "-" becomes "0" and a "-" goes in front; with implied
// decimals a "." is inserted after the first (length - decimals) characters of the field.
std::string NormaliseNumber(std::string_view raw, int32_t length, int decimals) {
    const size_t minus = raw.find('-');
    std::string text;
    text.reserve(raw.size() + 2);
    if (minus != std::string_view::npos) text.push_back('-');
    auto append = [&](size_t from, size_t to) {
        for (size_t i = from; i < to && i < raw.size(); ++i) text.push_back(i == minus ? '0' : raw[i]);
    };
    if (decimals == 0) {
        append(0, raw.size());
        return text;
    }
    const size_t whole = static_cast<size_t>(std::max(length - decimals, 0));
    append(0, whole);
    text.push_back('.');
    append(whole, raw.size());
    return text;
}

std::string Convert(std::string_view raw, const FieldLocation& location) {
    int decimals = ImpliedDecimals(location.type);
    if (location.type != 'N' && decimals == 0) return std::string(raw);
    return NormaliseNumber(raw, location.length, decimals);
}

// The value of a field's text: blanks anywhere are skipped, an optional leading sign, digits
// with at most one "."; reading stops at any other character; no digits give 0.
double FieldValue(std::string_view text) {
    char digits[128];
    size_t used = 0;
    bool seenDigit = false, seenPoint = false, signAllowed = true;
    for (char c : text) {
        if (c == ' ') continue;
        if ((c == '-' || c == '+') && signAllowed) {
            if (c == '-') digits[used++] = '-';
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        if (used < sizeof digits) digits[used++] = c;
    }
    if (!seenDigit) return 0.0;
    double value = 0.0;
    std::from_chars(digits, digits + used, value);
    return value;
}

void RepositoryMessage(ArchiveState& state, const char* text) {
    platform::ShowMessage(state.services, {state.services.projectName, text, platform::Icon::None,
                                           platform::Buttons::Ok, std::nullopt, {}});
}

// The text the field is cut from: the record text when given, else the layout's named buffer.
std::string_view SourceText(ArchiveState& state, std::string_view descriptor, std::string_view record) {
    if (!record.empty()) return record;
    const std::string* buffer = state.buffers.Find(descriptor.substr(0, 5));
    if (buffer == nullptr) {
        RepositoryMessage(state, "ERRORE REPOSITORY - STRCOSTANTE");
        CHIUDI(state, 0);
        throw platform::ProgramEnd(platform::exit_status::kFatal,
                                   "unknown record layout in \"" + std::string(descriptor) + "\"");
    }
    return *buffer;
}

std::string ReadField(ArchiveState& state, std::string_view descriptor, std::optional<int16_t> occurrence,
                      std::string_view record) {
    int16_t offset = RepoSpostamento(state, descriptor, occurrence);
    FieldLocation location = Locate(descriptor);
    std::string_view source = SourceText(state, descriptor, record);
    std::string_view raw = Cut(source, int64_t{location.position} - 1 + offset, location.length);
    return Convert(raw, location);
}

}  // namespace

std::string RepoR(ArchiveState& state, std::string_view descriptor, std::optional<int16_t> occurrence,
                  std::string_view record) {
    for (;;) {
        try {
            return ReadField(state, descriptor, occurrence, record);
        } catch (const platform::RuntimeError& error) {
            state.services.trail.TRACCIA("RepoR");
            if (platform::ReportError(state.services, error) == platform::ErrorAction::Skip) return {};
        }
    }
}

double RepoN(ArchiveState& state, std::string_view descriptor, std::optional<int16_t> occurrence,
             std::string_view record) {
    return FieldValue(RepoR(state, descriptor, occurrence, record));
}

int16_t RepoSpostamento(ArchiveState& state, std::string_view descriptor, std::optional<int16_t> occurrence) {
    if (!occurrence || *occurrence == 0) return 0;
    const int32_t step = *occurrence - 1;
    const std::string_view buffer = descriptor.substr(0, 5);
    const int32_t position = DigitsAt(descriptor, 6, 5);
    if (buffer == "DICX$") return static_cast<int16_t>(position > 100 ? step * 10 : 0);
    if (buffer == "CONX$") return static_cast<int16_t>(position >= 101 && position <= 390 ? step * 290 : 0);
    if (buffer == "DI2X$" && descriptor.find('I', 3) == std::string_view::npos) {
        RepositoryMessage(state, "ERRORE REPOSITORY - LETTERA SCONOSCIUTA");
    }
    return 0;  // the other layouts' groups are not read by this program
}

}  // namespace kv::archive
