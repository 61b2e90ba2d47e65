#include "pdf/text/line_layout.hpp"

#include <vector>

#include "pdf/text/split.hpp"

namespace folivo::text {
namespace {

constexpr int32_t kAlignMask =
    kAlignLeft | kAlignRight | kAlignCenter | kAlignJustify | kAlignShrink | kAlignFit;

// A justified line is measured word by word, each gap as one space.
float JustifiedLength(const std::vector<std::string>& words, const TextMeasure& measure) {
    float length = 0;
    for (const auto& word : words) length += measure.Length(word);
    return length + static_cast<float>(words.size() - 1) * measure.Length(" ");
}

void PlanScaling(LinePlan& plan, float width, bool stretch) {
    if (plan.length <= 0) return;
    if (plan.length > width) {
        plan.adjust = LineAdjust::kScaling;
    } else if (stretch) {
        plan.adjust = LineAdjust::kScalingStretched;
    } else {
        return;
    }
    plan.value = width * 100.0f / plan.length;
}

}  // namespace

LinePlan PlanLine(std::string_view line, float width, float indent, int32_t align,
                  const TextMeasure& measure) {
    LinePlan plan;
    std::vector<std::string> words;
    if (align & kAlignJustify) {
        words = SplitText(line, " ");
        plan.length = JustifiedLength(words, measure);
    } else if (align & (kAlignShrink | kAlignFit)) {
        plan.length = measure.AtFullScale().Length(line);
    } else {
        plan.length = measure.Length(line);
    }
    plan.length += indent;

    switch (align & kAlignMask) {
        case kAlignRight: plan.dx = width - plan.length; break;
        case kAlignCenter: plan.dx = (width - plan.length) / 2; break;
        case kAlignJustify:
            if (words.size() >= 2) {
                plan.adjust = LineAdjust::kWordSpacing;
                plan.value = (width - plan.length) / static_cast<float>(words.size() - 1);
            }
            break;
        case kAlignShrink: PlanScaling(plan, width, false); break;
        case kAlignFit: PlanScaling(plan, width, true); break;
        default: break;
    }
    plan.dx += indent;
    return plan;
}

}  // namespace folivo::text
