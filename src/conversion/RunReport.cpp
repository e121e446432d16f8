#include "conversion/RunReport.h"

namespace brindlecast
{

RunReport::RunReport(ConversionHost& runHost)
    : host(runHost)
{
}

void RunReport::Add(Stamp stamp, const std::string& rest)
{
    const std::string when = stamp == Stamp::Date ? host.DateStamp() : host.DateTimeStamp();
    lines.push_back(when + " - " + rest);
}

void RunReport::ImageNotLoaded(const std::string& imagePath)
{
    Add(Stamp::Date, "ERROR:500 File Not Found." + imagePath);
}

void RunReport::UnsupportedImageType(const std::string& imagePath)
{
    Add(Stamp::Date, "WARNING: Unsupported image type skipped." + imagePath);
}

void RunReport::MovieCreated(const std::string& moviePath, Stamp stamp)
{
    Add(stamp, moviePath + " has been created successfully.");
}

void RunReport::MovieCreatedWithErrors(const std::string& moviePath)
{
    Add(Stamp::Date, moviePath + " has been created with errors.");
}

void RunReport::MovieNotWritten(const std::string& moviePath)
{
    Add(Stamp::Date, "ERROR:400 Could Not Write Movie." + moviePath);
}

void RunReport::TooManyFrames()
{
    Add(Stamp::Date, "WARNING: More than 65535 frames; players stop at 65535.");
}

void RunReport::Cancelled(const std::string& text, Stamp stamp)
{
    Add(stamp, text);
}

std::string RunReport::Text() const
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

bool IsErrorLine(const std::string& line)
{
    return line.find("ERROR:") != std::string::npos;
}

bool IsProblemLine(const std::string& line)
{
    return IsErrorLine(line) || line.find("WARNING:") != std::string::npos;
}

} // namespace brindlecast
