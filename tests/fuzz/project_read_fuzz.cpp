// Feeds arbitrary bytes to the project file reader. Besides not crashing or hanging, an
// accepted file must leave the two records equal (a freshly loaded project is unmodified) and a
// refused one must leave them as they were.
#include "project/ProjectComparison.h"
#include "project/ProjectFileReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    TBrindlecast current;
    TBrindlecast saved;
    const ProjectLoadOutcome outcome = ParseProjectText(source, "fuzz.imx", current, saved);
    if (outcome.accepted() && (current.Untouched || ProjectsDiffer(current, saved)))
        std::abort();
    if (!outcome.accepted() && (!current.Untouched || ProjectsDiffer(current, TBrindlecast())))
        std::abort();
    return 0;
}
