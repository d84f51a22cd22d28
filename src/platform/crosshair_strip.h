#pragma once

// Where a crosshair line falls on the screen's device pixels, and which of the
// widget's logical pixels a repaint must cover so that exactly that pixel is
// painted again, at any scale factor. One axis at a time.

// [First, End) along one axis, in the widget's logical pixels.
struct PixelSpan
{
    int First = 0;
    int End = 0;
};

// The picture's first device pixel, for a picture whose logical origin falls
// at `origin` device pixels: a whole one, so that the image, which has the
// screen's resolution, is copied one to one.
[[nodiscard]] int PictureOrigin(double origin);

// The device pixel that a line `at` logical pixels into the picture lies on,
// where the picture's logical origin falls at `origin` device pixels: the
// pixel the pointer is over when the toolkit reports that place.
[[nodiscard]] int CrosshairPixel(double origin, double at, double dpr);

// The fewest logical pixels of the widget whose repaint covers the whole of
// device pixel `device`, where the widget's logical pixel u spans the device
// pixels from (windowOffset + u) * dpr to (windowOffset + u + 1) * dpr, and
// windowOffset is the widget's place in its window.
[[nodiscard]] PixelSpan CoveringSpan(int device, int windowOffset, double dpr);
