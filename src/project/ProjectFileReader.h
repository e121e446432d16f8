#pragma once

#include "project/ProjectLoadOutcome.h"
#include "project/TBrindlecast.h"

#include <cstddef>
#include <string>
#include <string_view>

// Larger files are refused unread: a real project stays far below this even with many
// thousands of images.
inline constexpr std::size_t kProjectFileSizeLimit = 16 * 1024 * 1024;

// Reads the project file at path into current and saved. They change only when the outcome is
// accepted: then both hold the file's values and current is no longer Untouched. Nothing is
// shown; the caller shows the outcome's message and refreshes its view.
ProjectLoadOutcome LoadProjectFile(
    const std::string& path, TBrindlecast& current, TBrindlecast& saved);

// The same, for source already read from path (path only goes into messages).
ProjectLoadOutcome ParseProjectText(
    std::string_view source, const std::string& path, TBrindlecast& current, TBrindlecast& saved);
