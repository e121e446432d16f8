#pragma once

#include <string>
#include <utility>
#include <variant>

namespace brindlecast::swfread
{

// The outcome of reading: a value, or an error text that names the source and what failed.
template <typename T> class [[nodiscard]] SwfReadResult
{
public:
    static SwfReadResult success(T value) { return SwfReadResult(std::move(value)); }
    static SwfReadResult failure(std::string error)
    {
        SwfReadResult result;
        result.state_ = Error { std::move(error) };
        return result;
    }

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }

    // Empty when ok().
    const std::string& error() const
    {
        static const std::string none;
        return ok() ? none : std::get<Error>(state_).text;
    }

private:
    struct Error {
        std::string text;
    };

    SwfReadResult() = default;
    explicit SwfReadResult(T value)
        : state_(std::move(value))
    {
    }

    std::variant<Error, T> state_;
};

} // namespace brindlecast::swfread
