#include "pdf/reader/stream_decode.hpp"

#include <cstdlib>
#include <span>
#include <vector>

#include "pdf/codec/ascii85.hpp"
#include "pdf/codec/ascii_hex.hpp"
#include "pdf/codec/inflate.hpp"
#include "pdf/codec/lzw.hpp"
#include "pdf/codec/run_length.hpp"

namespace folivo::reader {
namespace {

using Bytes = std::vector<uint8_t>;

int64_t IntegerEntry(const Value* parms, std::string_view key, int64_t fallback, const Resolver& resolve) {
    const Value* found = parms != nullptr ? parms->Find(key) : nullptr;
    if (found == nullptr) return fallback;
    const Value& value = resolve(*found);
    return value.Is(Value::Kind::Integer) ? value.integer : fallback;
}

uint8_t Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// PNG predictors: each row starts with its own filter type byte; `left` is the bytes of a pixel.
Bytes UndoPngRows(const Bytes& in, size_t rowBytes, size_t left) {
    Bytes out;
    out.reserve(in.size());
    Bytes prior(rowBytes, 0);
    for (size_t at = 0; at + 1 + rowBytes <= in.size(); at += 1 + rowBytes) {
        const uint8_t type = in[at];
        if (type > 4) throw ReadError("unknown PNG predictor row type " + std::to_string(type));
        Bytes row(in.begin() + static_cast<std::ptrdiff_t>(at + 1), in.begin() + static_cast<std::ptrdiff_t>(at + 1 + rowBytes));
        for (size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= left ? row[i - left] : 0, b = prior[i], c = i >= left ? prior[i - left] : 0;
            const int add = type == 1 ? a : type == 2 ? b : type == 3 ? (a + b) / 2 : type == 4 ? Paeth(a, b, c) : 0;
            row[i] = static_cast<uint8_t>(row[i] + add);
        }
        out.insert(out.end(), row.begin(), row.end());
        prior = std::move(row);
    }
    return out;
}

// TIFF predictor 2 at 8 bits a component: each byte was stored as its difference from the
// same component of the pixel on its left.
Bytes UndoTiffRows(Bytes in, size_t rowBytes, size_t left) {
    for (size_t row = 0; row + rowBytes <= in.size(); row += rowBytes)
        for (size_t i = left; i < rowBytes; ++i) in[row + i] = static_cast<uint8_t>(in[row + i] + in[row + i - left]);
    return in;
}

Bytes UndoPredictor(Bytes data, const Value* parms, const Resolver& resolve) {
    const int64_t predictor = IntegerEntry(parms, "Predictor", 1, resolve);
    if (predictor <= 1) return data;
    const int64_t colors = IntegerEntry(parms, "Colors", 1, resolve);
    const int64_t bits = IntegerEntry(parms, "BitsPerComponent", 8, resolve);
    const int64_t columns = IntegerEntry(parms, "Columns", 1, resolve);
    if (colors < 1 || colors > 32 || (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16) || columns < 1 ||
        columns > (int64_t{1} << 24))
        throw ReadError("bad predictor parameters");
    const auto pixelBits = static_cast<size_t>(colors * bits);
    const size_t rowBytes = (static_cast<size_t>(columns) * pixelBits + 7) / 8;
    const size_t left = std::max<size_t>(1, pixelBits / 8);
    if (predictor >= 10) return UndoPngRows(data, rowBytes, left);
    if (predictor == 2 && bits == 8) return UndoTiffRows(std::move(data), rowBytes, left);
    throw ReadError("predictor " + std::to_string(predictor) + " is not supported");
}

Bytes Apply(const std::string& filter, const Bytes& in, const Value* parms, const Resolver& resolve) {
    codec::Decoded out;
    const std::span<const uint8_t> bytes(in);
    if (filter == "FlateDecode" || filter == "Fl") {
        out = codec::InflateZlib(bytes);
    } else if (filter == "LZWDecode" || filter == "LZW") {
        out = codec::DecodeLzw(bytes, IntegerEntry(parms, "EarlyChange", 1, resolve) != 0);
    } else if (filter == "ASCII85Decode" || filter == "A85") {
        out = codec::DecodeAscii85(bytes);
    } else if (filter == "ASCIIHexDecode" || filter == "AHx") {
        out = codec::DecodeAsciiHex(bytes);
    } else if (filter == "RunLengthDecode" || filter == "RL") {
        out = codec::DecodeRunLength(bytes);
    } else {
        throw ReadError("stream filter /" + filter + " is not supported");
    }
    if (!out.ok()) throw ReadError("/" + filter + " stream: " + out.error);
    const bool predicted = filter == "FlateDecode" || filter == "Fl" || filter == "LZWDecode" || filter == "LZW";
    return predicted ? UndoPredictor(std::move(out.bytes), parms, resolve) : std::move(out.bytes);
}

}  // namespace

std::string DecodeStreamData(const Value& dictionary, const std::string& data, const Resolver& resolve) {
    const Value* filterEntry = dictionary.Find("Filter");
    if (filterEntry == nullptr) return data;
    const Value& filters = resolve(*filterEntry);
    const Value* parmsEntry = dictionary.Find("DecodeParms");
    const Value* parms = parmsEntry != nullptr ? &resolve(*parmsEntry) : nullptr;
    std::vector<const Value*> names, parmList;
    if (filters.Is(Value::Kind::Array)) {
        for (size_t i = 0; i < filters.items.size(); ++i) {
            names.push_back(&resolve(filters.items[i]));
            const bool listed = parms != nullptr && parms->Is(Value::Kind::Array) && i < parms->items.size();
            parmList.push_back(listed ? &resolve(parms->items[i]) : nullptr);
        }
    } else {
        names.push_back(&filters);
        parmList.push_back(parms != nullptr && parms->Is(Value::Kind::Dictionary) ? parms : nullptr);
    }
    Bytes bytes(data.begin(), data.end());
    for (size_t i = 0; i < names.size(); ++i) {
        if (!names[i]->Is(Value::Kind::Name)) throw ReadError("stream filter is not a name");
        bytes = Apply(names[i]->text, bytes, parmList[i], resolve);
    }
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace folivo::reader
