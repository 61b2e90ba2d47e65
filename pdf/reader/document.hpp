#pragma once
// A PDF file opened for reading: the whole file in memory, its cross-reference table, indirect
// objects read on demand (and kept), the page list and inherited page attributes.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pdf/reader/indirect_object.hpp"
#include "pdf/reader/object_stream.hpp"
#include "pdf/reader/source_security.hpp"
#include "pdf/reader/value.hpp"
#include "pdf/reader/xref.hpp"

namespace folivo::reader {

class Document {
public:
    // Reads the cross-reference data, or rebuilds it by scanning a file whose data is damaged;
    // throws ReadError when the file is no readable PDF.
    explicit Document(std::vector<uint8_t> bytes);

    bool Encrypted() const { return xref_.trailer.Find("Encrypt") != nullptr; }
    // An encrypted file that the empty user password opens: its objects read deciphered.
    bool Deciphered() const { return security_.has_value(); }
    const Value& Trailer() const { return xref_.trailer; }
    bool Has(int64_t number) const { return xref_.entries.count(number) != 0; }

    // The object with this number; an object missing from the table is null.
    const IndirectObject& Object(int64_t number);
    // Follows references (a bounded number of times) to a direct value.
    const Value& Resolve(const Value& value);
    // The object numbers of the pages in page order (walked once, then kept).
    const std::vector<int64_t>& Pages();
    // A page attribute, looked up on the page and then up its "/Parent" chain; nullptr if absent.
    const Value* Inherited(int64_t page, std::string_view key);
    // A stream's bytes with its filters undone (the filters Folivo writes, with predictors).
    std::string DecodedStream(const IndirectObject& object);

private:
    IndirectObject ReadObject(int64_t number, const XrefEntry& entry);
    IndirectObject ReadFromObjectStream(int64_t number, const XrefEntry& entry);
    size_t StreamLength(const Value& dictionary, int64_t number);
    void Repair();
    void OpenSecurity();
    void WalkPageTree(const Value& root);

    std::vector<uint8_t> bytes_;
    XrefTable xref_;
    std::map<int64_t, std::unique_ptr<IndirectObject>> cache_;
    std::map<int64_t, ObjectStream> objectStreams_;  // decoded once each
    bool repaired_ = false;
    std::optional<security::SecurityState> security_;
    int64_t encryptObject_ = 0;  // the encryption dictionary's number, never enciphered
    std::vector<int64_t> pages_;
    bool pagesRead_ = false;
    int lengthDepth_ = 0;
};

// Reads a whole file: throws folivo::Error 53 when it does not exist.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

}  // namespace folivo::reader
