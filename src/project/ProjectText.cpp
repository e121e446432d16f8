#include "project/ProjectText.h"

#include <charconv>

std::string OpenTag(std::string_view name)
{
    return "<" + std::string(name) + ">";
}

std::string CloseTag(std::string_view name)
{
    return "</" + std::string(name) + ">";
}

std::ptrdiff_t TextPosition(std::string_view needle, std::string_view text)
{
    const std::size_t found = text.find(needle);
    return found == std::string_view::npos ? 0 : static_cast<std::ptrdiff_t>(found) + 1;
}

std::string_view CopyText(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count)
{
    const auto length = static_cast<std::ptrdiff_t>(text.size());
    if (index < 1)
        index = 1;
    if (count <= 0 || index > length)
        return {};
    return text.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

namespace
{

std::string_view SectionAt(
    std::string_view text, std::ptrdiff_t openAt, std::ptrdiff_t openLength, std::ptrdiff_t closeAt)
{
    return CopyText(text, openAt + openLength, closeAt - openAt - openLength);
}

std::ptrdiff_t LengthOf(std::string_view tag)
{
    return static_cast<std::ptrdiff_t>(tag.size());
}

} // namespace

std::string_view SectionContent(
    std::string_view text, std::string_view openTag, std::string_view closeTag)
{
    return SectionAt(
        text, TextPosition(openTag, text), LengthOf(openTag), TextPosition(closeTag, text));
}

std::string ExtractElementText(
    std::string_view text, std::string_view openTag, std::string_view closeTag)
{
    return ExtractElementTextAt(
        text, TextPosition(openTag, text), LengthOf(openTag), TextPosition(closeTag, text));
}

std::string ExtractElementTextAt(
    std::string_view text, std::ptrdiff_t openAt, std::ptrdiff_t openLength, std::ptrdiff_t closeAt)
{
    if (openAt == 0 || closeAt == 0)
        return "0";
    return std::string(SectionAt(text, openAt, openLength, closeAt));
}

std::string_view TrimControlsAndBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::int32_t TextToInteger(std::string_view text, std::int32_t fallback)
{
    // from_chars takes a minus sign but no plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return fallback;
    return value;
}
