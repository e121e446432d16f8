#include "imaging/GifFrameReader.h"

#include "imaging/ImageLimits.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>
#include <utility>

namespace brindlecast::imaging
{

namespace
{

    // Real files attach a handful of extension blocks to a frame; a cap keeps a hostile file of
    // millions of tiny blocks from costing many times its size in memory.
    constexpr int kMaxExtensionPiecesPerFrame = 65536;

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    GifColorMap toColorMap(const ColorMapObject* map)
    {
        GifColorMap colors;
        if (map == nullptr || map->Colors == nullptr)
            return colors;
        colors.reserve(static_cast<std::size_t>(map->ColorCount));
        for (int i = 0; i < map->ColorCount; ++i) {
            const GifColorType& color = map->Colors[i];
            colors.push_back(GifColor { color.Red, color.Green, color.Blue });
        }
        return colors;
    }

    std::optional<GifGraphicControl> toGraphicControl(const GifExtension& extension)
    {
        GraphicsControlBlock block {};
        if (extension.blocks.empty() || extension.blocks.front().size() != 4)
            return std::nullopt;
        const std::vector<std::uint8_t>& data = extension.blocks.front();
        if (DGifExtensionToGCB(data.size(), data.data(), &block) != GIF_OK)
            return std::nullopt;
        GifGraphicControl control;
        control.transparent = block.TransparentColor != NO_TRANSPARENT_COLOR;
        control.transparentIndex = data[3];
        control.delay = block.DelayTime;
        control.disposal = block.DisposalMode;
        return control;
    }

} // namespace

struct GifFrameReader::State {
    std::string name;
    std::unique_ptr<std::FILE, FileCloser> file;
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
    GifFileType* gif = nullptr;
    GifScreen screen;
    std::optional<ImagingError> error;
    bool descriptorPending = false;
    bool finished = false;
    std::vector<GifExtension> pendingExtensions;
    int pendingPieces = 0; // extension records and sub-blocks in pendingExtensions
    int framesRead = 0;

    ~State()
    {
        if (gif != nullptr)
            DGifCloseFile(gif, nullptr);
    }

    int read(GifByteType* buffer, int length)
    {
        if (length <= 0)
            return 0;
        const auto wanted = static_cast<std::size_t>(length);
        if (file)
            return static_cast<int>(std::fread(buffer, 1, wanted, file.get()));
        const std::size_t count = std::min(wanted, bytes.size() - position);
        if (count == 0)
            return 0;
        std::memcpy(buffer, bytes.data() + position, count);
        position += count;
        return static_cast<int>(count);
    }

    bool atEnd()
    {
        if (!file)
            return position == bytes.size();
        const int next = std::fgetc(file.get());
        if (next == EOF)
            return true;
        std::ungetc(next, file.get());
        return false;
    }

    ImagingError fail(const std::string& what)
    {
        error = ImagingError { name + ": " + what };
        return *error;
    }

    ImagingError failFromLibrary(const std::string& what)
    {
        const char* reason = GifErrorString(gif->Error);
        return fail(what + ": " + (reason != nullptr ? reason : "unknown GIF error"));
    }

    std::string frameName() const { return "frame " + std::to_string(framesRead + 1); }

    static int readCallback(GifFileType* gif, GifByteType* buffer, int length)
    {
        return static_cast<State*>(gif->UserData)->read(buffer, length);
    }

    // Reads records up to the next image descriptor (true) or the end of the file (false).
    Result<bool> advanceToDescriptor();
    Result<void> readExtension();
    Result<void> readRaster(GifFrame& frame);
    Result<void> skipRaster();
};

Result<bool> GifFrameReader::State::advanceToDescriptor()
{
    while (true) {
        // A file that simply ends after a complete record loses nothing: take it as the end.
        if (atEnd()) {
            finished = true;
            return false;
        }
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return failFromLibrary(
                "cannot read the record after " + std::to_string(framesRead) + " frames");
        switch (type) {
        case IMAGE_DESC_RECORD_TYPE:
            if (DGifGetImageDesc(gif) == GIF_ERROR)
                return failFromLibrary("cannot read the descriptor of " + frameName());
            // giflib also files every descriptor in a list of its own; dropping it at once keeps
            // memory flat however many frames a file holds.
            GifFreeSavedImages(gif);
            gif->SavedImages = nullptr;
            gif->ImageCount = 0;
            descriptorPending = true;
            return true;
        case EXTENSION_RECORD_TYPE:
            if (auto read = readExtension(); !read)
                return ImagingError { read.error() };
            break;
        case TERMINATE_RECORD_TYPE:
            finished = true;
            return false;
        default:
            return fail("unknown record before " + frameName());
        }
    }
}

Result<void> GifFrameReader::State::readExtension()
{
    GifExtension extension;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &extension.function, &block) == GIF_ERROR)
        return failFromLibrary("cannot read an extension block of " + frameName());
    auto tooMany = [this] { return ++pendingPieces > kMaxExtensionPiecesPerFrame; };
    const std::string tooManyText = "more than " + std::to_string(kMaxExtensionPiecesPerFrame)
        + " extension blocks before " + frameName();
    if (tooMany())
        return fail(tooManyText);
    while (block != nullptr) {
        if (tooMany())
            return fail(tooManyText);
        extension.blocks.emplace_back(block + 1, block + 1 + block[0]);
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return failFromLibrary("cannot read an extension block of " + frameName());
    }
    pendingExtensions.push_back(std::move(extension));
    return {};
}

