#pragma once

#include <cstdint>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <utility>
#include <vector>

namespace brindlecast::imaging
{

// A libjpeg destination that collects the compressed file in a vector, growing it as needed.
class JpegMemoryDestination
{
public:
    JpegMemoryDestination();
    JpegMemoryDestination(const JpegMemoryDestination&) = delete;
    JpegMemoryDestination& operator=(const JpegMemoryDestination&) = delete;

    // To be set as `dest` of a compress struct.
    jpeg_destination_mgr* manager() { return &manager_; }
    // The finished file; valid after jpeg_finish_compress.
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    static JpegMemoryDestination& of(j_compress_ptr cinfo);
    static void onInit(j_compress_ptr cinfo);
    static boolean onBufferFull(j_compress_ptr cinfo);
    static void onTerm(j_compress_ptr cinfo);
    // Enlarges the buffer and points libjpeg past the `used` bytes already written.
    bool grow(std::size_t used);

    jpeg_destination_mgr manager_ {}; // first member: libjpeg hands it back as cinfo->dest
    std::vector<std::uint8_t> bytes_;
};

} // namespace brindlecast::imaging
