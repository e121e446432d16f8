#include "conversion/ImageInfoTexts.h"

#include <array>

namespace brindlecast
{

namespace
{

    // A value outside its table shows nothing.
    template <std::size_t N> std::string TextOf(const std::array<const char*, N>& texts, int value)
    {
        return value >= 0 && static_cast<std::size_t>(value) < N
            ? texts[static_cast<std::size_t>(value)]
            : "";
    }

    const std::array<const char*, 3> kGifVersions = { "Unknown", "v87a", "v89a" };

    const std::array<const char*, 10> kColorReductions = {
        "Do not perform color reduction",
        "Reduce to the Windows 20 color system palette",
        "Reduce to the Windows 256 color halftone palette (Only works in 256 color display mode)",
        "Reduce to the Windows 4 grayscale colors",
        "Reduce to a black/white monochrome palette",
        "Reduce to a uniform 256 shade grayscale palette",
        "Reduce to the Netscape 216 color palette",
        "Reduce to optimal 2^n color palette",
        "Reduce to optimal 256 color windows palette",
        "Reduce to custom palette",
    };

    const std::array<const char*, 7> kDitherModes = {
        "Nearest color matching w/o error correction",
        "Floyd Steinberg Error Diffusion dithering",
        "Stucki Error Diffusion dithering",
        "Sierra Error Diffusion dithering",
        "Jarvis, Judice & Ninke Error Diffusion dithering",
        "Stevenson & Arche Error Diffusion dithering",
        "Burkes Error Diffusion dithering",
    };

    const std::array<const char*, 4> kJpegScales = { "Full", "Half", "Quarter", "Eighth" };

    std::string OnOff(bool on)
    {
        return on ? "on" : "off";
    }

} // namespace

InfoLines GifInfoLines(const std::string& path, const imaging::GifInfo& info)
{
    return {
        { "File Name: ", path },
        { "File Size: ", std::to_string(info.fileSize) + " Bytes." },
        { "Width: ", std::to_string(info.width) },
        { "Height:", std::to_string(info.height) },
        { "Bits per Pixel :", std::to_string(info.bitsPerPixel) },
        { "Color Resolution :", std::to_string(info.colorResolution) },
        { "Giif Version :", TextOf(kGifVersions, info.version) },
        { "Reduction Bits :", std::to_string(info.reductionBits) },
        { "Transparency :", info.transparent ? "Transparent" : "No Transparency" },
        { "Compression :",
            info.compression == 1 ? "GIF compatible RLE compression" : "Normal LZW compression" },
        { "Color Reduction :", TextOf(kColorReductions, info.colorReduction) },
        { "Background Color :", std::to_string(info.backgroundColor) },
        { "Dither Mode :", TextOf(kDitherModes, info.ditherMode) },
    };
}

InfoLines JpegInfoLines(const std::string& path, const imaging::JpegInfo& info)
{
    return {
        { "File Name: ", path },
        { "File Size: ", std::to_string(info.fileSize) + " Bytes." },
        { "Width: ", std::to_string(info.width) },
        { "Height:", std::to_string(info.height) },
        { "Comp. Quality : ", std::to_string(100 - info.compressionQuality) + " %" },
        { "Gray Scale :", OnOff(info.grey || info.greyOutput) },
        { "Performance :", info.bestSpeed ? "Optimized for speed." : "Optimized for quality." },
        { "Pixel Format :", info.pixelFormatBits == 8 ? "jf8Bit" : "jf24Bit" },
        { "Progressive Disp. :", OnOff(info.progressiveDisplay) },
        { "Progressive Enc. :", OnOff(info.progressive) },
        { "Scale :", TextOf(kJpegScales, info.scale) },
        { "Smoothing :", OnOff(info.smoothing) },
    };
}

} // namespace brindlecast
