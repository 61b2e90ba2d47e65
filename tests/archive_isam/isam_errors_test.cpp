// The checks made before every operation, their messages and their order; damaged index files end
// in a clear run-time error (321, naming the node), never in a crash or an endless walk.

#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "isam_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;

class IsamChecks : public IsamFixture {};

TEST_F(IsamChecks, EmptyFileIsReportedForEveryCodeButCreate) {
    archive::FAIOPEN(state, kIndex);  // creates the file empty
    for (double code : {kInsert, kFind, kDelete, kReadNext, 5.0}) {
        EXPECT_EQ(Isam(kIndex, "", code, 1), 0) << code;  // the empty key is not looked at first
    }
    EXPECT_EQ(Messages(), std::vector<std::string>(5, "ERRORE ISAM - FILE VUOTO 66"));
    for (const auto& box : dialogs.shown()) {
        EXPECT_EQ(box.icon, platform::Icon::None);
        EXPECT_EQ(box.buttons, platform::Buttons::Ok);
    }
    EXPECT_EQ(Isam(kIndex, "", kCreate), 0);
    EXPECT_EQ(Messages().size(), 5u);
}

TEST_F(IsamChecks, KeyChecksInTheirOrder) {
    ASSERT_EQ(Isam(kIndex, "", kCreate), 0);
    const std::string blank(kKeyLength, ' ');
    EXPECT_EQ(Isam(kIndex, "", kFind), 0);
    EXPECT_EQ(Isam(kIndex, Key(1).substr(1), kFind), 0);
    EXPECT_EQ(Isam(kIndex, Key(1) + "0", kInsert, 3), 0);
    EXPECT_EQ(Isam(kIndex, blank.substr(1), kInsert, 3), 0);  // wrong length before blank
    EXPECT_EQ(Isam(kIndex, blank, kInsert, 3), 0);
    EXPECT_EQ(Isam(kIndex, blank, kFind), 0);
    EXPECT_EQ(Isam(kIndex, blank, kDelete), 0);
    EXPECT_EQ(Isam(kIndex, blank, kInsert, 0), 0);            // blank before record 0
    EXPECT_EQ(Isam(kIndex, Key(1), kInsert, 0), -1);
    EXPECT_EQ(Isam(kIndex, Key(1), 5), 0);
    EXPECT_EQ(Isam(kIndex, Key(1), 4.5), 0);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "ERRORE ISAM - LUNK=0", "ERRORE ISAM - LUNK NO OK", "ERRORE ISAM - LUNK NO OK",
                              "ERRORE ISAM - LUNK NO OK", "ERRORE ISAM - K=BLANK", "ERRORE ISAM - K=BLANK",
                              "ERRORE ISAM - K=BLANK", "ERRORE ISAM - K=BLANK", "ERR.ISAM - N.REC.=0",
                              "ERRORE CODICE ISAM 5", "ERRORE CODICE ISAM 4.5"}));
    // Nothing was inserted by the refused calls; read-next takes a blank key.
    EXPECT_EQ(Isam(kIndex, blank, kReadNext), kEnd);
    EXPECT_EQ(Messages().size(), 11u);
}


class IsamDamage : public IsamFixture {
protected:
    // An index of 128 keys 10, 20 ... 1280 in two leaves (records 3 and 4), closed for editing.
    void SetUp() override {
        ASSERT_EQ(Isam(kIndex, "", kCreate), 0);
        for (long long n = 1; n <= 128; ++n) ASSERT_EQ(Isam(kIndex, Key(n * 10), kInsert, n), 0);
    }
    void Patch(size_t offset, const std::string& bytes) {
        std::string file = ReadFile(PathOf("PARCI.IDX"));
        file.replace(offset, bytes.size(), bytes);
        WriteFile(PathOf("PARCI.IDX"), file);
    }
    // Runs an operation and returns the description of the run-time error it raised.
    std::string ErrorOf(const std::string& key, double code) {
        const platform::RuntimeError error = test::ErrorOf([&] { Isam(kIndex, key, code, 77); });
        EXPECT_EQ(error.number(), platform::err::kInvalidFormat);
        return error.description();
    }
};

TEST_F(IsamDamage, NodePointingPastTheEndOfTheFile) {
    Patch(kKeyLength + 1, "000009");  // root entry 1 -> record 9 of 4
    for (double code : {kFind, kReadNext, kInsert, kDelete}) {
        EXPECT_NE(ErrorOf(Key(20), code).find("node 9 lies outside the file"), std::string::npos) << code;
    }
}

TEST_F(IsamDamage, TruncatedFile) {
    std::filesystem::resize_file(PathOf("PARCI.IDX"), 3 * kNodeSize + 100);  // second leaf cut short
    EXPECT_EQ(Isam(kIndex, Key(20), kFind), 2);
    EXPECT_NE(ErrorOf(Key(1280), kFind).find("node 4"), std::string::npos);
    EXPECT_NE(ErrorOf(Key(640), kReadNext).find("node 4"), std::string::npos);
    std::filesystem::resize_file(PathOf("PARCI.IDX"), 100);  // not even the root
    EXPECT_NE(ErrorOf(Key(20), kFind).find("node 1"), std::string::npos);
}

TEST_F(IsamDamage, GarbageInsteadOfAPointer) {
    Patch(2 * kNodeSize + kKeyLength + 1, "12x456");  // leaf entry 1's data record
    EXPECT_NE(ErrorOf(std::string(kKeyLength, ' '), kReadNext).find("not a number"), std::string::npos);
    Patch(kKeyLength + 1, "ABCDEF");  // the root's pointer
    EXPECT_NE(ErrorOf(Key(20), kFind).find("outside the file"), std::string::npos);
}

}  // namespace
}  // namespace kv::test
