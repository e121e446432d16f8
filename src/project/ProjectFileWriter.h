#pragma once

#include "project/FileWriteResult.h"
#include "project/TBrindlecast.h"

#include <string>

// The whole project file for record: fifteen kinds of line, each ending in "\r\n", one
// "image" line per entry. Texts are written exactly as held, without escaping.
std::string ProjectFileText(const TBrindlecast& record);

// Writes current to path, replacing an earlier file only once the new one is complete, then
// makes saved equal to current. A failed save changes neither the file nor saved.
FileWriteResult SaveProjectFile(
    const std::string& path, const TBrindlecast& current, TBrindlecast& saved);
