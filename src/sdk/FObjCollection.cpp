#include "sdk/FObjCollection.h"

#include "fileio/ReplacingFile.h"
#include "sdk/FDT.h"
#include "sdk/FDeflateSink.h"
#include "sdk/FSWFStream.h"

#include <algorithm>
#include <cstring>

namespace
{

// Signature, version and file length stay outside the zlib stream of a "CWS" file.
constexpr std::size_t kUncompressedPrefix = 8;

// Width of the header's frame rectangle fields: 16 whenever both sizes fit, else the smallest
// wider field that holds them.
U32 FrameRectBits(S32 widthTwips, S32 heightTwips)
{
    return std::max<U32>(16, FSWFStream::SignedBits(0, widthTwips, 0, heightTwips));
}

// The movie's bytes on their way to a file that replaces the target only when complete.
class FReplacingFileSink : public FByteSink
{
public:
    explicit FReplacingFileSink(brindlecast::fileio::ReplacingFile& file_)
        : file(file_)
    {
    }
    bool Write(const U8* data, std::size_t length) override { return file.write(data, length); }

private:
    brindlecast::fileio::ReplacingFile& file;
};

} // namespace

FObjCollection::FObjCollection() = default;

FObjCollection::~FObjCollection()
{
    // First to last, as they were added.
    for (auto& object : objects)
        object.reset();
}

void FObjCollection::Add(FObj* object)
{
    if (object->IsShowFrame())
        ++frameCount;
    objects.emplace_back(object);
}

FSaveResult FObjCollection::SaveMovie(
    const char* fileName, U8 compressed, S32 widthTwips, S32 heightTwips, S32 frameRate)
{
    brindlecast::fileio::ReplacingFile file(fileName);
    if (!file.open())
        return FSaveResult::Failed(file.error());
    FReplacingFileSink sink(file);

    FSWFStream stream;
    WriteBody(stream, widthTwips, heightTwips, frameRate);

    bool written = false;
    if (compressed == 1) {
        stream.FirstByte()[0] = 'C';
        FDeflateSink deflater(sink, kUncompressedPrefix);
        written = stream.WriteOut(deflater) && deflater.Finish();
    } else {
        written = stream.WriteOut(sink);
    }
    if (written && file.commit())
        return FSaveResult::Written();
    if (!file.error().empty())
        return FSaveResult::Failed(file.error());
    return FSaveResult::Failed(std::string("Could not compress ") + fileName);
}

void FObjCollection::WriteBody(FSWFStream& stream, S32 widthTwips, S32 heightTwips, S32 frameRate)
{
    FSWFStream measure;
    WriteHeader(measure, 0, widthTwips, heightTwips, frameRate);
    const U32 headerLength = measure.ByteSize();
    for (U32 i = 0; i < headerLength; ++i)
        stream.PutU8(0);

    for (auto& object : objects)
        object->Write(stream);
    stream.PutTag(0, 0, nullptr);

    FSWFStream header;
    WriteHeader(header, stream.ByteSize(), widthTwips, heightTwips, frameRate);
    std::memcpy(stream.FirstByte(), header.FirstByte(), headerLength);
    ResetCharacterIds();
}

void FObjCollection::WriteHeader(
    FSWFStream& header, U32 fileLength, S32 widthTwips, S32 heightTwips, S32 frameRate) const
{
    for (char c : { 'F', 'W', 'S' })
        header.PutU8(static_cast<U8>(c));
    header.PutU8(6);
    header.PutU32(fileLength);
    const U32 bits = FrameRectBits(widthTwips, heightTwips);
    header.PutBits(bits, 5);
    for (S32 value : { 0, widthTwips, 0, heightTwips })
        header.PutBits(static_cast<U32>(value), bits);
    header.PadToByte();
    header.PutU8(0); // 8.8 frame rate: fraction, then whole frames
    header.PutU8(static_cast<U32>(frameRate));
    header.PutU16(std::min(frameCount, kMaxHeaderFrameCount));
}
