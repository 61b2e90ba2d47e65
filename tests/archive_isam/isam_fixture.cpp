#include "isam_fixture.hpp"

#include <cstdio>


namespace kv::test {

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
