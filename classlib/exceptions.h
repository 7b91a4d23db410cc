#pragma once

#include <exception>
#include <string>

// The error family the program raises: every failure that reaches the user is
// one of these, and its message is what the error report shows.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// An embedded resource could not be found or loaded.
class EResNotFound : public Exception {
public:
    explicit EResNotFound(const std::string& resourceName);
};

// A file could not be created or replaced.
class EFCreateError : public Exception {
public:
    explicit EFCreateError(const std::string& fileName);
};

// A write request failed or wrote fewer bytes than asked.
class EWriteError : public Exception {
public:
    EWriteError();
};
