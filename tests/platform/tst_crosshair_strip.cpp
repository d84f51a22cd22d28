#include "platform/crosshair_strip.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double kScales[] = {1, 1.25, 1.5, 1.75, 2, 2.5};
// Places of a widget in its window, and of its interior in the widget.
constexpr int kOffsets[] = {0, 1, 2, 3, 7, 25};

} // namespace

TEST(CrosshairStrip, TheLineLiesOnThePointersDevicePixel)
{
    for (const double dpr : kScales) {
        for (const int offset : kOffsets) {
            const double origin = offset * dpr;
            for (int pointer = offset * 3; pointer < offset * 3 + 200; ++pointer) {
                // What the toolkit reports: the device pixel's place in the
                // picture's logical pixels, through single precision.
                const auto at = static_cast<float>(pointer / dpr - offset);
                SCOPED_TRACE("scale " + std::to_string(dpr) + ", offset " + std::to_string(offset) +
                             ", pixel " + std::to_string(pointer));
                EXPECT_EQ(CrosshairPixel(origin, at, dpr), pointer);
            }
        }
    }
}

TEST(CrosshairStrip, TheStripCoversItsDevicePixelWithTheFewestLogicalPixels)
{
    for (const double dpr : kScales) {
        for (const int windowOffset : kOffsets) {
            for (int device = windowOffset * 3; device < windowOffset * 3 + 100; ++device) {
                SCOPED_TRACE("scale " + std::to_string(dpr) + ", window offset " +
                             std::to_string(windowOffset) + ", pixel " + std::to_string(device));
                const PixelSpan span = CoveringSpan(device, windowOffset, dpr);
                const double start = (windowOffset + span.First) * dpr;
                const double end = (windowOffset + span.End) * dpr;
                EXPECT_LE(start, device);
                EXPECT_GE(end, device + 1);
                // One logical pixel less at either end would miss part of it.
                EXPECT_GT(start + dpr, device);
                EXPECT_LT(end - dpr, device + 1);
            }
        }
    }
}
