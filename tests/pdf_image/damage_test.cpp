// Readers given randomly damaged copies of good files (cut short, bytes overwritten) must either
// read a picture or raise folivo::Error: never crash, hang or throw anything else.

#include <gtest/gtest.h>

#include <random>

#include "pdf/image/bmp_reader.hpp"
#include "pdf/image/eps_player.hpp"
#include "pdf/image/gif_reader.hpp"
#include "pdf/image/image_file.hpp"
#include "pdf/image/jpeg_reader.hpp"
#include "pdf/image/tga_reader.hpp"
#include "pdf/image/wmf_player.hpp"
#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

using Reader = void (*)(const std::string&);

struct Format {
    const char* label;
    std::string args;  // convert arguments, or the file's bytes for a hand-made file
    const char* name;
    const char* coder;
    Reader read;
};

std::string Damage(std::string bytes, std::mt19937& random) {
    if (bytes.empty()) return bytes;
    if (random() % 3 == 0) return bytes.substr(0, random() % bytes.size());
    const unsigned edits = 1 + random() % 4;
    for (unsigned i = 0; i < edits; ++i) bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
    return bytes;
}

class DamagedCopies : public ::testing::TestWithParam<Format> {};

TEST_P(DamagedCopies, ReadOrRaiseTheFormatError) {
    const Format& f = GetParam();
    kv::test::TempDir dir("pdf_image");
    const std::string good =
        kv::test::ReadFile(MakeSample(dir, kQuarters + " -type Palette " + f.args, f.name, f.coder));
    ASSERT_FALSE(good.empty());
    std::mt19937 random(20261206);
    int raised = 0;
    for (int i = 0; i < 400; ++i) {
        const std::string copy = Damage(good, random);
        try {
            f.read(copy);
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 321) << error.what();
            ++raised;
        }
    }
    EXPECT_GT(raised, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Images, DamagedCopies,
    ::testing::Values(
        Format{"bmp4", "", "q.bmp", "BMP3", [](const std::string& b) { image::ReadBmp(b, "#FF0000"); }},
        Format{"bmp8_rle", "-compress RLE -colors 200", "r.bmp", "BMP3",
               [](const std::string& b) { image::ReadBmp(b, ""); }},
        Format{"gif", "", "q.gif", "", [](const std::string& b) { image::ReadGif(b, 1); }},
        Format{"gif_interlaced", "-interlace GIF", "i.gif", "", [](const std::string& b) { image::ReadGif(b, 1); }},
        Format{"tga_rle", "-orient TopLeft -compress RLE", "r.tga", "", [](const std::string& b) { image::ReadTga(b); }},
        Format{"jpeg", "", "q.jpg", "", [](const std::string& b) { image::ReadJpeg(b); }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DamagedCopies, VectorPlayersReadOrRaiseTheFormatError) {
    std::string wmf = std::string(18, '\0');
    for (int16_t function : {523, 524, 764, 301, 762, 804, 805, 1336, 496}) {
        wmf += std::string("\x09\0\0\0", 4) + static_cast<char>(function & 255) + static_cast<char>(function >> 8) +
               std::string("\x02\0\x03\0\x01\0\x05\0\x09\0\x04\0", 12);
    }
    const std::string eps = "%%BoundingBox: 0 0 10 10\n%%EndProlog\n1 0 0 Xa\n0 0 m\n5 5 l\nf\n[3 1] 0 d\nS\n";
    std::mt19937 random(7);
    for (int i = 0; i < 400; ++i) {
        for (const auto& [good, eps_file] : {std::pair{wmf, false}, std::pair{eps, true}}) {
            const std::string copy = Damage(good, random);
            try {
                eps_file ? image::PlayEps(copy, {0, 0, 10, 10}) : image::PlayWmf(copy, {0, 0, 10, 10});
            } catch (const Error& error) {
                EXPECT_EQ(error.number(), 321) << error.what();
            }
        }
    }
}

}  // namespace
}  // namespace folivo::test