Result<void> GifFrameReader::State::readRaster(GifFrame& frame)
{
    const auto width = static_cast<std::size_t>(frame.width);
    frame.raster.resize(width * static_cast<std::size_t>(frame.height));
    auto readRow = [&](int row) {
        return DGifGetLine(
                   gif, frame.raster.data() + static_cast<std::size_t>(row) * width, frame.width)
            != GIF_ERROR;
    };
    if (frame.interlaced) {
        // The four interlace passes: rows 0, 8, 16...; 4, 12...; 2, 6...; 1, 3...
        constexpr int kFirstRow[] = { 0, 4, 2, 1 };
        constexpr int kStep[] = { 8, 8, 4, 2 };
        for (int pass = 0; pass < 4; ++pass)
            for (int row = kFirstRow[pass]; row < frame.height; row += kStep[pass])
                if (!readRow(row))
                    return failFromLibrary("cannot decode " + frameName());
    } else {
        for (int row = 0; row < frame.height; ++row)
            if (!readRow(row))
                return failFromLibrary("cannot decode " + frameName());
    }
    return {};
}

Result<void> GifFrameReader::State::skipRaster()
{
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        return failFromLibrary("cannot read " + frameName());
    while (block != nullptr)
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return failFromLibrary("cannot read " + frameName());
    return {};
}

GifFrameReader::GifFrameReader(std::unique_ptr<State> state)
    : state_(std::move(state))
{
}

GifFrameReader::GifFrameReader(GifFrameReader&&) noexcept = default;
GifFrameReader& GifFrameReader::operator=(GifFrameReader&&) noexcept = default;
GifFrameReader::~GifFrameReader() = default;

Result<GifFrameReader> GifFrameReader::open(const std::filesystem::path& path)
{
    auto state = std::make_unique<State>();
    state->name = path.string();
    state->file.reset(std::fopen(path.c_str(), "rb"));
    if (!state->file)
        return ImagingError { state->name + ": cannot open the file: " + std::strerror(errno) };
    return start(std::move(state));
}

Result<GifFrameReader> GifFrameReader::openBytes(
    std::span<const std::uint8_t> bytes, const std::string& name)
{
    auto state = std::make_unique<State>();
    state->name = name;
    state->bytes = bytes;
    return start(std::move(state));
}

Result<GifFrameReader> GifFrameReader::start(std::unique_ptr<State> state)
{
    int error = 0;
    state->gif = DGifOpen(state.get(), State::readCallback, &error);
    if (state->gif == nullptr) {
        const char* reason = GifErrorString(error);
        return ImagingError { state->name + ": cannot read the GIF header: "
            + (reason != nullptr ? reason : "unknown GIF error") };
    }
    GifScreen& screen = state->screen;
    screen.width = state->gif->SWidth;
    screen.height = state->gif->SHeight;
    screen.colorResolution = state->gif->SColorResolution;
    screen.backgroundIndex = state->gif->SBackGroundColor;
    screen.globalColorMap = toColorMap(state->gif->SColorMap);
    return GifFrameReader(std::move(state));
}

const GifScreen& GifFrameReader::screen() const
{
    return state_->screen;
}

const std::string& GifFrameReader::name() const
{
    return state_->name;
}

int GifFrameReader::framesRead() const
{
    return state_->framesRead;
}

Result<bool> GifFrameReader::hasNext()
{
    State& state = *state_;
    if (state.error)
        return *state.error;
    if (state.descriptorPending)
        return true;
    if (state.finished)
        return false;
    return state.advanceToDescriptor();
}

Result<std::optional<GifFrame>> GifFrameReader::next()
{
    auto more = hasNext();
    if (!more)
        return ImagingError { more.error() };
    if (!more.value())
        return std::optional<GifFrame> {};

    State& state = *state_;
    state.descriptorPending = false;
    const GifImageDesc& descriptor = state.gif->Image;
    GifFrame frame;
    frame.left = descriptor.Left;
    frame.top = descriptor.Top;
    frame.width = descriptor.Width;
    frame.height = descriptor.Height;
    frame.interlaced = descriptor.Interlace;
    frame.localColorMap = toColorMap(descriptor.ColorMap);
    frame.extensions = std::move(state.pendingExtensions);
    state.pendingExtensions.clear();
    state.pendingPieces = 0;
    for (const GifExtension& extension : frame.extensions)
        if (extension.function == kGifGraphicControlFunction)
            if (auto control = toGraphicControl(extension))
                frame.graphicControl = control;

    if (auto problem = imageSizeProblem(frame.width, frame.height))
        return state.fail(state.frameName() + " is refused: " + *problem);
    auto raster
        = frame.width > 0 && frame.height > 0 ? state.readRaster(frame) : state.skipRaster();
    if (!raster)
        return ImagingError { raster.error() };
    ++state.framesRead;
    return std::optional<GifFrame> { std::move(frame) };
}

} // namespace brindlecast::imaging
