#include "imaging/JpegErrorTrap.h"

#include <cstdio>

namespace brindlecast::imaging
{

static_assert(std::is_standard_layout_v<JpegErrorTrap>);

JpegErrorTrap::JpegErrorTrap()
{
    jpeg_std_error(&manager_);
    manager_.error_exit = &JpegErrorTrap::onErrorExit;
    manager_.output_message = &JpegErrorTrap::onOutputMessage;
}

bool JpegErrorTrap::runStep(void (*step)(void*), void* context)
{
    // Nothing with a destructor may live in this frame: libjpeg's longjmp skips it.
    if (setjmp(jump_) != 0)
        return false;
    step(context);
    return true;
}

void JpegErrorTrap::fail(j_common_ptr cinfo, const char* reason)
{
    JpegErrorTrap& trap = of(cinfo);
    std::snprintf(trap.failure_, sizeof trap.failure_, "%s", reason);
    std::longjmp(trap.jump_, 1);
}

std::string JpegErrorTrap::warning() const
{
    if (manager_.num_warnings == 0)
        return {};
    std::string text = warning_;
    if (manager_.num_warnings > 1)
        text += " (and " + std::to_string(manager_.num_warnings - 1) + " more warnings)";
    return text;
}

JpegErrorTrap& JpegErrorTrap::of(j_common_ptr cinfo)
{
    return *reinterpret_cast<JpegErrorTrap*>(cinfo->err);
}

void JpegErrorTrap::onErrorExit(j_common_ptr cinfo)
{
    JpegErrorTrap& trap = of(cinfo);
    (*cinfo->err->format_message)(cinfo, trap.failure_);
    std::longjmp(trap.jump_, 1);
}

void JpegErrorTrap::onOutputMessage(j_common_ptr cinfo)
{
    // libjpeg passes only the first warning here (trace messages stay off).
    JpegErrorTrap& trap = of(cinfo);
    (*cinfo->err->format_message)(cinfo, trap.warning_);
}

} // namespace brindlecast::imaging
