#include "main_window/solution_document.h"

#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// The library starts at 0; every test states the rounding it reads.
class SignificantValuesGuard
{
public:
    explicit SignificantValuesGuard(std::int16_t value) : m_saved(modMath::SignificantValues)
    {
        modMath::SignificantValues = value;
    }
    ~SignificantValuesGuard() { modMath::SignificantValues = m_saved; }
    SignificantValuesGuard(const SignificantValuesGuard &) = delete;
    SignificantValuesGuard &operator=(const SignificantValuesGuard &) = delete;

private:
    std::int16_t m_saved;
};

std::string Row(const std::string &label, const std::string &value)
{
    return "<tr><td align='center' noWrap>" + label +
           "</td><td align='center' noWrap>=</td><td align='left' noWrap>" + value + "</td></tr>";
}

std::string Polar(double radius, double angle)
{
    return SolutionDocument(0, radius, angle, 0.0, 0.0, "Quadrant I");
}

std::string Rect(double x, double y)
{
    return SolutionDocument(1, 0.0, 0.0, x, y, "Quadrant I");
}

// Everything from the given marker to the end of the document.
std::string Tail(const std::string &document, const std::string &marker)
{
    const auto at = document.find(marker);
    return at == std::string::npos ? std::string("<marker missing>") : document.substr(at);
}

// Every table row carries a name that says the case; it names the test.
struct RowName
{
    template <typename Table>
    std::string operator()(const testing::TestParamInfo<Table> &info) const
    {
        return info.param.name;
    }
};

// ---------------------------------------------------------------- whole documents

TEST(SolutionDocument, polarWholeDocument)
{
    SignificantValuesGuard s(2);
    EXPECT_EQ(Polar(2.0, 30.0),
              "<html><head></head><body>"
              "<strong>Formula:</strong><blockquote>x = r cos(Ø)<br>y = r sin(Ø)</blockquote>"
              "<strong>Given:</strong><blockquote>r = 2<br>Ø = 30&deg; (in degrees)</blockquote>"
              "<strong>Solution:</strong><blockquote><table>"
              "<tr><td align='center' noWrap>x</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>2 Cos(30&deg;)</td></tr>"
              "<tr><td align='center' noWrap></td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>2(0.866025403784439)</td></tr>"
              "<tr><td align='center' noWrap>x</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>1.73</td></tr>"
              "</table><br><table>"
              "<tr><td align='center' noWrap>y</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>2 sin(30&deg;)</td></tr>"
              "<tr><td align='center' noWrap></td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>2(0.5)</td></tr>"
              "<tr><td align='center' noWrap>y</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>1</td></tr>"
              "</table>"
              "</blockquote></body></html>");
}

