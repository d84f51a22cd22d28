#include "conversion_control/input_key_rule.h"

bool KeyAccepted(std::string_view text, char16_t code)
{
    constexpr char16_t kBackspace = 8;
    if (code == kBackspace || (code >= u'0' && code <= u'9') || code == u',') {
        return true;
    }
    if (code == u'-') {
        return text.find('-') == std::string_view::npos;
    }
    if (code == u'.') {
        return text.find('.') == std::string_view::npos;
    }
    return false;
}
