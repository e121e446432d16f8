#include "project/ImageListReader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Entries = std::vector<std::string>;

TEST(ImageListReader, ReadsEachImageElementInTurn)
{
    struct Case {
        const char* name;
        std::string content;
        Entries want;
    };
    const Case cases[] = {
        { "empty", "", {} },
        { "only line breaks", "\r\n", {} },
        { "one entry", "<image>/a.gif</image>", { "/a.gif" } },
        { "entries on lines", "\r\n<image>/a.gif</image>\r\n<image>/b.jpg</image>\r\n",
            { "/a.gif", "/b.jpg" } },
        { "blanks inside kept", "<image> /a b.gif\t</image>", { " /a b.gif\t" } },
        { "empty entry", "<image></image>", { "" } },
        { "duplicates kept", "<image>a</image><image>a</image>", { "a", "a" } },
        { "closed before opened", "</image>a<image>b</image>", { "", "b" } },
        { "seven leftover characters", "1234567", { "0" } },
        { "eight leftover characters", "12345678", { "0", "0" } },
        { "leftover after an entry", "<image>a</image>\r\ntail\r\n", { "a", "0" } },
        { "opening tag never closed", "<image>a", { "0", "0" } },
        { "capital tags", "<IMAGE>a</IMAGE>", { "0", "0", "0" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadImageEntries(c.content), c.want);
    }
}

TEST(ImageListReader, LongRunsStayExact)
{
    const std::string leftover(70000, 'x');
    EXPECT_EQ(ReadImageEntries(leftover), Entries(10000, "0"));

    std::string manyEntries;
    Entries want;
    for (int i = 0; i < 20000; ++i) {
        want.push_back("/pictures/" + std::to_string(i) + ".gif");
        manyEntries += "<image>" + want.back() + "</image>\r\n";
    }
    EXPECT_EQ(ReadImageEntries(manyEntries), want);
}
