#include "pdf/image/eps_player.hpp"

#include <sstream>

#include "pdf/core/number_format.hpp"
#include "pdf/image/byte_source.hpp"
#include "pdf/image/ps_machine.hpp"

namespace folivo::image {

namespace {

constexpr uint32_t kDosEpsKey = 0xC6D3D0C5;  // bytes C5 D0 D3 C6
constexpr size_t kMaxLinesPerStatement = 500;

// The PostScript section of a DOS EPS file (the rest holds previews), or the whole file.
std::string_view PostScriptPart(std::string_view file) {
    const ByteSource b(file);
    if (!b.Has(0, 12) || b.U32LE(0) != kDosEpsKey) return file;
    const uint32_t start = b.U32LE(4);
    const uint32_t length = b.U32LE(8);
    b.Require(start, length, "PostScript section of the DOS EPS file");
    return file.substr(start, length);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

struct Box {
    float llx = 0, lly = 0, urx = 0, ury = 0;
};

Box BoundingBox(const std::vector<std::string_view>& lines) {
    for (const auto line : lines) {
        if (!StartsWith(line, "%%BoundingBox:")) continue;
        std::istringstream in(std::string(line.substr(14)));
        Box box;
        if (in >> box.llx >> box.lly >> box.urx >> box.ury && box.urx > box.llx && box.ury > box.lly) return box;
    }
    throw FormatError("PostScript picture without a bounding box");
}

// Illustrator files rest on procedure sets of their own; their one-letter operators are read
// directly instead, so everything up to the end of the prolog and setup is passed over.
size_t FirstLineToRun(const std::vector<std::string_view>& lines) {
    bool illustrator = false;
    size_t first = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (StartsWith(lines[i], "%AI") || StartsWith(lines[i], "%%Creator: Adobe Illustrator")) illustrator = true;
        if (StartsWith(lines[i], "%%EndSetup") || StartsWith(lines[i], "%%EndProlog")) first = i + 1;
    }
    return illustrator ? first : 0;
}

// Runs the lines of the drawing: a statement is one line, or several when a procedure or string
// goes on; a statement that cannot run, or one left open, skips its first line only.
class EpsRun {
public:
    EpsRun(const std::vector<std::string_view>& lines, PsMachine& machine) : lines_(lines), machine_(machine) {}

    void From(size_t i) {
        while (i < lines_.size()) {
            if (StartsWith(lines_[i], "%%EOF")) return;
            if (StartsWith(lines_[i], "%%BeginPreview")) {
                while (i < lines_.size() && !StartsWith(lines_[i], "%%EndPreview")) ++i;
                continue;
            }
            i = Statement(i);
        }
    }

    const std::string& firstError() const { return firstError_; }

private:
    // Runs the statement that starts at line i; returns the line after it.
    size_t Statement(size_t i) {
        std::string text(lines_[i]);
        size_t end = i + 1;
        try {
            PsOpenCount open;
            open.Feed(text);
            while (open.Open() && end < lines_.size() && end - i < kMaxLinesPerStatement &&
                   !StartsWith(lines_[end], "%%")) {
                open.Feed(lines_[end]);
                text += '\n';
                text += lines_[end++];
            }
            const PsTokens tokens = Tokenize(text);
            if (!tokens.complete) throw PsLineError{"unclosed procedure or string"};
            machine_.Run(tokens.values);
            return end;
        } catch (const PsLineError& e) {
            if (firstError_.empty()) firstError_ = e.what;
            machine_.ClearStack();
            return i + 1;
        }
    }

    const std::vector<std::string_view>& lines_;
    PsMachine& machine_;
    std::string firstError_;
};

}  // namespace

std::vector<std::string> PlayEps(std::string_view file, VectorTarget target, PictureHost& host) {
    const auto lines = SplitLines(PostScriptPart(file));
    const Box box = BoundingBox(lines);
    const float w = box.urx - box.llx;
    const float h = box.ury - box.lly;
    const VectorTarget t = ResolveSize(target, w, h);
    PsCanvas canvas(host);
    PsMachine machine(canvas);
    EpsRun run(lines, machine);
    try {
        run.From(FirstLineToRun(lines));
    } catch (const PsStop&) {
    }
    if (!canvas.Painted()) {
        throw FormatError("nothing drawable in the PostScript picture" +
                          (run.firstError().empty() ? std::string() : " (" + run.firstError() + ")"));
    }
    std::vector<std::string> out = {"q",
                                    FormatNum(t.width / w) + " 0 0 " + FormatNum(t.height / h) + " " +
                                        FormatNum(t.x) + " " + FormatNum(t.y) + " cm",
                                    "1 0 0 -1 " + FormatNum(-box.llx) + " " + FormatNum(box.ury) + " cm",
                                    // nothing outside the bounding box is shown
                                    FormatNum(box.llx) + " " + FormatNum(box.lly) + " " + FormatNum(w) + " " +
                                        FormatNum(h) + " re W n"};
    for (std::string& line : canvas.Finish()) out.push_back(std::move(line));
    out.push_back("Q");
    return out;
}

}  // namespace folivo::image
