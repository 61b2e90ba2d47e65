// The checks made before every operation, their messages and their order.

#include "archive/file_open.hpp"
#include "isam_fixture.hpp"

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

}  // namespace
}  // namespace kv::test
