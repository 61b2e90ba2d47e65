#pragma once
// The drawing of one barcode as plain geometry, in points: bars measured from the top-left corner
// of the symbol with its quiet zone (Y growing downwards) and the captions under them. The
// symbology builders fill it; DrawBarCode turns it into page content.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace folivo::barcode {

struct Bar {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// One piece of human-readable text; x is where DrawText anchors it (align 1 left, 4 centred).
struct Caption {
    std::string text;
    float x = 0;
    int32_t align = 1;
};

struct Symbol {
    std::vector<Bar> bars;        // empty when the data were refused
    bool stroked = false;         // bars drawn as lines through their centres, not filled boxes
    std::vector<Caption> captions;
    float width = 0;              // the whole symbol with its quiet zones
    float barHeight = 0;          // height of the ordinary bars
    float band = 0;               // text band reserved under the bars
    float fontSize = 0;           // caption size
};

// What the caller asked for, with the height already in points (0 = the symbology's standard).
struct Sizing {
    float zoom = 1;
    float height = 0;
    bool showCode = false;
    bool addCheck = false;
};

// Zoom factors are held between 0.8 and 2.0.
float ClampZoom(float zoom);

// Caption size and text band for a zoom.
float CaptionSize(float zoom);
float TextBand(float zoom);

// Bar height: the standard one when no height is given, else the height less the band; a result
// of zero or less becomes `fallback`.
float BarHeight(float givenHeight, float standard, float band, float fallback);

// One bar per run of "1" modules of a "0"/"1" pattern starting at x0.
void AddModules(Symbol& symbol, std::string_view modules, float x0, float module, float height);

// True when every character is a decimal digit (and there is at least one).
bool AllDigits(std::string_view text);

// Sets the caption size and band when the text is shown; returns the band to take from a given height.
float PrepareCaption(Symbol& symbol, const Sizing& sizing);

// An empty symbol with its caption prepared and its bar height set: `standard` points at zoom 1
// unless a height is given; `unit` (the narrowest element) when the given height leaves nothing.
Symbol StartSymbol(const Sizing& sizing, float standard, float unit);

// The modulo-10 check digit of EAN and Interleaved 2 of 5: from the right, weights 3, 1, 3 ...
char Mod10CheckDigit(std::string_view digits);

}  // namespace folivo::barcode
