// The conversion commands on the input texts; drawing and the Result event
// are the widget's part.

#include "conversion_control/conversion_commands.h"

#include "math/mod_math.h"

using namespace modMath;

namespace {

void polarToRectangular(InputBoxes &boxes)
{
    const double r = TextToNumber(boxes.Text[0]);
    const double angle = TextToNumber(boxes.Text[1]);
    // Each text is assigned only once its value is complete, so a fault stops
    // the run with the earlier steps done and the later ones untouched.
    boxes.Text[2] = FormatSignificant(PolarToX(r, angle));
    boxes.Text[3] = FormatSignificant(PolarToY(r, angle));
    boxes.Tag[0] = boxes.Text[0];
    boxes.Tag[1] = boxes.Text[1];
    boxes.Tag[2] = NumberToText(PolarToX(r, angle));
    boxes.Tag[3] = NumberToText(PolarToY(r, angle));
}

void rectangularToPolar(InputBoxes &boxes)
{
    const double x = TextToNumber(boxes.Text[2]);
    const double y = TextToNumber(boxes.Text[3]);
    boxes.Text[0] = FormatSignificant(RectToRadius(x, y));
    boxes.Text[1] = FormatSignificant(RectToAngle(x, y));
    boxes.Tag[2] = boxes.Text[2];
    boxes.Tag[3] = boxes.Text[3];
    boxes.Tag[0] = NumberToText(RectToRadius(x, y));
    boxes.Tag[1] = NumberToText(RectToAngle(x, y));
}

} // namespace

void ConvertTexts(std::int16_t index, InputBoxes &boxes)
{
    if (index == PolarToRectangular) {
        polarToRectangular(boxes);
    } else {
        rectangularToPolar(boxes);
    }
}

ResultRecord ReadResult(std::int16_t index, const InputBoxes &boxes)
{
    ResultRecord result{};
    result.Index = index;
    result.X = TextToNumber(boxes.Tag[2]);
    result.Y = TextToNumber(boxes.Tag[3]);
    result.Quadrant = QuadrantName(result.X, result.Y);
    result.Radius = TextToNumber(boxes.Tag[0]);
    result.Angle = TextToNumber(boxes.Tag[1]);
    return result;
}

std::string QuadrantName(double x, double y)
{
    if (x >= 0 && y >= 0) {
        return "Quadrant I";
    }
    if (x < 0 && y >= 0) {
        return "Quadrant II";
    }
    if (x < 0 && y < 0) {
        return "Quadrant III";
    }
    return "Quadrant IV";
}

bool KeyAccepted(std::string_view text, char16_t code)
{
    constexpr char16_t kBackspace = 8;
    if (code == kBackspace || (code >= u'0' && code <= u'9') || code == u',') {
        return true;
    }
    if (code == u'-') {
        return text.find('-') == std::string_view::npos;
    }
    if (code == u'.') {
        return text.find('.') == std::string_view::npos;
    }
    return false;
}
