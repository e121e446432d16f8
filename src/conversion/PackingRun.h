#pragma once

#include "conversion/ConversionHost.h"
#include "conversion/RunProgress.h"
#include "conversion/RunReport.h"

#include <string>

class TBrindlecast;

namespace brindlecast
{

// What the three packing modes share: the loop over the image list with the cancel check and
// the progress step before each image, the dispatch on the image type, the output name and
// the report lines of failures.
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

    virtual void AddGif(const std::string& path) = 0;
    virtual void AddJpeg(const std::string& path) = 0;

    const TBrindlecast& project;
    ConversionHost& host;
    RunReport report;
};

} // namespace brindlecast
