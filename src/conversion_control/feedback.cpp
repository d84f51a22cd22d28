#include "conversion_control/feedback.h"

#include "conversion_control/feedback_text.h"
#include "math/mod_math.h"

#include <utility>

namespace {

[[nodiscard]] bool readsAsNumber(const std::string &text)
{
    try {
        (void)modMath::TextToNumber(text);
    } catch (const modMath::ConversionError &) {
        return false;
    } catch (const modMath::ArithmeticError &) {
        // Beyond the range of numbers: the read-out would stop on it too.
        return false;
    }
    return true;
}

} // namespace

Told Feedback::Take(const Happened::CommandSucceeded &event)
{
    Told told = commandMessage({});
    told.BoxFaults.emplace();
    told.Descriptions = {PolarDiagramDescription(event.Boxes, event.Result.Quadrant),
                         RectangularDiagramDescription(event.Boxes, event.Result.Quadrant)};
    told.Said = ResultAnnouncement(event.Result, event.Boxes);
    return told;
}

Told Feedback::Take(const Happened::CommandStopped &event)
{
    Told told = commandMessage(UnreadableSourceMessage(event.Command, event.Box, event.Text));
    told.BoxFaults.emplace();
    told.BoxFaults->at(event.Box) = UnreadableBoxDescription(event.Box, event.Text);
    return told;
}

Told Feedback::Take(const Happened::CommandFailed &event)
{
    Told told = commandMessage(CommandFaultMessage(event.Command, event.Why));
    told.BoxFaults.emplace();
    return told;
}

Told Feedback::Take(const Happened::ReadoutWritten &event)
{
    Told told = readoutMessage({}, false);
    if (event.FromKeyboard) {
        // Said in place of the message: the line tells where the keys went.
        told.Said = event.On == Diagram::Rectangular ? SpokenRectangularReadout(event.Rectangular)
                                                     : SpokenPolarReadout(event.Polar);
        told.SaidWhileOn = event.On;
    }
    return told;
}

Told Feedback::Take(const Happened::ReadoutStopped &event)
{
    return readoutMessage(event.UnreadableR ? UnreadableRadiusMessage(event.Text)
                                            : ReadoutFaultMessage(event.Text),
                          event.UnreadableR);
}

Told Feedback::Take(const Happened::RadiusEdited &event)
{
    // A read-out that stopped on r is not re-run until the pointer moves, but
    // its message goes as soon as r is mended.
    if (!m_readoutStoppedOnR || !readsAsNumber(event.Text)) {
        return {};
    }
    return readoutMessage({}, false);
}

Told Feedback::Take(const Happened::TrackingEnded & /*event*/)
{
    return readoutMessage({}, false);
}

std::string Feedback::Message() const
{
    if (m_command.empty() || m_readout.empty()) {
        return m_command + m_readout;
    }
    return m_command + ' ' + m_readout;
}

Told Feedback::commandMessage(std::string why)
{
    if (m_command == why) {
        return {};
    }
    m_command = std::move(why);
    return changed();
}

Told Feedback::readoutMessage(std::string why, bool unreadableR)
{
    m_readoutStoppedOnR = unreadableR;
    if (m_readout == why) {
        return {};
    }
    m_readout = std::move(why);
    return changed();
}

// A changed message is said as it shows, and an empty one silences what it replaces.
Told Feedback::changed() const
{
    Told told;
    told.Message = Message();
    told.Said = told.Message;
    return told;
}
