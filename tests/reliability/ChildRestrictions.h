#pragma once

#include <cstdint>
#include <optional>

namespace brindlecast::reliability
{

// No run may map more than this; outside sanitizer builds children run under it as RLIMIT_AS,
// so a larger allocation fails in the child instead of passing unseen.
inline constexpr std::uint64_t kMemoryLimitBytes = std::uint64_t { 1 } << 30;

// Whether children run as nobody (the tests run as root).
bool childrenDropRoot();
// Whether children run under the RLIMIT_AS of kMemoryLimitBytes.
bool childrenHaveMemoryLimit();

// Puts the calling child process under the tests' conditions: the memory limit, an optional
// file size limit (RLIMIT_FSIZE with SIGXFSZ ignored, so that writes past it fail as on a full
// disk) and, under root, the identity of nobody, so that file permissions apply as they would
// to a user. Only async-signal-safe calls, for use between fork and exec. False on failure.
bool restrictChild(std::optional<std::uint64_t> fileSizeLimit);

} // namespace brindlecast::reliability
