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
    std::filesystem::path base = dir / archive::kBaseFileName;
    std::string bytes = std::filesystem::exists(base) ? ReadFile(base) : std::string();
    const size_t rowSize = archive::kBaseRecordLength;
    if (bytes.size() < logicalFile * rowSize) bytes.resize(logicalFile * rowSize, ' ');
    char length[6];
    std::snprintf(length, sizeof length, "%05d", recordLength);
    std::string row = "   " + nameTemplate;
    row.resize(32, ' ');
    row += length;
    row.resize(rowSize - 2, ' ');
    row += "\r\n";
    bytes.replace(static_cast<size_t>(logicalFile - 1) * rowSize, rowSize, row);
    WriteFile(base, bytes);
}

std::string IsamFixture::Key(long long number) {
    char text[16];
    std::snprintf(text, sizeof text, "%013lld", number);
    return text;
}

std::vector<std::string> IsamFixture::Messages() const {
    std::vector<std::string> texts;
    for (const auto& box : dialogs.shown()) texts.push_back(box.text);
    return texts;
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
