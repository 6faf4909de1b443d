#pragma once

#include <cstdint>
#include <functional>
#include <string>

// HTTP GET of a URL into a file or into memory over libcurl, synchronous:
// each call returns when the transfer has ended. Every failure throws
// DownloadError: no connection, an HTTP error status (an error page is never
// stored as the reply), a server that stops sending, a body over the size
// cap, a cancel from the progress handler. A file is received beside its
// target and renamed over it only when complete, so a failed download never
// leaves a partial file under the target's name. One object serves any
// number of requests and keeps its connections between them. Proxy settings
// of the environment are not used.
class Downloader final {
public:
    struct Limits {
        long connectTimeoutSeconds = 10;
        // A transfer slower than this many bytes a second for lowSpeedSeconds
        // has died. Meanwhile the progress handler keeps the window alive and
        // offers a cancel.
        long lowSpeedBytesPerSecond = 1;
        long lowSpeedSeconds = 20;
        // A request without a progress handler runs no window events and
        // cannot be cancelled, so the window looks frozen while it lasts: it
        // is bounded as a whole, connecting included, and kept under the
        // 5 s after which desktops call an unanswering window hung.
        long quietRequestSeconds = 4;
        std::uint64_t maxFileBytes = 64u * 1024u * 1024u;
        long maxRedirects = 5;
    };

    // Runs at each progress report of a file download; setting cancel aborts
    // the transfer. Byte counts are taken as 32-bit.
    using ProgressHandler = std::function<void(Downloader& sender, std::uint32_t soFar, std::uint32_t expected, bool& cancel)>;

    Downloader();
    explicit Downloader(const Limits& limits);
    Downloader(const Downloader&) = delete;
    Downloader& operator=(const Downloader&) = delete;
    ~Downloader();

    // Stores the reply body in target, replacing it; the body may be at most
    // maxBytes long (0: the limits' maxFileBytes).
    void download(const std::string& url, const std::string& target, const ProgressHandler& progress = {},
                  std::uint64_t maxBytes = 0);
    // The reply body, which may be at most maxBytes long.
    [[nodiscard]] std::string fetch(const std::string& url, std::uint64_t maxBytes);

    struct Transfer;

private:
    void perform(const std::string& url, Transfer& transfer);

    void* curl_;
    // Drives each transfer and keeps the connections between requests.
    void* multi_;
    Limits limits_;
};
