#include "platform/stray_less_than.h"

#include <gtest/gtest.h>

TEST(EscapeStrayLessThan, OnlyALessThanThatOpensNoMarkupIsEscaped)
{
    const struct
    {
        const char *Name;
        const char *Html;
        const char *Escaped;
    } rows[] = {
        {"empty", "", ""},
        {"tags, end tags, comments, declarations stay", "<b>x</b><!-- c --><!DOCTYPE html><?xml?>",
         "<b>x</b><!-- c --><!DOCTYPE html><?xml?>"},
        {"a condition of the rule table", "X < 0, Y <= 0", "X &lt; 0, Y &lt;= 0"},
        {"before a digit", "<1", "&lt;1"},
        {"at the very end", "a<", "a&lt;"},
        {"a run of them before a tag", "<<<b>", "&lt;&lt;<b>"},
        {"next to UTF-8 letters", "\xC3\x98<\xC3\x98", "\xC3\x98&lt;\xC3\x98"},
        {"an entity is left as it is", "&lt;<&", "&lt;&lt;&"},
        {"a lone >", "a > b", "a > b"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(EscapeStrayLessThan(row.Html), row.Escaped);
    }
}
