#include "conversion_control/feedback_text.h"

#include "conversion_control/command_caption.h"
#include "conversion_control/command_index.h"
#include "conversion_control/spoken_number.h"
#include "math/mod_math.h"

namespace {

constexpr std::size_t kR = 0;
constexpr std::size_t kAngle = 1;
constexpr std::size_t kX = 2;
constexpr std::size_t kY = 3;

// The text between typographic quotes, as a message cites what was typed.
[[nodiscard]] std::string quoted(std::string_view text)
{
    return "\u201C" + std::string(text) + "\u201D";
}

[[nodiscard]] std::string notANumber(std::string_view text)
{
    return quoted(text) + " is not a number";
}

[[nodiscard]] std::string is(std::size_t box, std::string_view value)
{
    return std::string(kQuantity.at(box)) + " = " + std::string(value);
}

[[nodiscard]] std::string caption(std::int16_t command)
{
    return std::string(kCommandCaption.at(command == kPolarToRectangular ? 0 : 1));
}

// What a line or an announcement says of a number it shows.
[[nodiscard]] std::string shownNumber(double v, bool spoken)
{
    std::string shown = modMath::FormatSignificant(v);
    return spoken ? SpokenNumber(shown) : shown;
}

[[nodiscard]] std::string polarLine(const PolarReading &reading, bool spoken)
{
    const std::string between = spoken ? ", " : "; ";
    return "Radius = " + shownNumber(reading.Radius, spoken) + between +
           "Angle = " + shownNumber(reading.Angle, spoken) + "\u00B0" + between +
           std::string(QuadrantName(reading.Quadrant));
}

[[nodiscard]] std::string rectangularLine(const RectangularReading &reading, bool spoken)
{
    const std::string between = spoken ? ", " : "; ";
    return "X = " + shownNumber(reading.X, spoken) + between +
           "Y = " + shownNumber(reading.Y, spoken) + between +
           std::string(QuadrantName(reading.Quadrant));
}

// "r = 5, Ø = 30°" and "x = 4.33, y = 2.5", as the boxes show the values.
[[nodiscard]] std::string polarPair(const InputBoxes &boxes)
{
    return is(kR, SpokenNumber(boxes.Text[kR])) + ", " +
           is(kAngle, SpokenNumber(boxes.Text[kAngle])) + "\u00B0";
}

[[nodiscard]] std::string rectangularPair(const InputBoxes &boxes)
{
    return is(kX, SpokenNumber(boxes.Text[kX])) + ", " + is(kY, SpokenNumber(boxes.Text[kY]));
}

} // namespace

std::string PolarReadoutLine(const PolarReading &reading)
{
    return polarLine(reading, false);
}

std::string RectangularReadoutLine(const RectangularReading &reading)
{
    return rectangularLine(reading, false);
}

std::string SpokenPolarReadout(const PolarReading &reading)
{
    return polarLine(reading, true);
}

std::string SpokenRectangularReadout(const RectangularReading &reading)
{
    return rectangularLine(reading, true);
}

std::string UnreadableSourceMessage(std::int16_t command, std::size_t box, std::string_view text)
{
    return caption(command) + " stopped: " + UnreadableBoxDescription(box, text) + ".";
}

std::string CommandFaultMessage(std::int16_t command, std::string_view why)
{
    return caption(command) + " stopped: " + std::string(why) + ".";
}

std::string UnreadableRadiusMessage(std::string_view rText)
{
    return "The read-out needs a number in " + std::string(kQuantity.at(kR)) + ": " +
           notANumber(rText) + ".";
}

std::string ReadoutFaultMessage(std::string_view why)
{
    return "The read-out stopped: " + std::string(why) + ".";
}

std::string UnreadableBoxDescription(std::size_t box, std::string_view text)
{
    return is(box, notANumber(text));
}

std::string ResultAnnouncement(const ResultRecord &result, const InputBoxes &boxes)
{
    const std::string pair =
        result.Index == kPolarToRectangular ? rectangularPair(boxes) : polarPair(boxes);
    return pair + ", " + result.Quadrant;
}

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
std::string PolarDiagramDescription(const InputBoxes &boxes, std::string_view quadrant)
{
    if (modMath::HasNoSignificantDigit(modMath::TextToNumber(boxes.Tag[kR]))) {
        return "Polar grid without a point: " + is(kR, SpokenNumber(boxes.Text[kR]));
    }
    return "Point at " + polarPair(boxes) + " in " + std::string(quadrant);
}

std::string RectangularDiagramDescription(const InputBoxes &boxes, std::string_view quadrant)
{
    if (modMath::HasNoSignificantDigit(modMath::TextToNumber(boxes.Tag[kX])) &&
        modMath::HasNoSignificantDigit(modMath::TextToNumber(boxes.Tag[kY]))) {
        return "Rectangular grid without a point: " + rectangularPair(boxes);
    }
    return "Point at " + rectangularPair(boxes) + " in " + std::string(quadrant);
}
