#include "conversion_control/control_message.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Step = std::function<bool(ControlMessage &)>;

const Step kCommandStops = [](ControlMessage &m) { return m.CommandStopped("C"); };
const Step kCommandSucceeds = [](ControlMessage &m) { return m.CommandSucceeded(); };
const Step kStopsOnR = [](ControlMessage &m) { return m.ReadoutStopped("R", true); };
const Step kOverflows = [](ControlMessage &m) { return m.ReadoutStopped("O", false); };
const Step kWritten = [](ControlMessage &m) { return m.ReadoutWritten(); };
const Step kEnded = [](ControlMessage &m) { return m.TrackingEnded(); };
const Step kRMended = [](ControlMessage &m) { return m.RadiusEdited(true); };
const Step kRStillBad = [](ControlMessage &m) { return m.RadiusEdited(false); };

struct Row
{
    const char *Name;
    std::vector<Step> Steps;
    std::string Shown;
    // Whether the last step changed the message.
    bool LastChanged;
};

} // namespace

TEST(ControlMessage, EachMessageGoesWithItsOwnCause)
{
    const Row rows[] = {
        {"nothing yet", {kWritten}, "", false},
        {"a stopped command", {kCommandStops}, "C", true},
        {"the same again: no change", {kCommandStops, kCommandStops}, "C", false},
        {"both, command first", {kStopsOnR, kCommandStops}, "C R", true},
        {"a success clears the command's only",
         {kCommandStops, kStopsOnR, kCommandSucceeds},
         "R",
         true},
        {"a written read-out clears the read-out's only",
         {kCommandStops, kOverflows, kWritten},
         "C",
         true},
        {"tracking ended clears it", {kStopsOnR, kEnded}, "", true},
        {"the command's stays when tracking ends", {kCommandStops, kEnded}, "C", false},
        {"mending r clears a stop on r", {kStopsOnR, kRMended}, "", true},
        {"r still unreadable: stays", {kStopsOnR, kRStillBad}, "R", false},
        {"mending r leaves an overflow", {kOverflows, kRMended}, "O", false},
        {"an overflow after a stop on r is not cleared by r",
         {kStopsOnR, kOverflows, kRMended},
         "O",
         false},
        {"mending r twice: once", {kStopsOnR, kRMended, kRMended}, "", false},
        {"mending r leaves the command's", {kCommandStops, kStopsOnR, kRMended}, "C", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.Name);
        ControlMessage message;
        bool changed = false;
        for (const Step &step : row.Steps) {
            changed = step(message);
        }
        EXPECT_EQ(message.Shown(), row.Shown);
        EXPECT_EQ(changed, row.LastChanged);
    }
}
