#pragma once

// A command's source text that does not read as a number, and which box it is in.

#include "math/mod_math.h"

#include <cstddef>

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
