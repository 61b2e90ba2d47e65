// Damaged and missing font files: AddFont records the error under its own name, registers nothing,
// and the document still ends as a valid file.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "pdf/error.hpp"

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

const std::string kSans = kLiberation + "LiberationSans-Regular.ttf";

// Big-endian fields of `size` bytes.
uint32_t Get(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}
void Put(std::string& bytes, size_t at, uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i, value >>= 8) bytes.at(at + i) = static_cast<char>(value & 0xFF);
}

// Byte position of a table's directory record, and of the table itself.
size_t RecordOf(const std::string& bytes, const std::string& tag) {
    for (size_t i = 0; i < Get(bytes, 4, 2); ++i) {
        if (bytes.compare(12 + 16 * i, 4, tag) == 0) return 12 + 16 * i;
    }
    ADD_FAILURE() << "no table " << tag;
    return 0;
}
size_t TableAt(const std::string& b, const std::string& tag) { return Get(b, RecordOf(b, tag) + 8, 4); }

// Byte position of the Microsoft Unicode subtable record inside 'cmap'.
size_t UnicodeCmapRecord(const std::string& bytes) {
    size_t at = TableAt(bytes, "cmap") + 4;
    while (Get(bytes, at, 4) != 0x00030001) at += 8;
    return at;
}

struct DamageCase {
    const char* what;
    std::function<void(std::string&)> damage;
    int32_t number;    // expected ErrNumber
    const char* says;  // part of the expected ErrDescription
};

const std::vector<DamageCase> kDamage = {
    {"empty file", [](std::string& b) { b.clear(); }, 9, "ends past the end of the file (0 bytes)"},
    {"font collection", [](std::string& b) { b.replace(0, 4, "ttcf"); }, 9, "collections are not supported"},
    {"CFF outlines", [](std::string& b) { b.replace(0, 4, "OTTO"); }, 9, "CFF outlines are not supported"},
    {"text instead of a font", [](std::string& b) { b = "not a font at all\n"; }, 9, "the table directory"},
    {"cut inside the table directory", [](std::string& b) { b.resize(100); }, 9, "the table directory"},
    {"cut in half", [](std::string& b) { b.resize(b.size() / 2); }, 9, "ends past the end of the file"},
    {"zero tables", [](std::string& b) { Put(b, 4, 0, 2); }, 9, "lists no tables"},
    {"huge table count", [](std::string& b) { Put(b, 4, 0xFFFF, 2); }, 9, "the table directory"},
    {"hmtx offset past the end", [](std::string& b) { Put(b, RecordOf(b, "hmtx") + 8, 0xFFFFFFF0u, 4); }, 9,
     "table 'hmtx'"},
    {"head length past the end", [](std::string& b) { Put(b, RecordOf(b, "head") + 12, 0x7FFFFFFFu, 4); }, 9,
     "table 'head'"},
    {"no hmtx table", [](std::string& b) { b[RecordOf(b, "hmtx") + 3] = 'X'; }, 9, "no 'hmtx' table"},
    {"unitsPerEm zero", [](std::string& b) { Put(b, TableAt(b, "head") + 18, 0, 2); }, 11, "unitsPerEm is 0"},
    {"no horizontal metrics", [](std::string& b) { Put(b, TableAt(b, "hhea") + 34, 0, 2); }, 9, "no metrics"},
    {"cmap subtable past the end", [](std::string& b) { Put(b, UnicodeCmapRecord(b) + 4, 0x7FFFFFF0u, 4); }, 9,
     "a 16-bit value"},
    {"huge cmap segment count",
     [](std::string& b) { Put(b, TableAt(b, "cmap") + Get(b, UnicodeCmapRecord(b) + 4, 4) + 6, 0xFFFE, 2); }, 9,
     "the character map segments"},
    {"huge name count", [](std::string& b) { Put(b, TableAt(b, "name") + 2, 0xFFFF, 2); }, 9, "a 16-bit value"},
};

TEST(TrueTypeDamage, DamagedOrMissingFontIsRecordedAndTheDocumentStillEnds) {
    const std::string good = kv::test::ReadFile(kSans);
    Doc doc;
    Folivo& pdf = doc.Page();
    for (size_t i = 0; i < kDamage.size(); ++i) {
        const DamageCase& c = kDamage[i];
        SCOPED_TRACE(c.what);
        std::string bytes = good;
        c.damage(bytes);
        const auto font = doc.dir / ("damaged" + std::to_string(i) + ".ttf");
        kv::test::WriteFile(font, bytes);
        EXPECT_EQ(pdf.AddFont(font.string(), "Rotto"), "Rotto");
        EXPECT_EQ(pdf.ErrNumber(), c.number) << pdf.ErrDescription();
        ExpectContains(pdf.ErrDescription(), {c.says, font.string()});
        EXPECT_EQ(pdf.ErrSource(), "Folivo.AddFont");
    }
    for (const std::string& path : {std::string("/nonexistent/font.ttf"), std::string()}) {
        EXPECT_EQ(pdf.AddFont(path, ""), "");
        EXPECT_EQ(pdf.ErrNumber(), 53);
    }
    pdf.SetFont("Rotto", 10);  // not registered: a standard font of that name
    pdf.DrawText(10, 10, "Dopo l'errore");
    doc.Finish();
    EXPECT_TRUE(TrueTypeFonts(doc.path, doc.dir.path()).empty());
    EXPECT_TRUE(Contains(kv::test::PdfToText(doc.path), "Dopo l'errore"));
}

}  // namespace
}  // namespace folivo::test
