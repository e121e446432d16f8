#pragma once

class TBrindlecast;

namespace brindlecast
{

// Validates the project as "Start Conversion" does and runs its packing mode. The report lines
// go to standard output, each ending in "\n"; a validation message goes to standard error.
// Returns the exit status: 0 without error lines, 1 with them, 2 when validation refused.
// `compressionThreads` 0 takes the machine's count.
int ConvertAndReport(const TBrindlecast& project, unsigned compressionThreads);

} // namespace brindlecast
