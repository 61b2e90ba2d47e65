// Folivo's compression and protection members: the stream encoders chosen by SetCompression,
// the public Deflate entry point, and the standard security handler turned on by SetProtection.

#include <string>

#include "pdf/codec/deflate.hpp"
#include "pdf/core/string_format.hpp"
#include "pdf/folivo_impl.hpp"

namespace folivo {

void Folivo::SetCompression(int32_t CompressionMode, uint8_t Quality) {
    if ((CompressionMode & ~codec::kKnownCompressionBits) != 0)
        throw Error(kErrInvalidCall, "SetCompression: unknown compression bits " +
                                         std::to_string(CompressionMode & ~codec::kKnownCompressionBits) +
                                         " (known: 1 run-length, 2 Flate, 4 LZW, 8 base-85, 16 hexadecimal)");
    impl_->doc_.compression.mode = CompressionMode;
    impl_->doc_.compression.quality = Quality > 3 ? 3 : Quality;
}

void Folivo::zzToFlateDecode(std::vector<uint8_t>& ByteArray, int32_t& BufCount, uint8_t CompressionQuality) {
    if (BufCount < -1 || static_cast<int64_t>(BufCount) >= static_cast<int64_t>(ByteArray.size()))
        throw Error(kErrInvalidCall, "zzToFlateDecode: upper bound " + std::to_string(BufCount) +
                                         " outside an array of " + std::to_string(ByteArray.size()) + " bytes");
    const std::span<const uint8_t> input(ByteArray.data(), static_cast<size_t>(BufCount + 1));
    ByteArray = codec::DeflateZlib(input, CompressionQuality, impl_->doc_.deflate);
    BufCount = static_cast<int32_t>(ByteArray.size()) - 1;
}

void Folivo::SetProtection(int32_t Mode, const std::string& OwnerPwd, const std::string& UserPwd) {
    if (impl_->RefusedUnderPdfA("SetProtection", "encryption")) return;
    const bool aes = (Mode & (security::kAes128 | security::kAes256)) != 0;
    std::string fileId = aes ? security::UniqueFileIdentifier(impl_->doc_.fileName, impl_->doc_.fileSize)
                             : impl_->doc_.info.producer + kFolivoVersion;
    impl_->doc_.security = security::MakeStandardSecurity(Mode, OwnerPwd, UserPwd, std::move(fileId));
    // 128-bit RC4 needs PDF 1.4, AES-128 1.6, AES-256 1.7
    const int32_t level[] = {0, 0, 0, 1, 3, 0, 4};
    impl_->RequireVersion(level[impl_->doc_.security.revision]);
}

void FolivoImpl::EncodeStream(std::string& data, int32_t objNum, std::string& filters) {
    if (doc_.compression.mode != 0) {
        codec::CompressionSettings settings = doc_.compression;
        // PDF/A forbids LZW: Flate, which compresses better anyway, takes its place.
        if (doc_.archival.On() && (settings.mode & codec::kLzw)) settings.mode = (settings.mode & ~codec::kLzw) | codec::kFlate;
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(data.data()), data.size());
        const std::vector<uint8_t> encoded = codec::ApplyStreamFilters(bytes, settings, filters, doc_.deflate);
        data.assign(reinterpret_cast<const char*>(encoded.data()), encoded.size());
    }
    security::EncryptForObject(doc_.security, objNum, data);
}

std::string FolivoImpl::EncryptString(std::string text) const {
    security::EncryptForObject(doc_.security, doc_.objects.CurrentNumber(), text);
    return text;
}

void FolivoImpl::WriteEncryptionObject() {
    if (!doc_.security.encrypting) return;
    doc_.encryptObj = StartObject();
    WriteLine(security::EncryptionDictionary(doc_.security, &folivo::EscapeString));
    CloseObject();
}

std::string FolivoImpl::TrailerEncryptEntries() const {
    return doc_.security.encrypting ? security::TrailerEncryptEntries(doc_.security, doc_.encryptObj) : std::string();
}

}  // namespace folivo
