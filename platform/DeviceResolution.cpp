#include "platform/DeviceResolution.h"

#include <QPaintDevice>
#include <QScreen>
#include <cmath>

int VerticalPixelsPerMm(int pixels, int millimetres)
{
    return millimetres > 0 ? pixels / millimetres : 0;
}

int VerticalPixelsPerMm(const QScreen& screen)
{
    return VerticalPixelsPerMm(screen.geometry().height(),
                               static_cast<int>(std::lround(screen.physicalSize().height())));
}

int VerticalPixelsPerMm(const QPaintDevice& device)
{
    return VerticalPixelsPerMm(device.height(), device.heightMM());
}
