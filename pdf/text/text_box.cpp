#include "pdf/text/text_box.hpp"

#include "pdf/text/line_layout.hpp"
#include "pdf/text/split.hpp"

namespace folivo::text {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct Word {
    std::string text;
    float width;
};

std::vector<Word> MeasuredWords(const std::string& paragraph, const TextMeasure& measure) {
    std::vector<Word> words;
    for (auto& piece : SplitText(paragraph, " ")) {
        const float width = measure.Length(piece);
        words.push_back({std::move(piece), width});
    }
    return words;
}

// Index after the last word of the line that starts at `start`.
size_t LineEnd(const std::vector<Word>& words, size_t start, float startExtra, float spaceWidth,
               const BoxRequest& request) {
    if (request.align & (kAlignShrink | kAlignFit)) return words.size();
    float length = words[start].width + startExtra;
    size_t end = start + 1;
    while (end < words.size()) {
        const auto onLine = static_cast<float>(end - start);
        if (onLine * spaceWidth + length + words[end].width > request.width) break;
        length += words[end].width;
        ++end;
    }
    return end;
}

std::string JoinWords(const std::vector<Word>& words, size_t begin, size_t end) {
    std::string line;
    for (size_t i = begin; i < end; ++i) {
        if (i > begin) line += ' ';
        line += words[i].text;
    }
    return line;
}

// What a full box leaves: the cut paragraph's remaining words (after the continuation mark),
// then the untouched paragraphs, separated by line ends.
std::string RestOfText(const std::vector<std::string>& paragraphs, size_t paragraph,
                       const std::vector<Word>& words, size_t nextWord) {
    std::string rest;
    if (nextWord < words.size()) {
        rest = std::string(1, kContinuationMark) + JoinWords(words, nextWord, words.size());
        if (paragraph + 1 < paragraphs.size()) rest += kLineEnd;
    }
    return rest + JoinText(paragraphs, kLineEnd, paragraph + 1);
}

}  // namespace

std::vector<std::string> BoxParagraphs(std::string_view text, int32_t align) {
    std::string prepared(text);
    if (align & kAlignJustify) prepared = ReplaceRepeatedly(prepared, "  ", " ");
    prepared = ReplaceRepeatedly(prepared, "\r\n\r\n", "\r\n \r\n");
    if (prepared.size() >= 2 && prepared.ends_with(kLineEnd)) prepared += ' ';
    return SplitText(prepared, kLineEnd);
}

BoxLayout BreakTextBox(const BoxRequest& request, const TextMeasure& measure) {
    std::string_view text = request.text;
    const bool continuation = !text.empty() && text.front() == kContinuationMark;
    if (continuation) text.remove_prefix(1);

    const float spaceWidth = measure.Length(" ");
    const auto paragraphs = BoxParagraphs(text, request.align);
    BoxLayout layout;
    for (size_t p = 0; p < paragraphs.size(); ++p) {
        const auto words = MeasuredWords(paragraphs[p], measure);
        const bool opensParagraph = !(continuation && p == 0);
        for (size_t start = 0; start < words.size();) {
            const bool first = opensParagraph && start == 0;
            const size_t end =
                LineEnd(words, start, first ? request.indentation : 0, spaceWidth, request);
            layout.lines.push_back({JoinWords(words, start, end), first, end == words.size()});
            start = end;
            const auto next = static_cast<float>(layout.lines.size() + 1);
            if (request.heightLimit > 0 && next * request.lineHeight > request.heightLimit) {
                layout.rest = RestOfText(paragraphs, p, words, start);
                return layout;
            }
        }
    }
    return layout;
}

}  // namespace folivo::text
