// zzToFlateDecode's Deflate against zlib at the level each quality mirrors (quality q = level q + 4),
// and against libdeflate at the same level, on the same inputs in the same run: report content,
// prose and mixed data of 1 MB, one page of report content (8 KB) and one report page as the
// writer draws it. Counters: size_vs_zlib and size_vs_libdeflate (our bytes / theirs),
// speed_vs_zlib and speed_vs_libdeflate (our throughput / theirs), plus the three throughputs in MB/s.

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "bench/codec_inputs.hpp"
#include "pdf/codec/deflate.hpp"

namespace {

using kv::bench::Input;
using kv::bench::kInputNames;

size_t Zlib(const std::vector<uint8_t>& in, int level, std::vector<uint8_t>& out) {
    uLongf size = static_cast<uLongf>(out.size());
    compress2(out.data(), &size, in.data(), static_cast<uLong>(in.size()), level);
    return size;
}

// zlib with its state kept from call to call, as a writer compressing many streams would keep it.
class ZlibStream {
public:
    explicit ZlibStream(int level) { deflateInit(&z_, level); }
    ~ZlibStream() { deflateEnd(&z_); }
    ZlibStream(const ZlibStream&) = delete;
    ZlibStream& operator=(const ZlibStream&) = delete;

    size_t Compress(const std::vector<uint8_t>& in, std::vector<uint8_t>& out) {
        deflateReset(&z_);
        z_.next_in = const_cast<Bytef*>(in.data());
        z_.avail_in = static_cast<uInt>(in.size());
        z_.next_out = out.data();
        z_.avail_out = static_cast<uInt>(out.size());
        deflate(&z_, Z_FINISH);
        return z_.total_out;
    }

private:
    z_stream z_{};
};

size_t Libdeflate(libdeflate_compressor* compressor, const std::vector<uint8_t>& in, std::vector<uint8_t>& out) {
    return libdeflate_zlib_compress(compressor, in.data(), in.size(), out.data(), out.size());
}

void BM_DeflateVsPeers(benchmark::State& state) {
    const auto& input = Input(static_cast<int>(state.range(0)));
    const int quality = static_cast<int>(state.range(1));
    const bool kept = state.range(2) != 0;
    std::vector<uint8_t> peerOut(compressBound(static_cast<uLong>(input.size())));
    libdeflate_compressor* compressor = libdeflate_alloc_compressor(quality + 4);
    folivo::codec::DeflateScratch scratch;
    ZlibStream stream(quality + 4);
    size_t ours = 0, zlibSize = 0, libdeflateSize = 0;
    double ourSeconds = 0, zlibSeconds = 0, libdeflateSeconds = 0;
    for (auto _ : state) {
        const double t0 = kv::bench::CpuSeconds();
        auto out = kept ? folivo::codec::DeflateZlib(input, quality, scratch) : folivo::codec::DeflateZlib(input, quality);
        const double t1 = kv::bench::CpuSeconds();
        zlibSize = kept ? stream.Compress(input, peerOut) : Zlib(input, quality + 4, peerOut);
        const double t2 = kv::bench::CpuSeconds();
        libdeflateSize = Libdeflate(compressor, input, peerOut);
        const double t3 = kv::bench::CpuSeconds();
        ours = out.size();
        ourSeconds += (t1 - t0);
        zlibSeconds += (t2 - t1);
        libdeflateSeconds += (t3 - t2);
        benchmark::DoNotOptimize(out.data());
    }
    libdeflate_free_compressor(compressor);
    const double mb = static_cast<double>(input.size()) * static_cast<double>(state.iterations()) / 1e6;
    state.SetLabel(std::string(kInputNames[state.range(0)]) + " q" + std::to_string(quality) + " vs level " +
                   std::to_string(quality + 4) + (kept ? ", state kept" : ", one call"));
    state.counters["size_vs_zlib"] = static_cast<double>(ours) / static_cast<double>(zlibSize);
    state.counters["size_vs_libdeflate"] = static_cast<double>(ours) / static_cast<double>(libdeflateSize);
    state.counters["speed_vs_zlib"] = zlibSeconds / ourSeconds;
    state.counters["speed_vs_libdeflate"] = libdeflateSeconds / ourSeconds;
    state.counters["ours_MBps"] = mb / ourSeconds;
    state.counters["zlib_MBps"] = mb / zlibSeconds;
    state.counters["libdeflate_MBps"] = mb / libdeflateSeconds;
}

BENCHMARK(BM_DeflateVsPeers)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace

BENCHMARK_MAIN();
