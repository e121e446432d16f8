#include "cli/ThreadsOption.h"

#include <charconv>

namespace brindlecast
{

std::optional<unsigned> ParseThreadCount(const std::string& text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1
        || value > kMaxThreads)
        return std::nullopt;
    return value;
}

std::string ThreadCountError()
{
    return "--threads takes a whole number from 1 to " + std::to_string(kMaxThreads);
}

} // namespace brindlecast
