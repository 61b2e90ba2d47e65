// Folivo's compression and protection members: the stream encoders chosen by SetCompression,
// the public Deflate entry point, and the standard security handler turned on by SetProtection.

#include <string>

#include "pdf/codec/deflate.hpp"
#include "pdf/core/string_format.hpp"
#include "pdf/folivo.hpp"

namespace folivo {

void Folivo::SetCompression(int32_t CompressionMode, uint8_t Quality) {
    if ((CompressionMode & ~codec::kKnownCompressionBits) != 0)
        throw Error(kErrInvalidCall, "SetCompression: unknown compression bits " +
                                         std::to_string(CompressionMode & ~codec::kKnownCompressionBits) +
                                         " (known: 1 run-length, 2 Flate, 4 LZW, 8 base-85, 16 hexadecimal)");
    compression_.mode = CompressionMode;
    compression_.quality = Quality > 3 ? 3 : Quality;
}

void Folivo::zzToFlateDecode(std::vector<uint8_t>& ByteArray, int32_t& BufCount, uint8_t CompressionQuality) {
    if (BufCount < -1 || static_cast<int64_t>(BufCount) >= static_cast<int64_t>(ByteArray.size()))
        throw Error(kErrInvalidCall, "zzToFlateDecode: upper bound " + std::to_string(BufCount) +
                                         " outside an array of " + std::to_string(ByteArray.size()) + " bytes");
    const std::span<const uint8_t> input(ByteArray.data(), static_cast<size_t>(BufCount + 1));
    ByteArray = codec::DeflateZlib(input, CompressionQuality);
    BufCount = static_cast<int32_t>(ByteArray.size()) - 1;
}

void Folivo::SetProtection(int32_t Mode, const std::string& OwnerPwd, const std::string& UserPwd) {
    security_ = security::MakeStandardSecurity(Mode, OwnerPwd, UserPwd, info_.producer + kFolivoVersion);
    if (security_.revision == 3) RequireVersion(1);
}

void Folivo::ResetFiltersAndSecurity() {
    compression_ = {};
    security_ = {};
    encryptObj_ = 0;
}

void Folivo::EncodeStream(std::string& data, int32_t objNum, std::string& filters) {
    if (compression_.mode != 0) {
        std::vector<uint8_t> bytes(data.begin(), data.end());
        codec::ApplyStreamFilters(bytes, compression_, filters);
        data.assign(bytes.begin(), bytes.end());
    }
    security::EncryptForObject(security_, objNum, data);
}

std::string Folivo::EncryptString(std::string text) const {
    security::EncryptForObject(security_, objects_.CurrentNumber(), text);
    return text;
}

void Folivo::WriteEncryptionObject() {
    if (!security_.encrypting) return;
    encryptObj_ = StartObject();
    WriteLine(security::EncryptionDictionary(security_, &folivo::EscapeString));
    CloseObject();
}

std::string Folivo::TrailerEncryptEntries() const {
    return security_.encrypting ? security::TrailerEncryptEntries(security_, encryptObj_) : std::string();
}

}  // namespace folivo
