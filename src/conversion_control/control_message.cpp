#include "conversion_control/control_message.h"

#include <utility>

bool ControlMessage::CommandStopped(std::string why)
{
    if (m_command == why) {
        return false;
    }
    m_command = std::move(why);
    return true;
}

bool ControlMessage::CommandSucceeded()
{
    return CommandStopped({});
}

bool ControlMessage::ReadoutStopped(std::string why, bool unreadableR)
{
    return setReadout(std::move(why), unreadableR);
}

bool ControlMessage::ReadoutWritten()
{
    return setReadout({}, false);
}

bool ControlMessage::TrackingEnded()
{
    return setReadout({}, false);
}

bool ControlMessage::RadiusEdited(bool readsAsNumber)
{
    // A read-out that stopped on r is not re-run until the pointer moves, but
    // its message goes as soon as r is mended.
    if (!m_readoutStoppedOnR || !readsAsNumber) {
        return false;
    }
    return setReadout({}, false);
}

std::string ControlMessage::Shown() const
{
    if (m_command.empty() || m_readout.empty()) {
        return m_command + m_readout;
    }
    return m_command + ' ' + m_readout;
}

bool ControlMessage::setReadout(std::string why, bool unreadableR)
{
    m_readoutStoppedOnR = unreadableR;
    if (m_readout == why) {
        return false;
    }
    m_readout = std::move(why);
    return true;
}

std::string Quoted(std::string_view text)
{
    return "\u201C" + std::string(text) + "\u201D";
}
