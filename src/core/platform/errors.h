// Exception kinds shared by every subsystem.
#pragma once

#include <stdexcept>
#include <string>

// The input/output error kind: failures of file operations, carrying the
// text the user sees ("Bad open of: C:\X", "Disk full?").
class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(const std::string& message, int code = 0)
        : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// A value that does not convert ("'12x' is not a valid integer value").
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
