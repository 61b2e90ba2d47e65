// What kvvelm-batch says when a run does not write every file (read-only output folder, full disk),
// when it replaces or numbers files, and what its run log holds.

#include <functional>
#include <optional>

#include "tests/e2e_reports/e2e_fixture.hpp"

namespace kv::e2e {
namespace {

// A folder on a small file system of its own, filled to the last byte; unmounted at the end.
class FullFolder {
public:
    explicit FullFolder(const fs::path& folder) : folder_(folder) {
        fs::create_directories(folder_);
        mounted_ = test::Run("mount -t tmpfs -o size=64k tmpfs " + test::ShellQuote(folder_.string())).status == 0;
        if (mounted_) test::Run("cat /dev/zero > " + test::ShellQuote((folder_ / "filler").string()));
    }
    ~FullFolder() {
        if (mounted_) test::Run("umount " + test::ShellQuote(folder_.string()));
    }
    FullFolder(const FullFolder&) = delete;
    FullFolder& operator=(const FullFolder&) = delete;
    bool mounted() const { return mounted_; }

private:
    fs::path folder_;
    bool mounted_ = false;
};

class OutcomeBatchTest : public BatchReportTest {
protected:
    const fs::path kRossi = CompanyFolder("001") / "PARD_AP_001_ROSSI COSTRUZIONI S.R.L..pdf";
};

TEST_F(OutcomeBatchTest, ReplacedAndNumberedFilesAreSummedUpAndLogged) {
    test::CommandResult first, second, third;
    EXPECT_EQ(BatchApart("--report documenti --ditte 001", first), "");
    EXPECT_EQ(first.status, 0) << first.output;
    EXPECT_NE(first.output.find("File PDF creati: 1\n"), std::string::npos) << first.output;
    EXPECT_EQ(first.output.find("sostituiti"), std::string::npos) << first.output;

    BatchApart("--report documenti --ditte 001", second);
    EXPECT_NE(second.output.find("File PDF sostituiti: 1\n  " + kRossi.string() + "\n"), std::string::npos)
        << second.output;

    BatchApart("--report documenti --ditte 001 --non-sovrascrivere", third);
    EXPECT_EQ(third.status, 0) << third.output;
    EXPECT_EQ(third.output.find("sostituiti"), std::string::npos) << third.output;
    const fs::path numbered = CompanyFolder("001") / "PARD_AP_001_ROSSI COSTRUZIONI S.R.L._001.pdf";
    EXPECT_QPDF_CLEAN(numbered);
    EXPECT_EQ(AllPdfs().size(), 2u);

    // One line per file and per run, each with its ISO time.
    const std::string log = test::ReadFile(PdfRoot() / "kvvelm.log");
    EXPECT_NE(log.find(" FILE " + kRossi.string() + " (sostituito)\n"), std::string::npos) << log;
    EXPECT_NE(log.find(" FILE " + numbered.string() + "\n"), std::string::npos) << log;
    size_t runs = 0;
    for (size_t at = log.find("ESECUZIONE Elenco Documenti PDF"); at != std::string::npos;
         at = log.find("ESECUZIONE Elenco Documenti PDF", at + 1)) {
        ++runs;
        EXPECT_EQ(log[at - 7], '+') << log;  // ...T20:31:18+00:00 ESECUZIONE
    }
    EXPECT_EQ(runs, 3u);
}

// A run that cannot write its files goes on with the next company, says why on standard error, ends
// with status 4 and a closing message that claims no folder, and leaves the archives as they were.
TEST_F(OutcomeBatchTest, FilesThatCannotBeWrittenEndWithStatusFourAndTheirReason) {
    ASSERT_EQ(Batch("--info").status, 0);  // start-up creates the archives it finds missing
    const auto archives = Snapshot(demo.archiveFolder);
    // Readable by nobody, writable by nobody: the lock the run takes is made beforehand.
    test::WriteFile(LockFile(), "");
    fs::permissions(LockFile(), fs::perms::all);
    std::optional<FullFolder> full;
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::string runner;
        std::string reason;
        std::string closing;  // what the closing message says instead of a folder it cannot claim
    };
    const std::vector<Case> cases = {
        {"read-only output folder", [] {}, test::AsNobody(), "Permission denied", "Nessun file PDF \xC3\xA8 stato creato.\n"},
        {"full disk", [&] { full.emplace(kRossi.parent_path()); }, "",
         "Impossibile creare il file PDF " + kRossi.string(), "File PDF creati: 1\nFile PDF non creati: 1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        if (full && !full->mounted()) break;  // no file system can be mounted here (not root)
        test::CommandResult result;
        const std::string err = BatchApart("--report documenti --ditte 001,002", result, c.runner);
        EXPECT_EQ(result.status, 4) << result.output << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
        EXPECT_NE(result.output.find(c.closing), std::string::npos) << result.output;
        EXPECT_NE(result.output.find("File PDF non creati: "), std::string::npos) << result.output;
        EXPECT_EQ(Snapshot(demo.archiveFolder), archives);
    }
    ASSERT_EQ(AllPdfs().size(), 1u);
    EXPECT_EQ(AllPdfs()[0].filename().string().rfind("PARD_AP_002_", 0), 0u);
}

}  // namespace
}  // namespace kv::e2e
