#include "MovieTestSupport.h"

#include "swfread/SwfTagDecoders.h"

#include <gtest/gtest.h>

using namespace brindlecast;

std::string TempFolder::writeGif(const std::string& name, const fixtures::GifFixture& gif) const
{
    fixtures::writeGif(*this / name, gif);
    return file(name);
}

std::string TempFolder::writeJpeg(
    const std::string& name, const std::vector<std::uint8_t>& jpeg) const
{
    const auto error = fixtures::writeJpegFile(*this / name, jpeg);
    EXPECT_EQ(error, "");
    return file(name);
}

swfread::SwfMovie readMovie(const std::string& path)
{
    auto movie = swfread::readSwfFile(path);
    EXPECT_TRUE(movie.ok()) << movie.error();
    return movie.ok() ? std::move(movie).value() : swfread::SwfMovie {};
}

namespace
{

template <typename Result> auto decoded(Result result)
{
    EXPECT_TRUE(result.ok()) << result.error();
    return std::move(result).value();
}

std::string describe(const swfread::SwfTag& tag)
{
    using namespace swfread;
    const auto id = [&] {
        return std::to_string(tag.body.size() >= 2 ? tag.body[0] | tag.body[1] << 8 : -1);
    };
    switch (tag.code) {
    case kTagEnd:
        return "end";
    case kTagShowFrame:
        return "show";
    case kTagSetBackgroundColor:
        return "background";
    case kTagDefineBitsJpeg2:
        return "jpeg " + id();
    case kTagDefineBitsLossless2:
        return "lossless " + id();
    case kTagDefineShape:
        return "shape " + id();
    case kTagDefineButton2:
        return "button " + id();
    case kTagPlaceObject2: {
        const auto place = decoded(decodePlaceObject(tag));
        return "place " + std::to_string(place.characterId.value_or(0)) + " at "
            + std::to_string(place.depth);
    }
    case kTagRemoveObject: {
        const auto remove = decoded(decodeRemoveObject(tag));
        return "remove " + std::to_string(remove.characterId) + " at "
            + std::to_string(remove.depth);
    }
    case kTagExportAssets: {
        std::string text = "export";
        for (const auto& asset : decoded(decodeExportAssets(tag)))
            text += " " + std::to_string(asset.characterId) + ":" + asset.name;
        return text;
    }
    default:
        return "tag " + std::to_string(tag.code);
    }
}

} // namespace

std::vector<std::string> tagSummary(const swfread::SwfMovie& movie)
{
    std::vector<std::string> summary;
    for (const auto& tag : movie.tags)
        summary.push_back(describe(tag));
    return summary;
}

std::vector<std::string> shows(int n)
{
    return std::vector<std::string>(static_cast<std::size_t>(n), "show");
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
