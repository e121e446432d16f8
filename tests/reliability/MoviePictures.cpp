#include "MoviePictures.h"

namespace brindlecast::reliability
{

using swfread::SwfJpegBitmap;
using swfread::SwfLosslessBitmap;
using swfread::SwfShape;

namespace
{

    // The first bitmap fill whose bitmap the movie defines: a JPEG shape also carries a fill
    // of a bitmap id that is never defined.
    const char* bitmapKind(const swfread::SwfMovie& movie, const SwfShape& shape)
    {
        for (const auto& fill : shape.fillStyles) {
            if (fill.kind != swfread::SwfFillStyle::Kind::Bitmap)
                continue;
            if (movie.character<SwfLosslessBitmap>(fill.bitmapId) != nullptr)
                return "gif";
            if (movie.character<SwfJpegBitmap>(fill.bitmapId) != nullptr)
                return "jpeg";
        }
        return nullptr;
    }

} // namespace

std::string pictureOfShape(const swfread::SwfMovie& movie, std::uint16_t shapeId)
{
    const auto* shape = movie.character<SwfShape>(shapeId);
    if (shape == nullptr)
        return "no shape " + std::to_string(shapeId);
    const char* kind = bitmapKind(movie, *shape);
    if (kind == nullptr)
        return "shape " + std::to_string(shapeId) + " without a bitmap";
    return std::string(kind) + " " + std::to_string(shape->bounds.xmax / 20) + "x"
        + std::to_string(shape->bounds.ymax / 20);
}

std::vector<std::string> picturesPerFrame(const swfread::SwfMovie& movie)
{
    std::vector<std::string> pictures;
    for (std::size_t frame = 0; frame < movie.timeline.frameCount(); ++frame) {
        const auto* shown = movie.timeline.objectAt(frame, 1);
        pictures.push_back(shown == nullptr ? "" : pictureOfShape(movie, shown->characterId));
    }
    return pictures;
}

std::vector<std::string> exportedPictures(const swfread::SwfMovie& movie)
{
    std::vector<std::string> pictures;
    for (const auto& asset : movie.exports)
        pictures.push_back(asset.name + ": " + pictureOfShape(movie, asset.characterId));
    return pictures;
}

} // namespace brindlecast::reliability
