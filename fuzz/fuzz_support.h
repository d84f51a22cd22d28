#pragma once

// What the fuzz targets share: reading typed values off the fuzzer's bytes,
// reporting a broken property, and the checks on number texts.

#include "math/mod_math.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

// Fixed-size fields off the front of the input; a short input reads as zero
// bytes, so every input, however short, is a valid case.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte()
    {
        std::uint8_t b = 0;
        take(&b, 1);
        return b;
    }

    std::int16_t int16()
    {
        std::int16_t v = 0;
        take(&v, sizeof v);
        return v;
    }

    // Any bit pattern: subnormals, negative zero, infinities and NaNs included.
    double float64()
    {
        double v = 0;
        take(&v, sizeof v);
        return v;
    }

    [[nodiscard]] std::string_view rest() const
    {
        return {reinterpret_cast<const char *>(m_data + m_used), m_size - m_used};
    }

private:
    void take(void *out, std::size_t n)
    {
        const std::size_t available = m_size - m_used < n ? m_size - m_used : n;
        std::memcpy(out, m_data + m_used, available);
        m_used += available;
    }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_used = 0;
};

// Prints what broke and aborts, which libFuzzer records as a crash together
// with the input that caused it.
[[noreturn]] inline void fail(std::string_view property, std::string_view detail = {})
{
    std::fprintf(stderr, "\n*** property broken: %.*s\n", static_cast<int>(property.size()),
                 property.data());
    if (!detail.empty()) {
        std::fprintf(stderr, "    %.*s\n", static_cast<int>(detail.size()), detail.data());
    }
    std::abort();
}

inline void require(bool holds, std::string_view property, std::string_view detail = {})
{
    if (!holds) {
        fail(property, detail);
    }
}

// A double in both exact (hex) and decimal form, for failure messages.
inline std::string describe(double v)
{
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%a (%.17g)", v, v);
    return buffer.data();
}

inline std::string quote(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// The spellings a C or C++ library gives inf and NaN.
inline bool showsNonFinite(std::string_view text)
{
    for (const std::string_view word : {"inf", "nan", "INF", "NAN", "Inf", "NaN"}) {
        if (text.find(word) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Reads a text that the calculator itself wrote and therefore must read back.
inline double readBack(std::string_view text, std::string_view writer)
{
    try {
        return modMath::TextToNumber(text);
    } catch (const std::exception &e) {
        fail(std::string(writer) + " wrote a text that does not read back",
             quote(text) + ": " + e.what());
    }
}

// Whether the text reads as a number, in range or not.
inline bool reads(std::string_view text)
{
    try {
        (void)modMath::TextToNumber(text);
    } catch (const modMath::ConversionError &) {
        return false;
    } catch (const modMath::ArithmeticError &) {
    }
    return true;
}

// Digits after the point of a fixed text (0 when it has no point).
inline int placesOf(std::string_view text)
{
    const auto point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Optional "-", whole digits in groups of three separated by ",", then, when
// places > 0, "." and exactly that many digits.
inline bool isFixedText(std::string_view text, int places)
{
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (places == 0 ? point != std::string_view::npos
                    : point == std::string_view::npos ||
                          text.size() - point - 1 != static_cast<std::size_t>(places)) {
        return false;
    }
    if (places > 0) {
        for (const char c : text.substr(point + 1)) {
            if (c < '0' || c > '9') {
                return false;
            }
        }
    }
    if (whole.empty()) {
        return false;
    }
    // Counted from the point: every fourth character is a ",", the rest digits.
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const char c = whole[whole.size() - 1 - i];
        const bool separator = i % 4 == 3;
        if (separator ? c != ',' : (c < '0' || c > '9')) {
            return false;
        }
    }
    return whole.front() != ',' && (whole.size() == 1 || whole.front() != '0');
}

// |read - v| within half a unit in the last place shown, widened by the
// 15-significant-digit step that every display rounding passes through.
inline bool withinPlaces(double read, double v, int places)
{
    const double half = 0.5 * std::pow(10.0, -places);
    return std::fabs(read - v) <= (half + 1e-14 * std::fabs(v)) * (1 + 1e-12);
}

} // namespace fuzz
