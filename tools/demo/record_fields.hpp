#pragma once
// Building archive records for the demo installation: a record of blanks, with each field put at
// the position and length its descriptor gives. Texts are Windows-1252 bytes.

#include <initializer_list>
#include <string>
#include <string_view>

namespace kv::demo {

// A record of `length` blanks.
std::string BlankRecord(std::size_t length);

// Writes `value` into the field of `descriptor` ("DITX$,00006,30,A,0,T002"): alphanumeric fields
// are padded with blanks on the right and cut to the length; numeric fields ("N" and the decimal
// types) are given as digits and padded with zeros on the left.
void PutField(std::string& record, std::string_view descriptor, std::string_view value);

struct FieldValue {
    std::string_view descriptor;
    std::string value;
};

// A record of `length` blanks with each value put into its field (PutField), in order.
std::string RecordOf(std::size_t length, std::initializer_list<FieldValue> fields);

// Puts a text over two fields: what the first (of `firstLength`) does not hold goes on in the second.
void PutSplit(std::string& record, std::string_view first, std::size_t firstLength, std::string_view second,
              std::string_view text);

}  // namespace kv::demo
