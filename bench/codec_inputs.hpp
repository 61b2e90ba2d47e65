#pragma once
// What the codec benchmarks share: their inputs (report content, prose and mixed data of 1 MB, one
// page of report content, 8 KB, and one report page as the writer draws it), and the clock that
// times each side of an interleaved loop: the process's CPU time, so that another program taking
// the core in between counts for no side.

#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace kv::bench {

inline std::vector<uint8_t> ReportContent(size_t size) {
    static const char* const kNames[] = {"ROSSI MARIO", "BIANCHI ANNA", "VERDI GIUSEPPE", "ESPOSITO LUCA"};
    std::string s;
    for (int i = 0; s.size() < size; ++i) {
        s += "BT /F1 9 Tf 1 0 0 1 " + std::to_string(28 + (i % 3) * 140) + " " + std::to_string(800 - (i % 60) * 13) +
             ".346 Tm (" + kNames[i % 4] + " fattura n. " + std::to_string(i * 37 % 1000) + " imponibile " +
             std::to_string(i * 7919 % 99999) + ",00) Tj ET\r";
    }
    return {s.begin(), s.end()};
}

// Text with a natural spread of words: a vocabulary drawn with a skewed distribution.
inline std::vector<uint8_t> Prose(size_t size) {
    static const char* const kWords[] = {"il", "documento", "della", "ditta", "compensi", "a", "terzi", "ritenuta",
                                         "acconto", "per", "anno", "mese", "percipiente", "codice", "fiscale",
                                         "importo", "lordo", "netto", "versamento", "certificazione", "e", "di"};
    std::mt19937 rng(11);
    std::geometric_distribution<int> pick(0.15);
    std::string s;
    while (s.size() < size) {
        s += kWords[pick(rng) % 22];
        s += (rng() % 12 == 0) ? ".\n" : " ";
    }
    return {s.begin(), s.end()};
}

inline std::vector<uint8_t> Mixed(size_t size) {
    std::vector<uint8_t> data = ReportContent(size / 2);
    std::mt19937 rng(5);
    while (data.size() < size) data.push_back(static_cast<uint8_t>(rng() % 16 == 0 ? rng() : data[data.size() / 3]));
    return data;
}

// One page of a report as the writer draws it: 60 lines of 105 characters of Courier, each line a
// text object of its own with the fill colour set before it (about 10 KB).
inline std::vector<uint8_t> WriterPage() {
    std::string s = "1 0 0 -1 0 842 cm\r0 0 0 RG\r";
    for (int i = 0; i < 60; ++i) {
        char row[200];
        std::snprintf(row, sizeof row, "%06d ROSSI MARIO STUDIO TECNICO ASSOCIATO  %02d/%02d/2026 FT%05d  %10d,%02d %9d,%02d",
                      i, i % 28 + 1, i % 12 + 1, 1000 + i, 12345 + i * 7, i % 100, 2469 + i, (i * 3) % 100);
        std::string line(row);
        line.resize(105, ' ');
        s += "0 0 0 rg\r0 0 0 rg\rBT\r/CourierNew 9 Tf 9 TL\r1 0 0 -1 36 " + std::to_string(40 + i * 12) + " Tm\r(" +
             line + ") Tj\rET\r";
    }
    return {s.begin(), s.end()};
}

inline const std::vector<uint8_t>& Input(int which) {
    static const std::vector<uint8_t> inputs[] = {ReportContent(1 << 20), Prose(1 << 20), Mixed(1 << 20),
                                                  ReportContent(8 << 10), WriterPage()};
    return inputs[which];
}

inline const char* const kInputNames[] = {"report_content", "prose", "mixed", "page", "writer_page"};

inline double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace kv::bench
