#include "platform/device_units.hpp"

namespace kv::platform {

double TwipsToDevice(double twips, int dotsPerInch) { return twips * dotsPerInch / kTwipsPerInch; }

double DeviceToTwips(double units, int dotsPerInch) {
    if (dotsPerInch <= 0) return 0;
    return units * kTwipsPerInch / dotsPerInch;
}

}  // namespace kv::platform
