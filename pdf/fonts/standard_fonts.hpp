#pragma once
// The five standard font families: which family names select them, their base names, style
// suffixes and metrics (widths by style, line height and descent).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pdf/fonts/core_metrics.hpp"

namespace folivo::fonts {

// Style bits of SetFont that choose the face; the others (4, 8, 16) draw lines.
inline constexpr int32_t kStyleBold = 1;
inline constexpr int32_t kStyleItalic = 2;

struct CoreMetrics {
    const WidthTable* widths;
    int32_t height;   // line height, thousandths of the font size
    int32_t descent;  // negative, thousandths of the font size
};

// The base name ("TimesNewRoman", "CourierNew", "Arial", "Symbol", "ZapfDingbats") of a family
// given upper-cased and without spaces; nothing when the family is not a standard one.
std::optional<std::string_view> StandardBaseName(std::string_view upperFamily);

// True for the base names whose faces differ by style (Times, Courier, Arial).
bool HasStyledFaces(std::string_view baseName);

// "", "Bold", "Italic" or "BoldItalic" by the style bits 1 and 2.
std::string StyleSuffix(int32_t style);

// `name` followed by "," and the style suffix when the base name has styled faces and the suffix
// is not empty: Arial,Bold.
std::string StyledName(std::string_view name, std::string_view baseName, int32_t style);

// Metrics of a base name in a style; a name that is not standard takes the Arial metrics.
CoreMetrics MetricsFor(std::string_view baseName, int32_t style);


// The text without any space character.
std::string WithoutSpaces(std::string_view text);

}  // namespace folivo::fonts
