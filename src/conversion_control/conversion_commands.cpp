// The conversion commands on the input texts; drawing and the Result event
// are the widget's part.

#include "conversion_control/conversion_commands.h"

#include "math/mod_math.h"

using namespace modMath;

namespace {

// A command reads two source boxes and writes the two others.
struct Command
{
    std::size_t Source, Target;
    double (*First)(double, double);
    double (*Second)(double, double);
};

constexpr Command kPolarCommand{0, 2, &PolarToX, &PolarToY};
constexpr Command kRectangularCommand{2, 0, &RectToRadius, &RectToAngle};

double readSource(const InputBoxes &boxes, std::size_t box)
{
    try {
        return TextToNumber(boxes.Text[box]);
    } catch (const ConversionError &e) {
        throw UnreadableSource(box, e);
    }
}

void run(const Command &command, InputBoxes &boxes)
{
    const std::size_t s = command.Source;
    const std::size_t t = command.Target;
    const double a = readSource(boxes, s);
    const double b = readSource(boxes, s + 1);
    // Each text is assigned only once its value is complete, so a fault stops
    // the run with the earlier steps done and the later ones untouched. Each
    // result is computed once: the correctly rounded functions are not free.
    const double first = command.First(a, b);
    boxes.Text[t] = FormatSignificant(first);
    const double second = command.Second(a, b);
    boxes.Text[t + 1] = FormatSignificant(second);
    boxes.Tag[s] = boxes.Text[s];
    boxes.Tag[s + 1] = boxes.Text[s + 1];
    boxes.Tag[t] = NumberToText(first);
    boxes.Tag[t + 1] = NumberToText(second);
}

} // namespace

void ConvertTexts(std::int16_t index, InputBoxes &boxes)
{
    run(index == kPolarToRectangular ? kPolarCommand : kRectangularCommand, boxes);
}
