#pragma once

// The one owner of what the control tells the user about what happened: it
// takes each event and returns, in one order, what the message bar shows and
// what a screen reader is given. A conversion and a read-out that stop each
// leave a message of their own, shown side by side; each goes with its own
// cause: the conversion's when a conversion succeeds, the read-out's when a
// read-out is written or the tracking ends, and one about an unreadable r as
// soon as r reads as a number.

#include "conversion_control/input_boxes.h"
#include "conversion_control/pointer_readout.h"
#include "conversion_control/result_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

enum class Diagram
{
    Polar,
    Rectangular
};

// What happened, with the facts each event needs.
namespace Happened {

struct CommandSucceeded
{
    const ResultRecord &Result;
    const InputBoxes &Boxes; // as the command left them
};

// The command's source text in Box does not read as a number.
struct CommandStopped
{
    std::int16_t Command;
    std::size_t Box;
    std::string Text;
};

// An arithmetic fault stopped the command; Why is the fault's own text.
struct CommandFailed
{
    std::int16_t Command;
    std::string Why;
};

// Both read-out lines were written for a movement over On.
struct ReadoutWritten
{
    Diagram On;
    bool FromKeyboard;
    PolarReading Polar;
    RectangularReading Rectangular;
};

// A movement's read-out stopped: on the r text as typed, which is not a
// number, or on a fault, whose text Text then is.
struct ReadoutStopped
{
    bool UnreadableR;
    std::string Text;
};

struct RadiusEdited
{
    std::string Text;
};

// The crosshairs went and the read-out lines were cleared.
struct TrackingEnded
{};

} // namespace Happened

// What to show and say for one event, applied in the order of its members.
struct Told
{
    // Each box's own account of its fault, empty for none: given after every run of a command.
    std::optional<std::array<std::string, 4>> BoxFaults;
    // The message bar's text, when it changed.
    std::optional<std::string> Message;
    // The polar and the rectangular diagram's descriptions, when they changed.
    std::optional<std::array<std::string, 2>> Descriptions;
    // What the screen reader is given: a text to say, or an empty text that
    // makes what it had still to say stale.
    std::optional<std::string> Said;
    // The text tells of this diagram: it is said only while the diagram has the focus.
    std::optional<Diagram> SaidWhileOn;
};

class Feedback
{
public:
    [[nodiscard]] Told Take(const Happened::CommandSucceeded &event);
    [[nodiscard]] Told Take(const Happened::CommandStopped &event);
    [[nodiscard]] Told Take(const Happened::CommandFailed &event);
    [[nodiscard]] Told Take(const Happened::ReadoutWritten &event);
    [[nodiscard]] Told Take(const Happened::ReadoutStopped &event);
    [[nodiscard]] Told Take(const Happened::RadiusEdited &event);
    [[nodiscard]] Told Take(const Happened::TrackingEnded &event);

    // What the message bar shows.
    [[nodiscard]] std::string Message() const;

private:
    [[nodiscard]] Told commandMessage(std::string why);
    [[nodiscard]] Told readoutMessage(std::string why, bool unreadableR);
    [[nodiscard]] Told changed() const;

    std::string m_command;
    std::string m_readout;
    bool m_readoutStoppedOnR = false;
};
