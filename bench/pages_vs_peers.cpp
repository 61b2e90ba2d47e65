// Report-style pages written by Folivo and by the libraries it is compared with: libharu (once as
// it runs, once with glibc's heap trimming off, as MALLOC_TRIM_THRESHOLD_ would set it) and cairo.
// A page holds 60 lines of 105 characters of Courier 9 pt, Flate-compressed. Each writer runs in a
// child process of its own, so its CPU time and peak memory are its alone; the writers take turns
// in every round. Prints the median of the rounds for each writer and page count, and Folivo's
// speed against each (their CPU time / ours: above 1, Folivo is faster).
//
//   bench_pages_vs_peers [ROUNDS] [PAGES...]      default: 3 rounds, 1000 and 10000 pages
//   bench_pages_vs_peers --only WRITER PAGES [FILE]
//       runs one writer once in this process and keeps its file when FILE is given: for instruction
//       counts (perf stat, callgrind) that include no other writer, and for comparing output bytes.

#include <cairo/cairo-pdf.h>
#include <hpdf.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "pdf/folivo.hpp"

namespace {

// An A4 page in points, its lines from the top.
struct PageLayout {
    int lines = 60;
    int charsPerLine = 105;
    float top = 40, leading = 12, left = 36, height = 842;
};
constexpr PageLayout kPage;
constexpr int kLinesPerPage = kPage.lines;

std::vector<std::string> PageLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < kLinesPerPage; ++i) {
        char row[200];
        std::snprintf(row, sizeof row, "%06d ROSSI MARIO STUDIO TECNICO ASSOCIATO  %02d/%02d/2026 FT%05d  %10d,%02d %9d,%02d",
                      i, i % 28 + 1, i % 12 + 1, 1000 + i, 12345 + i * 7, i % 100, 2469 + i, (i * 3) % 100);
        std::string line(row);
        line.resize(static_cast<size_t>(kPage.charsPerLine), ' ');
        lines.push_back(line);
    }
    return lines;
}

void WriteFolivo(const std::string& path, int pages, const std::vector<std::string>& lines) {
    folivo::Folivo pdf;
    pdf.SetScale(0);             // points
    pdf.SetCompression(2, 2);    // Flate at the quality that mirrors zlib's default level
    pdf.BeginDoc(path);
    pdf.SetFont("Courier New", 9);
    for (int page = 0; page < pages; ++page) {
        pdf.BeginPage();
        for (int i = 0; i < kLinesPerPage; ++i) pdf.DrawText(kPage.left, kPage.top + i * kPage.leading, lines[i]);
        pdf.EndPage();
    }
    pdf.EndDoc();
}

void WriteHaru(const std::string& path, int pages, const std::vector<std::string>& lines) {
    HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
    HPDF_SetCompressionMode(pdf, HPDF_COMP_ALL);
    HPDF_Font font = HPDF_GetFont(pdf, "Courier", "WinAnsiEncoding");
    for (int p = 0; p < pages; ++p) {
        HPDF_Page page = HPDF_AddPage(pdf);
        HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
        HPDF_Page_BeginText(page);
        HPDF_Page_SetFontAndSize(page, font, 9);
        for (int i = 0; i < kLinesPerPage; ++i)
            HPDF_Page_TextOut(page, kPage.left, kPage.height - kPage.top - i * kPage.leading, lines[i].c_str());
        HPDF_Page_EndText(page);
    }
    HPDF_SaveToFile(pdf, path.c_str());
    HPDF_Free(pdf);
}

void WriteCairo(const std::string& path, int pages, const std::vector<std::string>& lines) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), 595, kPage.height);
    cairo_t* cr = cairo_create(surface);
    cairo_select_font_face(cr, "Courier", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 9);
    for (int p = 0; p < pages; ++p) {
        for (int i = 0; i < kLinesPerPage; ++i) {
            cairo_move_to(cr, kPage.left, kPage.top + i * kPage.leading);
            cairo_show_text(cr, lines[i].c_str());
        }
        cairo_show_page(cr);
    }
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    cairo_surface_destroy(surface);
}

