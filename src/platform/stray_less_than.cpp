#include "platform/stray_less_than.h"

namespace {

// A letter, "/", "!" or "?" after "<" starts a tag, an end tag, a comment or
// a declaration, or a processing instruction.
bool opensMarkup(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '/' || c == '!' || c == '?';
}

} // namespace

std::string EscapeStrayLessThan(std::string_view html)
{
    std::string out;
    out.reserve(html.size() + 16);
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<' && (i + 1 == html.size() || !opensMarkup(html[i + 1]))) {
            out += "&lt;";
        } else {
            out += html[i];
        }
    }
    return out;
}
