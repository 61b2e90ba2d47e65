// ISAM against std::map: random inserts, deletes, finds and read-next walks, with the tree
// audited from the file's bytes (index_audit) independently of the archive library.

#include <fstream>
#include <random>

#include "tests/support/index_audit.hpp"
#include "isam_fixture.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;
using Reference = std::map<std::string, double>;
using Entries = std::vector<std::pair<std::string, double>>;

class IsamProperty : public IsamFixture {
protected:
    void SetUp() override { ASSERT_EQ(Isam(kIndex, "", kCreate), 0); }

    IndexAudit Audit() { return AuditIndex(ReadFile(PathOf("PARCI.IDX")), kKeyLength); }

    // The root's bytes: when they change, a level-2 node was split or emptied, or the highest
    // key moved.
    std::string Root() {
        std::ifstream file(PathOf("PARCI.IDX"), std::ios::binary);
        std::string root(kNodeSize, '\0');
        file.read(root.data(), static_cast<std::streamsize>(root.size()));
        return root;
    }

    // The audit finds a sound tree holding exactly the reference's keys and records.
    void ExpectMatches(const Reference& reference, const std::string& after) {
        IndexAudit audit = Audit();
        ASSERT_TRUE(audit.problems.empty()) << after << ": " << audit.problems.front();
        ASSERT_EQ(Entries(audit.entries.begin(), audit.entries.end()), Entries(reference.begin(), reference.end()))
            << after;
    }

    // Read-next from `key` gives the reference's next key, or the end.
    void ExpectNext(const Reference& reference, const std::string& key) {
        auto next = reference.upper_bound(key);
        double record = Isam(kIndex, key, kReadNext);
        if (next == reference.end()) {
            ASSERT_EQ(record, kEnd) << key;
            ASSERT_EQ(state.CHIAVETROVATA, std::string(kKeyLength, static_cast<char>(252)));
        } else {
            ASSERT_EQ(record, next->second) << key;
            ASSERT_EQ(state.CHIAVETROVATA, next->first) << key;
        }
    }

    std::mt19937_64 random{20261206};
};

// Mixed operations on a few thousand keys, the whole tree audited after every one and walked
// with read-next every hundred.
TEST_F(IsamProperty, MixedOperationsKeepTheTreeSound) {
    Reference reference;
    std::uniform_int_distribution<long long> keys(0, 2500);
    for (int step = 0; step < 3000; ++step) {
        const std::string key = Key(keys(random) * 7919);
        const bool present = reference.count(key) > 0;
        const std::string after = "step " + std::to_string(step) + " key " + key;
        switch (random() % 8) {
            case 0: case 1: case 2: case 3: {
                double record = static_cast<double>(1 + random() % 999999);
                ASSERT_EQ(Isam(kIndex, key, kInsert, record), present ? -1 : 0) << after;
                if (!present) reference[key] = record;
                break;
            }
            case 4: case 5:
                ASSERT_EQ(Isam(kIndex, key, kDelete), present ? 0 : -1) << after;
                reference.erase(key);
                break;
            case 6:
                ASSERT_EQ(Isam(kIndex, key, kFind), present ? reference[key] : -1) << after;
                break;
            default:
                ExpectNext(reference, key);
        }
        ExpectMatches(reference, after);
        if (step % 100 == 0) {
            ASSERT_EQ(Walk(kIndex, kKeyLength), reference) << after;
        }
    }
    EXPECT_EQ(Walk(kIndex, kKeyLength), reference);
    EXPECT_GT(Audit().leaves, 5);
}

// Thirty thousand keys in random order split level-2 nodes too; then half are deleted. The
// whole tree is audited every thousand operations and whenever the root changes.
TEST_F(IsamProperty, ManyKeysInRandomOrder) {
    Reference reference;
    std::vector<std::string> inserted;
    std::uniform_int_distribution<long long> keys(0, 9999999999999LL);
    std::string root = Root();
    auto auditWhenRootChanges = [&](const std::string& after) {
        std::string now = Root();
        if (now != root) ExpectMatches(reference, after + " (root changed)");
        root = now;
    };
    while (reference.size() < 30000) {
        const std::string key = Key(keys(random));
        const double record = static_cast<double>(reference.size() + 1);
        ASSERT_EQ(Isam(kIndex, key, kInsert, record), reference.count(key) ? -1 : 0);
        if (reference.emplace(key, record).second) inserted.push_back(key);
        ASSERT_EQ(Isam(kIndex, key, kFind), reference[key]);
        auditWhenRootChanges("insert " + key);
        if (reference.size() % 1000 == 0) ExpectMatches(reference, std::to_string(reference.size()) + " keys");
    }
    IndexAudit audit = Audit();
    EXPECT_GE(audit.middleNodes, 3) << "the root should hold several level-2 nodes";
    EXPECT_EQ(Walk(kIndex, kKeyLength), reference);
    for (int probe = 0; probe < 2000; ++probe) ExpectNext(reference, Key(keys(random)));

    std::shuffle(inserted.begin(), inserted.end(), random);
    for (size_t i = 0; i < inserted.size() / 2; ++i) {
        ASSERT_EQ(Isam(kIndex, inserted[i], kDelete), 0);
        reference.erase(inserted[i]);
        ASSERT_EQ(Isam(kIndex, inserted[i], kFind), -1);
        auditWhenRootChanges("delete " + inserted[i]);
        if (i % 1000 == 0) ExpectMatches(reference, "delete " + std::to_string(i));
    }
    ExpectMatches(reference, "after deletes");
    EXPECT_EQ(Walk(kIndex, kKeyLength), reference);
}

}  // namespace
}  // namespace kv::test
