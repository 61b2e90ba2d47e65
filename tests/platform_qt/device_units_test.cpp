// Twips and device units: the printer object's positions reach the page at the printer's resolution.

#include <gtest/gtest.h>

#include "platform/device_units.hpp"

namespace kv::platform::qt {
namespace {

TEST(DeviceUnitsTest, TwipsScaleWithTheResolution) {
    EXPECT_DOUBLE_EQ(TwipsToDevice(1440, 1200), 1200);  // an inch is the resolution
    EXPECT_DOUBLE_EQ(TwipsToDevice(1440, 300), 300);
    EXPECT_DOUBLE_EQ(TwipsToDevice(567, 1200), 472.5);  // a centimetre keeps its fraction
    EXPECT_DOUBLE_EQ(TwipsToDevice(-57, 1440), -57);    // above the printable area stays negative
    EXPECT_DOUBLE_EQ(TwipsToDevice(0, 600), 0);
}

TEST(DeviceUnitsTest, DeviceUnitsBackToTwips) {
    EXPECT_DOUBLE_EQ(DeviceToTwips(1200, 1200), 1440);
    EXPECT_DOUBLE_EQ(DeviceToTwips(TwipsToDevice(16 * 567, 600), 600), 16 * 567);
    EXPECT_DOUBLE_EQ(DeviceToTwips(100, 0), 0);  // a device without a resolution gives no height
}

}  // namespace
}  // namespace kv::platform::qt
