#include "main_window/solution_document.h"

#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

namespace {

std::string row(const std::string &label, const std::string &value)
{
    return "<tr><td align='center' noWrap>" + label +
           "</td><td align='center' noWrap>=</td><td align='left' noWrap>" + value + "</td></tr>";
}

// Everything from the marker to the end of the document.
std::string from(const std::string &document, const std::string &marker)
{
    const auto at = document.find(marker);
    return at == std::string::npos ? "<marker missing>" : document.substr(at);
}

// Which of the six quadrant rules are highlighted, as "100001"; '?' for a malformed row.
std::string highlighted(const std::string &document)
{
    std::string lit;
    for (const char *condition : {"X > 0, Y >= 0", "X = 0, Y > 0", "X < 0, Y >= 0", "X = 0, Y < 0",
                                  "X < 0, Y <= 0", "X > 0, Y <= 0"}) {
        const std::string rule = condition + std::string("</td><td align='center'");
        const bool plain =
            document.find("<tr><td align='left' noWrap>" + rule + " noWrap>") != std::string::npos;
        const bool on = document.find("<tr><td align='left'   bgcolor='#AEEBFF' noWrap>" + rule +
                                      " bgcolor='#AEEBFF' noWrap>") != std::string::npos;
        lit += plain == on ? '?' : on ? '1' : '0';
    }
    return lit;
}

// The library starts at 0; every test states the rounding it reads.
class WorkedSolution : public ::testing::Test
{
protected:
    void SetUp() override { modMath::SignificantValues = 2; }
};

TEST_F(WorkedSolution, PolarWholeDocument)
{
    EXPECT_EQ(SolutionDocument(0, 2.0, 30.0, 0.0, 0.0),
              "<html><head></head><body>"
              "<strong>Formula:</strong><blockquote>x = r cos(Ø)<br>y = r sin(Ø)</blockquote>"
              "<strong>Given:</strong><blockquote>r = 2<br>Ø = 30&deg; (in degrees)</blockquote>"
              "<strong>Solution:</strong><blockquote><table>" +
                  row("x", "2 Cos(30&deg;)") + row("", "2(0.866025403784439)") + row("x", "1.73") +
                  "</table><br><table>" + row("y", "2 sin(30&deg;)") + row("", "2(0.5)") +
                  row("y", "1") + "</table></blockquote></body></html>");
}

TEST_F(WorkedSolution, RectangularWholeDocumentThirdQuadrant)
{
    EXPECT_EQ(
        SolutionDocument(1, 0.0, 0.0, -1.0, -1.0),
        "<html><head></head><body>"
        "<strong>Formula:</strong><blockquote>r = sqrt(x<sup>2</sup> + y<sup>2</sup>)<br>"
        "Ø = 180&deg; + Atn(Y/X) &nbsp;(see table below)"
        "<blockquote><table border='1' cellspacing='0' cellpadding='4'>"
        "<caption><strong>Table</strong></caption>"
        "<tr><td align='center' noWrap><font color=#FF0000>(X,Y)</font></td>"
        "<td align='center' noWrap><font color=#FF0000>Ø</font></td></tr>"
        "<tr><td align='left' noWrap>X > 0, Y >= 0</td><td align='center' noWrap>Atn(Y/X)</td></tr>"
        "<tr><td align='left' noWrap>X = 0, Y > 0</td><td align='center' noWrap>90&deg;</td></tr>"
        "<tr><td align='left' noWrap>X < 0, Y >= 0</td>"
        "<td align='center' noWrap>180&deg; + Atn(Y/X)</td></tr>"
        "<tr><td align='left' noWrap>X = 0, Y < 0</td><td align='center' noWrap>270&deg;</td></tr>"
        "<tr><td align='left'   bgcolor='#AEEBFF' noWrap>X < 0, Y <= 0</td>"
        "<td align='center' bgcolor='#AEEBFF' noWrap>180&deg; + Atn(Y/X)</td></tr>"
        "<tr><td align='left' noWrap>X > 0, Y <= 0</td>"
        "<td align='center' noWrap>360&deg; + Atn(Y/X)</td></tr>"
        "</table></blockquote></blockquote>"
        "<strong>Given:</strong><blockquote>x = -1<br>y = -1</blockquote>"
        "<strong>Solution:</strong><blockquote><table>" +
            row("r", "sqrt(-1<sup>2</sup> + -1<sup>2</sup>)") + row("", "sqrt(1 + 1)") +
            row("", "sqrt(2)") + row("r", "1.41") + "</table><br><table>" +
            row("Ø", "180&deg; + Atn(-1/-1)") + row("", "180&deg; + 45.0000012522391&deg;") +
            row("Ø", "225&deg;") + "</table></blockquote></body></html>");
}

// r = 5 throughout; the intermediates show the full cosine and sine.
TEST_F(WorkedSolution, PolarRows)
{
    using S = std::string;
    const std::tuple<const char *, S, std::int16_t, S, S, S, S> rows[] = {
        // cos(90°) is not exactly 0: the intermediate shows it, the result rounds it away.
        {"90: tiny cosine", "90", 2, "6.12323399573677E-17", "0", "1", "5"},
        // The fraction must survive the reduction into one turn (30° gives 4.33).
        {"fraction kept", "30.5", 2, "0.861629160441526", "4.31", "0.507538362960704", "2.54"},
        {"fraction beyond one turn", "390.5", 2, "0.861629160441526", "4.31", "0.507538362960704",
         "2.54"},
        {"negative fraction", "-30.5", 2, "0.861629160441526", "4.31", "-0.507538362960704",
         "-2.54"},
        {"angle through single precision", "0.1", 6, "0.999998476913242", "4.999992",
         "0.0017453283919057", "0.008727"},
    };
    for (const auto &[name, angle, significant, cosine, x, sine, y] : rows) {
        SCOPED_TRACE(name);
        modMath::SignificantValues = significant;
        EXPECT_EQ(
            from(SolutionDocument(0, 5, std::stod(angle), 0, 0), "<strong>Given:"),
            "<strong>Given:</strong><blockquote>r = 5<br>Ø = " + angle +
                "&deg; (in degrees)</blockquote><strong>Solution:</strong><blockquote><table>" +
                row("x", "5 Cos(" + angle + "&deg;)") + row("", "5(" + cosine + ")") + row("x", x) +
                "</table><br><table>" + row("y", "5 sin(" + angle + "&deg;)") +
                row("", "5(" + sine + ")") + row("y", y) + "</table></blockquote></body></html>");
    }
}

// The angle line names the first rule that holds; each rule row is highlighted
// on its own, so a point on the x axis lights two and the origin none.
TEST_F(WorkedSolution, AngleCases)
{
    struct Row
    {
        const char *Name;
        double X, Y;
        const char *Lit;
        const char *Rule; // in the angle line; none at the origin
        std::string Rows; // of the angle table
    };
    const Row rows[] = {
        {"x > 0, y = 0: 0°", 5, 0, "100001", "0&deg;", row("Ø", "0&deg;")},
        {"x > 0, y = -0: as y = 0", 5, -0.0, "100001", "0&deg;", row("Ø", "0&deg;")},
        {"first quadrant", 3, 4, "100000", "Atn(Y/X)",
         row("Ø", "Atn(4/3)") + row("Ø", "53.13&deg;")},
        {"x = 0, y > 0: 90°", 0, 5, "010000", "90&deg;", row("Ø", "90&deg;")},
        {"x = -0 as x = 0", -0.0, 5, "010000", "90&deg;", row("Ø", "90&deg;")},
        {"second quadrant", -3, 4, "001000", "180&deg; + Atn(Y/X)",
         row("Ø", "180&deg; + Atn(4/-3)") + row("", "180&deg; + -53.1301017798049&deg;") +
             row("Ø", "126.87&deg;")},
        {"x < 0, y = 0: 180°", -5, 0, "001010", "180&deg; + Atn(Y/X)",
         row("Ø", "180&deg; + Atn(0/-5)") + row("", "180&deg; + 0&deg;") + row("Ø", "180&deg;")},
        {"x = 0, y < 0: 270°", 0, -2, "000100", "270&deg;", row("Ø", "270&deg;")},
        {"fourth quadrant", 3, -4, "000001", "360&deg; + Atn(Y/X)",
         row("Ø", "360&deg; + Atn(-4/3)") + row("", "360&deg; + -53.1301017798049&deg;") +
             row("Ø", "306.87&deg;")},
        // The sum rounds to a whole turn and is shown as such.
        {"just below the x axis", 1, -1E-20, "000001", "360&deg; + Atn(Y/X)",
         row("Ø", "360&deg; + Atn(-1E-20/1)") + row("", "360&deg; + -5.72957776948307E-19&deg;") +
             row("Ø", "360&deg;")},
        {"origin", 0, 0, "000000", "", row("Ø", "0&deg;")},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.Name);
        const std::string document = SolutionDocument(1, 0, 0, r.X, r.Y);
        const std::string line =
            *r.Rule ? "Ø = " + std::string(r.Rule) + " &nbsp;(see table below)" : "";
        EXPECT_NE(document.find("y<sup>2</sup>)<br>" + line + "<blockquote><table border='1'"),
                  std::string::npos);
        EXPECT_EQ(highlighted(document), r.Lit);
        EXPECT_EQ(from(document, "</table><br><table>"),
                  "</table><br><table>" + r.Rows + "</table></blockquote></body></html>");
    }
}

