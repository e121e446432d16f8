#include "SwfTestBytes.h"

#include "swfread/SwfFile.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <zlib.h>

namespace brindlecast::swfread::test
{

Bytes zlibCompress(std::span<const uint8_t> bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    Bytes compressed(size);
    if (compress2(compressed.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), 9)
        != Z_OK)
        throw std::runtime_error("compress2 failed");
    compressed.resize(size);
    return compressed;
}

Bytes fwsMovie(const Bytes& tags, uint16_t frameCount)
{
    Bytes movie = concat({ hexBytes("46 57 53 06 00 00 00 00 60 00 3E 80 00 3E 80 00 0C"),
        { static_cast<uint8_t>(frameCount), static_cast<uint8_t>(frameCount >> 8) }, tags,
        hexBytes("00 00") });
    const auto length = static_cast<uint32_t>(movie.size());
    for (int i = 0; i < 4; ++i)
        movie[4 + i] = static_cast<uint8_t>(length >> (8 * i));
    return movie;
}

Bytes cwsMovie(const Bytes& fws)
{
    Bytes cws(fws.begin(), fws.begin() + 8);
    cws[0] = 'C';
    const Bytes compressed = zlibCompress(std::span(fws).subspan(8));
    cws.insert(cws.end(), compressed.begin(), compressed.end());
    return cws;
}

SwfTag tagOf(std::string_view hex)
{
    auto file = readSwfContainer(fwsMovie(hexBytes(hex)), "tag test");
    if (!file)
        ADD_FAILURE() << file.error();
    if (!file || file.value().tags.size() != 2) {
        ADD_FAILURE() << "expected exactly one tag in " << hex;
        return {};
    }
    return file.value().tags.front();
}

SwfTag tagWithBody(uint16_t code, const Bytes& body)
{
    return { code, static_cast<uint32_t>(body.size()), body.size() > 62, 0, body };
}

::testing::AssertionResult contains(const std::string& text, std::string_view part)
{
    if (text.find(part) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "\"" << text << "\" does not contain \"" << part << "\"";
}

} // namespace brindlecast::swfread::test
