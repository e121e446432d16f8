#include "conversion/GifFrameBuilder.h"

#include "conversion/Placement.h"
#include "conversion/ShapeEdges.h"
#include "sdk/FControlTags.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FDTDefineShapeZell.h"
#include "sdk/FFillStyles.h"
#include "sdk/FRect.h"
#include "sdk/FShapeRecords.h"

namespace brindlecast
{

S32 BuildGifFrame(
    TagList& tags, const GifFrameBitmap& bitmap, S32 previousId, FCompressionPool* pool)
{
    // Twip sizes are 32-bit: frames up to the image size limit fit.
    const S32 widthTwips = 20 * bitmap.width;
    const S32 heightTwips = 20 * bitmap.height;

    auto* lossless = new FDTDefineBitsLossless2Zell(3, static_cast<U16>(bitmap.paddedWidth),
        static_cast<U16>(bitmap.paddedHeight), 256, bitmap.palette.data(), bitmap.pixels.data(),
        pool);
    tags.Add(lossless);

    auto* shape = new FDTDefineShapeZell(new FRect(0, 0, widthTwips, heightTwips));
    const U32 fill = shape->AddFillStyle(new FFillStyleBitmapZell(0, lossless->CharacterId()));
    shape->FinishStyleArrays();
    shape->AddShapeRecord(
        new FShapeRecChange(0, 0, 1, 0, 0, 0, 0, 0, static_cast<S32>(fill), 0, nullptr, nullptr));
    // From the top-left corner clockwise.
    AddStraightEdge(*shape, widthTwips, 0);
    AddStraightEdge(*shape, 0, heightTwips);
    AddStraightEdge(*shape, -widthTwips, 0);
    AddStraightEdge(*shape, 0, -heightTwips);
    shape->AddShapeRecord(new FShapeRecEnd());
    tags.Add(shape);

    if (previousId != 0)
        tags.Add(new FCTRemoveObject(static_cast<U16>(previousId), kPictureDepth));
    return shape->CharacterId();
}

} // namespace brindlecast
