// zzToFlateDecode's Deflate against zlib at the level each quality mirrors (quality q = level q + 4),
// and against libdeflate at the same level, on the same inputs in the same run: report content,
// prose and mixed data of 1 MB, and one page of report content (8 KB). Counters: size_vs_zlib and
// size_vs_libdeflate (our bytes / theirs), speed_vs_zlib and speed_vs_libdeflate (our throughput /
// theirs), plus the three throughputs in MB/s.

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "pdf/codec/deflate.hpp"

namespace {

std::vector<uint8_t> ReportContent(size_t size) {
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
std::vector<uint8_t> Prose(size_t size) {
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

std::vector<uint8_t> Mixed(size_t size) {
    std::vector<uint8_t> data = ReportContent(size / 2);
    std::mt19937 rng(5);
    while (data.size() < size) data.push_back(static_cast<uint8_t>(rng() % 16 == 0 ? rng() : data[data.size() / 3]));
    return data;
}

const std::vector<uint8_t>& Input(int which) {
    static const std::vector<uint8_t> inputs[] = {ReportContent(1 << 20), Prose(1 << 20), Mixed(1 << 20),
                                                  ReportContent(8 << 10)};
    return inputs[which];
}

const char* const kInputNames[] = {"report_content", "prose", "mixed", "page"};

size_t Zlib(const std::vector<uint8_t>& in, int level, std::vector<uint8_t>& out) {
    uLongf size = static_cast<uLongf>(out.size());
    compress2(out.data(), &size, in.data(), static_cast<uLong>(in.size()), level);
    return size;
}

size_t Libdeflate(libdeflate_compressor* compressor, const std::vector<uint8_t>& in, std::vector<uint8_t>& out) {
    return libdeflate_zlib_compress(compressor, in.data(), in.size(), out.data(), out.size());
}

double Seconds(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void BM_DeflateVsPeers(benchmark::State& state) {
    const auto& input = Input(static_cast<int>(state.range(0)));
    const int quality = static_cast<int>(state.range(1));
    std::vector<uint8_t> peerOut(compressBound(static_cast<uLong>(input.size())));
    libdeflate_compressor* compressor = libdeflate_alloc_compressor(quality + 4);
    size_t ours = 0, zlibSize = 0, libdeflateSize = 0;
    double ourSeconds = 0, zlibSeconds = 0, libdeflateSeconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        auto out = folivo::codec::DeflateZlib(input, quality);
        const auto t1 = std::chrono::steady_clock::now();
        zlibSize = Zlib(input, quality + 4, peerOut);
        const auto t2 = std::chrono::steady_clock::now();
        libdeflateSize = Libdeflate(compressor, input, peerOut);
        const auto t3 = std::chrono::steady_clock::now();
        ours = out.size();
        ourSeconds += Seconds(t0, t1);
        zlibSeconds += Seconds(t1, t2);
        libdeflateSeconds += Seconds(t2, t3);
        benchmark::DoNotOptimize(out.data());
    }
    libdeflate_free_compressor(compressor);
    const double mb = static_cast<double>(input.size()) * static_cast<double>(state.iterations()) / 1e6;
    state.SetLabel(std::string(kInputNames[state.range(0)]) + " q" + std::to_string(quality) + " vs level " +
                   std::to_string(quality + 4));
    state.counters["size_vs_zlib"] = static_cast<double>(ours) / static_cast<double>(zlibSize);
    state.counters["size_vs_libdeflate"] = static_cast<double>(ours) / static_cast<double>(libdeflateSize);
    state.counters["speed_vs_zlib"] = zlibSeconds / ourSeconds;
    state.counters["speed_vs_libdeflate"] = libdeflateSeconds / ourSeconds;
    state.counters["ours_MBps"] = mb / ourSeconds;
    state.counters["zlib_MBps"] = mb / zlibSeconds;
    state.counters["libdeflate_MBps"] = mb / libdeflateSeconds;
}

BENCHMARK(BM_DeflateVsPeers)->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace

BENCHMARK_MAIN();
