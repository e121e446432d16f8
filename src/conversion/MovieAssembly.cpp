#include "conversion/MovieAssembly.h"

#include "sdk/FDT.h"

namespace brindlecast
{

MovieAssembly::MovieAssembly(FCompressionPool* compressionPool)
    : pool(compressionPool)
{
}

void MovieAssembly::Add(FObj* tag)
{
    movie.Add(tag);
}

void MovieAssembly::Append(TagList&& tags)
{
    for (auto& bytes : tags.TakeKeptBytes())
        keptBytes.push_back(std::move(bytes));
    for (auto& tag : tags.TakeTags())
        movie.Add(tag.release());
}

FSaveResult MovieAssembly::Save(
    const std::string& path, S32 widthTwips, S32 heightTwips, S32 frameRate)
{
    // Movies are always written compressed ("CWS").
    return movie.SaveMovie(path.c_str(), 1, widthTwips, heightTwips, frameRate);
}

} // namespace brindlecast
