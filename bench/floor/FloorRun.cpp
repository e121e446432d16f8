#include "FloorRun.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <zlib.h>

namespace
{

constexpr std::size_t kPaletteBytes = 256 * 4;
constexpr std::size_t kChunkBytes = 32000;

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// 256 RGBA entries from the frame's own colour table, else the global one; the transparent
// index, if any, becomes fully transparent.
void WritePalette(const GifFileType& gif, int frameIndex, unsigned char* out)
{
    std::memset(out, 0, kPaletteBytes);
    const SavedImage& frame = gif.SavedImages[frameIndex];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif.SColorMap;
    const int entries = map ? std::min(map->ColorCount, 256) : 0;
    for (int i = 0; i < entries; ++i) {
        const GifColorType& colour = map->Colors[i];
        unsigned char* entry = out + 4 * i;
        entry[0] = colour.Red;
        entry[1] = colour.Green;
        entry[2] = colour.Blue;
        entry[3] = 255;
    }
    GraphicsControlBlock control {};
    if (DGifSavedExtensionToGCB(const_cast<GifFileType*>(&gif), frameIndex, &control) == GIF_OK
        && control.TransparentColor >= 0 && control.TransparentColor < 256)
        std::memset(out + 4 * control.TransparentColor, 0, 4);
}

} // namespace

std::string FloorRun::AddGif(const std::string& path)
{
    GifHandle gif;
    {
        StepClock::Lap lap(decode_);
        int error = 0;
        gif.reset(DGifOpenFileName(path.c_str(), &error));
        if (!gif)
            return path + ": cannot open GIF: " + GifErrorString(error);
        if (DGifSlurp(gif.get()) != GIF_OK)
            return path + ": cannot decode GIF: " + GifErrorString(gif->Error);
    }
    StepClock::Lap lap(compress_);
    std::vector<unsigned char> work;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const GifImageDesc& desc = gif->SavedImages[i].ImageDesc;
        const unsigned char* raster = gif->SavedImages[i].RasterBits;
        if (!raster || desc.Width <= 0 || desc.Height <= 0)
            return path + ": frame " + std::to_string(i + 1) + " has no pixels";
        const auto width = static_cast<std::size_t>(desc.Width);
        const auto height = static_cast<std::size_t>(desc.Height);
        const std::size_t paddedWidth = (width + 3) / 4 * 4;
        work.assign(kPaletteBytes + paddedWidth * height, 0);
        WritePalette(*gif, i, work.data());
        for (std::size_t row = 0; row < height; ++row)
            std::memcpy(
                work.data() + kPaletteBytes + row * paddedWidth, raster + row * width, width);
        if (!AppendCompressed(work))
            return path + ": compress2 failed on frame " + std::to_string(i + 1);
        ++frames_;
    }
    return {};
}

bool FloorRun::AppendCompressed(const std::vector<unsigned char>& input)
{
    const std::size_t start = concatenation_.size();
    uLongf produced = compressBound(input.size());
    concatenation_.resize(start + produced);
    const bool ok = compress2(concatenation_.data() + start, &produced, input.data(), input.size(),
                        Z_DEFAULT_COMPRESSION)
        == Z_OK;
    concatenation_.resize(ok ? start + produced : start);
    return ok;
}

std::string FloorRun::AddJpeg(const std::string& path)
{
    StepClock::Lap lap(decode_);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return path + ": cannot open JPEG: " + std::strerror(errno);
    // JPEG bytes are embedded as they are: reading them is all the work there is.
    std::array<unsigned char, kChunkBytes> buffer;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0)
        concatenation_.insert(concatenation_.end(), buffer.begin(), buffer.begin() + got);
    if (std::ferror(file.get()))
        return path + ": cannot read JPEG";
    ++jpegs_;
    return {};
}

std::string FloorRun::Finish()
{
    StepClock::Lap lap(deflate_);
    z_stream stream {};
    if (deflateInit(&stream, 9) != Z_OK)
        return "deflateInit failed";
    std::array<unsigned char, kChunkBytes> output;
    std::size_t offset = 0;
    int flush = Z_NO_FLUSH;
    int status = Z_OK;
    do {
        if (stream.avail_in == 0 && flush == Z_NO_FLUSH) {
            const std::size_t take = std::min(kChunkBytes, concatenation_.size() - offset);
            stream.next_in = concatenation_.data() + offset;
            stream.avail_in = static_cast<uInt>(take);
            offset += take;
            if (take == 0)
                flush = Z_FINISH;
        }
        stream.next_out = output.data();
        stream.avail_out = static_cast<uInt>(output.size());
        status = deflate(&stream, flush);
        deflatedBytes_ += output.size() - stream.avail_out;
    } while (status == Z_OK || status == Z_BUF_ERROR);
    deflateEnd(&stream);
    return status == Z_STREAM_END ? std::string {} : "deflate failed";
}
