// core_outputs SEED COUNT [typical]
//
// Prints, one line per result, what the toolkit-free core makes of COUNT
// seeded random cases: every modMath function, both conversion commands, the
// diagrams and the read-out on a digest canvas, and the worked solution.
// Doubles are printed as their 64-bit patterns and faults as their messages,
// so two builds agree exactly when their outputs are the same bytes.
// "typical" limits the cases to conversions as people type them (the box
// texts, the full texts, the raw doubles and the worked solution's digest).

#include "binary_stdout.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/feedback_text.h"
#include "conversion_control/pointer_readout.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "conversion_control/result_record.h"
#include "differential_canvas.h"
#include "main_window/solution_document.h"
#include "math/mod_math.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

using namespace modMath;

namespace {

// splitmix64, written out so that every standard library draws the same.
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // 0 to n - 1; the modulo's bias does not matter here.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }
    double Sign() { return Below(2) == 0 ? 1.0 : -1.0; }

private:
    std::uint64_t m_state;
};

std::string out;

void flushOut()
{
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
}

template <typename... Parts> void line(std::uint64_t n, const Parts &...parts)
{
    out += std::to_string(n);
    ((out += ' ', out += parts), ...);
    out += '\n';
    if (out.size() > (1u << 20)) {
        flushOut();
    }
}

std::string hexOf(std::uint64_t bits, int digits)
{
    std::array<char, 16> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), bits, 16).ptr;
    const std::string text(buffer.data(), end);
    return std::string(static_cast<std::size_t>(digits) - text.size(), '0') + text;
}

std::string bits(double v)
{
    return hexOf(std::bit_cast<std::uint64_t>(v), 16);
}

std::string bits(float v)
{
    return hexOf(std::bit_cast<std::uint32_t>(v), 8);
}

std::string quoted(std::string_view text)
{
    return std::string(1, '"').append(text).append(1, '"');
}

std::uint64_t digestOf(std::string_view text)
{
    std::uint64_t h = 14695981039346656037u;
    for (const char c : text) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    return h;
}

// The result, or the fault as its message (and the box of an unreadable text).
template <typename F> std::string guarded(F &&f)
{
    try {
        return f();
    } catch (const UnreadableSource &e) {
        return "! box " + std::to_string(e.Box()) + ": " + e.what();
    } catch (const std::exception &e) {
        return std::string("! ") + e.what();
    }
}

constexpr std::array kLargeAngles{3600.0,         -3600.0,        1e6,      1e30,    -1e30, 1e15,
                                  9.2e18,         1e20,           3.4e38,   3.5e38,  1e300, 36000.5,
                                  0x1.ffffffp127, 0x1.fffffep127, 1.34e154, 1.35e154};

double powerOfTen(int exponent)
{
    return std::strtod(("1e" + std::to_string(exponent)).c_str(), nullptr);
}

// Of every size and kind: zeros, whole and decimal numbers, any bit pattern,
// subnormals, large angles, round angles, the edges of the single and of
// the squares' range. Each draw is its own statement, in a fixed order.
double anyDouble(Random &random)
{
    const int kind = random.Below(12);
    const double sign = random.Sign();
    switch (kind) {
    case 0:
        return sign * 0.0;
    case 1:
        return random.Between(-1000, 1000);
    case 2: {
        const double whole = random.Between(-1000000, 1000000);
        return whole / powerOfTen(random.Below(7));
    }
    case 3:
        for (;;) {
            const double v = std::bit_cast<double>(random.Next());
            if (v - v == 0) {
                return v;
            }
        }
    case 4:
        return std::bit_cast<double>(random.Next() & 0x800FFFFFFFFFFFFFu);
    case 5:
        return sign * kLargeAngles[static_cast<std::size_t>(random.Below(kLargeAngles.size()))];
    case 6: {
        const double round = 15.0 * random.Between(-96, 96);
        return random.Below(4) == 0 ? round + 1e-9 : round;
    }
    case 7:
        return sign * powerOfTen(random.Between(-323, 308));
    case 8:
        return sign * 360.0 * random.Between(1, 1000000000);
    case 9:
        return random.Unit() * 2 - 1;
    case 10:
        return sign * random.Unit() * 720;
    default: {
        const double unit = random.Unit();
        return sign * unit * powerOfTen(random.Between(-20, 20));
    }
    }
}

constexpr std::array<std::string_view, 22> kEdgeTexts{"",
                                                      "-",
                                                      ".",
                                                      "-.",
                                                      ",",
                                                      "0",
                                                      "-0",
                                                      "1,000.5",
                                                      "1e5",
                                                      "abc",
                                                      " 1",
                                                      "1.",
                                                      ".5",
                                                      "--1",
                                                      "1-",
                                                      "0.0000001",
                                                      "99999999999999999999",
                                                      "1.7976931348623157E+308",
                                                      "1E+309",
                                                      "4.9E-324",
                                                      "12,34,5.6,7",
                                                      "-,.,"};

