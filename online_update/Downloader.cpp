#include "Downloader.h"

#include "DownloadError.h"
#include "FileOps.h"

#include <curl/curl.h>

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct Downloader::Transfer {
    Downloader* self = nullptr;
    const ProgressHandler* progress = nullptr;
    std::uint64_t maxBytes = 0;
    std::uint64_t received = 0;
    bool tooLarge = false;
    bool writeFailed = false;
    std::exception_ptr handlerError;
    std::function<bool(const char*, std::size_t)> sink;
};

namespace {

CURL* handleOf(void* curl)
{
    return static_cast<CURL*>(curl);
}

CURLM* multiOf(void* multi)
{
    return static_cast<CURLM*>(multi);
}

// While a server sends nothing, the transfer is looked at (and the progress
// handler, which serves window events, is run) this often; libcurl's own
// loop would wait up to a second.
constexpr int kPollMilliseconds = 50;

void initialiseLibraryOnce()
{
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!ready)
        throw DownloadError("The download service cannot be started");
}

std::size_t receiveBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& transfer = *static_cast<Downloader::Transfer*>(user);
    const std::size_t bytes = size * count;
    transfer.received += bytes;
    if (transfer.received > transfer.maxBytes) {
        transfer.tooLarge = true;
        return 0;
    }
    if (!transfer.sink(data, bytes)) {
        transfer.writeFailed = true;
        return 0;
    }
    return bytes;
}

int reportProgress(void* user, curl_off_t expected, curl_off_t soFar, curl_off_t, curl_off_t)
{
    auto& transfer = *static_cast<Downloader::Transfer*>(user);
    bool cancel = false;
    try {
        (*transfer.progress)(*transfer.self, static_cast<std::uint32_t>(soFar), static_cast<std::uint32_t>(expected),
                             cancel);
    } catch (...) {
        // Nothing may unwind through libcurl: the error is raised once it has returned.
        transfer.handlerError = std::current_exception();
        return 1;
    }
    return cancel ? 1 : 0;
}

bool writeFully(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

mode_t newFileMode(const std::string& target)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The partly received file beside the target; removed unless it was completed.
class PartFile {
public:
    explicit PartFile(const std::string& target) : path_(target + ".XXXXXX")
    {
        fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
        if (fd_ < 0)
            throw DownloadError("Cannot create file \"" + target + "\". " + FileOps::describeError(errno));
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;
    ~PartFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!completed_)
            ::unlink(path_.c_str());
    }
    [[nodiscard]] int fd() const { return fd_; }

    void completeAs(const std::string& target)
    {
        const int fd = fd_;
        fd_ = -1;
        const bool written = ::fchmod(fd, newFileMode(target)) == 0 && ::fsync(fd) == 0;
        if (::close(fd) != 0 || !written)
            throw DownloadError("Stream write error");
        if (::rename(path_.c_str(), target.c_str()) != 0)
            throw DownloadError("Cannot create file \"" + target + "\". " + FileOps::describeError(errno));
        completed_ = true;
    }

private:
    std::string path_;
    int fd_ = -1;
    bool completed_ = false;
};

} // namespace

Downloader::Downloader() : Downloader(Limits{}) {}

Downloader::Downloader(const Limits& limits) : curl_(nullptr), multi_(nullptr), limits_(limits)
{
    initialiseLibraryOnce();
    curl_ = curl_easy_init();
    multi_ = curl_multi_init();
    if (!curl_ || !multi_) {
        curl_multi_cleanup(multiOf(multi_));
        curl_easy_cleanup(handleOf(curl_));
        throw DownloadError("The download service cannot be started");
    }
}

Downloader::~Downloader()
{
    curl_multi_cleanup(multiOf(multi_));
    curl_easy_cleanup(handleOf(curl_));
}

void Downloader::download(const std::string& url, const std::string& target, const ProgressHandler& progress,
                          std::uint64_t maxBytes)
{
    // A file without write permission is not replaced, as by every other writer of ours.
    if (FileOps::isReadOnly(target))
        throw DownloadError("Cannot create file \"" + target + "\". " + FileOps::describeError(EACCES));
    PartFile part(target);
    Transfer transfer;
    transfer.maxBytes = maxBytes ? maxBytes : limits_.maxFileBytes;
    transfer.progress = progress ? &progress : nullptr;
    const int fd = part.fd();
    transfer.sink = [fd](const char* data, std::size_t size) { return writeFully(fd, data, size); };
    perform(url, transfer);
    part.completeAs(target);
}

std::string Downloader::fetch(const std::string& url, std::uint64_t maxBytes)
{
    std::string body;
    Transfer transfer;
    transfer.maxBytes = maxBytes;
    transfer.sink = [&body](const char* data, std::size_t size) {
        body.append(data, size);
        return true;
    };
    perform(url, transfer);
    return body;
}

void Downloader::perform(const std::string& url, Transfer& transfer)
{
    CURL* curl = handleOf(curl_);
    // Options of an earlier request must not carry over; the connection cache does.
    curl_easy_reset(curl);
    transfer.self = this;
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits_.maxRedirects);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits_.connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits_.lowSpeedSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(transfer.maxBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &receiveBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    if (transfer.progress) {
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &reportProgress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    } else {
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 1L);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits_.quietRequestSeconds);
    }

    CURLM* multi = multiOf(multi_);
    CURLcode result = CURLE_FAILED_INIT;
    if (curl_multi_add_handle(multi, curl) == CURLM_OK) {
        int running = 1;
        while (running) {
            if (curl_multi_perform(multi, &running) != CURLM_OK)
                break;
            if (running && curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr) != CURLM_OK)
                break;
        }
        int left = 0;
        while (const CURLMsg* message = curl_multi_info_read(multi, &left)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == curl)
                result = message->data.result;
        }
        curl_multi_remove_handle(multi, curl);
    }
    // The error buffer lives on this stack frame only.
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    if (transfer.handlerError)
        std::rethrow_exception(transfer.handlerError);
    if (result == CURLE_OK)
        return;
    std::string cause;
    if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED)
        cause = "the reply is larger than allowed";
    else if (transfer.writeFailed)
        cause = "Stream write error";
    else if (result == CURLE_ABORTED_BY_CALLBACK)
        cause = "cancelled";
    else
        cause = errorText[0] ? errorText : curl_easy_strerror(result);
    throw DownloadError("Download of " + url + " failed: " + cause);
}
