#pragma once

#include <string>

namespace brindlecast
{

// Paths are native "/" paths. The extension is the text from the last dot of the file name
// part, dot included; a dot in a folder name does not count.

enum class ImageKind { Gif, Jpeg, Unsupported };

// ".GIF" and ".JPG", compared in upper case; every other extension, ".JPEG" included, is
// unsupported.
ImageKind ImageKindOf(const std::string& path);

std::string FolderPart(const std::string& path); // with the trailing "/", or empty
std::string FileNamePart(const std::string& path);
std::string WithoutExtension(const std::string& path);

// The movie that "1 SWF For each Gif" writes for frame `frameNumber` (from 1) of a source with
// `frameCount` pictures: "anim_F2.swf" beside "anim.gif", or "photo.swf" for a single picture.
std::string EachImageMovieName(const std::string& sourcePath, int frameNumber, int frameCount);

// The name "SWF Image Library" exports that picture under: "anim_F2", or "photo".
std::string LibraryExportName(const std::string& sourcePath, int frameNumber, int frameCount);

// A bare name goes into `programFolder`; the extension becomes ".swf" (added when missing).
std::string ResolveOutputPath(const std::string& output, const std::string& programFolder);

} // namespace brindlecast
