#include "imaging/JpegTranscoding.h"

#include "imaging/JpegCompressor.h"
#include "imaging/JpegDecompressor.h"

#include <utility>

namespace brindlecast::imaging
{

Result<BaselineJpeg> convertToBaseline(const JpegImage& image)
{
    auto copied = copyCoefficientsToBaseline(image);
    if (copied)
        return copied;
    auto reencoded = reencodeAsBaseline(image, kBaselineFallbackQuality);
    if (!reencoded)
        return ImagingError { copied.error() + "; " + reencoded.error() };
    return reencoded;
}

Result<BaselineJpeg> copyCoefficientsToBaseline(const JpegImage& image)
{
    JpegDecompressor decompressor(image.bytes(), image.name());
    if (auto header = decompressor.readHeader(); !header)
        return ImagingError { header.error() };
    auto coefficients = decompressor.readCoefficients();
    if (!coefficients)
        return ImagingError { coefficients.error() };

    JpegCompressor compressor(image.name());
    auto written = compressor.writeCoefficients(decompressor.cinfo(), coefficients.value());
    if (!written)
        return ImagingError { written.error() };
    if (auto finished = decompressor.finish(); !finished)
        return ImagingError { finished.error() };
    return BaselineJpeg { std::move(written).value(), true, decompressor.warning() };
}

Result<BaselineJpeg> reencodeAsBaseline(const JpegImage& image, int quality)
{
    auto decoded = image.decode();
    if (!decoded)
        return ImagingError { decoded.error() };
    JpegCompressor compressor(image.name());
    auto written = compressor.writePixels(decoded.value().image, quality, image.header().grey());
    if (!written)
        return ImagingError { written.error() };
    return BaselineJpeg { std::move(written).value(), false, decoded.value().warning };
}

} // namespace brindlecast::imaging
