#include "pdf/core/paper_sizes.hpp"

#include <array>

namespace folivo {

namespace {

// Portrait sizes of the even codes -8, -6, ..., 16: A0..A7, letter, tabloid, legal, statement,
// executive.
constexpr std::array<PaperDims, 13> kPortrait = {{
    {2384, 3371}, {1685, 2384}, {1192, 1685}, {842, 1192},  // A0 A1 A2 A3
    {596, 842},   {421, 596},   {298, 421},   {210, 298},   // A4 A5 A6 A7
    {612, 792},   {792, 1224},  {612, 1008},  {396, 612},   // letter tabloid legal statement
    {522, 756},                                             // executive
}};

}  // namespace

std::optional<PaperDims> PaperSizeOf(int32_t code) {
    if (code < -8 || code > 17) return std::nullopt;
    const int32_t even = code % 2 == 0 ? code : code - 1;
    const PaperDims portrait = kPortrait[static_cast<size_t>((even + 8) / 2)];
    if (even == code) return portrait;
    return PaperDims{portrait.height, portrait.width};
}

}  // namespace folivo
