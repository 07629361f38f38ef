#include "platform/DeviceResolution.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(DeviceResolution, DividesWholePixelsByWholeMillimetres)
{
    EXPECT_EQ(VerticalPixelsPerMm(1080, 300), 3);
    EXPECT_EQ(VerticalPixelsPerMm(1199, 300), 3);
    EXPECT_EQ(VerticalPixelsPerMm(1080, 0), 0);

    QImage page(100, 1000, QImage::Format_RGB32);
    page.setDotsPerMeterY(4000); // 1000 px over 250 mm
    EXPECT_EQ(VerticalPixelsPerMm(page), 4);
}
