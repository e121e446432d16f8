#pragma once

#include "conversion/TagList.h"
#include "sdk/FObjCollection.h"
#include "sdk/FSaveResult.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brindlecast
{

// One movie being assembled: the writer's tag collection together with the bulk bytes its
// tags point to, which must live until the movie has been written.
class MovieAssembly
{
public:
    void Add(FObj* tag); // takes ownership
    void Append(TagList&& tags);

    FSaveResult Save(const std::string& path, S32 widthTwips, S32 heightTwips, S32 frameRate);

    U32 FrameCount() const { return movie.FrameCount(); }
    bool FrameCountClamped() const { return movie.FrameCountClamped(); }

private:
    // Declared first so that it is destroyed after the tags pointing into it.
    std::vector<std::vector<std::uint8_t>> keptBytes;
    FObjCollection movie;
};

} // namespace brindlecast
