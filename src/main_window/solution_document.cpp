#include "main_window/solution_document.h"

#include "math/angle_rules.h"
#include "math/correctly_rounded.h"
#include "math/mod_math.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace {

using modMath::AngleRule;
using modMath::Compare;

// "Ø" (U+00D8) in UTF-8.
constexpr std::string_view kTheta = "\xC3\x98";

constexpr std::string_view kDocumentStart = "<html><head></head><body>";
// Also closes the blockquote that each body opens under "Solution:".
constexpr std::string_view kDocumentEnd = "</blockquote></body></html>";

// On the positive x axis the solution states 0° outright instead of Atn(0/x).
constexpr AngleRule kPositiveXAxis{Compare::Above, Compare::Zero, false, 0};

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

// "90&deg;"
[[nodiscard]] std::string degreesText(int degrees)
{
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), degrees).ptr;
    return std::string(digits.data(), end) + "&deg;";
}

// A rule as the table and the angle line write it: "90&deg;", "Atn(Y/X)",
// "180&deg; + Atn(Y/X)".
[[nodiscard]] std::string ruleText(const AngleRule &rule)
{
    if (!rule.Arctangent) {
        return degreesText(rule.Degrees);
    }
    return rule.Degrees == 0 ? "Atn(Y/X)" : degreesText(rule.Degrees) + " + Atn(Y/X)";
}

[[nodiscard]] std::string_view comparison(Compare compare)
{
    switch (compare) {
    case Compare::Below:
        return "<";
    case Compare::AtMost:
        return "<=";
    case Compare::Zero:
        return "=";
    case Compare::AtLeast:
        return ">=";
    case Compare::Above:
        return ">";
    }
    return {};
}

// One row of the rule table, highlighted where its condition holds for (x, y).
// The three blanks in the highlighted condition cell are kept on purpose: the
// document's text is fixed to the byte.
void appendRuleRow(std::string &out, const AngleRule &rule, double x, double y)
{
    const bool applies = modMath::Holds(rule, x, y);
    append(out, "<tr>",
           applies ? "<td align='left'   bgcolor='#AEEBFF' noWrap>" : "<td align='left' noWrap>",
           "X ", comparison(rule.X), " 0, Y ", comparison(rule.Y), " 0</td>",
           applies ? "<td align='center' bgcolor='#AEEBFF' noWrap>" : "<td align='center' noWrap>",
           ruleText(rule), "</td></tr>");
}

std::string polarDocument(double radius, double angle)
{
    // The angle is brought into one turn with its fraction kept, so that the
    // worked result agrees with the converted value shown in the boxes.
    const double turn = modMath::DegToRad(std::fmod(angle, 360.0));
    const double c = modMath::Cosine(turn);
    const double s = modMath::Sine(turn);

    const std::string r = modMath::NumberToText(radius);
    const std::string theta = modMath::NumberToText(angle);

    std::string out;
    out.reserve(1024);
    append(out, kDocumentStart, "<strong>Formula:</strong><blockquote>x = r cos(", kTheta,
           ")<br>y = r sin(", kTheta, ")</blockquote><strong>Given:</strong><blockquote>r = ", r,
           "<br>", kTheta, " = ", theta,
           "&deg; (in degrees)</blockquote>"
           "<strong>Solution:</strong><blockquote><table>");
    appendSolutionRow(out, "x", r, " Cos(", theta, "&deg;)");
    appendSolutionRow(out, kContinuedStepLabel, r, "(", modMath::NumberToText(c), ")");
    appendSolutionRow(out, "x", modMath::FormatSignificant(c * radius));
    append(out, "</table><br><table>");
    appendSolutionRow(out, "y", r, " sin(", theta, "&deg;)");
    appendSolutionRow(out, kContinuedStepLabel, r, "(", modMath::NumberToText(s), ")");
    appendSolutionRow(out, "y", modMath::FormatSignificant(s * radius));
    append(out, "</table>", kDocumentEnd);
    return out;
}

