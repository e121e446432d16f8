#pragma once

#include "conversion/ConversionHost.h"
#include "conversion/RunProgress.h"
#include "conversion/RunReport.h"
#include "sdk/FCompressionPool.h"

#include <memory>
#include <string>

class TBrindlecast;

namespace brindlecast
{

// What the three packing modes share: the loop over the image list with the cancel check and
// the progress step before each image, the dispatch on the image type, the output name, the
// report lines of failures and the threads that compress lossless bitmaps.
class PackingRun
{
public:
    virtual ~PackingRun() = default;
    PackingRun(const PackingRun&) = delete;
    PackingRun& operator=(const PackingRun&) = delete;

protected:
    PackingRun(const TBrindlecast& project, ConversionHost& host);

    // Converts the images in list order until the user cancels; true when a cancel was
    // requested, also during the last image.
    bool ConvertImages(RunProgress& progress);
    // The project's output name completed (program folder, ".swf"), handed to the host when
    // it changed.
    std::string ResolveOutput();
    void ImageFailed(const std::string& path, const std::string& detail);
    void MovieFailed(const std::string& path, const std::string& detail);

    // The run's compression threads; null when the host asks for one thread, so that each
    // bitmap is compressed on the run's own thread as it is made.
    FCompressionPool* CompressionPool() { return compressionPool.get(); }
    // Bitmap jobs queued or running at once on the pool, 0 without one.
    std::size_t CompressionWindow() const;

    virtual void AddGif(const std::string& path) = 0;
    virtual void AddJpeg(const std::string& path) = 0;

    const TBrindlecast& project;
    ConversionHost& host;
    RunReport report;

private:
    std::unique_ptr<FCompressionPool> compressionPool;
};

} // namespace brindlecast
