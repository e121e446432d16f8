#include "imaging/GifInfoReader.h"

#include "imaging/GifFrameReader.h"

#include <algorithm>
#include <system_error>

namespace brindlecast::imaging
{

namespace
{

    // 0 for an absent table, else the smallest n >= 1 with 2^n >= its entry count.
    int tableDepth(const GifColorMap& colors)
    {
        if (colors.empty())
            return 0;
        int depth = 1;
        while ((std::size_t { 1 } << depth) < colors.size())
            ++depth;
        return depth;
    }

    void countTable(GifInfo& info, const GifColorMap& colors, bool& anyTable)
    {
        if (colors.empty())
            return;
        const int depth = tableDepth(colors);
        info.bitsPerPixel = std::max(info.bitsPerPixel, depth);
        info.colorResolution = anyTable ? std::max(info.colorResolution, depth - 1) : depth - 1;
        anyTable = true;
    }

} // namespace

Result<GifInfo> readGifInfo(const std::filesystem::path& path)
{
    GifInfo info;
    std::error_code error;
    info.fileSize = std::filesystem::file_size(path, error);
    if (error)
        return ImagingError { path.string() + ": cannot read the file size: " + error.message() };

    auto opened = GifFrameReader::open(path);
    if (!opened)
        return ImagingError { opened.error() };
    GifFrameReader& reader = opened.value();
    const GifScreen& screen = reader.screen();
    info.width = screen.width;
    info.height = screen.height;
    info.backgroundColor = screen.backgroundColor();
    bool anyTable = false;
    countTable(info, screen.globalColorMap, anyTable);
    while (true) {
        auto frame = reader.next();
        if (!frame)
            return ImagingError { frame.error() };
        if (!frame.value())
            return info;
        const GifFrame& current = *frame.value();
        countTable(info, current.localColorMap, anyTable);
        info.version = std::max(info.version, current.extensions.empty() ? 1 : 2);
        info.transparent = info.transparent || current.transparentIndex().has_value();
    }
}

} // namespace brindlecast::imaging
