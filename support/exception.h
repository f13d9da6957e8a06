// support/exception.h
#pragma once

#include <cstdint>

enum class ExceptionCode : std::uint32_t {
    User = 0x0500900E,  // the user asked to stop; a cancellation, not an error
    Resource = 0x05009012,
    FileOpen = 0x05009202,
    FileWrite = 0x05009204,
    Stream = 0x05009600,
};

// The installer's one exception class: a code and the fixed text that belongs to it. Thrown by
// value, caught by reference; the message is a constant and is never freed.
class Exception {
public:
    explicit Exception(ExceptionCode code);
    Exception(std::uint32_t code, const char* message) : code_(code), message_(message) {}
    Exception(const Exception&) = default;
    Exception& operator=(const Exception&) = default;
    virtual ~Exception();

    std::uint32_t Code() const { return code_; }
    const char* Message() const { return message_; }
    bool Is(ExceptionCode code) const { return code_ == static_cast<std::uint32_t>(code); }

private:
    std::uint32_t code_;
    const char* message_;
};
