#include "tools/demo/record_fields.hpp"

#include <algorithm>
#include <stdexcept>

namespace kv::demo {

std::string BlankRecord(std::size_t length) { return std::string(length, ' '); }

void PutField(std::string& record, std::string_view descriptor, std::string_view value) {
    if (descriptor.size() < 16) throw std::invalid_argument("short descriptor");
    std::size_t position = std::stoul(std::string(descriptor.substr(6, 5)));
    std::size_t length = std::stoul(std::string(descriptor.substr(12, 2)));
    char type = descriptor[15];
    bool numeric = type == 'N' || (type >= '2' && type <= '6');
    std::string field(value.substr(0, length));
    if (numeric) {
        field.insert(0, length - field.size(), '0');
    } else {
        field.append(length - field.size(), ' ');
    }
    if (position == 0 || position - 1 + length > record.size()) {
        throw std::out_of_range("field " + std::string(descriptor) + " outside the record");
    }
    record.replace(position - 1, length, field);
}

std::string RecordOf(std::size_t length, std::initializer_list<FieldValue> fields) {
    std::string record = BlankRecord(length);
    for (const FieldValue& field : fields) PutField(record, field.descriptor, field.value);
    return record;
}

void PutSplit(std::string& record, std::string_view first, std::size_t firstLength, std::string_view second,
              std::string_view text) {
    PutField(record, first, text.substr(0, std::min(firstLength, text.size())));
    if (text.size() > firstLength) PutField(record, second, text.substr(firstLength));
}

}  // namespace kv::demo