// The squares are plain products, shown unrounded.
TEST_F(WorkedSolution, RadiusRows)
{
    const std::tuple<const char *, double, double, const char *, const char *, const char *,
                     const char *>
        rows[] = {
            {"whole squares", 3, 4, "3<sup>2</sup> + 4<sup>2</sup>", "9 + 16", "25", "5"},
            {"decimal squares", 0.1, 0.2, "0.1<sup>2</sup> + 0.2<sup>2</sup>", "0.01 + 0.04",
             "0.05", "0.22"},
            {"square in exponent form", 0.0015, 2, "0.0015<sup>2</sup> + 2<sup>2</sup>",
             "2.25E-06 + 4", "4.00000225", "2"},
            {"on an axis", -2.5, 0, "-2.5<sup>2</sup> + 0<sup>2</sup>", "6.25 + 0", "6.25", "2.5"},
        };
    for (const auto &[name, x, y, given, squares, sum, r] : rows) {
        SCOPED_TRACE(name);
        EXPECT_NE(SolutionDocument(1, 0, 0, x, y)
                      .find("<blockquote><table>" + row("r", "sqrt(" + std::string(given) + ")") +
                            row("", "sqrt(" + std::string(squares) + ")") +
                            row("", "sqrt(" + std::string(sum) + ")") + row("r", r) +
                            "</table><br><table>"),
                  std::string::npos);
    }
    EXPECT_NE(SolutionDocument(1, 0, 0, 1E150, 1E150)
                  .find(row("", "sqrt(1E+300 + 1E+300)") + row("", "sqrt(2E+300)")),
              std::string::npos);
}

