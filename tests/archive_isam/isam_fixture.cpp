#include "isam_fixture.hpp"

#include <cstdio>

#include "archive/file_naming.hpp"

namespace kv::test {

IsamFixture::IsamFixture() : services(platform::Files(platform::DriveMap(dir.path()))), state(services) {
    services.dialogs = &dialogs;
    state.archiveFolder = dir.path().string();
    SetBaseRow(static_cast<int>(kIndex), "PARCI.IDX", 128 * (kKeyLength + 7));
    SetBaseRow(static_cast<int>(kShortIndex), "SHORT.IDX", 128 * (4 + 7));
}

void IsamFixture::SetBaseRow(int logicalFile, const std::string& nameTemplate, int recordLength) {
    baseRows.push_back({logicalFile, nameTemplate, recordLength});  // a later row of the same file wins
    WriteFile(dir / archive::kBaseFileName, demo::BaseFileBytes(baseRows));
}

std::string IsamFixture::Key(long long number) {
    char text[16];
    std::snprintf(text, sizeof text, "%013lld", number);
    return text;
}

std::map<std::string, double> IsamFixture::Walk(double file, int keyLength, size_t limit) {
    std::map<std::string, double> keys;
    std::string key(static_cast<size_t>(keyLength), ' ');
    for (size_t step = 0; step < limit; ++step) {
        double record = Isam(file, key, archive::isam::kReadNext);
        if (record == archive::isam::kEnd) break;
        key = state.CHIAVETROVATA;
        EXPECT_TRUE(keys.emplace(key, record).second) << "key reached twice: " << key;
    }
    return keys;
}

}  // namespace kv::test
