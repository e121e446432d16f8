#include "ProjectExpectations.h"
#include "TempFolder.h"
#include "project/ProjectComparison.h"
#include "project/ProjectFileReader.h"
#include "project/ProjectFileWriter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

using brindlecast::testsupport::TempFolder;

namespace
{

// Texts with blanks, tabs, markup characters and multi-byte characters, which the file must
// carry unchanged; no closing tag can form from them.
class RandomRecords
{
public:
    explicit RandomRecords(unsigned seed)
        : random_(seed)
    {
    }

    TBrindlecast Next()
    {
        TBrindlecast record;
        record.Name = Text();
        record.ActionType = Number();
        record.FrameRate = Number();
        record.ImageDelay = Number();
        record.Link = Text();
        record.Target = Text();
        record.Output = Text();
        record.BackgroundColor = Number();
        const int images = Between(0, 12);
        for (int i = 0; i < images; ++i)
            record.Images.push_back(Text());
        return record;
    }

private:
    int Between(int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    std::int32_t Number()
    {
        return std::uniform_int_distribution<std::int32_t>(std::numeric_limits<std::int32_t>::min(),
            std::numeric_limits<std::int32_t>::max())(random_);
    }

    std::string Text()
    {
        static const char* const pieces[] = { "a", "Z", "7", " ", "\t", "/", "\\", ".", ":", "_",
            "&", "<", ">", "&amp;", "\xC3\xA9", "\xE2\x82\xAC", "gif", "0" };
        std::string text;
        const int length = Between(0, 24);
        for (int i = 0; i < length; ++i)
            text += pieces[Between(0, static_cast<int>(std::size(pieces)) - 1)];
        return text;
    }

    std::mt19937 random_;
};

} // namespace

TEST(ProjectRoundTrip, SavedRecordsLoadBackFieldByField)
{
    TempFolder folder;
    const std::string path = folder.file("round trip.imx");
    RandomRecords records(20261211);
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const TBrindlecast written = round == 0 ? TBrindlecast() : records.Next();
        TBrindlecast snapshot;
        ASSERT_TRUE(SaveProjectFile(path, written, snapshot).ok());

        TBrindlecast current;
        TBrindlecast saved;
        ASSERT_EQ(
            LoadProjectFile(path, current, saved).status, ProjectLoadOutcome::Status::Accepted);

        ExpectSameStoredFields(current, written);
        ExpectSameStoredFields(saved, written);
        EXPECT_FALSE(current.Untouched);
        EXPECT_FALSE(IsProjectModified(current, saved));
    }
}
