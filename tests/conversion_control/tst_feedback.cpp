#include "conversion_control/command_index.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/feedback.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using Step = std::function<Told(Feedback &)>;

const std::string kC = "Polar to Rectangular stopped: r = \u201C-\u201D is not a number.";
const std::string kR = "The read-out needs a number in r: \u201C-\u201D is not a number.";
const std::string kO = "The read-out stopped: Overflow: the radius is beyond the range of numbers.";
const std::string kF = "Rectangular to Polar stopped: Overflow: y is beyond the range of numbers.";

const Step kCommandStops = [](Feedback &f) {
    return f.Take(Happened::CommandStopped{kPolarToRectangular, 0, "-"});
};
const Step kCommandFails = [](Feedback &f) {
    return f.Take(
        Happened::CommandFailed{kRectangularToPolar, "Overflow: y is beyond the range of numbers"});
};
const Step kCommandSucceeds = [](Feedback &f) {
    InputBoxes boxes;
    boxes.Text = {"5", "30", "0", "0"};
    ConvertTexts(kPolarToRectangular, boxes);
    return f.Take(Happened::CommandSucceeded{ReadResult(kPolarToRectangular, boxes), boxes});
};
const Step kStopsOnR = [](Feedback &f) { return f.Take(Happened::ReadoutStopped{true, "-"}); };
const Step kOverflows = [](Feedback &f) {
    return f.Take(
        Happened::ReadoutStopped{false, "Overflow: the radius is beyond the range of numbers"});
};
// The place of Home, and of a Shift+Left, Shift+Up: r = 5 at 2 significant values.
Step written(Diagram on, bool fromKeyboard, double radius = 0)
{
    return [=](Feedback &f) {
        return f.Take(Happened::ReadoutWritten{
            on, fromKeyboard, {radius, 180, QuadrantId::II}, {-0.8333, 0.8333, QuadrantId::II}});
    };
}
const Step kEnded = [](Feedback &f) { return f.Take(Happened::TrackingEnded{}); };
const Step kRMended = [](Feedback &f) { return f.Take(Happened::RadiusEdited{"5"}); };
const Step kRStillBad = [](Feedback &f) { return f.Take(Happened::RadiusEdited{"1-2"}); };
const Step kRBeyondRange = [](Feedback &f) {
    return f.Take(Happened::RadiusEdited{std::string(400, '9')});
};

struct Row
{
    const char *Name;
    std::vector<Step> Steps;
    std::string Message;
    // Of the last step: whether the message changed, and what the reader was given.
    bool MessageChanged;
    std::optional<std::string> Said;
    std::optional<Diagram> SaidWhileOn = std::nullopt;
};

const std::string kPolarSaid = "Radius = 0, Angle = 180\u00B0, Quadrant II";
const std::string kRectangularSaid = "X = -0.83, Y = 0.83, Quadrant II";

} // namespace

TEST(Feedback, EachMessageGoesWithItsOwnCauseAndIsSaid)
{
    modMath::SignificantValues = 2;
    const Step mouse = written(Diagram::Polar, false);
    const Row rows[] = {
        {"nothing yet", {mouse}, "", false, std::nullopt},
        {"a stopped command", {kCommandStops}, kC, true, kC},
        {"the same again: nothing new", {kCommandStops, kCommandStops}, kC, false, std::nullopt},
        {"both, command first", {kStopsOnR, kCommandStops}, kC + ' ' + kR, true, kC + ' ' + kR},
        {"a success clears the command's only, and says the results",
         {kCommandStops, kStopsOnR, kCommandSucceeds},
         kR,
         true,
         "x = 4.33, y = 2.5, Quadrant I"},
        {"a fault, then a success",
         {kCommandFails, kCommandSucceeds},
         "",
         true,
         "x = 4.33, y = 2.5, Quadrant I"},
        {"a fault is said", {kCommandSucceeds, kCommandFails}, kF, true, kF},
        {"a written read-out clears the read-out's only",
         {kCommandStops, kOverflows, mouse},
         kC,
         true,
         kC},
        {"a mouse read-out silences the stale message", {kStopsOnR, mouse}, "", true, ""},
        {"tracking ended clears it", {kStopsOnR, kEnded}, "", true, ""},
        {"the command's stays when tracking ends",
         {kCommandStops, kEnded},
         kC,
         false,
         std::nullopt},
        {"mending r clears a stop on r", {kStopsOnR, kRMended}, "", true, ""},
        {"r still unreadable: stays", {kStopsOnR, kRStillBad}, kR, false, std::nullopt},
        {"r beyond the range: stays", {kStopsOnR, kRBeyondRange}, kR, false, std::nullopt},
        {"mending r leaves an overflow", {kOverflows, kRMended}, kO, false, std::nullopt},
        {"an overflow after a stop on r is not cleared by r",
         {kStopsOnR, kOverflows, kRMended},
         kO,
         false,
         std::nullopt},
        {"mending r twice: once", {kStopsOnR, kRMended, kRMended}, "", false, std::nullopt},
        {"mending r leaves the command's", {kCommandStops, kStopsOnR, kRMended}, kC, true, kC},
        // Eight Shift+Right past the double range, then Home: the line, not the silence.
        {"overflow, then Home",
         {kOverflows, written(Diagram::Polar, true)},
         "",
         true,
         kPolarSaid,
         Diagram::Polar},
        {"the keyboard on the rectangular diagram",
         {written(Diagram::Rectangular, true)},
         "",
         false,
         kRectangularSaid,
         Diagram::Rectangular},
        {"a keyboard read-out is said over the command's message",
         {kCommandStops, kStopsOnR, written(Diagram::Rectangular, true)},
         kC,
         true,
         kRectangularSaid,
         Diagram::Rectangular},
        {"a long radius, short",
         {written(Diagram::Polar, true, 8.5E307)},
         "",
         false,
         "Radius = 8.5 times 10 to the power 307, Angle = 180\u00B0, Quadrant II",
         Diagram::Polar},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.Name);
        Feedback feedback;
        Told told;
        for (const Step &step : row.Steps) {
            told = step(feedback);
        }
        EXPECT_EQ(feedback.Message(), row.Message);
        EXPECT_EQ(told.Message.has_value(), row.MessageChanged);
        if (told.Message) {
            EXPECT_EQ(*told.Message, row.Message);
        }
        EXPECT_EQ(told.Said, row.Said);
        EXPECT_EQ(told.SaidWhileOn, row.SaidWhileOn);
    }
}

// The box at fault names itself until the next run of a command.
TEST(Feedback, BoxFaultsGoWithEachRun)
{
    Feedback feedback;
    const Told stopped = feedback.Take(Happened::CommandStopped{kRectangularToPolar, 2, "-"});
    ASSERT_TRUE(stopped.BoxFaults);
    EXPECT_EQ(*stopped.BoxFaults,
              (std::array<std::string, 4>{"", "", "x = \u201C-\u201D is not a number", ""}));
    const Told failed = kCommandFails(feedback);
    ASSERT_TRUE(failed.BoxFaults);
    EXPECT_EQ(*failed.BoxFaults, (std::array<std::string, 4>{}));
    EXPECT_FALSE(kStopsOnR(feedback).BoxFaults);
}
