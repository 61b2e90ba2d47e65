#pragma once
// A picture decoded from a raster file, ready to become an image XObject.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo::image {

struct Raster {
    int32_t width = 0;   // pixels
    int32_t height = 0;
    int32_t bits = 8;    // bits per component; for indexed data 1, 2, 4 or 8 bits per index
    bool indexed = false;
    std::string colorSpace = "DeviceRGB";  // of the samples, or the base of the palette
    std::string palette;   // indexed data: R, G, B bytes, 2^bits entries
    std::string samples;   // rows bottom row first, each on a byte boundary; JPEG: the whole file
    std::string filter;    // a preset filter ("/DCTDecode " for JPEG), else empty
    std::string maskKey;   // colour-key mask: "R R G G B B " or "i i ", empty for none
    std::string alpha;     // soft mask: one opacity byte per pixel, rows in the samples' order; empty for none
    std::string decode;    // the /Decode array's numbers, empty for the default
    std::string decodeParms;  // parameters of the preset filter ("<< /Predictor 15 .. >>"), or empty
    bool topRowFirst = false;  // JPEG samples start with the top row
};

// Largest picture a reader accepts, so a header cannot ask for an unbounded allocation.
inline constexpr int64_t kMaxPixels = int64_t{1} << 26;

// Throws the invalid-format error unless both sizes are positive and their product is accepted.
void CheckDimensions(int64_t width, int64_t height);

// Throws the invalid-format error when a compressed picture claims more pixels than its data could
// describe (`most`, from the format's largest run per byte), before anything is sized by the claim.
void CheckDataCanHold(int64_t width, int64_t height, uint64_t most);

// Keeps `alpha` (one byte per pixel) as the soft mask, unless every pixel is opaque.
void SetSoftMask(Raster& r, std::string alpha);

// The same for formats whose writers leave every alpha byte 0 when they mean no alpha at all.
void SetSoftMaskUnlessAllZero(Raster& r, std::string alpha);

// Index depths an indexed image can have: 3 becomes 4; 5, 6 and 7 become 8.
int32_t IndexedDepth(int32_t bits);

// Packs one index per pixel (rows top row first) into `bits`-bit samples, most significant first,
// each row starting on a byte boundary, bottom row first.
std::string PackIndicesBottomUp(const std::vector<uint8_t>& indices, int32_t width, int32_t height, int32_t bits);

// Pads an R, G, B palette with black to 2^bits entries (extra entries are dropped).
std::string PadPalette(std::string palette, int32_t bits);

}  // namespace folivo::image
