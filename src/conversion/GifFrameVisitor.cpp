#include "conversion/GifFrameVisitor.h"

#include "imaging/GifFrameReader.h"

namespace brindlecast
{

imaging::Result<int> VisitGifFrames(
    const std::string& path, const std::function<void(const GifFrameVisit&)>& visit)
{
    auto reader = imaging::GifFrameReader::open(path);
    if (!reader)
        return imaging::ImagingError { reader.error() };
    int number = 0;
    while (true) {
        auto frame = reader.value().next();
        if (!frame)
            return imaging::ImagingError { frame.error() };
        if (!frame.value())
            return number;
        ++number;
        auto more = reader.value().hasNext();
        if (!more)
            return imaging::ImagingError { more.error() };
        visit({ reader.value().screen(), *frame.value(), number, number == 1 && !more.value() });
    }
}

} // namespace brindlecast
