#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The project record: the ordered list of source images and the options that say how they
// become movies. It owns its image list; copying between records goes through AssignFrom so
// that Untouched stays with the record it describes.
class TBrindlecast
{
public:
    static constexpr const char* kDefaultLink = "http://www.example.com/brindlecast/";

    std::string Name = "untitled.imx";
    std::int32_t ActionType = 0;
    std::int32_t FrameRate = 12;
    std::int32_t ImageDelay = 1;
    bool Untouched = true;
    std::string Link = kDefaultLink;
    std::string Target = "_blank";
    std::string Output = "untitled.swf";
    std::vector<std::string> Images;
    std::int32_t BackgroundColor = 16777215; // white, laid out 0x00BBGGRR

    // Copies every field but Untouched, replacing this record's image list by the source's.
    void AssignFrom(const TBrindlecast& source);
};
