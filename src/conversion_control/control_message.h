#pragma once

// Which message the conversion control shows, and when it goes. A conversion
// and a read-out that stop each leave a message of their own, shown side by
// side; each goes with its own cause: the conversion's when a conversion
// succeeds, the read-out's when a read-out is written or the pointer's
// tracking ends, and one about an unreadable r as soon as r reads as a number.

#include <string>
#include <string_view>

class ControlMessage
{
public:
    // Each returns whether its part of the message changed.
    bool CommandStopped(std::string why);
    bool CommandSucceeded();
    bool ReadoutStopped(std::string why, bool unreadableR);
    bool ReadoutWritten();
    bool TrackingEnded();
    bool RadiusEdited(bool readsAsNumber);

    [[nodiscard]] std::string Shown() const;

private:
    bool setReadout(std::string why, bool unreadableR);

    std::string m_command;
    std::string m_readout;
    bool m_readoutStoppedOnR = false;
};

// The text between typographic quotes, as a message cites what was typed.
[[nodiscard]] std::string Quoted(std::string_view text);
