#pragma once

#include "StepClock.h"

#include <cstddef>
#include <string>
#include <vector>

// The least work any GIF/JPEG-to-compressed-movie conversion has to do, and nothing more:
// decode each GIF frame once, compress2 each frame's palette and padded index raster, keep
// JPEG bytes as they are, then deflate the concatenation of all of it at level 9 through
// 32000-byte buffers. Each step is timed on its own.
class FloorRun
{
public:
    // Empty on success, else a message naming the file and what failed.
    [[nodiscard]] std::string AddGif(const std::string& path);
    [[nodiscard]] std::string AddJpeg(const std::string& path);
    [[nodiscard]] std::string Finish();

    const StepClock& DecodeClock() const { return decode_; }
    const StepClock& CompressClock() const { return compress_; }
    const StepClock& DeflateClock() const { return deflate_; }
    std::size_t Frames() const { return frames_; }
    std::size_t Jpegs() const { return jpegs_; }
    std::size_t ConcatenatedBytes() const { return concatenation_.size(); }
    std::size_t DeflatedBytes() const { return deflatedBytes_; }

private:
    bool AppendCompressed(const std::vector<unsigned char>& input);

    StepClock decode_;
    StepClock compress_;
    StepClock deflate_;
    std::vector<unsigned char> concatenation_;
    std::size_t frames_ = 0;
    std::size_t jpegs_ = 0;
    std::size_t deflatedBytes_ = 0;
};
