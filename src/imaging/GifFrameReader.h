#pragma once

#include "imaging/GifFrame.h"
#include "imaging/GifScreen.h"
#include "imaging/Result.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace brindlecast::imaging
{

// Reads a GIF file one frame at a time, so that a long animation is never held whole in
// memory: each call to next() decodes one frame and hands it over.
//
// Opening reads only the header, the logical screen and the global colour table, which makes
// open() + screen() the cheap way to learn a GIF's size. Frames are checked against the image
// size limits before their raster is allocated. After an error every later call reports it
// again.
class GifFrameReader
{
public:
    static Result<GifFrameReader> open(const std::filesystem::path& path);
    // `bytes` must outlive the reader; `name` stands for the file in error texts.
    static Result<GifFrameReader> openBytes(
        std::span<const std::uint8_t> bytes, const std::string& name = "GIF data");

    GifFrameReader(GifFrameReader&&) noexcept;
    GifFrameReader& operator=(GifFrameReader&&) noexcept;
    ~GifFrameReader();

    const GifScreen& screen() const;
    // The file's path, or the name given for bytes, as error texts name it.
    const std::string& name() const;

    // The next frame with its raster, or nothing after the last frame.
    Result<std::optional<GifFrame>> next();
    // Whether another frame follows, reading ahead only up to its descriptor (no decoding).
    Result<bool> hasNext();
    // How many frames next() has handed over.
    int framesRead() const;

private:
    struct State;
    explicit GifFrameReader(std::unique_ptr<State> state);
    static Result<GifFrameReader> start(std::unique_ptr<State> state);

    std::unique_ptr<State> state_;
};

} // namespace brindlecast::imaging
