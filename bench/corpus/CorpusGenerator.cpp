#include "CorpusGenerator.h"

#include "AnimationPainter.h"
#include "CorpusRandom.h"
#include "CorpusWriters.h"
#include "PhotoPainter.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <system_error>

namespace brindlecast::bench
{

namespace
{

    constexpr int kPhotoWidth = 1024;
    constexpr int kPhotoHeight = 768;

    std::string Numbered(const std::string& stem, int number, const char* extension)
    {
        char name[64];
        std::snprintf(name, sizeof name, "%s-%03d%s", stem.c_str(), number, extension);
        return name;
    }

} // namespace

CorpusGenerator::CorpusGenerator(std::filesystem::path folder, std::uint64_t seed)
    : folder_(std::move(folder))
    , seed_(seed)
{
}

std::string CorpusGenerator::Generate()
{
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error)
        return folder_.string() + ": cannot create folder: " + error.message();
    // A listing left from an earlier corpus must not vouch for a half-written new one.
    std::filesystem::remove(folder_ / "sets.txt", error);

    const std::function<std::string()> steps[] = {
        [&] { return FullFrameAnimations("anim-320x240", 10, 320, 240, 40, 3); },
        [&] { return OptimizedAnimations("optimized", 3, 60); },
        [&] { return Photos("jpeg-baseline", 30, 3, false); },
        [&] { return Photos("jpeg-progressive", 5, 3, true); },
        [&] { return Photos("jpeg-grey", 5, 1, false); },
        [&] { return FullFrameAnimations("big-640x480x300", 1, 640, 480, 300, 0); },
        [&] { return FullFrameAnimations("frames-1", 1, 320, 240, 1, 0); },
        [&] { return FullFrameAnimations("frames-10", 1, 320, 240, 10, 0); },
        [&] { return FullFrameAnimations("frames-100", 1, 320, 240, 100, 0); },
        [&] { return FullFrameAnimations("frames-1000", 1, 320, 240, 1000, 0); },
    };
    for (const auto& step : steps)
        if (std::string failure = step(); !failure.empty())
            return failure;
    return WriteListing();
}

std::string CorpusGenerator::FullFrameAnimations(
    const std::string& set, int files, int width, int height, int frames, int transparentEvery)
{
    const bool someTransparent = transparentEvery > 0;
    std::string description = std::to_string(files) + (files == 1 ? " GIF of " : " GIFs of ")
        + std::to_string(frames) + (frames == 1 ? " full frame " : " full frames ")
        + std::to_string(width) + "x" + std::to_string(height) + ", 256 colours";
    if (someTransparent)
        description += ", " + std::to_string((files + transparentEvery - 1) / transparentEvery)
            + " with a transparent index";
    const std::filesystem::path folder = SetFolder(set, description);
    for (int file = 0; file < files; ++file) {
        const bool transparent = someTransparent && file % transparentEvery == 0;
        const AnimationPainter painter(width, height, FileSeed(set, file), transparent);
        AnimationFile out { (folder / Numbered("anim", file + 1, ".gif")).string(), width, height,
            &painter.Palette(), std::nullopt, frames };
        if (transparent)
            out.transparentIndex = AnimationPainter::kTransparentIndex;
        std::string failure
            = WriteAnimation(out, [&](int frame, std::vector<std::uint8_t>& raster) {
                  painter.Paint(frame, raster);
                  return FrameArea { 0, 0, width, height };
              });
        if (!failure.empty())
            return failure;
    }
    return {};
}

std::string CorpusGenerator::OptimizedAnimations(const std::string& set, int files, int frames)
{
    constexpr int kWidth = 320;
    constexpr int kHeight = 240;
    const std::filesystem::path folder = SetFolder(set,
        std::to_string(files) + " optimized GIFs of " + std::to_string(frames)
            + " frames: a full 320x240 frame, then small sub-rectangles at offsets");
    for (int file = 0; file < files; ++file) {
        const std::uint64_t seed = FileSeed(set, file);
        const AnimationPainter painter(kWidth, kHeight, seed, file == 0);
        CorpusRandom areas(seed + 1);
        std::vector<std::uint8_t> screen;
        AnimationFile out { (folder / Numbered("optimized", file + 1, ".gif")).string(), kWidth,
            kHeight, &painter.Palette(), std::nullopt, frames };
        if (file == 0)
            out.transparentIndex = AnimationPainter::kTransparentIndex;
        std::string failure
            = WriteAnimation(out, [&](int frame, std::vector<std::uint8_t>& raster) {
                  painter.Paint(frame, screen);
                  if (frame == 0) {
                      raster = screen;
                      return FrameArea { 0, 0, kWidth, kHeight };
                  }
                  // Odd sizes as well as even ones, so that row padding is exercised.
                  FrameArea area;
                  area.width = areas.Between(9, 97);
                  area.height = areas.Between(7, 73);
                  area.left = areas.Between(0, kWidth - area.width);
                  area.top = areas.Between(0, kHeight - area.height);
                  raster.resize(static_cast<std::size_t>(area.width * area.height));
                  for (int row = 0; row < area.height; ++row)
                      std::copy_n(screen.begin() + (area.top + row) * kWidth + area.left,
                          area.width, raster.begin() + row * area.width);
                  return area;
              });
        if (!failure.empty())
            return failure;
    }
    return {};
}

std::string CorpusGenerator::Photos(
    const std::string& set, int files, int components, bool progressive)
{
    const std::filesystem::path folder = SetFolder(set,
        std::to_string(files) + (progressive ? " progressive" : " baseline")
            + (components == 1 ? " greyscale" : " colour") + " JPEGs of 1024x768");
    std::vector<std::uint8_t> pixels;
    for (int file = 0; file < files; ++file) {
        PhotoPainter(kPhotoWidth, kPhotoHeight, FileSeed(set, file)).Paint(components, pixels);
        std::string failure = WritePhoto((folder / Numbered("photo", file + 1, ".jpg")).string(),
            kPhotoWidth, kPhotoHeight, components, std::move(pixels), progressive);
        if (!failure.empty())
            return failure;
    }
    return {};
}

std::filesystem::path CorpusGenerator::SetFolder(
    const std::string& set, const std::string& description)
{
    const std::filesystem::path folder = folder_ / set;
    std::error_code ignored;
    // Files of an earlier corpus with other counts must not stay in the set.
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder, ignored);
    listing_.push_back(set + "\t" + description);
    std::fprintf(stderr, "corpus: %s\n", set.c_str());
    return folder;
}

std::uint64_t CorpusGenerator::FileSeed(const std::string& set, int file) const
{
    std::uint64_t hash = seed_;
    for (const char c : set)
        hash = CorpusRandom(hash ^ static_cast<std::uint8_t>(c)).Next();
    return CorpusRandom(hash + static_cast<std::uint64_t>(file)).Next();
}

std::string CorpusGenerator::WriteListing() const
{
    const std::filesystem::path listing = folder_ / "sets.txt";
    const std::filesystem::path partial = folder_ / "sets.txt.part";
    {
        std::ofstream out(partial);
        out << "# brindlecast benchmark corpus\n# seed " << seed_ << "\n";
        for (const std::string& line : listing_)
            out << line << "\n";
        if (!out.flush())
            return partial.string() + ": cannot write";
    }
    std::error_code error;
    std::filesystem::rename(partial, listing, error);
    return error ? listing.string() + ": cannot write: " + error.message() : std::string {};
}

} // namespace brindlecast::bench
