#include "reports/money.hpp"


#include "archive/repository.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

// Significant whole digits read at most: amounts up to 9,999,999,999,999.99, so that sums of many of them stay
// far inside 64 bits; further digits of a damaged field are skipped.
constexpr int kMaxWholeDigits = 13;

}  // namespace

Cents CentsOfText(std::string_view text, char decimalMark) {
    Cents whole = 0;
    int wholeDigits = 0;
    Cents fraction = 0;
    int decimals = -1;  // -1: still in the whole part
    bool negative = false;
    bool started = false;
    for (char c : text) {
        if (c == ' ') continue;
        if (c == '-' && !started) {
            negative = true;
            started = true;
        } else if (c >= '0' && c <= '9') {
            started = true;
            if (decimals < 0) {
                if (whole == 0 && c == '0') continue;  // leading zeros do not count
                if (wholeDigits++ < kMaxWholeDigits) whole = whole * 10 + (c - '0');
            } else if (decimals < 2) {
                fraction = fraction * 10 + (c - '0');
                ++decimals;
            }
        } else if (c == decimalMark && decimals < 0) {
            started = true;
            decimals = 0;
        } else {
            break;
        }
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 2; ++d) fraction *= 10;
    const Cents value = whole * 100 + fraction;
    return negative ? -value : value;
}

Cents CentsOfField(archive::ArchiveState& archive, std::string_view descriptor) {
    return CentsOfText(archive::RepoR(archive, descriptor), '.');
}

std::string FormatAmount(Cents amount, char decimalSeparator) {
    // Filled from the right: cents, separator, whole digits, sign.
    char text[32];
    char* at = text + sizeof text;
    Cents magnitude = amount < 0 ? -amount : amount;
    *--at = static_cast<char>('0' + magnitude % 10);
    *--at = static_cast<char>('0' + magnitude / 10 % 10);
    *--at = decimalSeparator;
    magnitude /= 100;
    do {
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (amount < 0) *--at = '-';
    return std::string(at, text + sizeof text);
}

std::string AmountColumn(Cents amount, char decimalSeparator) {
    return RightIn10(FormatAmount(amount, decimalSeparator));
}

}  // namespace kv::reports
