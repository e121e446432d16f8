#include "project/ProjectText.h"

#include <gtest/gtest.h>
#include <string>

TEST(ProjectText, TagsWrapTheElementName)
{
    EXPECT_EQ(OpenTag("image"), "<image>");
    EXPECT_EQ(CloseTag("image"), "</image>");
}

struct TagCase {
    const char* name;
    std::string text;
    std::string section;
    std::string element;
};

const TagCase kTagCases[] = {
    { "both tags", "<a>x</a>", "x", "x" },
    { "first occurrences", "<a>x</a><a>y</a>", "x", "x" },
    { "blanks kept", "<a> x\r\n</a>", " x\r\n", " x\r\n" },
    { "empty element", "<a></a>", "", "" },
    { "missing closing tag", "<a>x", "", "0" },
    // Without an opening tag the section starts at the opening tag's length.
    { "missing opening tag", "abc</a>", "c", "0" },
    { "no tags", "abc", "", "0" },
    { "closing before opening", "</a>x<a>", "", "" },
    { "capital tags count as missing", "<A>x</A>", "", "0" },
};

TEST(ProjectText, SectionAndElementTextFollowTheFirstTags)
{
    for (const TagCase& c : kTagCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SectionContent(c.text, "<a>", "</a>"), c.section);
        EXPECT_EQ(ExtractElementText(c.text, "<a>", "</a>"), c.element);
    }
}

TEST(ProjectText, CopyTextCountsFromOneAndClampsToTheText)
{
    EXPECT_EQ(CopyText("abcdef", 2, 3), "bcd");
    EXPECT_EQ(CopyText("abcdef", -4, 2), "ab");
    EXPECT_EQ(CopyText("abcdef", 5, 100), "ef");
    EXPECT_EQ(CopyText("abcdef", 7, 1), "");
    EXPECT_EQ(CopyText("abcdef", 1, 0), "");
    EXPECT_EQ(CopyText("abcdef", 1, -3), "");
}

TEST(ProjectText, TrimDropsControlsAndBlanksButKeepsOtherBytes)
{
    EXPECT_EQ(TrimControlsAndBlanks(" \t\r\n\x01x y\x1f "), "x y");
    EXPECT_EQ(TrimControlsAndBlanks("\r\n"), "");
    // Bytes of multi-byte characters are above 127, not blanks.
    EXPECT_EQ(TrimControlsAndBlanks(" \xC3\xA9 \xC3\xA9\n"), "\xC3\xA9 \xC3\xA9");
}

TEST(ProjectText, TextToIntegerTakesSignedDecimalsOnly)
{
    struct Case {
        const char* text;
        std::int32_t want;
    };
    const Case cases[] = {
        { "12", 12 },
        { "-5", -5 },
        { "+7", 7 },
        { "007", 7 },
        { "2147483647", 2147483647 },
        { "-2147483648", -2147483647 - 1 },
        { "", -99 },
        { "abc", -99 },
        { "12abc", -99 },
        { " 12", -99 },
        { "12 ", -99 },
        { "+", -99 },
        { "-", -99 },
        { "+-3", -99 },
        { "1.5", -99 },
        { "0x10", -99 },
        { "2147483648", -99 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToInteger(c.text, -99), c.want);
    }
}
