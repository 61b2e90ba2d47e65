// The demo's fee-note archives: the index files audited from their bytes, each key pointing at the
// record that carries it. Records are read by byte position here, not through the archive library.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/support/index_audit.hpp"
#include "tests/support/test_support.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/fee_note_writer.hpp"
#include "tools/demo/fiscal_code.hpp"

namespace kv::test {
namespace {

using demo::DemoRecordLength;

// Records of an archive file, split by the demo's record length.
std::vector<std::string> Records(const std::filesystem::path& file, int logicalFile) {
    std::string bytes = ReadFile(file);
    const auto length = static_cast<size_t>(DemoRecordLength(logicalFile));
    EXPECT_EQ(bytes.size() % length, 0u) << file;
    std::vector<std::string> records;
    for (size_t at = 0; at + length <= bytes.size(); at += length) records.push_back(bytes.substr(at, length));
    return records;
}

std::string Field(const std::string& record, size_t position, size_t length) {
    return record.substr(position - 1, length);
}

class FeeNoteDemo : public ::testing::Test {
protected:
    void SetUp() override {
        demo::DemoWriter writer(folder.path() / "demo");
        writer.WriteStartUpPart();
        demo::WriteFeeNotePart(writer);
    }
    std::filesystem::path Archive(const std::string& name) const { return folder.path() / "demo" / "archivi" / name; }

    TempDir folder{"demo_fee_notes"};
};

// Every note is indexed once, under the key its record carries; the index has several leaves.
void ExpectIndexMatchesData(const std::filesystem::path& index, const std::filesystem::path& data, int dataFile) {
    const IndexAudit audit = AuditIndex(ReadFile(index), 13);
    ASSERT_TRUE(audit.problems.empty()) << audit.problems.front();
    std::vector<std::string> records = Records(data, dataFile);
    ASSERT_GT(records.size(), 128u);
    ASSERT_EQ(audit.entries.size(), records.size());
    std::set<int32_t> pointed;
    for (const auto& [key, record] : audit.entries) {
        ASSERT_GE(record, 1);
        ASSERT_LE(static_cast<size_t>(record), records.size());
        EXPECT_EQ(Field(records[static_cast<size_t>(record - 1)], 3, 13), key);
        pointed.insert(record);
    }
    EXPECT_EQ(pointed.size(), records.size());
    EXPECT_GT(audit.leaves, 1);
}

TEST_F(FeeNoteDemo, IndexesOfBothYearsPointAtTheirNotes) {
    ExpectIndexMatchesData(Archive("PARCAC01.IDX"), Archive("PARCAC01.DAT"), demo::kCurrentNotes);
    ExpectIndexMatchesData(Archive("PARCAP01.IDX"), Archive("PARCAP01.DAT"), demo::kPreviousNotes);
}

TEST(FiscalCodeTest, PublishedRules) {
    EXPECT_EQ(demo::FiscalCode("ROSSI", "MARIO", {1, 1, 1980, false, "H501"}), "RSSMRA80A01H501U");
    // Four or more consonants in the name take the first, third and fourth; women add 40 to the day;
    // apostrophes and blanks are dropped; short surnames are filled with X.
    EXPECT_EQ(demo::FiscalCode("D'ANGELO", "GIANFRANCO", {5, 7, 1972, false, "F205"}).substr(0, 11), "DNGGFR72L05");
    EXPECT_EQ(demo::FiscalCode("DE LUCA", "LAURA", {9, 12, 1990, true, "A944"}).substr(0, 11), "DLCLRA90T49");
    EXPECT_EQ(demo::FiscalCode("FO", "IA", {1, 2, 2001, false, "L219"}).substr(0, 6), "FOXIAX");
}

}  // namespace
}  // namespace kv::test
