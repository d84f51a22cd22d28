#pragma once

// The frame both diagrams and the pointer read-out share: the centre, the grid
// step (RingSpacing), the quadrant labels and the marking of the point.

#include "canvas/canvas.h"

#include <optional>
#include <string>

// The grid steps (rings) from the centre to the outer ring; one step stands
// for a sixth of the radius.
inline constexpr int kGridSteps = 6;

struct DiagramFrame
{
    float W = 0.0f; // ScaleWidth
    float H = 0.0f; // ScaleHeight
    double cx = 0.0;
    double cy = 0.0;
    // One grid step in pixels; it stands for r / kGridSteps. Zero or
    // negative when the canvas is smaller than its text margins.
    double RingSpacing = 0.0;
};

// Measured in the canvas's current font: the margins around the outer ring
// hold the angle labels.
[[nodiscard]] DiagramFrame MeasureDiagramFrame(const Canvas &canvas);

// Clears the canvas and measures its frame. Empty when the canvas is smaller
// than its text margins: there is no room for a grid, and the drawing ends
// with the canvas at font size 8 like every other.
[[nodiscard]] std::optional<DiagramFrame> StartDiagram(Canvas &canvas);

// Quadrant names and sign labels at size 12; leaves the canvas at size 8.
void DrawQuadrantLabels(Canvas &canvas, const DiagramFrame &frame);

// The blue dot at offset (dx, dy) from the centre, y upwards.
void DrawPointMarker(Canvas &canvas, const DiagramFrame &frame, double dx, double dy);

// The label centred 10 pixels above the dot, kept inside the canvas at the
// left, top and right.
void DrawPointLabel(Canvas &canvas, const DiagramFrame &frame, double dx, double dy,
                    const std::string &text);
