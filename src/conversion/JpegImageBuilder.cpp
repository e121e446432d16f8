#include "conversion/JpegImageBuilder.h"

#include "conversion/Placement.h"
#include "conversion/ShapeEdges.h"
#include "sdk/FControlTags.h"
#include "sdk/FDTDefineBitsJPEG2.h"
#include "sdk/FDTDefineShape.h"
#include "sdk/FFillStyles.h"
#include "sdk/FMatrix.h"
#include "sdk/FRect.h"
#include "sdk/FShapeRecords.h"

namespace brindlecast
{

namespace
{
    // Fill style 1 of every JPEG shape names bitmap 65535 at half size; only fill style 2,
    // the picture itself at one bitmap pixel per screen pixel, is drawn.
    constexpr U16 kUnusedBitmapId = 65535;
    constexpr S32 kHalfScale = 10 << 16;
    constexpr S32 kPixelScale = 20 << 16;
} // namespace

S32 BuildJpegImage(TagList& tags, JpegPicture picture, S32 previousId)
{
    const S32 widthTwips = 20 * picture.width;
    const S32 heightTwips = 20 * picture.height;
    const auto length = static_cast<U32>(picture.bytes.size());
    const std::uint8_t* bytes = tags.Keep(std::move(picture.bytes));

    auto* jpeg = new FDTDefineBitsJPEG2(bytes, length);
    tags.Add(jpeg);

    auto* shape = new FDTDefineShape(new FRect(0, 0, widthTwips, heightTwips));
    shape->AddFillStyle(new FFillStyleBitmap(
        0, kUnusedBitmapId, new FMatrix(1, kHalfScale, kHalfScale, 0, 0, 0, 0, 0)));
    const U32 pictureFill = shape->AddFillStyle(new FFillStyleBitmap(
        0, jpeg->CharacterId(), new FMatrix(1, kPixelScale, kPixelScale, 0, 0, 0, 0, 0)));
    shape->FinishStyleArrays();
    shape->AddShapeRecord(new FShapeRecChange(0, 1, 1, 0, 1, widthTwips, heightTwips, 0,
        static_cast<S32>(pictureFill), 0, nullptr, nullptr));
    // From the bottom-right corner clockwise.
    AddStraightEdge(*shape, -widthTwips, 0);
    AddStraightEdge(*shape, 0, -heightTwips);
    AddStraightEdge(*shape, widthTwips, 0);
    AddStraightEdge(*shape, 0, heightTwips);
    shape->AddShapeRecord(new FShapeRecEnd());
    tags.Add(shape);

    if (previousId != 0)
        tags.Add(new FCTRemoveObject(static_cast<U16>(previousId), kPictureDepth));
    return shape->CharacterId();
}

S32 BuildJpegImage(TagList& tags, const std::string& path, S32 previousId)
{
    auto picture = LoadJpegPicture(path);
    if (!picture)
        return kJpegFileMissing;
    return BuildJpegImage(tags, std::move(picture).value(), previousId);
}

} // namespace brindlecast
