#pragma once
// Twips (1440 to the inch, the printer object's unit) and the device units of a printer with a given
// resolution in dots per inch.

namespace kv::platform {

inline constexpr double kTwipsPerInch = 1440.0;

// A length in twips as device units: twips * dpi / 1440, kept fractional so positions add no error.
double TwipsToDevice(double twips, int dotsPerInch);

// A length in device units as twips.
double DeviceToTwips(double units, int dotsPerInch);

}  // namespace kv::platform
