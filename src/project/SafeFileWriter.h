#pragma once

#include "project/FileWriteResult.h"

#include <string>
#include <string_view>

// Writes bytes to a new temporary file in the target's folder and renames it over the target
// only once every byte is on disk, so a failed write leaves an earlier file untouched. An
// existing target keeps its permissions; a symbolic link keeps pointing where it did.
FileWriteResult WriteFileReplacing(const std::string& path, std::string_view bytes);