TEST(SolutionDocument, rectangularWholeDocumentThirdQuadrant)
{
    SignificantValuesGuard s(2);
    EXPECT_EQ(Rect(-1.0, -1.0),
              "<html><head></head><body>"
              "<strong>Formula:</strong><blockquote>r = sqrt(x<sup>2</sup> + y<sup>2</sup>)<br>"
              "Ø = 180&deg; + Atn(Y/X) &nbsp;(see table below)"
              "<blockquote><table border='1' cellspacing='0' cellpadding='4'>"
              "<caption><strong>Table</strong></caption>"
              "<tr><td align='center' noWrap><font color=#FF0000>(X,Y)</font></td>"
              "<td align='center' noWrap><font color=#FF0000>Ø</font></td></tr>"
              "<tr><td align='left' noWrap>X > 0, Y >= 0</td>"
              "<td align='center' noWrap>Atn(Y/X)</td></tr>"
              "<tr><td align='left' noWrap>X = 0, Y > 0</td>"
              "<td align='center' noWrap>90&deg;</td></tr>"
              "<tr><td align='left' noWrap>X < 0, Y >= 0</td>"
              "<td align='center' noWrap>180&deg; + Atn(Y/X)</td></tr>"
              "<tr><td align='left' noWrap>X = 0, Y < 0</td>"
              "<td align='center' noWrap>270&deg;</td></tr>"
              "<tr><td align='left'   bgcolor='#AEEBFF' noWrap>X < 0, Y <= 0</td>"
              "<td align='center' bgcolor='#AEEBFF' noWrap>180&deg; + Atn(Y/X)</td></tr>"
              "<tr><td align='left' noWrap>X > 0, Y <= 0</td>"
              "<td align='center' noWrap>360&deg; + Atn(Y/X)</td></tr>"
              "</table></blockquote></blockquote>"
              "<strong>Given:</strong><blockquote>x = -1<br>y = -1</blockquote>"
              "<strong>Solution:</strong><blockquote><table>"
              "<tr><td align='center' noWrap>r</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>sqrt(-1<sup>2</sup> + -1<sup>2</sup>)</td></tr>"
              "<tr><td align='center' noWrap></td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>sqrt(1 + 1)</td></tr>"
              "<tr><td align='center' noWrap></td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>sqrt(2)</td></tr>"
              "<tr><td align='center' noWrap>r</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>1.41</td></tr>"
              "</table><br><table>"
              "<tr><td align='center' noWrap>Ø</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>180&deg; + Atn(-1/-1)</td></tr>"
              "<tr><td align='center' noWrap></td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>180&deg; + 45.0000012522391&deg;</td></tr>"
              "<tr><td align='center' noWrap>Ø</td><td align='center' noWrap>=</td>"
              "<td align='left' noWrap>225&deg;</td></tr>"
              "</table>"
              "</blockquote></body></html>");
}

// ---------------------------------------------------------------- polar to rectangular

struct PolarRow
{
    const char *name;
    double radius;
    double angle;
    std::int16_t significant;
    const char *given;  // the angle as written in the question
    const char *cosine; // row x2 inside the parentheses
    const char *x;      // row x3
    const char *sine;   // row y2 inside the parentheses
    const char *y;      // row y3
};

class PolarSolution : public testing::TestWithParam<PolarRow>
{};

