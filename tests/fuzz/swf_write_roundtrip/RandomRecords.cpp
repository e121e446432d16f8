#include "RandomRecords.h"

#include "sdk/FCXFormWAlpha.h"
#include "sdk/FColor.h"
#include "sdk/FMatrix.h"
#include "sdk/FRect.h"

#include <vector>

namespace brindlecast::fuzz
{

namespace
{
    // Field widths: matrices and rectangles give theirs in 5 bits (at most 31 bits, sign
    // included), colour transforms in 4 bits (at most 15).
    constexpr std::uint32_t kCoordinateBits = 30;
    constexpr std::uint32_t kTransformTermBits = 14;
} // namespace

RandomMatrix randomMatrix(FuzzBytes& bytes)
{
    if (bytes.flag())
        return { new FMatrix(), {} };
    swfread::SwfMatrix expected;
    expected.hasScale = bytes.flag();
    const std::int32_t scaleX = bytes.signedValue(kCoordinateBits);
    const std::int32_t scaleY = bytes.signedValue(kCoordinateBits);
    expected.hasRotate = bytes.flag();
    const std::int32_t skew0 = bytes.signedValue(kCoordinateBits);
    const std::int32_t skew1 = bytes.signedValue(kCoordinateBits);
    expected.translateX = bytes.signedValue(kCoordinateBits);
    expected.translateY = bytes.signedValue(kCoordinateBits);
    if (expected.hasScale) {
        expected.scaleX = scaleX;
        expected.scaleY = scaleY;
    }
    if (expected.hasRotate) {
        expected.rotateSkew0 = skew0;
        expected.rotateSkew1 = skew1;
    }
    auto* record = new FMatrix(expected.hasScale, scaleX, scaleY, expected.hasRotate, skew0, skew1,
        expected.translateX, expected.translateY);
    return { record, expected };
}

RandomColorTransform randomColorTransform(FuzzBytes& bytes)
{
    const bool hasAdd = bytes.flag();
    const bool hasMult = bytes.flag();
    std::int32_t terms[8];
    for (std::int32_t& term : terms)
        term = bytes.signedValue(kTransformTermBits);
    auto* record = new FCXFormWAlpha(hasAdd, hasMult, terms[0], terms[1], terms[2], terms[3],
        terms[4], terms[5], terms[6], terms[7]);

    // The writer puts the multiply flag first, where readers (players too) take the add flag:
    // the flags trade places, the terms keep their order in the stream, and readers take the
    // first group present as multiply terms. The invisible link button relies on this.
    swfread::SwfColorTransform expected;
    expected.hasMult = hasAdd;
    expected.hasAdd = hasMult;
    std::vector<std::int32_t> stored;
    if (hasMult)
        stored.insert(stored.end(), terms, terms + 4);
    if (hasAdd)
        stored.insert(stored.end(), terms + 4, terms + 8);
    auto next = stored.begin();
    if (expected.hasMult) {
        expected.redMult = *next++;
        expected.greenMult = *next++;
        expected.blueMult = *next++;
        expected.alphaMult = *next++;
    }
    if (expected.hasAdd) {
        expected.redAdd = *next++;
        expected.greenAdd = *next++;
        expected.blueAdd = *next++;
        expected.alphaAdd = *next++;
    }
    return { record, expected };
}

RandomRect randomRect(FuzzBytes& bytes)
{
    swfread::SwfRect expected;
    expected.xmin = bytes.signedValue(kCoordinateBits);
    expected.ymin = bytes.signedValue(kCoordinateBits);
    expected.xmax = bytes.signedValue(kCoordinateBits);
    expected.ymax = bytes.signedValue(kCoordinateBits);
    return { new FRect(expected.xmin, expected.ymin, expected.xmax, expected.ymax), expected };
}

RandomColor randomColor(FuzzBytes& bytes)
{
    const swfread::SwfColor expected { bytes.byte(), bytes.byte(), bytes.byte() };
    return { new FColor(expected.red, expected.green, expected.blue), expected };
}

void clearWidths(swfread::SwfMatrix& matrix)
{
    matrix.scaleBits = 0;
    matrix.rotateBits = 0;
    matrix.translateBits = 0;
}

void clearWidths(swfread::SwfColorTransform& transform)
{
    transform.bits = 0;
}

void clearWidths(swfread::SwfRect& rect)
{
    rect.bits = 0;
}

} // namespace brindlecast::fuzz
