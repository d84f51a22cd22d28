// The worked solution for any Result event.
// Input: 2 bytes index, 2 bytes significant-values setting, then 8 bytes each
// of radius, angle, x and y as doubles (any bit pattern).

#include "fuzz_support.h"
#include "main_window/solution_document.h"

namespace {

constexpr std::string_view kStart = "<html><head></head><body>";
constexpr std::string_view kEnd = "</blockquote></body></html>";

bool contains(std::string_view text, const std::string &part)
{
    return text.find(part) != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::int16_t index = input.int16();
    modMath::SignificantValues = input.int16();
    const double radius = input.float64();
    const double angle = input.float64();
    const double x = input.float64();
    const double y = input.float64();

    const bool polar = index == 0;
    const std::string call = "index " + std::to_string(index) + ", setting " +
                             std::to_string(modMath::SignificantValues) + ", r " +
                             fuzz::describe(radius) + ", angle " + fuzz::describe(angle) + ", x " +
                             fuzz::describe(x) + ", y " + fuzz::describe(y);
    const bool finite = polar ? std::isfinite(radius) && std::isfinite(angle)
                              : std::isfinite(x) && std::isfinite(y);
    // Rectangular to polar steps beyond the double range: the sum of the
    // squares, and the quotient y / x whose arctangent is taken.
    const bool overflows =
        !polar && finite && (!std::isfinite(x * x + y * y) || (x != 0 && !std::isfinite(y / x)));

    std::string document;
    try {
        document = SolutionDocument(index, radius, angle, x, y);
    } catch (const modMath::ArithmeticError &) {
        fuzz::require(!finite || overflows,
                      "ArithmeticError although every step stays within the double range", call);
        return 0;
    } catch (const std::exception &e) {
        fuzz::fail("SolutionDocument threw something other than ArithmeticError",
                   call + ": " + e.what());
    }
    fuzz::require(finite, "a document was written for a non-finite value", call);
    fuzz::require(!overflows, "a document was written although a step overflows", call);
    fuzz::require(document.starts_with(kStart), "the document does not start with its frame", call);
    fuzz::require(document.ends_with(kEnd), "the document does not end with its frame", call);
    fuzz::require(!fuzz::showsNonFinite(document), "the document shows inf or NaN", call);
    // The given values appear at full precision.
    if (polar) {
        fuzz::require(contains(document, "<blockquote>r = " + modMath::NumberToText(radius) +
                                             "<br>\xC3\x98 = " + modMath::NumberToText(angle) +
                                             "&deg; (in degrees)</blockquote>"),
                      "the given radius and angle are not shown", call);
    } else {
        fuzz::require(contains(document, "<blockquote>x = " + modMath::NumberToText(x) +
                                             "<br>y = " + modMath::NumberToText(y) +
                                             "</blockquote>"),
                      "the given x and y are not shown", call);
    }
    return 0;
}
