#pragma once

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <string>
#include <type_traits>

namespace brindlecast::imaging
{

// Turns libjpeg's failures into return values and keeps its warnings off standard error.
// libjpeg ends a failing call through error_exit, which here jumps back into run(): a step run
// there may therefore hold only trivially destructible locals, and owns nothing it must free.
class JpegErrorTrap
{
public:
    JpegErrorTrap();
    JpegErrorTrap(const JpegErrorTrap&) = delete;
    JpegErrorTrap& operator=(const JpegErrorTrap&) = delete;

    // To be set as `err` of a compress or decompress struct before jpeg_create_*.
    jpeg_error_mgr* manager() { return &manager_; }

    // Runs `step()`; false when libjpeg failed in it, with the reason in failure().
    template <typename Step> bool run(Step& step)
    {
        static_assert(std::is_trivially_destructible_v<Step>);
        return runStep(&invoke<Step>, &step);
    }

    // Ends the running step as failed with `reason`; for callbacks libjpeg makes during run().
    [[noreturn]] static void fail(j_common_ptr cinfo, const char* reason);

    const char* failure() const { return failure_; }
    // The first warning libjpeg gave, with the count of further ones; empty when none.
    std::string warning() const;

private:
    template <typename Step> static void invoke(void* step) { (*static_cast<Step*>(step))(); }
    bool runStep(void (*step)(void*), void* context);

    static JpegErrorTrap& of(j_common_ptr cinfo);
    static void onErrorExit(j_common_ptr cinfo);
    static void onOutputMessage(j_common_ptr cinfo);

    jpeg_error_mgr manager_ {}; // first member: libjpeg hands it back as cinfo->err
    std::jmp_buf jump_ {};
    char failure_[JMSG_LENGTH_MAX] {};
    char warning_[JMSG_LENGTH_MAX] {};
};

} // namespace brindlecast::imaging
