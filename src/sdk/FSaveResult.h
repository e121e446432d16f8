#pragma once

#include <string>
#include <utility>

// Outcome of writing a movie file: either written, or an error text naming the file and what
// failed.
class [[nodiscard]] FSaveResult
{
public:
    static FSaveResult Written() { return FSaveResult({}); }
    static FSaveResult Failed(std::string error) { return FSaveResult(std::move(error)); }

    bool Ok() const { return error.empty(); }
    explicit operator bool() const { return Ok(); }
    const std::string& Error() const { return error; }

private:
    explicit FSaveResult(std::string error_)
        : error(std::move(error_))
    {
    }
    std::string error;
};
