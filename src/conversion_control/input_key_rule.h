#pragma once

// The key rule of the input boxes, toolkit-free: which typed characters a box
// takes, judged against its text before the key.

#include <string_view>

// Whether the key with this character code may be inserted into a box that
// currently holds text.
[[nodiscard]] bool KeyAccepted(std::string_view text, char16_t code);
