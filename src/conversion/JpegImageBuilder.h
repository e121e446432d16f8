#pragma once

#include "conversion/TagList.h"
#include "imaging/Result.h"
#include "sdk/FTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brindlecast
{

// A JPEG made ready for embedding: its size and the bytes that go into the movie, which are
// the file unchanged for a baseline JPEG and a lossless single-scan transcoding of a
// progressive one, made in memory. Making it needs no movie, so it can be done ahead of the
// movie's assembly.
struct JpegPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;
};

imaging::Result<JpegPicture> LoadJpegPicture(const std::string& path);

// What BuildJpegImage gives for a path where no file exists.
inline constexpr S32 kJpegFileMissing = -500;

// Appends the JPEG bitmap, a rectangle shape of the picture's size filled with it and, when
// `previousId` is not 0, the removal of that shape from depth 1. The tags keep the bytes
// alive. Returns the new shape's id.
S32 BuildJpegImage(TagList& tags, JpegPicture picture, S32 previousId);

// The same from a file; kJpegFileMissing, appending nothing, when the file cannot be read.
S32 BuildJpegImage(TagList& tags, const std::string& path, S32 previousId);

} // namespace brindlecast
