#include "ChildRestrictions.h"

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

namespace brindlecast::reliability
{
namespace
{

    constexpr uid_t kNobody = 65534;
    constexpr gid_t kNoGroup = 65534;

    bool limit(int resource, std::uint64_t bytes)
    {
        const rlimit value { bytes, bytes };
        return setrlimit(resource, &value) == 0;
    }

} // namespace

bool childrenDropRoot()
{
    return geteuid() == 0;
}

bool childrenHaveMemoryLimit()
{
#ifdef BRINDLECAST_SANITIZED
    // The sanitizers reserve terabytes of address space for their shadow memory.
    return false;
#else
    return true;
#endif
}

bool restrictChild(std::optional<std::uint64_t> fileSizeLimit)
{
    if (childrenHaveMemoryLimit() && !limit(RLIMIT_AS, kMemoryLimitBytes))
        return false;
    if (fileSizeLimit) {
        signal(SIGXFSZ, SIG_IGN);
        if (!limit(RLIMIT_FSIZE, *fileSizeLimit))
            return false;
    }
    return !childrenDropRoot()
        || (setgroups(0, nullptr) == 0 && setgid(kNoGroup) == 0 && setuid(kNobody) == 0);
}

} // namespace brindlecast::reliability
