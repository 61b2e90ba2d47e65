#pragma once
// The values of the PostScript subset that EPS pictures are drawn with: numbers, booleans, names,
// strings, procedures, arrays, marks, fonts, and the dictionaries and save objects, which are
// kept only as tokens.

#include <memory>
#include <string>
#include <vector>

namespace folivo::image {

struct PsValue;
using PsItems = std::vector<PsValue>;

struct PsValue {
    enum class Kind { kNull, kNumber, kBool, kName, kLiteral, kString, kProcedure, kArray, kMark, kFont, kOpaque };
    Kind kind = Kind::kNull;
    double number = 0;              // numbers; booleans as 0 or 1; a font's size
    std::string text;               // names (without "/"), strings, a font's name
    std::shared_ptr<PsItems> items;  // procedures and arrays

    static PsValue Number(double n) { return {Kind::kNumber, n, {}, nullptr}; }
    static PsValue Bool(bool b) { return {Kind::kBool, b ? 1.0 : 0.0, {}, nullptr}; }
    static PsValue Of(Kind k, std::string text = {}) { return {k, 0, std::move(text), nullptr}; }
    static PsValue List(Kind k, PsItems items) {
        return {k, 0, {}, std::make_shared<PsItems>(std::move(items))};
    }
};

}  // namespace folivo::image
