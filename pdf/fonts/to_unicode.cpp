#include "pdf/fonts/to_unicode.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pdf/codec/ascii_hex.hpp"

namespace folivo::fonts {
namespace {

constexpr size_t kEntriesPerBlock = 100;  // the most a CMap block may hold
constexpr char32_t kLastBmp = 0xFFFF;

// A run of codes first..last standing for the characters c, c + 1, ...
struct Run {
    uint32_t first = 0;
    uint32_t last = 0;
    char32_t c = 0;
};

std::string Hex16(uint32_t value) {
    std::string out;
    codec::AppendHexByte(out, static_cast<uint8_t>(value >> 8));
    codec::AppendHexByte(out, static_cast<uint8_t>(value & 0xFF));
    return out;
}

std::string Utf16Hex(char32_t c) {
    if (c <= kLastBmp) return Hex16(c);
    const uint32_t v = c - 0x10000;
    return Hex16(0xD800 + (v >> 10)) + Hex16(0xDC00 + (v & 0x3FF));
}

std::string CodeHex(uint32_t code, int codeBytes) {
    if (codeBytes == 2) return "<" + Hex16(code) + ">";
    std::string out;
    codec::AppendHexByte(out, static_cast<uint8_t>(code));
    return "<" + out + ">";
}

// Consecutive characters join a run while neither the last byte of the code nor that of the
// character wraps, since a reader increments only those bytes along a range.
std::vector<Run> Runs(const std::vector<char32_t>& chars) {
    std::vector<Run> runs;
    for (uint32_t code = 0; code < chars.size(); ++code) {
        const char32_t c = chars[code];
        if (c == 0) continue;
        if (!runs.empty()) {
            Run& run = runs.back();
            const char32_t next = run.c + (run.last - run.first) + 1;
            if (run.last + 1 == code && (code & 0xFF) != 0 && c == next && c <= kLastBmp && (c & 0xFF) != 0) {
                run.last = code;
                continue;
            }
        }
        runs.push_back({code, code, c});
    }
    return runs;
}

// Writes the entries in blocks of at most 100, each block headed by its count.
void AppendBlocks(std::string& out, const std::vector<std::string>& entries, const std::string& kind) {
    for (size_t start = 0; start < entries.size(); start += kEntriesPerBlock) {
        const size_t count = std::min(kEntriesPerBlock, entries.size() - start);
        out += std::to_string(count) + " begin" + kind + "\n";
        for (size_t i = start; i < start + count; ++i) out += entries[i] + "\n";
        out += "end" + kind + "\n";
    }
}

std::string CMapProgram(const std::vector<char32_t>& chars, int codeBytes) {
    std::vector<std::string> singles;
    std::vector<std::string> ranges;
    for (const Run& run : Runs(chars)) {
        if (run.first == run.last) {
            singles.push_back(CodeHex(run.first, codeBytes) + " <" + Utf16Hex(run.c) + ">");
        } else {
            ranges.push_back(CodeHex(run.first, codeBytes) + " " + CodeHex(run.last, codeBytes) + " <" +
                             Utf16Hex(run.c) + ">");
        }
    }
    std::string out =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n" + std::string(codeBytes == 2 ? "<0000> <FFFF>" : "<00> <FF>") +
        "\nendcodespacerange\n";
    AppendBlocks(out, singles, "bfchar");
    AppendBlocks(out, ranges, "bfrange");
    return out + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

}  // namespace

std::string ToUnicodeCMap(const CodeChars& chars) { return CMapProgram({chars.begin(), chars.end()}, 1); }

std::string ToUnicodeCMap2(const std::vector<char32_t>& chars) { return CMapProgram(chars, 2); }

}  // namespace folivo::fonts

