#pragma once

#include <stdexcept>

// An update step that cannot go on: an empty version reply, a download
// whose signature is missing or does not match.
class UpdateError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
