#include "project/ProjectFileWriter.h"

#include "fileio/ReplacingFile.h"
#include "project/ProjectFormat.h"
#include "project/ProjectText.h"

namespace
{

void AppendLine(std::string& text, std::string_view line)
{
    text += line;
    text += ProjectFormat::kLineBreak;
}

void AppendElement(std::string& text, std::string_view element, std::string_view value)
{
    text += OpenTag(element);
    text += value;
    text += CloseTag(element);
    text += ProjectFormat::kLineBreak;
}

void AppendElement(std::string& text, std::string_view element, std::int32_t value)
{
    AppendElement(text, element, std::to_string(value));
}

} // namespace

std::string ProjectFileText(const TBrindlecast& record)
{
    using namespace ProjectFormat;
    std::string text;
    AppendLine(text, OpenTag(kRootElement));
    AppendElement(text, kProgramIdElement, kProgramId);
    AppendElement(text, kFileVersionElement, kFileFormatVersion);
    AppendElement(text, kNameElement, record.Name);
    AppendElement(text, kOutputElement, record.Output);
    AppendElement(text, kTypeElement, record.ActionType);
    AppendElement(text, kFrameRateElement, record.FrameRate);
    AppendElement(text, kDelayElement, record.ImageDelay);
    AppendElement(text, kLinkElement, record.Link);
    AppendElement(text, kTargetElement, record.Target);
    AppendElement(text, kBackgroundColorElement, record.BackgroundColor);
    AppendLine(text, OpenTag(kImageListElement));
    for (const std::string& image : record.Images)
        AppendElement(text, kImageElement, image);
    AppendLine(text, CloseTag(kImageListElement));
    AppendLine(text, CloseTag(kRootElement));
    return text;
}

FileWriteResult SaveProjectFile(
    const std::string& path, const TBrindlecast& current, TBrindlecast& saved)
{
    FileWriteResult result { brindlecast::fileio::writeFileReplacing(
        path, ProjectFileText(current)) };
    if (result)
        saved.AssignFrom(current);
    return result;
}