TEST_P(PolarSolution, bothTables)
{
    const PolarRow &p = GetParam();
    SignificantValuesGuard s(p.significant);
    const std::string r = modMath::NumberToText(p.radius);
    const std::string given = p.given;
    const std::string expected =
        "<strong>Solution:</strong><blockquote><table>" + Row("x", r + " Cos(" + given + "&deg;)") +
        Row("", r + "(" + p.cosine + ")") + Row("x", p.x) + "</table><br><table>" +
        Row("y", r + " sin(" + given + "&deg;)") + Row("", r + "(" + p.sine + ")") + Row("y", p.y) +
        "</table></blockquote></body></html>";
    const std::string document = Polar(p.radius, p.angle);
    EXPECT_EQ(Tail(document, "<strong>Solution:</strong>"), expected);
    EXPECT_NE(document.find("<strong>Given:</strong><blockquote>r = " + r + "<br>Ø = " + given +
                            "&deg; (in degrees)</blockquote>"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PolarSolution,
    testing::Values(
        PolarRow{"thirty", 2.0, 30.0, 2, "30", "0.866025403784439", "1.73", "0.5", "1"},
        PolarRow{"thirtyMoreDigits", 2.0, 30.0, 4, "30", "0.866025403784439", "1.7321", "0.5", "1"},
        PolarRow{"thirtyNoDigits", 2.0, 30.0, 0, "30", "0.866025403784439", "2", "0.5", "1"},
        // cos(90°) is not exactly 0: the intermediate shows it, the result rounds it away.
        PolarRow{"ninetyTinyCosine", 5.0, 90.0, 2, "90", "6.12323399573677E-17", "0", "1", "5"},
        // The fraction of the angle must survive the reduction into one turn (4.33 is the
        // value of 30°).
        PolarRow{"fractionKept", 5.0, 30.5, 2, "30.5", "0.861629160441526", "4.31",
                 "0.507538362960704", "2.54"},
        PolarRow{"fractionBeyondOneTurn", 5.0, 390.5, 2, "390.5", "0.861629160441526", "4.31",
                 "0.507538362960704", "2.54"},
        PolarRow{"negativeFraction", 5.0, -30.5, 2, "-30.5", "0.861629160441526", "4.31",
                 "-0.507538362960704", "-2.54"},
        PolarRow{"singlePrecisionAngle", 5.0, 0.1, 6, "0.1", "0.999998476913242", "4.999992",
                 "0.0017453283919057", "0.008727"}),
    RowName{});

// Within one turn the worked result must be the value the conversion wrote into the boxes.
class PolarAgreesWithConversion : public testing::TestWithParam<double>
{};

TEST_P(PolarAgreesWithConversion, resultRows)
{
    SignificantValuesGuard s(6);
    const double radius = 7.25;
    const double angle = GetParam();
    const std::string document = Polar(radius, angle);
    EXPECT_NE(document.find(Row("x", modMath::FormatSignificant(modMath::PolarToX(radius, angle)))),
              std::string::npos);
    EXPECT_NE(document.find(Row("y", modMath::FormatSignificant(modMath::PolarToY(radius, angle)))),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Angles, PolarAgreesWithConversion,
                         testing::Values(0.0, 0.1, 30.5, 45.25, 89.75, 123.456, 200.5, 271.125,
                                         359.9, -45.5, -359.5));

// ---------------------------------------------------------------- rectangular to polar

struct AngleRow
{
    const char *name;
    double x;
    double y;
    const char *line;   // after "<br>" in the formula section
    std::string angles; // the rows of the angle table
};

class AngleCases : public testing::TestWithParam<AngleRow>
{};

TEST_P(AngleCases, angleLineAndRows)
{
    const AngleRow &a = GetParam();
    SignificantValuesGuard s(2);
    const std::string document = Rect(a.x, a.y);
    EXPECT_NE(
        document.find("y<sup>2</sup>)<br>" + std::string(a.line) + "<blockquote><table border='1'"),
        std::string::npos);
    EXPECT_EQ(Tail(document, "</table><br><table>"),
              "</table><br><table>" + a.angles + "</table></blockquote></body></html>");
}

INSTANTIATE_TEST_SUITE_P(
    Tests, AngleCases,
    testing::Values(
        AngleRow{"t1_positiveXAxis", 5.0, 0.0, "Ø = 0&deg; &nbsp;(see table below)",
                 Row("Ø", "0&deg;")},
        AngleRow{"t1_negativeZeroY", 5.0, -0.0, "Ø = 0&deg; &nbsp;(see table below)",
                 Row("Ø", "0&deg;")},
        AngleRow{"t2_firstQuadrant", 3.0, 4.0, "Ø = Atn(Y/X) &nbsp;(see table below)",
                 Row("Ø", "Atn(4/3)") + Row("Ø", "53.13&deg;")},
        AngleRow{"t3_positiveYAxis", 0.0, 5.0, "Ø = 90&deg; &nbsp;(see table below)",
                 Row("Ø", "90&deg;")},
        AngleRow{"t3_negativeZeroX", -0.0, 5.0, "Ø = 90&deg; &nbsp;(see table below)",
                 Row("Ø", "90&deg;")},
        AngleRow{"t4_secondQuadrant", -3.0, 4.0, "Ø = 180&deg; + Atn(Y/X) &nbsp;(see table below)",
                 Row("Ø", "180&deg; + Atn(4/-3)") + Row("", "180&deg; + -53.1301017798049&deg;") +
                     Row("Ø", "126.87&deg;")},
        AngleRow{"t4_negativeXAxis", -5.0, 0.0, "Ø = 180&deg; + Atn(Y/X) &nbsp;(see table below)",
                 Row("Ø", "180&deg; + Atn(0/-5)") + Row("", "180&deg; + 0&deg;") +
                     Row("Ø", "180&deg;")},
        AngleRow{"t5_negativeYAxis", 0.0, -2.0, "Ø = 270&deg; &nbsp;(see table below)",
                 Row("Ø", "270&deg;")},
        AngleRow{"t6_thirdQuadrant", -3.0, -4.0, "Ø = 180&deg; + Atn(Y/X) &nbsp;(see table below)",
                 Row("Ø", "180&deg; + Atn(-4/-3)") + Row("", "180&deg; + 53.1301017798049&deg;") +
                     Row("Ø", "233.13&deg;")},
        AngleRow{"t7_fourthQuadrant", 3.0, -4.0, "Ø = 360&deg; + Atn(Y/X) &nbsp;(see table below)",
                 Row("Ø", "360&deg; + Atn(-4/3)") + Row("", "360&deg; + -53.1301017798049&deg;") +
                     Row("Ø", "306.87&deg;")},
        // The sum rounds to a whole turn and is shown as such.
        AngleRow{"t7_justBelowXAxis", 1.0, -1E-20,
                 "Ø = 360&deg; + Atn(Y/X) &nbsp;(see table below)",
                 Row("Ø", "360&deg; + Atn(-1E-20/1)") +
                     Row("", "360&deg; + -5.72957776948307E-19&deg;") + Row("Ø", "360&deg;")},
        AngleRow{"none_origin", 0.0, 0.0, "", Row("Ø", "0&deg;")}),
    RowName{});

struct RuleRow
{
    const char *name;
    double x;
    double y;
    std::array<bool, 6> lit;
};

class RuleHighlights : public testing::TestWithParam<RuleRow>
{};

TEST_P(RuleHighlights, perRow)
{
    static const std::array<std::string, 6> conditions = {"X > 0, Y >= 0", "X = 0, Y > 0",
                                                          "X < 0, Y >= 0", "X = 0, Y < 0",
                                                          "X < 0, Y <= 0", "X > 0, Y <= 0"};
    const RuleRow &r = GetParam();
    SignificantValuesGuard s(2);
    const std::string document = Rect(r.x, r.y);
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const std::string cell = r.lit[i] ? "<tr><td align='left'   bgcolor='#AEEBFF' noWrap>"
                                          : "<tr><td align='left' noWrap>";
        const std::string rule = r.lit[i] ? "</td><td align='center' bgcolor='#AEEBFF' noWrap>"
                                          : "</td><td align='center' noWrap>";
        EXPECT_NE(document.find(cell + conditions[i] + rule), std::string::npos)
            << "rule row " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Points, RuleHighlights,
    testing::Values(RuleRow{"firstQuadrant", 3, 4, {true, false, false, false, false, false}},
                    RuleRow{"positiveYAxis", 0, 5, {false, true, false, false, false, false}},
                    RuleRow{"secondQuadrant", -3, 4, {false, false, true, false, false, false}},
                    RuleRow{"negativeYAxis", 0, -2, {false, false, false, true, false, false}},
                    RuleRow{"thirdQuadrant", -1, -1, {false, false, false, false, true, false}},
                    RuleRow{"fourthQuadrant", 3, -4, {false, false, false, false, false, true}},
                    RuleRow{"positiveXAxisTwoRows", 5, 0, {true, false, false, false, false, true}},
                    RuleRow{
                        "negativeXAxisTwoRows", -5, 0, {false, false, true, false, true, false}},
                    RuleRow{"originNone", 0, 0, {false, false, false, false, false, false}}),
    RowName{});

struct RadiusRow
{
    const char *name;
    double x;
    double y;
    std::string rows; // the radius table
};

class RadiusTable : public testing::TestWithParam<RadiusRow>
{};

TEST_P(RadiusTable, rows)
{
    const RadiusRow &r = GetParam();
    SignificantValuesGuard s(2);
    const std::string document = Rect(r.x, r.y);
    EXPECT_NE(document.find("<strong>Solution:</strong><blockquote><table>" + r.rows +
                            "</table><br><table>"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Points, RadiusTable,
    testing::Values(
        RadiusRow{"wholeSquares", 3, 4,
                  Row("r", "sqrt(3<sup>2</sup> + 4<sup>2</sup>)") + Row("", "sqrt(9 + 16)") +
                      Row("", "sqrt(25)") + Row("r", "5")},
        RadiusRow{"decimalSquares", 0.1, 0.2,
                  Row("r", "sqrt(0.1<sup>2</sup> + 0.2<sup>2</sup>)") +
                      Row("", "sqrt(0.01 + 0.04)") + Row("", "sqrt(0.05)") + Row("r", "0.22")},
        RadiusRow{"squareInExponentForm", 0.0015, 2,
                  Row("r", "sqrt(0.0015<sup>2</sup> + 2<sup>2</sup>)") +
                      Row("", "sqrt(2.25E-06 + 4)") + Row("", "sqrt(4.00000225)") + Row("r", "2")},
        RadiusRow{"onAxis", -2.5, 0,
                  Row("r", "sqrt(-2.5<sup>2</sup> + 0<sup>2</sup>)") + Row("", "sqrt(6.25 + 0)") +
                      Row("", "sqrt(6.25)") + Row("r", "2.5")}),
    RowName{});

TEST(SolutionDocument, largeSquaresStayFinite)
{
    SignificantValuesGuard s(2);
    const std::string document = Rect(1E150, 1E150);
    EXPECT_NE(document.find(Row("", "sqrt(1E+300 + 1E+300)") + Row("", "sqrt(2E+300)")),
              std::string::npos);
}

// ---------------------------------------------------------------- inputs that do not matter

TEST(SolutionDocument, anyNonZeroIndexIsRectangularToPolar)
{
    SignificantValuesGuard s(2);
    const std::string rectangular = SolutionDocument(1, 2.0, 30.0, 3.0, 4.0, "Quadrant I");
    ASSERT_NE(rectangular.find("r = sqrt(x<sup>2</sup> + y<sup>2</sup>)"), std::string::npos);
    for (const std::int16_t index :
         {std::int16_t{2}, std::int16_t{-1}, std::int16_t{32767}, std::int16_t{-32768}}) {
        EXPECT_EQ(SolutionDocument(index, 2.0, 30.0, 3.0, 4.0, "Quadrant I"), rectangular)
            << "index " << index;
    }
    EXPECT_NE(SolutionDocument(0, 2.0, 30.0, 3.0, 4.0, "Quadrant I").find("x = r cos(Ø)"),
              std::string::npos);
}

TEST(SolutionDocument, quadrantTextHasNoInfluence)
{
    SignificantValuesGuard s(2);
    for (const std::int16_t index : {std::int16_t{0}, std::int16_t{1}}) {
        const std::string reference = SolutionDocument(index, 2.0, 30.0, -3.0, 4.0, "Quadrant II");
        for (const char *quadrant : {"", "Quadrant I", "Quadrant IV", "<b>Ø</b>"}) {
            EXPECT_EQ(SolutionDocument(index, 2.0, 30.0, -3.0, 4.0, quadrant), reference)
                << "index " << index << ", quadrant '" << quadrant << "'";
        }
    }
}

// ---------------------------------------------------------------- faults

struct FaultRow
{
    const char *name;
    std::int16_t index;
    double radius;
    double angle;
    double x;
    double y;
};

class Faults : public testing::TestWithParam<FaultRow>
{};

TEST_P(Faults, throwArithmeticError)
{
    const FaultRow &f = GetParam();
    SignificantValuesGuard s(2);
    EXPECT_THROW((void)SolutionDocument(f.index, f.radius, f.angle, f.x, f.y, "Quadrant I"),
                 modMath::ArithmeticError);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Values, Faults,
    testing::Values(FaultRow{"quotientOverflowFirstQuadrant", 1, 0, 0, 1E-200, 1E150},
                    FaultRow{"quotientOverflowSecondQuadrant", 1, 0, 0, -1E-200, 1E150},
                    FaultRow{"quotientOverflowFourthQuadrant", 1, 0, 0, 1E-200, -1E150},
                    FaultRow{"squareOverflowOnAxis", 1, 0, 0, 1E200, 0},
                    FaultRow{"sumOfSquaresOverflow", 1, 0, 0, 1E154, 1E154},
                    FaultRow{"infiniteX", 1, 0, 0, kInf, 1}, FaultRow{"nanY", 1, 0, 0, 1, kNaN},
                    FaultRow{"infiniteRadius", 0, kInf, 30, 0, 0},
                    FaultRow{"nanAngle", 0, 2, kNaN, 0, 0},
                    FaultRow{"infiniteAngle", 0, 2, -kInf, 0, 0}),
    RowName{});

} // namespace
