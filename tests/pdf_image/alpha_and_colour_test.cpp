// Pictures of every PNG colour type, bit depth and interlace, and the alpha, CMYK and TGA kinds of
// the other readers, made by PIL or ImageMagick from one 13 x 11 picture with a gradient of
// colour and opacity: each drawn at 4 points a pixel and compared, on white, with the file's own
// pixels.

#include <gtest/gtest.h>

#include "pdf/codec/filter_chain.hpp"
#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

// The source picture, base.png: RGBA with a different colour and opacity in every pixel.
const std::string kMakeBase =
    "/usr/bin/python3 -c \"from PIL import Image; im = Image.new('RGBA', (13, 11)); "
    "im.putdata([(x * 19 % 256, y * 23 % 256, x * y * 7 % 256, (x + y) * 12 % 256) "
    "for y in range(11) for x in range(13)]); "
    "im.save('base.png')\"";

// PIL run on base.png as `im`.
std::string Pil(const std::string& code) {
    return "/usr/bin/python3 -c \"from PIL import Image; im = Image.open('base.png'); " + code + "\"";
}

// ImageMagick making p.png with PNG's colour type and bit depth forced.
std::string Png(const std::string& args, int colorType, int depth) {
    return "convert base.png " + args + " -define png:color-type=" + std::to_string(colorType) +
           " -define png:bit-depth=" + std::to_string(depth) + " p.png";
}

// PIL saving s.png, rewritten as p.png by png_filtered.py with every row filter in turn.
std::string Filtered(const std::string& pilSave) {
    return Pil(pilSave) + " && /usr/bin/python3 " + std::string(KV_SOURCE_DIR) +
           "/tests/pdf_image/png_filtered.py s.png p.png";
}

struct Picture {
    const char* label;
    std::string make;  // shell command run beside base.png
    const char* name;  // the file it makes
    const char* info;  // part of the image dictionary
    int tolerance;
    const char* reference = "";  // the file whose pixels are expected, when not the picture's own
};

class AlphaAndColour : public ::testing::TestWithParam<Picture> {};

TEST_P(AlphaAndColour, DrawsTheFilesPixelsOnWhite) {
    const Picture& p = GetParam();
    kv::test::TempDir dir("pdf_image");
    const auto made =
        kv::test::Run("cd " + kv::test::ShellQuote(dir.path().string()) + " && " + kMakeBase + " && " + p.make);
    ASSERT_EQ(made.status, 0) << made.output;
    const auto picture = dir / p.name;
    const auto pdf = WritePage(dir, [&](Folivo& doc) {
        doc.SetCompression(codec::kFlate | codec::kAscii85);  // filters before those preset
        doc.DrawImage(picture.string(), 20, 30, 13 * 4, 0);
    });
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 2u);
    EXPECT_NE(info[0].find(p.info), std::string::npos) << info[0];
    const Rendered page(pdf);  // writes render.ppm
    const auto expected = *p.reference ? dir / p.reference : picture;
    const std::string worst = PythonOutput(KV_SOURCE_DIR "/tests/pdf_image/pixel_match.py",
                                           {expected.string(), (dir / "render.ppm").string(), "20", "30", "4"});
    EXPECT_LE(std::stoi(worst), p.tolerance);
}

constexpr const char* kPassed = "/DecodeParms [ null << /BitsPerComponent ";
constexpr const char* kSoftMask = "/SMask ";

INSTANTIATE_TEST_SUITE_P(
    Images, AlphaAndColour,
    ::testing::Values(
        Picture{"png_grey1", Png("-alpha off -colorspace gray -threshold 50%", 0, 1), "p.png", kPassed, 0},
        Picture{"png_grey2_interlaced", Png("-alpha off -colorspace gray -depth 2 -interlace PNG", 0, 2), "p.png",
                "/BitsPerComponent 2 /ColorSpace /DeviceGray", 0},
        Picture{"png_grey8_key", Filtered("im.convert('L').save('s.png', transparency=100)"), "p.png", kSoftMask, 0},
        Picture{"png_grey16", Png("-alpha off -colorspace gray", 0, 16), "p.png",
                "/BitsPerComponent 16 /Colors 1 /Columns 13 /Predictor 15", 1},
        Picture{"png_rgb8", Filtered("im.convert('RGB').save('s.png')"), "p.png", kPassed, 0},
        Picture{"png_rgb8_key", Filtered("im.convert('RGB').save('s.png', transparency=(19, 23, 7))"), "p.png",
                kSoftMask, 0},
        Picture{"png_rgb16", "convert base.png -alpha off PNG48:p.png", "p.png", "/BitsPerComponent 16 /Colors 3", 1},
        Picture{"png_grey_alpha", Pil("im.convert('LA').save('p.png')"), "p.png", kSoftMask, 1},
        Picture{"png_rgba8", Filtered("im.save('s.png')"), "p.png", kSoftMask, 1},
        Picture{"png_rgba8_interlaced", "convert base.png -interlace PNG PNG32:p.png", "p.png", kSoftMask, 1},
        Picture{"png_rgba16", "convert base.png PNG64:p.png", "p.png", "/BitsPerComponent 16", 1},
        Picture{"png_palette2", Pil("im.convert('RGB').quantize(4).save('p.png', bits=2)"), "p.png",
                "/BitsPerComponent 2 /Colors 1", 0},
        Picture{"png_palette4_interlaced", Png("-alpha off -colors 12 -interlace PNG", 3, 4), "p.png",
                "/BitsPerComponent 4 /ColorSpace [ /Indexed /DeviceRGB 15 palette:48 ]", 0},
        Picture{"png_palette8_alpha", Pil("im.quantize(16, method=2).save('p.png')"), "p.png", kSoftMask, 1},
        // Grey as CMYK: black ink only, where PIL's and poppler's CMYK conversions nearly agree.
        Picture{"jpeg_inverted_cmyk", "convert base.png -alpha off -colorspace gray -colorspace CMYK c.jpeg",
                "c.jpeg", "/Decode [ 1 0 1 0 1 0 1 0 ]", 40},
        Picture{"bmp32_alpha_mask", "convert base.png BMP:a.bmp", "a.bmp", kSoftMask, 1},
        // PIL reads no alpha from a BI_RGB file: the source is the reference.
        Picture{"bmp32_rgb_alpha", "convert base.png -define bmp3:alpha=true BMP3:b.bmp", "b.bmp", kSoftMask, 1,
                "base.png"},
        Picture{"tga32_alpha", Pil("im.save('a.tga')"), "a.tga", kSoftMask, 1},
        Picture{"tga_grey_rle", Pil("im.convert('L').save('g.tga', compression='tga_rle')"), "g.tga",
                "/ColorSpace /DeviceGray", 0},
        // 5-5-5 with the attribute bit set, top row first.
        Picture{"tga16", Pil("import struct; px = im.convert('RGB').getdata(); open('h.tga', 'wb').write("
                             "struct.pack('<BBBHHBHHHHBB', 0, 0, 2, 0, 0, 0, 0, 0, 13, 11, 16, 0x21) + b''.join("
                             "struct.pack('<H', 0x8000 | r >> 3 << 10 | g >> 3 << 5 | b >> 3) for r, g, b in px))"),
                "h.tga", "/ColorSpace /DeviceRGB", 1},
        Picture{"tga_colour_mapped", Pil("im.convert('RGB').quantize(16).save('m.tga')"), "m.tga",
                "/ColorSpace /DeviceRGB", 0}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace folivo::test
