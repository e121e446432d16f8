// Random movies written by the SWF writer and read back by the SWF reader: the header and every
// tag must read back as planned. A difference ends the process with its description.
#include "sdk/FDT.h"
#include "sdk/FObjCollection.h"
#include "swf_write_roundtrip/FuzzBytes.h"
#include "swf_write_roundtrip/RandomTags.h"
#include "swfread/SwfFile.h"
#include "swfread/SwfMovie.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace
{

using namespace brindlecast;

[[noreturn]] void differs(const std::string& what)
{
    std::fprintf(stderr, "writer round trip: %s\n", what.c_str());
    std::abort();
}

const std::filesystem::path& moviePath()
{
    static const std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("swf_write_roundtrip_" + std::to_string(getpid()) + ".swf");
    return path;
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

struct MovieFrame {
    bool compressed;
    S32 width;
    S32 height;
    S32 frameRate;
};

void checkHeader(const swfread::SwfHeader& header, const MovieFrame& frame, std::uint32_t shows,
    std::size_t storedBytes)
{
    if (header.signature != (frame.compressed ? "CWS" : "FWS") || header.version != 6)
        differs("signature or version");
    if (!frame.compressed && header.fileLength != storedBytes)
        differs("the file length field is not the file's length");
    const swfread::SwfRect& size = header.frameSize;
    if (size.xmin != 0 || size.ymin != 0 || size.xmax != frame.width || size.ymax != frame.height)
        differs("frame size");
    // 16-bit fields whenever both sizes fit in 15 bits, else the smallest wider field.
    const auto largest = static_cast<std::uint32_t>(std::max(frame.width, frame.height));
    if (size.bits != (largest < 0x8000 ? 16 : std::bit_width(largest) + 1))
        differs("frame size field width " + std::to_string(size.bits));
    if (header.frameRate != (frame.frameRate & 0xFF) << 8)
        differs("frame rate");
    if (header.frameCount != std::min<std::uint32_t>(shows, 65535))
        differs("frame count");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzBytes bytes(data, size);
    const MovieFrame frame { bytes.flag(), static_cast<S32>(bytes.below(1u << 30)),
        static_cast<S32>(bytes.below(1u << 30)), static_cast<S32>(bytes.below(1000)) };

    fuzz::KeptBytes kept;
    std::vector<fuzz::PlannedTag> planned;
    std::uint32_t shows = 0;
    {
        FObjCollection movie;
        while (!bytes.empty() && planned.size() < 64) {
            planned.push_back(fuzz::planRandomTag(bytes, kept));
            shows += planned.back().object->IsShowFrame() ? 1 : 0;
            movie.Add(planned.back().object);
        }
        const FSaveResult saved = movie.SaveMovie(
            moviePath().c_str(), frame.compressed, frame.width, frame.height, frame.frameRate);
        if (!saved)
            differs("the movie was not saved: " + saved.Error());
    }

    const std::vector<std::uint8_t> stored = fileBytes(moviePath());
    std::filesystem::remove(moviePath());
    const auto file = swfread::readSwfContainer(stored, moviePath().string());
    if (!file)
        differs(file.error());
    checkHeader(file.value().header, frame, shows, stored.size());
    const auto& tags = file.value().tags;
    if (tags.size() != planned.size() + 1 || tags.back().code != 0)
        differs(std::to_string(tags.size()) + " tags for " + std::to_string(planned.size())
            + " planned and the end tag");
    for (std::size_t i = 0; i < planned.size(); ++i)
        if (const std::string problem = planned[i].mismatch(tags[i]); !problem.empty())
            differs("tag " + std::to_string(i) + ": " + problem);

    // The whole movie goes through the reader's timeline too; odd placements may be refused.
    (void)swfread::readSwfBytes(stored, moviePath().string());
    return 0;
}
