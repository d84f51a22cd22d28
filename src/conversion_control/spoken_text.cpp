#include "conversion_control/spoken_text.h"

#include "conversion_control/command_index.h"
#include "conversion_control/control_message.h"

std::string ResultAnnouncement(const ResultRecord &result, const InputBoxes &boxes)
{
    if (result.Index == kPolarToRectangular) {
        return "x = " + boxes.Text[2] + ", y = " + boxes.Text[3] + ", " + result.Quadrant;
    }
    return "r = " + boxes.Text[0] + ", \u00D8 = " + boxes.Text[1] + "\u00B0, " + result.Quadrant;
}

std::string ReadoutAnnouncement(std::string_view polar, std::string_view rectangular,
                                bool onRectangular)
{
    std::string spoken(onRectangular ? rectangular : polar);
    for (std::size_t at = spoken.find("; "); at != std::string::npos;
         at = spoken.find("; ", at + 2)) {
        spoken[at] = ',';
    }
    return spoken;
}

std::string UnreadableBoxDescription(std::size_t box, std::string_view text)
{
    return std::string(kQuantity.at(box)) + " = " + Quoted(text) + " is not a number";
}
