#include "main_window/solution_document.h"

#include "math/mod_math.h"

#include <cmath>

namespace {

// "Ø" (U+00D8) is written as its UTF-8 bytes \xC3\x98; none is followed by a
// hex digit, which would join the escape.

constexpr std::string_view kDocumentStart = "<html><head></head><body>";
// Also closes the blockquote that each body opens under "Solution:".
constexpr std::string_view kDocumentEnd = "</blockquote></body></html>";

template <typename... Parts> void append(std::string &out, const Parts &...parts)
{
    (out.append(parts), ...);
}

// One line of a solution table: label, "=", value.
template <typename... Parts>
void appendSolutionRow(std::string &out, std::string_view label, const Parts &...value)
{
    append(out, "<tr><td align='center' noWrap>", label,
           "</td><td align='center' noWrap>=</td><td align='left' noWrap>", value..., "</td></tr>");
}

// One quadrant rule. The three blanks in the highlighted condition cell are
// kept on purpose: the document's text is fixed to the byte.
void appendRuleRow(std::string &out, bool applies, std::string_view condition,
                   std::string_view rule)
{
    append(out, "<tr>",
           applies ? "<td align='left'   bgcolor='#AEEBFF' noWrap>" : "<td align='left' noWrap>",
           condition, "</td>",
           applies ? "<td align='center' bgcolor='#AEEBFF' noWrap>" : "<td align='center' noWrap>",
           rule, "</td></tr>");
}

std::string polarDocument(double radius, double angle)
{
    // The angle is brought into one turn with its fraction kept, so that the
    // worked result agrees with the converted value shown in the boxes.
    const double turn = modMath::DegToRad(std::fmod(angle, 360.0));
    const double c = std::cos(turn);
    const double s = std::sin(turn);

    const std::string r = modMath::NumberToText(radius);
    const std::string theta = modMath::NumberToText(angle);

    std::string out;
    out.reserve(1024);
    append(out, kDocumentStart,
           "<strong>Formula:</strong><blockquote>x = r cos(\xC3\x98)<br>"
           "y = r sin(\xC3\x98)</blockquote>"
           "<strong>Given:</strong><blockquote>r = ",
           r, "<br>\xC3\x98 = ", theta,
           "&deg; (in degrees)</blockquote>"
           "<strong>Solution:</strong><blockquote><table>");
    appendSolutionRow(out, "x", r, " Cos(", theta, "&deg;)");
    appendSolutionRow(out, "", r, "(", modMath::NumberToText(c), ")");
    appendSolutionRow(out, "x", modMath::FormatSignificant(c * radius));
    append(out, "</table><br><table>");
    appendSolutionRow(out, "y", r, " sin(", theta, "&deg;)");
    appendSolutionRow(out, "", r, "(", modMath::NumberToText(s), ")");
    appendSolutionRow(out, "y", modMath::FormatSignificant(s * radius));
    append(out, "</table>", kDocumentEnd);
    return out;
}

enum class AngleCase
{
    Zero,
    Arctangent,
    Ninety,
    OffsetArctangent,
    TwoSeventy
};

struct AngleChoice
{
    AngleCase kind = AngleCase::Zero;
    std::string_view line;   // names the rule in the formula section; empty at the origin
    std::string_view offset; // "180" or "360" before the arctangent
    double atn = 0.0;        // the arctangent of y / x in degrees
    double angle = 0.0;      // the resulting angle
};

// Goes through RadToDeg, hence single precision, exactly as the conversion
// does; only called where x is not 0.
[[nodiscard]] double atnDegrees(double x, double y)
{
    return modMath::RadToDeg(std::atan(modMath::CheckedResult(y / x, "y / x")));
}

// A point on an axis: its angle is a fixed text, no arctangent is taken.
[[nodiscard]] AngleChoice axisAngle(AngleCase kind, std::string_view line)
{
    AngleChoice choice;
    choice.kind = kind;
    choice.line = line;
    return choice;
}

[[nodiscard]] AngleChoice offsetArctangent(double x, double y, std::string_view line,
                                           std::string_view offset, double k)
{
    const double atn = atnDegrees(x, y);
    return {.kind = AngleCase::OffsetArctangent,
            .line = line,
            .offset = offset,
            .atn = atn,
            .angle = atn + k};
}

// The tests run in the order of the rule table, so that the axes fall to the
// first rule that claims them.
[[nodiscard]] AngleChoice chooseAngle(double x, double y)
{
    if (x > 0.0 && y == 0.0) {
        return axisAngle(AngleCase::Zero, "\xC3\x98 = 0&deg; &nbsp;(see table below)");
    }
    if (x > 0.0 && y > 0.0) {
        const double atn = atnDegrees(x, y);
        return {.kind = AngleCase::Arctangent,
                .line = "\xC3\x98 = Atn(Y/X) &nbsp;(see table below)",
                .offset = {},
                .atn = atn,
                .angle = atn};
    }
    if (x == 0.0 && y > 0.0) {
        return axisAngle(AngleCase::Ninety, "\xC3\x98 = 90&deg; &nbsp;(see table below)");
    }
    constexpr std::string_view halfTurnLine =
        "\xC3\x98 = 180&deg; + Atn(Y/X) &nbsp;(see table below)";
    if (x < 0.0 && y >= 0.0) {
        return offsetArctangent(x, y, halfTurnLine, "180", 180.0);
    }
    if (x == 0.0 && y < 0.0) {
        return axisAngle(AngleCase::TwoSeventy, "\xC3\x98 = 270&deg; &nbsp;(see table below)");
    }
    if (x < 0.0 && y <= 0.0) {
        return offsetArctangent(x, y, halfTurnLine, "180", 180.0);
    }
    if (x > 0.0 && y <= 0.0) {
        return offsetArctangent(x, y, "\xC3\x98 = 360&deg; + Atn(Y/X) &nbsp;(see table below)",
                                "360", 360.0);
    }
    return {};
}

std::string rectangularDocument(double x, double y)
{
    const AngleChoice choice = chooseAngle(x, y);
    // Plain products: exactly rounded, unlike a general power.
    const double xx = x * x;
    const double yy = y * y;
    const double sum = modMath::CheckedResult(xx + yy, "x squared + y squared");

    const std::string tx = modMath::NumberToText(x);
    const std::string ty = modMath::NumberToText(y);

    std::string out;
    out.reserve(3072);
    append(out, kDocumentStart,
           "<strong>Formula:</strong><blockquote>r = sqrt(x<sup>2</sup> + y<sup>2</sup>)<br>",
           choice.line,
           "<blockquote><table border='1' cellspacing='0' cellpadding='4'>"
           "<caption><strong>Table</strong></caption><tr>"
           "<td align='center' noWrap><font color=#FF0000>(X,Y)</font></td>"
           "<td align='center' noWrap><font color=#FF0000>\xC3\x98</font></td></tr>");
    // Each row is judged on its own, so a point on an axis lights two rows.
    appendRuleRow(out, x > 0.0 && y >= 0.0, "X > 0, Y >= 0", "Atn(Y/X)");
    appendRuleRow(out, x == 0.0 && y > 0.0, "X = 0, Y > 0", "90&deg;");
    appendRuleRow(out, x < 0.0 && y >= 0.0, "X < 0, Y >= 0", "180&deg; + Atn(Y/X)");
    appendRuleRow(out, x == 0.0 && y < 0.0, "X = 0, Y < 0", "270&deg;");
    appendRuleRow(out, x < 0.0 && y <= 0.0, "X < 0, Y <= 0", "180&deg; + Atn(Y/X)");
    appendRuleRow(out, x > 0.0 && y <= 0.0, "X > 0, Y <= 0", "360&deg; + Atn(Y/X)");
    append(out,
           "</table></blockquote></blockquote>"
           "<strong>Given:</strong><blockquote>x = ",
           tx, "<br>y = ", ty, "</blockquote><strong>Solution:</strong><blockquote><table>");

    appendSolutionRow(out, "r", "sqrt(", tx, "<sup>2</sup> + ", ty, "<sup>2</sup>)");
    appendSolutionRow(out, "", "sqrt(", modMath::NumberToText(xx), " + ", modMath::NumberToText(yy),
                      ")");
    appendSolutionRow(out, "", "sqrt(", modMath::NumberToText(sum), ")");
    appendSolutionRow(out, "r", modMath::FormatSignificant(std::sqrt(sum)));
    append(out, "</table><br><table>");

    switch (choice.kind) {
    case AngleCase::Zero:
        appendSolutionRow(out, "\xC3\x98", "0&deg;");
        break;
    case AngleCase::Arctangent:
        appendSolutionRow(out, "\xC3\x98", "Atn(", ty, "/", tx, ")");
        appendSolutionRow(out, "\xC3\x98", modMath::FormatSignificant(choice.angle), "&deg;");
        break;
    case AngleCase::Ninety:
        appendSolutionRow(out, "\xC3\x98", "90&deg;");
        break;
    case AngleCase::OffsetArctangent:
        appendSolutionRow(out, "\xC3\x98", choice.offset, "&deg; + Atn(", ty, "/", tx, ")");
        appendSolutionRow(out, "", choice.offset, "&deg; + ", modMath::NumberToText(choice.atn),
                          "&deg;");
        appendSolutionRow(out, "\xC3\x98", modMath::FormatSignificant(choice.angle), "&deg;");
        break;
    case AngleCase::TwoSeventy:
        appendSolutionRow(out, "\xC3\x98", "270&deg;");
        break;
    }
    append(out, "</table>", kDocumentEnd);
    return out;
}

} // namespace

std::string SolutionDocument(std::int16_t index, double radius, double angle, double x, double y,
                             std::string_view /*quadrant*/)
{
    // The event's numbers come from decimal texts, but a caller handing over
    // inf or NaN must get an error rather than a document that shows them.
    if (index == 0) {
        return polarDocument(modMath::CheckedResult(radius, "the radius"),
                             modMath::CheckedResult(angle, "the angle"));
    }
    return rectangularDocument(modMath::CheckedResult(x, "x"), modMath::CheckedResult(y, "y"));
}
