#include "pdf/reader/source_security.hpp"

namespace folivo::reader {
namespace {

int64_t IntegerOf(const Value& dict, std::string_view key, int64_t fallback) {
    const Value* found = dict.Find(key);
    return found != nullptr && found->Is(Value::Kind::Integer) ? found->integer : fallback;
}

std::string StringOf(const Value& dict, std::string_view key) {
    const Value* found = dict.Find(key);
    return found != nullptr && found->Is(Value::Kind::String) ? found->text : std::string();
}

// Revision 4 names its method in the standard crypt filter.
bool UsesAes(const Value& encrypt) {
    const Value* filters = encrypt.Find("CF");
    const Value* standard = filters != nullptr ? filters->Find("StdCF") : nullptr;
    const Value* method = standard != nullptr ? standard->Find("CFM") : nullptr;
    return method != nullptr && method->IsName("AESV2");
}

void DecipherStrings(const security::SecurityState& state, int32_t number, Value& value) {
    if (value.Is(Value::Kind::String)) value.text = security::DecipherForObject(state, number, std::move(value.text));
    for (Value& item : value.items) DecipherStrings(state, number, item);
    for (DictionaryEntry& entry : value.entries) DecipherStrings(state, number, entry.value);
}

}  // namespace

std::optional<security::SecurityState> OpenWithoutPassword(const Value& encrypt, const Value& trailer) {
    const Value* filter = encrypt.Find("Filter");
    if (filter == nullptr || !filter->IsName("Standard")) return std::nullopt;
    security::StoredEntries stored;
    stored.revision = static_cast<int>(IntegerOf(encrypt, "R", 0));
    stored.keyBytes = static_cast<size_t>(IntegerOf(encrypt, "Length", 40) / 8);
    stored.aes = UsesAes(encrypt);
    const Value* metadata = encrypt.Find("EncryptMetadata");
    stored.encryptMetadata = metadata == nullptr || !metadata->Is(Value::Kind::Boolean) || metadata->boolean;
    stored.owner = StringOf(encrypt, "O");
    stored.user = StringOf(encrypt, "U");
    stored.userKey = StringOf(encrypt, "UE");
    stored.permissions = static_cast<int32_t>(IntegerOf(encrypt, "P", 0));
    if (const Value* id = trailer.Find("ID"); id != nullptr && !id->items.empty() && id->items[0].Is(Value::Kind::String))
        stored.fileId = id->items[0].text;
    return security::OpenStandardSecurity(stored, "");
}

void Decipher(const security::SecurityState& state, int64_t number, Value& value, std::string* streamData) {
    const auto objNum = static_cast<int32_t>(number);
    DecipherStrings(state, objNum, value);
    if (streamData == nullptr) return;
    const Value* type = value.Find("Type");
    if (type != nullptr && type->IsName("XRef")) return;  // cross-reference streams are never enciphered
    *streamData = security::DecipherForObject(state, objNum, std::move(*streamData));
}

}  // namespace folivo::reader
