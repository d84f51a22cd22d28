#include "conversion_control/diagram_description.h"

#include "math/mod_math.h"

std::string PolarGridDescription()
{
    return "Polar grid: six rings, one for each sixth of r, and spokes every 15\u00B0; "
           "no point yet";
}

std::string RectangularGridDescription()
{
    return "Rectangular grid: six steps each way from the centre, one for each sixth of r; "
           "no point yet";
}

// The diagrams decide from the full-precision values whether they draw the
// point, and so does the description.
std::string PolarDiagramDescription(const InputBoxes &boxes, const std::string &quadrant)
{
    if (modMath::HasNoSignificantDigit(modMath::TextToNumber(boxes.Tag[0]))) {
        return "Polar grid without a point: r = " + boxes.Text[0];
    }
    return "Point at r = " + boxes.Text[0] + ", \u00D8 = " + boxes.Text[1] + "\u00B0 in " +
           quadrant;
}

std::string RectangularDiagramDescription(const InputBoxes &boxes, const std::string &quadrant)
{
    if (modMath::HasNoSignificantDigit(modMath::TextToNumber(boxes.Tag[2])) &&
        modMath::HasNoSignificantDigit(modMath::TextToNumber(boxes.Tag[3]))) {
        return "Rectangular grid without a point: x = " + boxes.Text[2] + ", y = " + boxes.Text[3];
    }
    return "Point at x = " + boxes.Text[2] + ", y = " + boxes.Text[3] + " in " + quadrant;
}