// Any index but 0 explains rectangular to polar.
TEST_F(WorkedSolution, AnyIndexButZeroIsRectangularToPolar)
{
    const std::string polar = SolutionDocument(0, 2, 30, -3, 4);
    const std::string rectangular = SolutionDocument(1, 2, 30, -3, 4);
    EXPECT_NE(polar.find("<blockquote>x = r cos(Ø)"), std::string::npos);
    EXPECT_NE(rectangular.find("<blockquote>r = sqrt("), std::string::npos);
    for (const std::int16_t index : {2, -1, 32767, -32768})
        EXPECT_EQ(SolutionDocument(index, 2, 30, -3, 4), rectangular) << index;
}

TEST_F(WorkedSolution, ValuesBeyondTheDoubleRangeThrow)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<const char *, std::int16_t, double, double, double, double> rows[] = {
        {"quotient overflow, first quadrant", 1, 0, 0, 1E-200, 1E150},
        {"quotient overflow, second quadrant", 1, 0, 0, -1E-200, 1E150},
        {"quotient overflow, fourth quadrant", 1, 0, 0, 1E-200, -1E150},
        {"square overflow on an axis", 1, 0, 0, 1E200, 0},
        {"sum of squares overflows", 1, 0, 0, 1E154, 1E154},
        {"infinite x", 1, 0, 0, kInf, 1},
        {"NaN y", 1, 0, 0, 1, kNaN},
        {"infinite radius", 0, kInf, 30, 0, 0},
        {"NaN angle", 0, 2, kNaN, 0, 0},
        {"infinite angle", 0, 2, -kInf, 0, 0}};
    for (const auto &[name, index, radius, angle, x, y] : rows)
        EXPECT_THROW((void)SolutionDocument(index, radius, angle, x, y), modMath::ArithmeticError)
            << name;
}

} // namespace
