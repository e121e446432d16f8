#include "imaging/JpegMemoryDestination.h"

#include <jerror.h>
#include <new>
#include <type_traits>

namespace brindlecast::imaging
{

static_assert(std::is_standard_layout_v<JpegMemoryDestination>);

namespace
{

    constexpr std::size_t kFirstBufferSize = 64 * 1024;

} // namespace

JpegMemoryDestination::JpegMemoryDestination()
{
    manager_.init_destination = &JpegMemoryDestination::onInit;
    manager_.empty_output_buffer = &JpegMemoryDestination::onBufferFull;
    manager_.term_destination = &JpegMemoryDestination::onTerm;
}

JpegMemoryDestination& JpegMemoryDestination::of(j_compress_ptr cinfo)
{
    return *reinterpret_cast<JpegMemoryDestination*>(cinfo->dest);
}

void JpegMemoryDestination::onInit(j_compress_ptr cinfo)
{
    JpegMemoryDestination& destination = of(cinfo);
    destination.bytes_.clear();
    if (!destination.grow(0))
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
}

boolean JpegMemoryDestination::onBufferFull(j_compress_ptr cinfo)
{
    // The whole buffer is used; libjpeg's encoders keep next_output_byte and free_in_buffer in
    // their own copies meanwhile, so the manager's values are stale here and must be ignored.
    JpegMemoryDestination& destination = of(cinfo);
    if (!destination.grow(destination.bytes_.size()))
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    return TRUE;
}

void JpegMemoryDestination::onTerm(j_compress_ptr cinfo)
{
    JpegMemoryDestination& destination = of(cinfo);
    destination.bytes_.resize(destination.bytes_.size() - destination.manager_.free_in_buffer);
}

bool JpegMemoryDestination::grow(std::size_t used)
{
    // No exception may cross libjpeg's C frames, so a failed allocation becomes its error.
    try {
        bytes_.resize(bytes_.empty() ? kFirstBufferSize : bytes_.size() * 2);
    } catch (const std::bad_alloc&) {
        return false;
    }
    manager_.next_output_byte = bytes_.data() + used;
    manager_.free_in_buffer = bytes_.size() - used;
    return true;
}

} // namespace brindlecast::imaging