// A number as people type it: up to six significant digits, a point anywhere.
std::string typed(Random &random, int maxIntegerDigits)
{
    const int digits = random.Between(1, 6);
    std::string s;
    for (int i = 0; i < digits; ++i) {
        s += static_cast<char>('0' + (i == 0 ? random.Between(1, 9) : random.Below(10)));
    }
    const int places = random.Between(std::max(0, digits - maxIntegerDigits), digits + 2);
    if (places > 0) {
        if (places >= digits) {
            s = "0." + std::string(static_cast<std::size_t>(places - digits), '0') + s;
        } else {
            s.insert(s.size() - static_cast<std::size_t>(places), ".");
        }
    }
    return random.Below(8) == 0 ? "-" + s : s;
}

std::string anyText(Random &random)
{
    switch (random.Below(6)) {
    case 0:
        return std::string(kEdgeTexts[static_cast<std::size_t>(random.Below(kEdgeTexts.size()))]);
    case 1: {
        std::string s;
        for (int i = random.Below(13); i > 0; --i) {
            s += "0123456789-.,eE +"[random.Below(17)];
        }
        return s;
    }
    case 2: {
        const double v = anyDouble(random);
        const int places = random.Below(21);
        return guarded([&] { return FormatFixed(v, places); });
    }
    case 3:
        return typed(random, 6);
    default: {
        const double v = anyDouble(random);
        return guarded([&] { return NumberToText(v); });
    }
    }
}

std::string boxTexts(const std::array<std::string, 4> &texts)
{
    return quoted(texts[0]) + ' ' + quoted(texts[1]) + ' ' + quoted(texts[2]) + ' ' +
           quoted(texts[3]);
}

std::string digestText(std::uint64_t digest)
{
    return hexOf(digest, 16);
}

// A command on two source texts, then what the widget draws and composes
// from its result: both diagrams, a read-out at a random place, the solution.
void commandCase(std::uint64_t n, Random &random, std::int16_t index, const std::string &a,
                 const std::string &b)
{
    InputBoxes boxes;
    const std::size_t source = index == kPolarToRectangular ? 0 : 2;
    boxes.Text[source] = a;
    boxes.Text[source + 1] = b;
    const std::string name = index == kPolarToRectangular ? "PolarCommand" : "RectCommand";
    const std::string fault = guarded([&] {
        ConvertTexts(index, boxes);
        return std::string("ok");
    });
    line(n, name, quoted(a), quoted(b), "=", fault, "Text", boxTexts(boxes.Text), "Tag",
         boxTexts(boxes.Tag));
    const auto width = static_cast<float>(random.Between(40, 1000));
    const auto height = static_cast<float>(random.Between(40, 800));
    DifferentialCanvas polar(width, height);
    DifferentialCanvas rectangular(polar.ScaleWidth(), polar.ScaleHeight());
    line(n, "Diagrams", guarded([&] {
             DrawPolarDiagram(polar, boxes);
             DrawRectangularDiagram(rectangular, boxes);
             return digestText(polar.Digest()) + ' ' + digestText(rectangular.Digest());
         }));
    const auto x = static_cast<float>(random.Unit() * polar.ScaleWidth());
    const auto y = static_cast<float>(random.Unit() * polar.ScaleHeight());
    line(n, "Readout", bits(x), bits(y), guarded([&] {
             return quoted(PolarReadoutLine(PolarReadout(polar, x, y, boxes.Text[0]))) + ' ' +
                    quoted(RectangularReadoutLine(
                        RectangularReadout(rectangular, x, y, boxes.Text[0])));
         }));
    line(n, "Solution", guarded([&] {
             const ResultRecord r = ReadResult(index, boxes);
             return digestText(digestOf(SolutionDocument(index, r.Radius, r.Angle, r.X, r.Y)));
         }));
}

template <typename F> void twoArguments(std::uint64_t n, const char *name, F f, double a, double b)
{
    line(n, name, bits(a), bits(b), "=", guarded([&] { return bits(f(a, b)); }));
}

