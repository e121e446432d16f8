#include "project/ProjectFileReader.h"

#include "project/ImageListReader.h"
#include "project/ProjectFormat.h"
#include "project/ProjectText.h"
#include "project/WholeFileReader.h"

namespace
{

// Malformed delay text loads as 12, not as the record's default of 1, as project files have
// always been read.
constexpr std::int32_t kDelayWhenUnreadable = 12;

std::string Element(std::string_view text, std::string_view name)
{
    return ExtractElementText(text, OpenTag(name), CloseTag(name));
}

std::int32_t NumberElement(std::string_view text, std::string_view name, std::int32_t fallback)
{
    return TextToInteger(Element(text, name), fallback);
}

// The program id and the version count as empty unless both of their tags occur.
std::string HeaderElement(std::string_view source, std::string_view name)
{
    if (TextPosition(OpenTag(name), source) == 0 || TextPosition(CloseTag(name), source) == 0)
        return {};
    return Element(source, name);
}

std::string VersionMessage(std::string_view loadedVersion)
{
    return "The Version of the file you are trying to load does not match current version.\r\n"
           "Unexpected results may occur.\r\n"
           "Current File Format Version:"
        + std::string(ProjectFormat::kFileFormatVersion)
        + "\r\nLoaded File Format Version:" + std::string(loadedVersion);
}

TBrindlecast RecordFromRoot(std::string_view root)
{
    using namespace ProjectFormat;
    const TBrindlecast defaults;
    TBrindlecast record;
    record.Name = Element(root, kNameElement);
    record.Output = Element(root, kOutputElement);
    record.ActionType = NumberElement(root, kTypeElement, defaults.ActionType);
    record.FrameRate = NumberElement(root, kFrameRateElement, defaults.FrameRate);
    record.ImageDelay = NumberElement(root, kDelayElement, kDelayWhenUnreadable);
    record.Link = Element(root, kLinkElement);
    record.Target = Element(root, kTargetElement);
    record.BackgroundColor = NumberElement(root, kBackgroundColorElement, defaults.BackgroundColor);
    record.Images = ReadImageEntries(
        SectionContent(root, OpenTag(kImageListElement), CloseTag(kImageListElement)));
    return record;
}

} // namespace

ProjectLoadOutcome ParseProjectText(
    std::string_view source, const std::string& path, TBrindlecast& current, TBrindlecast& saved)
{
    using namespace ProjectFormat;
    const ProjectLoadOutcome refused { ProjectLoadOutcome::Status::Refused,
        "Invalid File Format :\r\n" + path };
    const std::string_view root
        = SectionContent(source, OpenTag(kRootElement), CloseTag(kRootElement));
    if (root.empty() || HeaderElement(source, kProgramIdElement) != kProgramId)
        return refused;

    ProjectLoadOutcome outcome;
    const std::string version = HeaderElement(source, kFileVersionElement);
    if (version != kFileFormatVersion)
        outcome
            = { ProjectLoadOutcome::Status::AcceptedAfterVersionMessage, VersionMessage(version) };

    const TBrindlecast loaded = RecordFromRoot(root);
    current.AssignFrom(loaded);
    current.Untouched = false;
    saved.AssignFrom(loaded);
    return outcome;
}

ProjectLoadOutcome LoadProjectFile(
    const std::string& path, TBrindlecast& current, TBrindlecast& saved)
{
    FileReadResult file = ReadWholeFile(path, kProjectFileSizeLimit);
    if (!file.ok())
        return { ProjectLoadOutcome::Status::Unreadable, std::move(file.error) };
    return ParseProjectText(file.bytes, path, current, saved);
}
