// Feeds arbitrary bytes through GIF loading, frame rendering and animation composing. Besides
// not crashing or hanging, every frame handed over must carry the raster its size promises.
#include "imaging/GifAnimationComposer.h"
#include "imaging/GifFrameReader.h"
#include "imaging/GifRendering.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

using namespace brindlecast::imaging;

namespace
{

// Composing allocates the whole screen; keep it to sizes that let the fuzzer run fast.
constexpr int kLargestComposedSide = 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto reader = GifFrameReader::openBytes(std::span<const std::uint8_t>(data, size));
    if (!reader)
        return 0;
    const GifScreen screen = reader.value().screen();
    std::optional<GifAnimationComposer> composer;
    if (screen.width <= kLargestComposedSide && screen.height <= kLargestComposedSide) {
        if (auto created = GifAnimationComposer::create(screen))
            composer.emplace(std::move(created.value()));
    }
    (void)screen.backgroundColor();
    while (true) {
        auto frame = reader.value().next();
        if (!frame || !frame.value())
            return 0;
        const GifFrame& current = *frame.value();
        // A frame with a size always comes with its whole raster.
        if (current.width > 0 && current.height > 0 && !current.yieldsBitmap())
            std::abort();
        const RgbaImage picture = renderGifFrame(current, screen.globalColorMap);
        if (picture.pixels.size() != current.raster.size() * 4)
            std::abort();
        if (composer)
            (void)composer->compose(current);
    }
}
