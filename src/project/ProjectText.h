#pragma once

// The text rules the project file is read with. Files written by hand must read exactly as
// these rules say, so they mirror plain string routines rather than an XML parser: positions
// are 1-based and 0 means "absent", searches find the first occurrence and are case-sensitive.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

std::string OpenTag(std::string_view name);
std::string CloseTag(std::string_view name);

// 1-based position of the first occurrence of needle in text, 0 when absent.
std::ptrdiff_t TextPosition(std::string_view needle, std::string_view text);

// Characters index .. index + count - 1 (1-based); an index below 1 counts as 1, and the result
// is empty when count is 0 or less or index lies past the end.
std::string_view CopyText(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count);

// The text between the first opening and the first closing tag. Neither tag has to exist: a
// missing closing tag, or one before the opening tag, gives empty content.
std::string_view SectionContent(
    std::string_view text, std::string_view openTag, std::string_view closeTag);

// Like SectionContent, but "0" when either tag is absent.
std::string ExtractElementText(
    std::string_view text, std::string_view openTag, std::string_view closeTag);

// ExtractElementText with the tags' positions (TextPosition's) already found.
std::string ExtractElementTextAt(std::string_view text, std::ptrdiff_t openAt,
    std::ptrdiff_t openLength, std::ptrdiff_t closeAt);

// Drops leading and trailing characters with codes up to 32 (blanks, line breaks, tabs).
std::string_view TrimControlsAndBlanks(std::string_view text);

// An optionally signed decimal integer that fits 32 bits, else fallback.
std::int32_t TextToInteger(std::string_view text, std::int32_t fallback);
