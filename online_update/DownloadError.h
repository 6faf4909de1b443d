#pragma once

#include <stdexcept>

// A download that did not deliver the whole reply body: no connection, an
// HTTP error status, a dead or oversized transfer, or a cancel.
class DownloadError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
