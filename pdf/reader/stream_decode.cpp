#include "pdf/reader/stream_decode.hpp"

#include <span>
#include <vector>

#include "pdf/codec/ascii85.hpp"
#include "pdf/codec/ascii_hex.hpp"
#include "pdf/codec/inflate.hpp"
#include "pdf/codec/lzw.hpp"
#include "pdf/codec/run_length.hpp"
#include "pdf/error.hpp"
#include "pdf/image/png_pixels.hpp"

namespace folivo::reader {
namespace {

using Bytes = std::vector<uint8_t>;

int64_t IntegerEntry(const Value* parms, std::string_view key, int64_t fallback, const Resolver& resolve) {
    const Value* found = parms != nullptr ? parms->Find(key) : nullptr;
    if (found == nullptr) return fallback;
    const Value& value = resolve(*found);
    return value.Is(Value::Kind::Integer) ? value.integer : fallback;
}

// PNG predictors: each row starts with its own filter type byte, as in a PNG file's image data;
// a last row cut short is dropped.
Bytes UndoPngRows(const Bytes& in, size_t rowBytes, size_t pixelBits) {
    image::PngLayout layout;
    layout.width = rowBytes * 8 / pixelBits;
    layout.height = in.size() / (1 + rowBytes);
    layout.bitsPerPixel = static_cast<uint32_t>(pixelBits);
    try {
        const std::string rows = image::UnfilterPng(std::span(in).first(layout.height * (1 + rowBytes)), layout);
        return Bytes(rows.begin(), rows.end());
    } catch (const Error& e) {
        throw ReadError(std::string("predictor rows: ") + e.what());
    }
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
    if (predictor >= 10) return UndoPngRows(data, rowBytes, pixelBits);
    if (predictor == 2 && bits == 8) return UndoTiffRows(std::move(data), rowBytes, pixelBits / 8);
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
