// Inflate of our decoder against zlib's and libdeflate's, interleaved in one loop on the same
// streams (the codec benchmarks' inputs packed by our Deflate at quality 3): speed_vs_zlib and
// speed_vs_libdeflate are their time over ours. Also reading a two-hundred-page file's structure
// with the import reader.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "bench/codec_inputs.hpp"
#include "pdf/codec/deflate.hpp"
#include "pdf/codec/inflate.hpp"
#include "pdf/reader/document.hpp"

namespace {

void BM_InflateVsPeers(benchmark::State& state) {
    const auto& input = kv::bench::Input(static_cast<int>(state.range(0)));
    const auto packed = folivo::codec::DeflateZlib(input, 3);
    std::vector<uint8_t> out(input.size());
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    double ourSeconds = 0, zlibSeconds = 0, libdeflateSeconds = 0;
    for (auto _ : state) {
        const double t0 = kv::bench::CpuSeconds();
        auto ours = folivo::codec::InflateZlib(packed);
        const double t1 = kv::bench::CpuSeconds();
        uLongf size = static_cast<uLongf>(out.size());
        uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size()));
        const double t2 = kv::bench::CpuSeconds();
        libdeflate_zlib_decompress(decompressor, packed.data(), packed.size(), out.data(), out.size(), nullptr);
        const double t3 = kv::bench::CpuSeconds();
        if (!ours.ok() || ours.bytes != input) state.SkipWithError("our inflate differs");
        ourSeconds += (t1 - t0);
        zlibSeconds += (t2 - t1);
        libdeflateSeconds += (t3 - t2);
        benchmark::DoNotOptimize(out.data());
    }
    libdeflate_free_decompressor(decompressor);
    const double mb = static_cast<double>(input.size()) * static_cast<double>(state.iterations()) / 1e6;
    state.SetLabel(kv::bench::kInputNames[state.range(0)]);
    state.counters["speed_vs_zlib"] = zlibSeconds / ourSeconds;
    state.counters["speed_vs_libdeflate"] = libdeflateSeconds / ourSeconds;
    state.counters["ours_MBps"] = mb / ourSeconds;
    state.counters["zlib_MBps"] = mb / zlibSeconds;
}

void BM_ReadPageTree(benchmark::State& state) {
    std::string file = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    const int pages = 200;
    std::string kids;
    for (int i = 0; i < pages; ++i) kids += std::to_string(3 + i) + " 0 R ";
    auto add = [&](const std::string& body) {
        offsets.push_back(file.size());
        file += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    add("<< /Type /Catalog /Pages 2 0 R >>");
    add("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
    for (int i = 0; i < pages; ++i) add("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>");
    const size_t xref = file.size();
    file += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        std::string digits = std::to_string(offset);
        file += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    file += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
            std::to_string(xref) + "\n%%EOF\n";
    const std::vector<uint8_t> bytes(file.begin(), file.end());
    for (auto _ : state) {
        folivo::reader::Document doc(bytes);
        benchmark::DoNotOptimize(doc.Pages().size());
    }
}

BENCHMARK(BM_InflateVsPeers)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_ReadPageTree);

}  // namespace

BENCHMARK_MAIN();
