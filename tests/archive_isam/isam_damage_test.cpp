// Damaged index files end in a clear run-time error (321, naming the node), never in a crash
// or an endless walk.

#include <array>
#include <random>

#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "isam_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;
constexpr size_t kNodeSize = 128 * (kKeyLength + 7);

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

TEST_F(IsamDamage, PointerToANodeOfAnotherLevel) {
    Patch(kNodeSize + kKeyLength + 1, "000001");  // level-2 entry 1 -> the root
    EXPECT_NE(ErrorOf(Key(20), kFind).find("level 3"), std::string::npos);
    EXPECT_NE(ErrorOf(Key(20), kReadNext).find("level 3"), std::string::npos);
}

TEST_F(IsamDamage, KeysOutOfOrderStopTheWalk) {
    Patch(3 * kNodeSize, Key(1));  // first key of the second leaf below the first leaf's keys
    EXPECT_NE(ErrorOf(Key(640), kReadNext).find("out of order"), std::string::npos);
}

TEST_F(IsamDamage, GarbageInsteadOfAPointer) {
    Patch(2 * kNodeSize + kKeyLength + 1, "12x456");  // leaf entry 1's data record
    EXPECT_NE(ErrorOf(std::string(kKeyLength, ' '), kReadNext).find("not a number"), std::string::npos);
    Patch(kKeyLength + 1, "ABCDEF");  // the root's pointer
    EXPECT_NE(ErrorOf(Key(20), kFind).find("outside the file"), std::string::npos);
}

}  // namespace
}  // namespace kv::test

namespace kv::test {
namespace {

// Random nodes: entries with random keys, level digits and pointers, free entries anywhere.
std::string RandomIndex(std::mt19937& random, int nodes) {
    std::string file;
    for (int entry = 0; entry < nodes * 128; ++entry) {
        // Mostly the level a node at that place would have, sometimes another or none.
        const std::string levels = entry < 128 ? "1111112" : "2233333x";
        std::string key(4, ' ');
        for (char& c : key) c = static_cast<char>('A' + random() % 6);
        if (random() % 5 == 0) key = std::string(4, static_cast<char>(252));
        char pointer[16];
        std::snprintf(pointer, sizeof pointer, "%06d", static_cast<int>(random() % (nodes + 2)));
        file += key + levels[random() % levels.size()] + pointer;
    }
    return file;
}

// A sound index of a few hundred keys with a handful of its bytes overwritten.
std::string MutatedIndex(std::mt19937& random, std::string file) {
    const std::string bytes = std::string("0123456789ABC 123") + static_cast<char>(252);
    for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips) {
        file[random() % file.size()] = bytes[random() % bytes.size()];
    }
    return file;
}

class IsamGarbage : public IsamFixture {
protected:
    // Walks from a blank key, then tries a few finds, inserts and deletes. Returns the keys
    // walked; a run-time error counts in `errors`.
    int Exercise(std::mt19937& random, int& errors) {
        archive::FAIOPEN(state, kShortIndex);
        int walked = 0;
        try {
            std::string key = "    ";
            for (int step = 0; step < 100000; ++step) {
                if (Isam(kShortIndex, key, archive::isam::kReadNext) == archive::isam::kEnd) break;
                EXPECT_GT(state.CHIAVETROVATA, key);
                key = state.CHIAVETROVATA;
                ++walked;
            }
            for (int step = 0; step < 20; ++step) {
                std::string probe = {static_cast<char>('A' + random() % 6), 'A', 'B', 'C'};
                double code = std::array{archive::isam::kFind, archive::isam::kInsert,
                                         archive::isam::kDelete}[random() % 3];
                Isam(kShortIndex, probe, code, 1 + random() % 50);
            }
        } catch (const platform::RuntimeError&) {
            ++errors;
        }
        return walked;
    }
};

// Whatever the bytes, every operation returns or raises a run-time error, and a read-next walk
// ends: each key it returns is greater than the one before.
TEST_F(IsamGarbage, RandomAndMutatedNodesNeverCrashOrHang) {
    std::mt19937 random(1950);
    ASSERT_EQ(Isam(kShortIndex, "", archive::isam::kCreate), 0);
    for (int i = 0; i < 600; ++i) {
        std::string key = {static_cast<char>('A' + random() % 26), static_cast<char>('A' + random() % 26),
                           static_cast<char>('0' + random() % 10), static_cast<char>('0' + random() % 10)};
        Isam(kShortIndex, key, archive::isam::kInsert, i + 1);
    }
    archive::CHIUDI(state, kShortIndex);
    const std::string sound = ReadFile(PathOf("SHORT.IDX"));

    int errors = 0, walked = 0;
    for (int round = 0; round < 400; ++round) {
        bool mutated = round % 2 == 0;
        WriteFile(PathOf("SHORT.IDX"), mutated ? MutatedIndex(random, sound)
                                               : RandomIndex(random, 1 + static_cast<int>(random() % 6)));
        walked += Exercise(random, errors);
    }
    EXPECT_GT(errors, 0);
    EXPECT_GT(walked, 1000);
}

}  // namespace
}  // namespace kv::test
