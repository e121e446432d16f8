#include "ByteVectors.h"
#include "sdk/FActionCondition.h"
#include "sdk/FActions.h"
#include "sdk/FButtonRecord2.h"
#include "sdk/FCTExportAssets.h"
#include "sdk/FColor.h"
#include "sdk/FDTDefineButton2.h"
#include "sdk/FDTDefineShape.h"
#include "sdk/FDTDefineShapeZell.h"
#include "sdk/FFillStyles.h"
#include "sdk/FLosslessData.h"
#include "sdk/FMatrix.h"
#include "sdk/FRect.h"
#include "sdk/FSWFStream.h"
#include "sdk/FShapeRecords.h"
#include "sdk/FString.h"
#include "sdk/FStyleArrays.h"

#include <functional>

using namespace sdktest;

namespace
{

// The message a violated check prints: its condition text, then the source position.
std::string CheckMessage(const std::string& conditionText)
{
    std::string pattern = "check failed: ";
    for (char c : conditionText) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern + " \\(.*:[0-9]+\\)";
}

struct Violation {
    const char* conditionText;
    std::function<void()> run;
};

class DefinitionWithoutId : public FDT
{
};

FDTDefineShape* FinishedShape()
{
    auto* shape = new FDTDefineShape(new FRect(0, 0, 20, 20));
    shape->FinishStyleArrays();
    return shape;
}

} // namespace

TEST(ChecksDeathTest, ViolatedConditionEndsTheProcessNamingIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Violation violations[] = {
        { "( data <= (0x01<<size) - 1 ) || ( -(S32)(data) <= (0x01<<size) - 1 )",
            [] { FSWFStream().PutBits(16, 4); } },
        { "currentDataSize > 0",
            [] {
                static const U8 none[1] = {};
                FSWFStream stream;
                stream.AddLargeData(none, 0);
                (void)Contents(stream);
            } },
        { "sign + i <= 32", [] { FSWFStream::BitsNeeded(0x80000000, 0); } },
        { "0", [] { DefinitionWithoutId().CharacterId(); } },
        { "!styleArraysFinished", [] { FinishedShape()->AddSolidFillStyle(new FColor(0, 0, 0)); } },
        { "styleArraysFinished",
            [] { FDTDefineShapeZell(new FRect(0, 0, 1, 1)).AddShapeRecord(new FShapeRecEnd()); } },
        { "fillStyle", [] { FFillStyleArray().Add(nullptr); } },
        { "lineStyle", [] { FLineStyleArray().Add(nullptr); } },
        { "deltaX != 0 || deltaY != 0", [] { FShapeRecEdgeStraight(0, 0); } },
        { "newStyles == 0 && !newFillStyles && !newLineStyles",
            [] { FShapeRecChange(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr); } },
        { "format <= 5", [] { FCompressLosslessData(6, 1, 1, 0, nullptr, "", 1); } },
        { "tableBytes == 0 || colorTable",
            [] { FCompressLosslessData(3, 4, 1, 2, nullptr, "abcd", 1); } },
        { "name", [] { FCTAssetItem(1, nullptr); } },
        { "matrix && cxform", [] { FButtonRecord2(0, 0, 0, 1, 1, 1, new FMatrix(), nullptr); } },
        { "url && target", [] { FActionGetURL(new FString("a"), nullptr); } },
        { "!conditions.empty()",
            [] {
                FSWFStream stream;
                FDTDefineButton2(0).Write(stream);
            } },
    };
    for (const Violation& v : violations) {
        SCOPED_TRACE(v.conditionText);
        EXPECT_DEATH(v.run(), CheckMessage(v.conditionText));
    }
}
