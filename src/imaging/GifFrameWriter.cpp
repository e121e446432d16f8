#include "imaging/GifFrameWriter.h"

#include "fileio/ReplacingFile.h"
#include "imaging/GifFrameReader.h"

#include <algorithm>
#include <gif_lib.h>
#include <memory>
#include <optional>
#include <utility>

namespace brindlecast::imaging
{

namespace
{

    struct MapDeleter {
        void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
    };
    using ColorMap = std::unique_ptr<ColorMapObject, MapDeleter>;

    // giflib stores tables of a power of two entries; a table read from a file always is one.
    ColorMap toLibraryMap(const GifColorMap& colors)
    {
        if (colors.empty())
            return nullptr;
        std::size_t stored = 2;
        while (stored < colors.size() && stored < 256)
            stored *= 2;
        std::vector<GifColorType> entries(stored, GifColorType { 0, 0, 0 });
        for (std::size_t i = 0; i < std::min(colors.size(), stored); ++i)
            entries[i] = GifColorType { colors[i].red, colors[i].green, colors[i].blue };
        return ColorMap(GifMakeMapObject(static_cast<int>(stored), entries.data()));
    }

    // giflib writes each index in as many bits as the frame's table needs and drops the
    // higher ones, so a table too short for the raster is padded with black: the indices stay
    // exactly as they were, and viewers show such indices black anyway.
    GifColorMap coveringRaster(GifColorMap colors, const std::vector<std::uint8_t>& raster)
    {
        const std::size_t largest
            = raster.empty() ? 0 : *std::max_element(raster.begin(), raster.end());
        if (colors.size() <= largest)
            colors.resize(largest + 1);
        return colors;
    }

    int writeToFile(GifFileType* gif, const GifByteType* data, int length)
    {
        auto* file = static_cast<fileio::ReplacingFile*>(gif->UserData);
        return file->write(data, static_cast<std::size_t>(length)) ? length : 0;
    }

    struct Encoder {
        GifFileType* gif = nullptr;
        std::string target;

        ~Encoder()
        {
            if (gif != nullptr)
                EGifCloseFile(gif, nullptr);
        }

        ImagingError failure(const std::string& what) const
        {
            const char* reason = GifErrorString(gif->Error);
            return ImagingError { target + ": cannot write " + what + ": "
                + (reason != nullptr ? reason : "unknown GIF error") };
        }

        Result<void> putExtensions(const std::vector<GifExtension>& extensions)
        {
            for (const GifExtension& extension : extensions) {
                if (EGifPutExtensionLeader(gif, extension.function) == GIF_ERROR)
                    return failure("an extension block");
                for (const std::vector<std::uint8_t>& block : extension.blocks) {
                    if (block.size() > 255)
                        return ImagingError { target
                            + ": cannot write an extension block: a sub-block holds more than 255 "
                              "bytes" };
                    if (EGifPutExtensionBlock(gif, static_cast<int>(block.size()), block.data())
                        == GIF_ERROR)
                        return failure("an extension block");
                }
                if (EGifPutExtensionTrailer(gif) == GIF_ERROR)
                    return failure("an extension block");
            }
            return {};
        }

        Result<void> putRaster(const GifFrame& frame)
        {
            if (!frame.yieldsBitmap()) {
                // No pixels: just the block terminator after the code size.
                if (EGifPutCodeNext(gif, nullptr) == GIF_ERROR)
                    return failure("the frame");
                return {};
            }
            const auto width = static_cast<std::size_t>(frame.width);
            std::vector<GifPixelType> line(width);
            for (std::size_t row = 0; row < static_cast<std::size_t>(frame.height); ++row) {
                // giflib masks the line in place, so it works on a copy.
                const auto start = frame.raster.begin() + static_cast<std::ptrdiff_t>(row * width);
                std::copy(start, start + static_cast<std::ptrdiff_t>(width), line.begin());
                if (EGifPutLine(gif, line.data(), frame.width) == GIF_ERROR)
                    return failure("the frame");
            }
            return {};
        }
    };

    Result<void> encode(Encoder& encoder, const GifScreen& screen, const GifFrame& frame)
    {
        GifFileType* gif = encoder.gif;
        EGifSetGifVersion(gif, !frame.extensions.empty());
        // The frame's indices refer to its own table, else the global one; a frame without
        // either gets a black table of its own, as giflib writes no frame without one.
        const bool usesGlobal = frame.localColorMap.empty() && !screen.globalColorMap.empty();
        const ColorMap global
            = toLibraryMap(usesGlobal ? coveringRaster(screen.globalColorMap, frame.raster)
                                      : screen.globalColorMap);
        const ColorMap local = toLibraryMap(
            usesGlobal ? GifColorMap {} : coveringRaster(frame.localColorMap, frame.raster));
        if (EGifPutScreenDesc(gif, screen.width, screen.height,
                std::clamp(screen.colorResolution, 1, 8), screen.backgroundIndex, global.get())
            == GIF_ERROR)
            return encoder.failure("the screen descriptor");
        if (auto extensions = encoder.putExtensions(frame.extensions); !extensions)
            return extensions;
        if (EGifPutImageDesc(
                gif, frame.left, frame.top, frame.width, frame.height, false, local.get())
            == GIF_ERROR)
            return encoder.failure("the frame descriptor");
        return encoder.putRaster(frame);
    }

} // namespace

Result<void> writeGifFrame(
    const GifScreen& screen, const GifFrame& frame, const std::filesystem::path& target)
{
    fileio::ReplacingFile file(target);
    if (!file.open())
        return ImagingError { file.error() };
    Encoder encoder;
    encoder.target = target.string();
    int error = 0;
    encoder.gif = EGifOpen(&file, writeToFile, &error);
    if (encoder.gif == nullptr)
        return ImagingError { encoder.target + ": cannot start the GIF encoder" };
    auto encoded = encode(encoder, screen, frame);
    GifFileType* gif = std::exchange(encoder.gif, nullptr);
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    // A failed write names its cause better than giflib's echo of it.
    if (!file.error().empty())
        return ImagingError { file.error() };
    if (!encoded)
        return encoded;
    if (!closed) {
        const char* reason = GifErrorString(error);
        return ImagingError { encoder.target
            + ": cannot write the file: " + (reason != nullptr ? reason : "unknown GIF error") };
    }
    if (!file.commit())
        return ImagingError { file.error() };
    return {};
}

Result<bool> saveGifFrame(
    const std::filesystem::path& source, int index, const std::filesystem::path& target)
{
    auto reader = GifFrameReader::open(source);
    if (!reader)
        return ImagingError { reader.error() };
    // Every frame is read, so that a damaged source fails as it does when loaded whole.
    std::optional<GifFrame> kept;
    while (true) {
        const int position = reader.value().framesRead();
        auto frame = reader.value().next();
        if (!frame)
            return ImagingError { frame.error() };
        if (!frame.value())
            break;
        if (position == index)
            kept = std::move(*frame.value());
    }
    if (!kept)
        return false;
    if (auto written = writeGifFrame(reader.value().screen(), *kept, target); !written)
        return ImagingError { written.error() };
    return true;
}

} // namespace brindlecast::imaging
