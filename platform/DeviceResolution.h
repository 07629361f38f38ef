#pragma once

class QPaintDevice;
class QScreen;

// Vertical pixels per millimetre of a device, as a whole number: the height in pixels
// divided by the height in millimetres, integer division. A device that reports no
// physical size gives 0 rather than a division by zero.
int VerticalPixelsPerMm(int pixels, int millimetres);
int VerticalPixelsPerMm(const QScreen& screen);
int VerticalPixelsPerMm(const QPaintDevice& device);
