// The conversion commands on whatever the four boxes can hold.
// Input: 2 bytes command index, 2 bytes significant-values setting, 1 byte of
// flags, then the four box texts separated by "\n". Each byte of a text is a
// keystroke through the key filter (0xFF takes the next two bytes as one
// 16-bit code; backspace removes the last character), or, with the "pasted"
// flag, the text as it is, since paste bypasses the filter.

#include "conversion_control/conversion_commands.h"
#include "conversion_control/input_key_rule.h"
#include "conversion_control/quadrant.h"
#include "conversion_control/result_record.h"
#include "fuzz_support.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kPasted = 1;      // texts bypass the key filter
constexpr std::uint8_t kConvertBack = 2; // then run the other command on the result

std::string typed(std::string_view keys, bool pasted)
{
    if (pasted) {
        return std::string(keys);
    }
    std::string text;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        char16_t code = static_cast<unsigned char>(keys[i]);
        if (code == 0xFF && i + 2 < keys.size()) {
            code = static_cast<char16_t>(static_cast<unsigned char>(keys[i + 1]) << 8 |
                                         static_cast<unsigned char>(keys[i + 2]));
            i += 2;
        }
        if (!KeyAccepted(text, code)) {
            continue;
        }
        if (code == 8) {
            if (!text.empty()) {
                text.pop_back();
            }
        } else {
            fuzz::require(code < 0x80, "the key filter let a non-ASCII key in",
                          std::to_string(static_cast<int>(code)));
            text += static_cast<char>(code);
        }
    }
    // Whatever is typed, a box holds digits, "," and at most one "-" and ".".
    const bool onlyNumberKeys = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == ',' || c == '-' || c == '.';
    });
    fuzz::require(onlyNumberKeys && std::count(text.begin(), text.end(), '-') <= 1 &&
                      std::count(text.begin(), text.end(), '.') <= 1,
                  "typing left a refused character or a second \"-\" or \".\" in a box",
                  fuzz::quote(text));
    return text;
}

std::string describe(std::int16_t index, const InputBoxes &boxes)
{
    std::string out = "command " + std::to_string(index) + ", setting " +
                      std::to_string(modMath::SignificantValues) + "; Text/Tag:";
    for (std::size_t i = 0; i < boxes.Text.size(); ++i) {
        out += " " + fuzz::quote(boxes.Text[i]) + "/" + fuzz::quote(boxes.Tag[i]);
    }
    return out;
}

enum class Outcome
{
    Converted,
    Unreadable,
    Fault
};

// Runs one command and checks what it leaves behind, success or failure.
Outcome runCommand(std::int16_t index, InputBoxes &boxes)
{
    const InputBoxes before = boxes;
    const std::size_t source = index == kPolarToRectangular ? 0 : 2;
    const std::size_t written = index == kPolarToRectangular ? 2 : 0;
    const std::string call = describe(index, before);
    try {
        ConvertTexts(index, boxes);
    } catch (const UnreadableSource &e) {
        fuzz::require(boxes.Text == before.Text && boxes.Tag == before.Tag,
                      "an unreadable source text changed a box", call);
        // The box named is the first source box whose text does not read.
        const std::size_t box = e.Box();
        fuzz::require((box == source || box == source + 1) && e.Text() == boxes.Text[box] &&
                          !fuzz::reads(boxes.Text[box]) &&
                          (box == source || fuzz::reads(boxes.Text[source])),
                      "the unreadable source names another box", call);
        return Outcome::Unreadable;
    } catch (const modMath::ArithmeticError &) {
        fuzz::require(boxes.Tag == before.Tag, "an arithmetic fault changed a Tag", call);
        fuzz::require(boxes.Text[source] == before.Text[source] &&
                          boxes.Text[source + 1] == before.Text[source + 1],
                      "an arithmetic fault changed a source text", call);
        return Outcome::Fault;
    } catch (const std::exception &e) {
        fuzz::fail("ConvertTexts threw neither ConversionError nor ArithmeticError",
                   call + ": " + e.what());
    }
    const std::string after = call + " -> " + describe(index, boxes);

    fuzz::require(boxes.Text[source] == before.Text[source] &&
                      boxes.Text[source + 1] == before.Text[source + 1],
                  "a command changed its source texts", after);
    fuzz::require(boxes.Tag[source] == before.Text[source] &&
                      boxes.Tag[source + 1] == before.Text[source + 1],
                  "the source Tags are not the source texts as typed", after);
    for (std::size_t i = 0; i < boxes.Tag.size(); ++i) {
        fuzz::require(!fuzz::showsNonFinite(boxes.Text[i]) && !fuzz::showsNonFinite(boxes.Tag[i]),
                      "a box shows inf or NaN", after);
        (void)fuzz::readBack(boxes.Tag[i], "ConvertTexts (a Tag)");
    }
    // What a box shows is the display form of the value it keeps.
    for (const std::size_t i : {written, written + 1}) {
        const double kept = fuzz::readBack(boxes.Tag[i], "ConvertTexts (a Tag)");
        (void)fuzz::readBack(boxes.Text[i], "ConvertTexts (a shown result)");
        fuzz::require(modMath::NumberToText(kept) == boxes.Tag[i],
                      "a computed Tag is not a 15-digit text", after);
        fuzz::require(modMath::FormatSignificant(kept) == boxes.Text[i],
                      "a shown result is not the display form of its Tag", after);
    }

    ResultRecord result{};
    try {
        result = ReadResult(index, boxes);
    } catch (const std::exception &e) {
        fuzz::fail("ReadResult failed after a successful command", after + ": " + e.what());
    }
    fuzz::require(result.Index == index, "the Result carries another index", after);
    fuzz::require(std::isfinite(result.Radius) && std::isfinite(result.Angle) &&
                      std::isfinite(result.X) && std::isfinite(result.Y),
                  "the Result carries a non-finite value", after);
    fuzz::require(result.Quadrant == QuadrantName(QuadrantOfPoint(result.X, result.Y)),
                  "the Result's quadrant is not that of its x and y", after);
    if (index != kPolarToRectangular) {
        fuzz::require(result.Radius >= 0, "a computed radius is negative", after);
        fuzz::require(result.Angle >= 0 && result.Angle <= 360,
                      "a computed angle lies outside 0 to 360", after);
    }
    return Outcome::Converted;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::int16_t index = input.int16();
    modMath::SignificantValues = input.int16();
    const std::uint8_t flags = input.byte();

    InputBoxes boxes;
    std::string_view rest = input.rest();
    for (std::size_t i = 0; i < boxes.Text.size(); ++i) {
        const auto end = rest.find('\n');
        boxes.Text[i] = typed(rest.substr(0, end), (flags & kPasted) != 0);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }

    const Outcome first = runCommand(index, boxes);
    if ((flags & kConvertBack) != 0) {
        // Converting back reads the rounded texts the first command showed,
        // which must always be readable.
        const std::int16_t back =
            index == kPolarToRectangular ? kRectangularToPolar : kPolarToRectangular;
        const InputBoxes shown = boxes;
        const Outcome second = runCommand(back, boxes);
        fuzz::require(first != Outcome::Converted || second != Outcome::Unreadable,
                      "a shown result does not read back as a source", describe(back, shown));
    }
    return 0;
}
