// Feeds arbitrary bytes through JPEG loading, decoding and baseline conversion. Besides not
// crashing, hanging or allocating hugely, a decoded picture must match the header's size and a
// converted file must load back as one sequential file of the same picture size.
#include "imaging/JpegImage.h"
#include "imaging/JpegTranscoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace brindlecast::imaging;

namespace
{

// Decoding allocates the whole picture; keep it to sizes that let the fuzzer run fast. Larger
// declared sizes still go through the header checks.
constexpr long long kLargestDecodedPixels = 2LL * 1024 * 1024;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkBaseline(const JpegImage& source, const Result<BaselineJpeg>& baseline)
{
    if (!baseline)
        return;
    const auto converted = JpegImage::loadBytes(baseline.value().bytes);
    require(converted.ok());
    require(!converted.value().header().progressive);
    require(converted.value().width() == source.width());
    require(converted.value().height() == source.height());
    require(converted.value().header().channels == source.header().channels);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto image = JpegImage::loadBytes(std::vector<std::uint8_t>(data, data + size));
    if (!image)
        return 0;
    const JpegImage& source = image.value();
    require(source.width() > 0 && source.height() > 0);
    if (static_cast<long long>(source.width()) * source.height() > kLargestDecodedPixels)
        return 0;

    if (const auto decoded = source.decode()) {
        const RgbaImage& picture = decoded.value().image;
        require(picture.width == source.width() && picture.height == source.height());
        require(
            picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height * 4);
    }
    checkBaseline(source, copyCoefficientsToBaseline(source));
    checkBaseline(source, reencodeAsBaseline(source, kBaselineFallbackQuality));
    return 0;
}