void functionCase(std::uint64_t n, Random &random)
{
    const double a = anyDouble(random);
    const double b = anyDouble(random);
    line(n, "DegToRad", bits(a), "=", guarded([&] { return bits(DegToRad(a)); }));
    line(n, "RadToDeg", bits(a), "=", guarded([&] { return bits(RadToDeg(a)); }));
    line(n, "ToSingle", bits(a), "=", guarded([&] { return bits(ToSingle(a)); }));
    twoArguments(n, "PolarToX", &PolarToX, a, b);
    twoArguments(n, "PolarToY", &PolarToY, a, b);
    twoArguments(n, "RectToRadius", &RectToRadius, a, b);
    twoArguments(n, "RectToAngle", &RectToAngle, a, b);
    twoArguments(n, "RealMod", &RealMod, a, b);
    twoArguments(n, "RealMod", &RealMod, a, 360.0);
    line(n, "NumberToText", bits(a), "=", guarded([&] { return quoted(NumberToText(a)); }));
    const int places = random.Between(-2, 22);
    line(n, "FormatFixed", bits(a), std::to_string(places), "=",
         guarded([&] { return quoted(FormatFixed(a, places)); }));
    for (const std::int16_t sv : {0, 2, 3, 5, 15, 16, 20}) {
        SignificantValues = sv;
        line(n, "FormatSignificant", bits(a), std::to_string(sv), "=",
             guarded([&] { return quoted(FormatSignificant(a)); }));
    }
    line(n, "HasNoSignificantDigit", bits(a), "=", HasNoSignificantDigit(a) ? "1" : "0");
    const std::string text = anyText(random);
    line(n, "TextToNumber", quoted(text), "=", guarded([&] { return bits(TextToNumber(text)); }));
    line(n, "Solution", bits(a), bits(b), "=", guarded([&] {
             return digestText(digestOf(SolutionDocument(0, a, b, a, b))) + ' ' +
                    digestText(digestOf(SolutionDocument(1, b, a, a, b)));
         }));
    SignificantValues = static_cast<std::int16_t>(random.Between(0, 16));
    // One draw a statement: the order of a call's arguments is unspecified.
    for (const std::int16_t index : {kPolarToRectangular, kRectangularToPolar}) {
        const std::string first = anyText(random);
        const std::string second = anyText(random);
        commandCase(n, random, index, first, second);
    }
}

// An angle as people type it: whole degrees, a few places, or a round angle.
std::string typedAngle(Random &random)
{
    switch (random.Below(3)) {
    case 0:
        return std::to_string(random.Between(-720, 720));
    case 1:
        return typed(random, 3);
    default:
        return std::to_string(15 * random.Between(-72, 72));
    }
}

std::string typedCoordinate(Random &random)
{
    return random.Below(20) == 0 ? "0" : typed(random, random.Between(1, 5));
}

void typicalCase(std::uint64_t n, Random &random)
{
    SignificantValues = static_cast<std::int16_t>(random.Between(2, 5));
    const std::int16_t index = random.Below(2) == 0 ? kPolarToRectangular : kRectangularToPolar;
    InputBoxes boxes;
    const std::size_t s = index == kPolarToRectangular ? 0 : 2;
    const std::size_t t = 2 - s;
    boxes.Text[s] = index == kPolarToRectangular ? typed(random, 4) : typedCoordinate(random);
    boxes.Text[s + 1] = index == kPolarToRectangular ? typedAngle(random) : typedCoordinate(random);
    const std::string fault = guarded([&] {
        ConvertTexts(index, boxes);
        return std::string("ok");
    });
    line(n, "Box", std::to_string(index), std::to_string(SignificantValues), quoted(boxes.Text[s]),
         quoted(boxes.Text[s + 1]), fault, quoted(boxes.Text[t]), quoted(boxes.Text[t + 1]));
    line(n, "Full", quoted(boxes.Tag[t]), quoted(boxes.Tag[t + 1]));
    const double a = TextToNumber(boxes.Text[s]);
    const double b = TextToNumber(boxes.Text[s + 1]);
    const bool polar = index == kPolarToRectangular;
    line(n, "Raw", guarded([&] {
             return bits(polar ? PolarToX(a, b) : RectToRadius(a, b)) + ' ' +
                    bits(polar ? PolarToY(a, b) : RectToAngle(a, b));
         }));
    line(n, "Solution", guarded([&] {
             const ResultRecord r = ReadResult(index, boxes);
             return digestText(digestOf(SolutionDocument(index, r.Radius, r.Angle, r.X, r.Y)));
         }));
}

} // namespace

int main(int argc, char **argv)
{
    const bool typical = argc == 4 && std::string_view(argv[3]) == "typical";
    if (argc != 3 && !typical) {
        std::fprintf(stderr, "usage: core_outputs SEED COUNT [typical]\n");
        return 2;
    }
    UseBinaryStdout();
    Random random(std::strtoull(argv[1], nullptr, 10));
    const std::uint64_t count = std::strtoull(argv[2], nullptr, 10);
    if (!typical) {
        line(0, "GetPi", "=", bits(GetPi()));
    }
    for (std::uint64_t n = 1; n <= count; ++n) {
        if (typical) {
            typicalCase(n, random);
        } else {
            functionCase(n, random);
        }
    }
    flushOut();
    return std::fflush(stdout) == 0 ? 0 : 1;
}
