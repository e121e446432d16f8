#pragma once

#include <string>

// What loading a project file came to. Message holds the text to show the user: empty when the
// file was accepted silently, the version message, "Invalid File Format :\r\n" + path, or the
// error that kept the file from being read.
struct [[nodiscard]] ProjectLoadOutcome {
    enum class Status {
        Accepted,
        AcceptedAfterVersionMessage,
        Refused,
        Unreadable,
    };

    Status status = Status::Accepted;
    std::string message;

    bool accepted() const
    {
        return status == Status::Accepted || status == Status::AcceptedAfterVersionMessage;
    }
};
