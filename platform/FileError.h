#pragma once

#include <stdexcept>
#include <string>

// A failed file operation; what() is the message the user is shown.
class FileError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
