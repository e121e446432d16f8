#include "FileBytes.h"
#include "HexBytes.h"
#include "RunInChild.h"
#include "TempFolder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace brindlecast::testsupport
{
namespace
{

    namespace fs = std::filesystem;

    TEST(TempFolder, IsFreshAndGoesAwayEvenWithLockedFoldersInside)
    {
        fs::path kept;
        {
            TempFolder first;
            const TempFolder second;
            EXPECT_NE(first.path(), second.path());
            EXPECT_TRUE(first.entries().empty());

            fs::create_directories(first / "locked/inner");
            writeFile(first / "locked/inner/file", "bytes");
            writeFile(first / ".hidden", "");
            fs::permissions(first / "locked", fs::perms::none);
            EXPECT_EQ(first.entries(), (std::set<std::string> { ".hidden", "locked" }));
            kept = first.path();
        }
        EXPECT_FALSE(fs::exists(kept));
    }

    TEST(FileBytes, WritesAndReadsEveryByteAndReportsFailures)
    {
        const TempFolder folder;
        const Bytes bytes { 0x00, 0x0D, 0x0A, 0x1A, 0xFF };
        writeFile(folder / "b", bytes);
        EXPECT_EQ(readFileBytes(folder / "b"), bytes);
        EXPECT_EQ(readFile(folder / "b"), std::string("\0\r\n\x1A\xFF", 5));

        EXPECT_EQ(readFile(folder / "missing"), "");
        EXPECT_FALSE(tryWriteFile(folder / "no/such/folder/file", "x"));
        EXPECT_THROW(writeFile(folder / "no/such/folder/file", "x"), std::runtime_error);
    }

    TEST(HexBytes, ReadsAndWritesTheSameText)
    {
        EXPECT_EQ(hexBytes("46 57\n53 0a"), (Bytes { 0x46, 0x57, 0x53, 0x0A }));
        EXPECT_EQ(toHex(hexBytes("46 57 53")), "46 57 53 ");
        EXPECT_EQ(concat({ { 1 }, {}, { 2, 3 } }), (Bytes { 1, 2, 3 }));
        EXPECT_NONFATAL_FAILURE(hexBytes("46 5"), "odd number of hex digits");
    }

    TEST(HexBytes, SameBytesShowsBothSidesFromTheFirstDifference)
    {
        EXPECT_TRUE(sameBytes(Bytes {}, Bytes {}));
        EXPECT_TRUE(sameBytes(hexBytes("01 02"), hexBytes("01 02")));

        const struct {
            const char* name;
            Bytes actual;
            Bytes expected;
            std::string message;
        } cases[] = {
            { "differing byte", hexBytes("01 02 03"), hexBytes("01 FF 03"),
                "bytes differ from offset 1 (sizes: actual 3, expected 3)\n"
                "  actual:   02 03 \n  expected: FF 03 " },
            { "actual shorter", hexBytes("01"), hexBytes("01 02"),
                "bytes differ from offset 1 (sizes: actual 1, expected 2)\n"
                "  actual:   (end)\n  expected: 02 " },
            { "long tail cut", Bytes(60, 0xAA), Bytes(60, 0xBB),
                "  actual:   " + toHex(Bytes(48, 0xAA)) + "...\n" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const ::testing::AssertionResult result = sameBytes(c.actual, c.expected);
            EXPECT_FALSE(result);
            EXPECT_NE(std::string(result.message()).find(c.message), std::string::npos)
                << result.message();
        }
    }

    TEST(RunInChild, GivesTheExitStatusOrTheSignal)
    {
        EXPECT_EQ(runInChild([] { return 0; }), 0);
        EXPECT_EQ(runInChild([] { return 3; }), 3);
        EXPECT_EQ(runInChild([] {
            std::raise(SIGKILL);
            return 0;
        }),
            128 + SIGKILL);
    }

} // namespace
} // namespace brindlecast::testsupport
