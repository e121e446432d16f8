#include "SourcePicture.h"

#include <gif_lib.h>
#include <memory>

namespace brindlecast::conformance
{

namespace
{

    struct GifCloser {
        void operator()(GifFileType* gif) const
        {
            int ignored = 0;
            DGifCloseFile(gif, &ignored);
        }
    };

    // Index i of the frame's table (its own, else the file's) as an opaque colour; the transparent
    // index and indices past the table are see-through.
    SourcePicture frameColours(const GifFileType& gif, int frameIndex)
    {
        const SavedImage& frame = gif.SavedImages[frameIndex];
        const ColorMapObject* table
            = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif.SColorMap;
        GraphicsControlBlock control {};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(const_cast<GifFileType*>(&gif), frameIndex, &control);

        SourcePicture picture;
        picture.width = frame.ImageDesc.Width;
        picture.height = frame.ImageDesc.Height;
        const auto pixels
            = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
        picture.rgba.assign(pixels * 4, 0);
        for (size_t p = 0; p < pixels; ++p) {
            const int index = frame.RasterBits[p];
            if (index == control.TransparentColor || !table || index >= table->ColorCount) {
                continue;
            }
            const GifColorType& colour = table->Colors[index];
            picture.rgba[p * 4 + 0] = colour.Red;
            picture.rgba[p * 4 + 1] = colour.Green;
            picture.rgba[p * 4 + 2] = colour.Blue;
            picture.rgba[p * 4 + 3] = 255;
        }
        return picture;
    }

} // namespace

SourcePictures decodeGifFrames(const std::filesystem::path& path)
{
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &error));
    if (!gif) {
        return { {}, path.string() + ": cannot open as GIF: " + GifErrorString(error) };
    }
    if (DGifSlurp(gif.get()) != GIF_OK) {
        return { {}, path.string() + ": cannot read GIF: " + GifErrorString(gif->Error) };
    }
    SourcePictures result;
    for (int k = 0; k < gif->ImageCount; ++k) {
        result.pictures.push_back(frameColours(*gif, k));
    }
    return result;
}

} // namespace brindlecast::conformance
