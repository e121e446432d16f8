#pragma once

#include "sdk/FSaveResult.h"
#include "sdk/FTypes.h"

#include <memory>
#include <vector>

class FObj;
class FSWFStream;

// One movie: the tags in file order. The collection owns every object added and destroys
// them, first to last, with itself.
class FObjCollection
{
public:
    // The header's frame count is 16 bits wide; longer movies are written with this count and
    // players stop there.
    static constexpr U32 kMaxHeaderFrameCount = 65535;

    FObjCollection();
    ~FObjCollection();
    FObjCollection(const FObjCollection&) = delete;
    FObjCollection& operator=(const FObjCollection&) = delete;

    void Add(FObj* object);

    // Writes the movie file: "CWS" (zlib-compressed) when compressed is 1, else "FWS". The bytes
    // go to a new temporary file beside fileName, which replaces fileName only when complete; on
    // failure an earlier file of that name stays as it was.
    FSaveResult SaveMovie(
        const char* fileName, U8 compressed, S32 widthTwips, S32 heightTwips, S32 frameRate);

    U32 FrameCount() const { return frameCount; }
    // True when the header cannot hold the frame count and a player will stop early.
    bool FrameCountClamped() const { return frameCount > kMaxHeaderFrameCount; }

private:
    void WriteBody(FSWFStream& stream, S32 widthTwips, S32 heightTwips, S32 frameRate);
    void WriteHeader(
        FSWFStream& header, U32 fileLength, S32 widthTwips, S32 heightTwips, S32 frameRate) const;

    U32 frameCount = 0;
    std::vector<std::unique_ptr<FObj>> objects;
};
