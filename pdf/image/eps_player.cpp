#include "pdf/image/eps_player.hpp"

#include <set>
#include <sstream>

#include "pdf/core/number_format.hpp"
#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

const std::set<std::string> kPassedThrough = {"m", "l", "v", "y", "c", "k", "K", "g",
                                              "G", "J", "j", "w", "M", "d", "n"};
const std::set<std::string> kLowerCased = {"Y", "N", "L", "C", "V"};

std::vector<std::string> SplitLines(std::string_view file) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : file) {
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> Tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    return tokens;
}

bool StartsWith(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

// Operands are numbers or the brackets of a dash array; anything else would not be valid content.
bool OperandsAreNumbers(const std::vector<std::string>& tokens) {
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].find_first_not_of("0123456789.-+[]") != std::string::npos) return false;
    }
    return true;
}

struct Box {
    float llx = 0, lly = 0, urx = 0, ury = 0;
};

Box BoundingBox(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (!StartsWith(line, "%%BoundingBox:")) continue;
        std::istringstream in(line.substr(14));
        Box box;
        if (in >> box.llx >> box.lly >> box.urx >> box.ury && box.urx > box.llx && box.ury > box.lly) return box;
    }
    throw FormatError("PostScript picture without a bounding box");
}

// Where the drawing starts: after the last "%%EndSetup" or "%%EndProlog" line.
size_t FirstDrawingLine(const std::vector<std::string>& lines) {
    size_t first = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (StartsWith(lines[i], "%%EndSetup") || StartsWith(lines[i], "%%EndProlog")) first = i + 1;
    }
    return first;
}

// The content line for one drawing line, or "" to skip it. `filled` tells whether the current
// path was already filled, so a stroke that follows it is dropped.
std::string Translate(const std::string& line, bool& filled) {
    if (line.empty() || line[0] == '%' || line[0] == '/' || line[0] == '(') return "";
    const auto tokens = Tokens(line);
    if (tokens.empty() || !OperandsAreNumbers(tokens)) return "";
    const std::string& op = tokens.back();
    std::string operands;
    for (size_t i = 0; i + 1 < tokens.size(); ++i) operands += tokens[i] + " ";
    if (op == "m") filled = false;
    if (kPassedThrough.count(op)) return operands + op;
    if (op == "s" || op == "S") return filled ? "" : operands + op;
    if (kLowerCased.count(op)) return operands + static_cast<char>(op[0] - 'A' + 'a');
    if (op == "f" || op == "F") {
        filled = true;
        return operands + "f*";
    }
    if (op == "b" || op == "B") {
        filled = true;
        return operands + op + "*";
    }
    if (op == "Xa" && tokens.size() == 4) return operands + "rg";
    return "";
}

}  // namespace

std::vector<std::string> PlayEps(std::string_view file, VectorTarget target) {
    const auto lines = SplitLines(file);
    const Box box = BoundingBox(lines);
    const float w = box.urx - box.llx;
    const float h = box.ury - box.lly;
    const VectorTarget t = ResolveSize(target, w, h);
    std::vector<std::string> out = {"q",
                                    FormatNum(t.width / w) + " 0 0 " + FormatNum(t.height / h) + " " +
                                        FormatNum(t.x) + " " + FormatNum(t.y) + " cm",
                                    "1 0 0 -1 " + FormatNum(-box.llx) + " " + FormatNum(box.ury) + " cm"};
    bool filled = false;
    for (size_t i = FirstDrawingLine(lines); i < lines.size(); ++i) {
        if (StartsWith(lines[i], "%%PageTrailer") || lines[i].find("showpage") != std::string::npos) break;
        std::string content = Translate(lines[i], filled);
        if (!content.empty()) out.push_back(std::move(content));
    }
    out.push_back("Q");
    return out;
}

}  // namespace folivo::image
