#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brindlecast::fuzz
{

// Draws values from the fuzzer's bytes, front to back; past the end every value is 0, so any
// input describes a complete, finite movie.
class FuzzBytes
{
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size)
        : next(data)
        , end(data + size)
    {
    }

    bool empty() const { return next == end; }

    std::uint8_t byte() { return next == end ? 0 : *next++; }
    bool flag() { return (byte() & 1) != 0; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    std::uint32_t u32() { return u16() | std::uint32_t { u16() } << 16; }

    // 0 to count - 1.
    std::uint32_t below(std::uint32_t count) { return count == 0 ? 0 : u32() % count; }

    // A signed value of at most `maxBits` magnitude bits; a byte first picks how many, so that
    // small and large values are both common.
    std::int32_t signedValue(std::uint32_t maxBits)
    {
        const std::uint32_t bits = below(maxBits + 1);
        const std::uint32_t magnitude = bits == 0 ? 0 : u32() & ((std::uint32_t { 1 } << bits) - 1);
        return flag() ? -static_cast<std::int32_t>(magnitude)
                      : static_cast<std::int32_t>(magnitude);
    }

    // Up to maxLength bytes from 1 to 255: the writer's strings end at the first zero byte.
    std::string text(std::size_t maxLength)
    {
        std::string result(below(static_cast<std::uint32_t>(maxLength + 1)), ' ');
        for (char& c : result)
            c = static_cast<char>(byte() % 255 + 1);
        return result;
    }

    std::vector<std::uint8_t> bytes(std::size_t count)
    {
        std::vector<std::uint8_t> result(count);
        for (std::uint8_t& b : result)
            b = byte();
        return result;
    }

private:
    const std::uint8_t* next;
    const std::uint8_t* end;
};

} // namespace brindlecast::fuzz
