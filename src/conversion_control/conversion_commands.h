#pragma once

// The two conversion commands on the four input texts, toolkit-free: the
// widget feeds them the boxes' texts and shows what they leave behind.

#include "math/mod_math.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// txtData(0..3): r, Ø (degrees), x, y. Text is what a box shows; Tag keeps the
// value of the last conversion at full precision.
struct InputBoxes
{
    std::array<std::string, 4> Text{"0", "0", "0", "0"};
    std::array<std::string, 4> Tag{"0", "0", "0", "0"};
};

// The quantity each box holds, as captions, messages and a screen reader name it.
inline constexpr std::array<std::string_view, 4> kQuantity{"r", "\u00D8", "x", "y"};

inline constexpr std::int16_t kPolarToRectangular = 0;
inline constexpr std::int16_t kRectangularToPolar = 1;

// A command's source text that does not read as a number, and which box it is in.
class UnreadableSource : public modMath::ConversionError
{
public:
    UnreadableSource(std::size_t box, const modMath::ConversionError &cause)
        : modMath::ConversionError(cause.what(), cause.Text()), m_box(box)
    {}
    [[nodiscard]] std::size_t Box() const noexcept { return m_box; }

private:
    std::size_t m_box;
};

// Runs the source-reading and writing steps of a command (0: polar to
// rectangular, anything else: rectangular to polar). An unreadable source text
// throws UnreadableSource for the first such box before anything changed; an
// arithmetic fault throws modMath::ArithmeticError and leaves the steps before
// it done.
void ConvertTexts(std::int16_t index, InputBoxes &boxes);

// What the Result event carries, read back from the Tags.
struct ResultRecord
{
    std::int16_t Index;
    double Radius, Angle, X, Y;
    std::string Quadrant;
};

[[nodiscard]] ResultRecord ReadResult(std::int16_t index, const InputBoxes &boxes);

// The key filter of the input boxes: whether the key with this character code
// may be inserted into a box that currently holds text.
[[nodiscard]] bool KeyAccepted(std::string_view text, char16_t code);
