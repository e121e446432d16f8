#pragma once

#include <functional>

namespace brindlecast::testsupport
{

// Runs `body` in a forked child process and returns its exit status: the body's own result,
// or 128 + the signal that ended it. Serves checks that change what the whole process may do
// (resource limits, signal handling) or that must run at the same time as another process.
int runInChild(const std::function<int()>& body);

} // namespace brindlecast::testsupport