// The formula, the line naming the rule that gives the angle (none at the
// origin) and the table of all rules.
void appendRectangularFormula(std::string &out, const AngleRule *chosen, double x, double y)
{
    append(out, "<strong>Formula:</strong><blockquote>r = sqrt(x<sup>2</sup> + y<sup>2</sup>)<br>");
    if (chosen != nullptr) {
        append(out, kTheta, " = ", ruleText(*chosen), " &nbsp;(see table below)");
    }
    append(out,
           "<blockquote><table border='1' cellspacing='0' cellpadding='4'>"
           "<caption><strong>Table</strong></caption><tr>"
           "<td align='center' noWrap><font color=#FF0000>(X,Y)</font></td>"
           "<td align='center' noWrap><font color=#FF0000>",
           kTheta, "</font></td></tr>");
    // Each row is judged on its own, so a point on an axis lights two rows.
    for (const AngleRule &rule : modMath::kAngleRules) {
        appendRuleRow(out, rule, x, y);
    }
    append(out, "</table></blockquote></blockquote>");
}

// Plain products for the squares: exactly rounded, unlike a general power.
void appendRadiusRows(std::string &out, double x, double y, const std::string &tx,
                      const std::string &ty)
{
    const double xx = x * x;
    const double yy = y * y;
    const double sum = modMath::CheckedResult(xx + yy, "x squared + y squared");
    appendSolutionRow(out, "r", "sqrt(", tx, "<sup>2</sup> + ", ty, "<sup>2</sup>)");
    appendSolutionRow(out, kContinuedStepLabel, "sqrt(", modMath::NumberToText(xx), " + ",
                      modMath::NumberToText(yy), ")");
    appendSolutionRow(out, kContinuedStepLabel, "sqrt(", modMath::NumberToText(sum), ")");
    appendSolutionRow(out, "r", modMath::FormatSignificant(std::sqrt(sum)));
}

// The angle by the chosen rule: a fixed angle on an axis and at the origin,
// otherwise the arctangent and, with an offset, the sum.
void appendAngleRows(std::string &out, const AngleRule *chosen, double atn, const std::string &tx,
                     const std::string &ty)
{
    if (chosen == nullptr || !chosen->Arctangent) {
        appendSolutionRow(out, kTheta, degreesText(chosen == nullptr ? 0 : chosen->Degrees));
        return;
    }
    if (chosen->Degrees == 0) {
        appendSolutionRow(out, kTheta, "Atn(", ty, "/", tx, ")");
        appendSolutionRow(out, kTheta, modMath::FormatSignificant(atn), "&deg;");
        return;
    }
    const std::string offset = degreesText(chosen->Degrees);
    appendSolutionRow(out, kTheta, offset, " + Atn(", ty, "/", tx, ")");
    appendSolutionRow(out, kContinuedStepLabel, offset, " + ", modMath::NumberToText(atn), "&deg;");
    appendSolutionRow(out, kTheta, modMath::FormatSignificant(atn + chosen->Degrees), "&deg;");
}

std::string rectangularDocument(double x, double y)
{
    const AngleRule *chosen =
        modMath::Holds(kPositiveXAxis, x, y) ? &kPositiveXAxis : modMath::FirstAngleRule(x, y);
    // The same single-precision path as the conversion; x is not 0 where it is taken.
    const bool arctangent = chosen != nullptr && chosen->Arctangent;
    const double atn = arctangent ? modMath::AtnDegrees(x, y) : 0.0;

    const std::string tx = modMath::NumberToText(x);
    const std::string ty = modMath::NumberToText(y);

    std::string out;
    out.reserve(3072);
    append(out, kDocumentStart);
    appendRectangularFormula(out, chosen, x, y);
    append(out, "<strong>Given:</strong><blockquote>x = ", tx, "<br>y = ", ty,
           "</blockquote><strong>Solution:</strong><blockquote><table>");
    appendRadiusRows(out, x, y, tx, ty);
    append(out, "</table><br><table>");
    appendAngleRows(out, chosen, atn, tx, ty);
    append(out, "</table>", kDocumentEnd);
    return out;
}

} // namespace

std::string SolutionDocument(std::int16_t index, double radius, double angle, double x, double y)
{
    // The event's numbers come from decimal texts, but a caller handing over
    // inf or NaN must get an error rather than a document that shows them.
    if (index == 0) {
        return polarDocument(modMath::CheckedResult(radius, "the radius"),
                             modMath::CheckedResult(angle, "the angle"));
    }
    return rectangularDocument(modMath::CheckedResult(x, "x"), modMath::CheckedResult(y, "y"));
}
