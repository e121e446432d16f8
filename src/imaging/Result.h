#pragma once

#include <string>
#include <utility>
#include <variant>

namespace brindlecast::imaging
{

// Why an image could not be read or written; the text names the file and what failed.
struct ImagingError {
    std::string message;
};

// The outcome of an operation on an image file: a value or the error that stopped it.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value)
        : state_(std::move(value))
    {
    }
    Result(ImagingError error)
        : state_(std::move(error))
    {
    }

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }

    const std::string& error() const { return std::get<ImagingError>(state_).message; }

private:
    std::variant<T, ImagingError> state_;
};

// The outcome of an operation that yields nothing but success or an error.
template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(ImagingError error)
        : error_(std::move(error.message))
        , failed_(true)
    {
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

private:
    std::string error_;
    bool failed_ = false;
};

} // namespace brindlecast::imaging
