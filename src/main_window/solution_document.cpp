#include "main_window/solution_document.h"

#include "math/mod_math.h"

#include <cmath>

namespace {

// "Ø" (U+00D8) is written as its UTF-8 bytes \xC3\x98; none is followed by a
// hex digit, which would join the escape.

constexpr std::string_view kDocumentStart = "<html><head></head><body>";
// Also closes the blockquote that each body opens under "Solution:".
constexpr std::string_view kDocumentEnd = "</blockquote></body></html>";

template <typename... Parts> void Append(std::string &out, const Parts &...parts)
{
    (out.append(parts), ...);
}

// One line of a solution table: label, "=", value.
template <typename... Parts>
void AppendSolutionRow(std::string &out, std::string_view label, const Parts &...value)
{
    Append(out, "<tr><td align='center' noWrap>", label,
           "</td><td align='center' noWrap>=</td><td align='left' noWrap>", value..., "</td></tr>");
}

// One quadrant rule. The three blanks in the highlighted condition cell are
// kept on purpose: the document's text is fixed to the byte.
void AppendRuleRow(std::string &out, bool applies, std::string_view condition,
                   std::string_view rule)
{
    Append(out, "<tr>",
           applies ? "<td align='left'   bgcolor='#AEEBFF' noWrap>" : "<td align='left' noWrap>",
           condition, "</td>",
           applies ? "<td align='center' bgcolor='#AEEBFF' noWrap>" : "<td align='center' noWrap>",
           rule, "</td></tr>");
}

[[nodiscard]] double Finite(double v)
{
    if (!std::isfinite(v)) {
        throw modMath::ArithmeticError("Overflow");
    }
    return v;
}

std::string PolarToRectangular(double radius, double angle)
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
    Append(out, kDocumentStart,
           "<strong>Formula:</strong><blockquote>x = r cos(\xC3\x98)<br>"
           "y = r sin(\xC3\x98)</blockquote>"
           "<strong>Given:</strong><blockquote>r = ",
           r, "<br>\xC3\x98 = ", theta,
           "&deg; (in degrees)</blockquote>"
           "<strong>Solution:</strong><blockquote><table>");
    AppendSolutionRow(out, "x", r, " Cos(", theta, "&deg;)");
    AppendSolutionRow(out, "", r, "(", modMath::NumberToText(c), ")");
    AppendSolutionRow(out, "x", modMath::FormatSignificant(c * radius));
    Append(out, "</table><br><table>");
    AppendSolutionRow(out, "y", r, " sin(", theta, "&deg;)");
    AppendSolutionRow(out, "", r, "(", modMath::NumberToText(s), ")");
    AppendSolutionRow(out, "y", modMath::FormatSignificant(s * radius));
    Append(out, "</table>", kDocumentEnd);
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
[[nodiscard]] double AtnDegrees(double x, double y)
{
    return modMath::RadToDeg(std::atan(Finite(y / x)));
}

// A point on an axis: its angle is a fixed text, no arctangent is taken.
[[nodiscard]] AngleChoice AxisAngle(AngleCase kind, std::string_view line)
{
    AngleChoice choice;
    choice.kind = kind;
    choice.line = line;
    return choice;
}

[[nodiscard]] AngleChoice OffsetArctangent(double x, double y, std::string_view line,
                                           std::string_view offset, double k)
{
    const double atn = AtnDegrees(x, y);
    return {.kind = AngleCase::OffsetArctangent,
            .line = line,
            .offset = offset,
            .atn = atn,
            .angle = atn + k};
}

// The tests run in the order of the rule table, so that the axes fall to the
// first rule that claims them.
[[nodiscard]] AngleChoice ChooseAngle(double x, double y)
{
    if (x > 0.0 && y == 0.0) {
        return AxisAngle(AngleCase::Zero, "\xC3\x98 = 0&deg; &nbsp;(see table below)");
    }
    if (x > 0.0 && y > 0.0) {
        const double atn = AtnDegrees(x, y);
        return {.kind = AngleCase::Arctangent,
                .line = "\xC3\x98 = Atn(Y/X) &nbsp;(see table below)",
                .offset = {},
                .atn = atn,
                .angle = atn};
    }
    if (x == 0.0 && y > 0.0) {
        return AxisAngle(AngleCase::Ninety, "\xC3\x98 = 90&deg; &nbsp;(see table below)");
    }
    constexpr std::string_view halfTurnLine =
        "\xC3\x98 = 180&deg; + Atn(Y/X) &nbsp;(see table below)";
    if (x < 0.0 && y >= 0.0) {
        return OffsetArctangent(x, y, halfTurnLine, "180", 180.0);
    }
    if (x == 0.0 && y < 0.0) {
        return AxisAngle(AngleCase::TwoSeventy, "\xC3\x98 = 270&deg; &nbsp;(see table below)");
    }
    if (x < 0.0 && y <= 0.0) {
        return OffsetArctangent(x, y, halfTurnLine, "180", 180.0);
    }
    if (x > 0.0 && y <= 0.0) {
        return OffsetArctangent(x, y, "\xC3\x98 = 360&deg; + Atn(Y/X) &nbsp;(see table below)",
                                "360", 360.0);
    }
    return {};
}

std::string RectangularToPolar(double x, double y)
{
    const AngleChoice choice = ChooseAngle(x, y);
    // Plain products: exactly rounded, unlike a general power.
    const double xx = x * x;
    const double yy = y * y;
    const double sum = Finite(xx + yy);

    const std::string tx = modMath::NumberToText(x);
    const std::string ty = modMath::NumberToText(y);

    std::string out;
    out.reserve(3072);
    Append(out, kDocumentStart,
           "<strong>Formula:</strong><blockquote>r = sqrt(x<sup>2</sup> + y<sup>2</sup>)<br>",
           choice.line,
           "<blockquote><table border='1' cellspacing='0' cellpadding='4'>"
           "<caption><strong>Table</strong></caption><tr>"
           "<td align='center' noWrap><font color=#FF0000>(X,Y)</font></td>"
           "<td align='center' noWrap><font color=#FF0000>\xC3\x98</font></td></tr>");
    // Each row is judged on its own, so a point on an axis lights two rows.
    AppendRuleRow(out, x > 0.0 && y >= 0.0, "X > 0, Y >= 0", "Atn(Y/X)");
    AppendRuleRow(out, x == 0.0 && y > 0.0, "X = 0, Y > 0", "90&deg;");
    AppendRuleRow(out, x < 0.0 && y >= 0.0, "X < 0, Y >= 0", "180&deg; + Atn(Y/X)");
    AppendRuleRow(out, x == 0.0 && y < 0.0, "X = 0, Y < 0", "270&deg;");
    AppendRuleRow(out, x < 0.0 && y <= 0.0, "X < 0, Y <= 0", "180&deg; + Atn(Y/X)");
    AppendRuleRow(out, x > 0.0 && y <= 0.0, "X > 0, Y <= 0", "360&deg; + Atn(Y/X)");
    Append(out,
           "</table></blockquote></blockquote>"
           "<strong>Given:</strong><blockquote>x = ",
           tx, "<br>y = ", ty, "</blockquote><strong>Solution:</strong><blockquote><table>");

    AppendSolutionRow(out, "r", "sqrt(", tx, "<sup>2</sup> + ", ty, "<sup>2</sup>)");
    AppendSolutionRow(out, "", "sqrt(", modMath::NumberToText(xx), " + ", modMath::NumberToText(yy),
                      ")");
    AppendSolutionRow(out, "", "sqrt(", modMath::NumberToText(sum), ")");
    AppendSolutionRow(out, "r", modMath::FormatSignificant(std::sqrt(sum)));
    Append(out, "</table><br><table>");

    switch (choice.kind) {
    case AngleCase::Zero:
        AppendSolutionRow(out, "\xC3\x98", "0&deg;");
        break;
    case AngleCase::Arctangent:
        AppendSolutionRow(out, "\xC3\x98", "Atn(", ty, "/", tx, ")");
        AppendSolutionRow(out, "\xC3\x98", modMath::FormatSignificant(choice.angle), "&deg;");
        break;
    case AngleCase::Ninety:
        AppendSolutionRow(out, "\xC3\x98", "90&deg;");
        break;
    case AngleCase::OffsetArctangent:
        AppendSolutionRow(out, "\xC3\x98", choice.offset, "&deg; + Atn(", ty, "/", tx, ")");
        AppendSolutionRow(out, "", choice.offset, "&deg; + ", modMath::NumberToText(choice.atn),
                          "&deg;");
        AppendSolutionRow(out, "\xC3\x98", modMath::FormatSignificant(choice.angle), "&deg;");
        break;
    case AngleCase::TwoSeventy:
        AppendSolutionRow(out, "\xC3\x98", "270&deg;");
        break;
    }
    Append(out, "</table>", kDocumentEnd);
    return out;
}

} // namespace

std::string SolutionDocument(std::int16_t index, double radius, double angle, double x, double y,
                             std::string_view /*quadrant*/)
{
    // The event's numbers come from decimal texts, but a caller handing over
    // inf or NaN must get an error rather than a document that shows them.
    if (index == 0) {
        return PolarToRectangular(Finite(radius), Finite(angle));
    }
    return RectangularToPolar(Finite(x), Finite(y));
}
