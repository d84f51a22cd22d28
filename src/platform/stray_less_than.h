#pragma once

// The worked solution's HTML as Qt's rich-text reader needs it.

#include <string>
#include <string_view>

// The text with every "<" that opens no tag written as "&lt;": a browser shows
// such a "<" as it stands, Qt's rich-text reader would drop the text after it.
[[nodiscard]] std::string EscapeStrayLessThan(std::string_view html);
