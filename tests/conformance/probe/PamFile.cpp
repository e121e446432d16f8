#include "PamFile.h"

#include <fstream>
#include <string>

namespace brindlecast::conformance
{

bool writePam(const std::filesystem::path& path, const SourcePicture& picture)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "P7\nWIDTH " << picture.width << "\nHEIGHT " << picture.height
        << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    out.write(reinterpret_cast<const char*>(picture.rgba.data()),
        static_cast<std::streamsize>(picture.rgba.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace brindlecast::conformance