struct Writer {
    const char* name;
    void (*write)(const std::string&, int, const std::vector<std::string>&);
    bool trimOff;  // glibc's heap trimming turned off before writing
};

const Writer kWriters[] = {
    {"folivo", WriteFolivo, false},
    {"libharu", WriteHaru, false},
    {"libharu-notrim", WriteHaru, true},
    {"cairo", WriteCairo, false},
};

struct Sample {
    double wall = 0;
    double cpu = 0;
    double peakMb = 0;
    double bytesPerPage = 0;
};

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// Runs the writer in a child process and returns what it cost there.
Sample Measure(const Writer& writer, int pages, const std::vector<std::string>& lines) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("kvvelm-bench-pages-" + std::to_string(::getpid()) + ".pdf")).string();
    int channel[2];
    if (::pipe(channel) != 0) std::exit(1);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (writer.trimOff) mallopt(M_TRIM_THRESHOLD, 1 << 30);
        const auto start = std::chrono::steady_clock::now();
        writer.write(path, pages, lines);
        Sample sample;
        sample.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        sample.cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
        sample.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
        sample.bytesPerPage = static_cast<double>(std::filesystem::file_size(path)) / pages;
        std::filesystem::remove(path);
        const bool sent = ::write(channel[1], &sample, sizeof sample) == static_cast<ssize_t>(sizeof sample);
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    Sample sample;
    const bool received = ::read(channel[0], &sample, sizeof sample) == static_cast<ssize_t>(sizeof sample);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!received || status != 0) std::fprintf(stderr, "%s failed at %d pages\n", writer.name, pages);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "--only") {
        const std::string name = argv[2];
        const auto writer = std::find_if(std::begin(kWriters), std::end(kWriters),
                                         [&](const Writer& w) { return name == w.name; });
        if (writer == std::end(kWriters)) {
            std::fprintf(stderr, "unknown writer %s\n", name.c_str());
            return 64;
        }
        if (writer->trimOff) mallopt(M_TRIM_THRESHOLD, 1 << 30);
        const std::string path = argc > 4 ? argv[4] : (std::filesystem::temp_directory_path() /
                                                      ("kvvelm-bench-pages-" + std::to_string(::getpid()) + ".pdf")).string();
        writer->write(path, std::max(1, std::atoi(argv[3])), PageLines());
        if (argc <= 4) std::filesystem::remove(path);
        return 0;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::vector<int> pageCounts;
    for (int i = 2; i < argc; ++i) pageCounts.push_back(std::atoi(argv[i]));
    if (pageCounts.empty()) pageCounts = {1000, 10000};
    const auto lines = PageLines();
    constexpr size_t kCount = std::size(kWriters);
    for (int pages : pageCounts) {
        std::vector<std::vector<Sample>> samples(kCount);
        for (int round = 0; round < rounds; ++round)
            for (size_t w = 0; w < kCount; ++w) samples[w].push_back(Measure(kWriters[w], pages, lines));
        std::printf("%d pages, median of %d rounds\n", pages, rounds);
        std::printf("  %-15s %8s %8s %9s %11s %14s\n", "writer", "wall s", "CPU s", "peak MB", "bytes/page",
                    "folivo faster");
        auto median = [&](size_t w, double Sample::*field) {
            std::vector<double> values;
            for (const Sample& s : samples[w]) values.push_back(s.*field);
            return Median(values);
        };
        const double ourCpu = median(0, &Sample::cpu);
        for (size_t w = 0; w < kCount; ++w) {
            std::printf("  %-15s %8.3f %8.3f %9.1f %11.0f %13.2fx\n", kWriters[w].name, median(w, &Sample::wall),
                        median(w, &Sample::cpu), median(w, &Sample::peakMb), median(w, &Sample::bytesPerPage),
                        median(w, &Sample::cpu) / ourCpu);
        }
    }
    return 0;
}
