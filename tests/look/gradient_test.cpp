#include "look/gradient.h"

#include <gtest/gtest.h>

namespace {

int redAt(const QImage& image, int x) {
    return qRed(image.pixel(x, 0));
}

} // namespace

TEST(Gradient, SixtyPixelsRiseInOnePixelStripes) {
    const QImage image = makeGradient(60, 12, rgb(0, 0, 0), rgb(255, 0, 0));
    ASSERT_EQ(image.size(), QSize(60, 12));
    EXPECT_EQ(redAt(image, 25), 191); // 255 * (2*25*50 - 25^2) / 50^2
    EXPECT_EQ(redAt(image, 0), 0);
    for (int x = 50; x < 60; ++x)
        EXPECT_EQ(redAt(image, x), 255) << x;
    for (int x = 1; x < 50; ++x)
        EXPECT_LE(redAt(image, x - 1), redAt(image, x)) << x;
    EXPECT_EQ(image.pixel(25, 0), image.pixel(25, 11)); // stripes are full height
}

TEST(Gradient, WideCaptionsUseTenPixelStripes) {
    const QImage image = makeGradient(768, 2, rgb(0, 0, 0), rgb(0, 0, 200));
    for (int x = 640; x < 768; ++x)
        ASSERT_EQ(qBlue(image.pixel(x, 0)), 200) << x;
    // Stripes of 10 columns from 630 down: every column of a stripe has one colour.
    for (int stripe = 630; stripe > 10; stripe -= 10)
        for (int x = stripe; x < stripe + 10; ++x)
            ASSERT_EQ(image.pixel(x, 0), image.pixel(stripe, 0)) << x;
    EXPECT_LT(qBlue(image.pixel(300, 0)), qBlue(image.pixel(310, 0)));
    EXPECT_EQ(qBlue(image.pixel(0, 0)), 0);
}

TEST(Gradient, DegenerateSizesDoNotCrash) {
    EXPECT_TRUE(makeGradient(0, 10, 0, 0xFFFFFF).isNull());
    EXPECT_EQ(makeGradient(1, 1, 0, 0xFFFFFF).pixel(0, 0), qRgb(255, 255, 255)); // all flat end
    EXPECT_EQ(makeGradient(3000, 1, 0, 0xFFFFFF).width(), 3000);
}

TEST(Gradient, SolidAndLightness) {
    EXPECT_EQ(makeSolid(4, 4, rgb(1, 2, 3)).pixel(3, 3), qRgb(1, 2, 3));
    EXPECT_EQ(lightness(rgb(255, 255, 255)), 240);
    EXPECT_EQ(lightness(rgb(0, 0, 0)), 0);
    EXPECT_EQ(lightness(rgb(255, 0, 0)), 120);
    EXPECT_EQ(captionTextColor(rgb(64, 64, 64)), rgb(255, 255, 255)); // dark grey: white
    EXPECT_EQ(captionTextColor(rgb(200, 200, 200)), rgb(200, 200, 200));
}
