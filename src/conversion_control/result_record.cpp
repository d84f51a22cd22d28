#include "conversion_control/result_record.h"

#include "conversion_control/quadrant.h"
#include "math/mod_math.h"

ResultRecord ReadResult(std::int16_t index, const InputBoxes &boxes)
{
    using modMath::TextToNumber;
    ResultRecord result{};
    result.Index = index;
    result.X = TextToNumber(boxes.Tag[2]);
    result.Y = TextToNumber(boxes.Tag[3]);
    result.Quadrant = std::string(QuadrantName(QuadrantOfPoint(result.X, result.Y)));
    result.Radius = TextToNumber(boxes.Tag[0]);
    result.Angle = TextToNumber(boxes.Tag[1]);
    return result;
}
