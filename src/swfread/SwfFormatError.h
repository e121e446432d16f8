#pragma once

#include <stdexcept>

namespace brindlecast::swfread
{

// Raised inside the reader when the bytes break the format; the public functions catch it and
// return its text as an error value, so it never leaves the library.
class SwfFormatError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace brindlecast::swfread
