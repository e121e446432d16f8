#pragma once

#include "conversion/ConversionHost.h"

#include <string>
#include <vector>

namespace brindlecast
{

// The report of one run: one stamped line per written movie and per problem. Its text ends
// every line in "\r\n", the form the output log cuts into lines.
class RunReport
{
public:
    enum class Stamp { Date, DateAndTime };

    explicit RunReport(ConversionHost& host);

    void ImageNotLoaded(const std::string& imagePath);
    void UnsupportedImageType(const std::string& imagePath);
    void MovieCreated(const std::string& moviePath, Stamp stamp);
    void MovieCreatedWithErrors(const std::string& moviePath);
    void MovieNotWritten(const std::string& moviePath);
    void TooManyFrames();
    // The three modes word their cancel line differently; the caller passes its text.
    void Cancelled(const std::string& text, Stamp stamp);

    bool Empty() const { return lines.empty(); }
    const std::vector<std::string>& Lines() const { return lines; }
    std::string Text() const;

private:
    void Add(Stamp stamp, const std::string& rest);

    ConversionHost& host;
    std::vector<std::string> lines;
};

// Cancel lines of "All Gifs in 1 SWF", "1 SWF For each Gif" and "SWF Image Library".
inline constexpr const char* kCancelledAllInOne = "ERROR:300 Automation Cancelled By User.";
inline constexpr const char* kCancelledEachImage = "ERROR:300 Automation Cancelled By User";
inline constexpr const char* kCancelledLibrary = "ERROR:300 Automation cancelled by user.";

// A line that reports a problem rather than a written movie.
bool IsProblemLine(const std::string& line);
bool IsErrorLine(const std::string& line);

} // namespace brindlecast
