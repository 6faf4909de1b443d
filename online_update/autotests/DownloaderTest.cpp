#include "Downloader.h"

#include "DownloadError.h"
#include "FileOps.h"
#include "TestHttpServer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;

class DownloaderTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
    std::string url(const std::string& p) const { return "http://" + server.host() + p; }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    // Only the named files: nothing half-received is left beside them.
    std::vector<std::string> files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    QTemporaryDir dir;
    TestHttpServer server;
};

TEST_F(DownloaderTest, StoresTheBodyReplacingTheFileAndKeepsBytes)
{
    std::string body;
    for (int i = 0; i < 300000; ++i)
        body += static_cast<char>(i * 7);
    server.route("/vandra/slownik.exe", {.body = body});
    write("slownik_nowy", "old content");
    Downloader downloader;
    downloader.download(url("/vandra/slownik.exe"), path("slownik_nowy"));
    EXPECT_EQ(FileOps::readAll(path("slownik_nowy")), body);
    EXPECT_EQ(files(), std::vector<std::string>{"slownik_nowy"});
}

TEST_F(DownloaderTest, SendsTheQueryAsGiven)
{
    server.route("/vandra/sprawdz.php", {.body = "0"});
    Downloader downloader;
    downloader.download(url("/vandra/sprawdz.php?exe=&txt=17"), path("temp.tmp"));
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], "/vandra/sprawdz.php?exe=&txt=17");
}

TEST_F(DownloaderTest, HttpErrorStatusFailsAndLeavesTheOldFile)
{
    server.route("/vandra/blad", {.status = 500, .body = "error page"});
    write("temp.tmp", "1");
    Downloader downloader;
    EXPECT_THROW(downloader.download(url("/vandra/slownik.txt"), path("temp.tmp")), DownloadError);
    EXPECT_THROW(downloader.download(url("/vandra/blad"), path("temp.tmp")), DownloadError);
    EXPECT_EQ(FileOps::readAll(path("temp.tmp")), "1");
    EXPECT_EQ(files(), std::vector<std::string>{"temp.tmp"});
}

TEST_F(DownloaderTest, RefusedConnectionFails)
{
    server.stopListening();
    Downloader downloader;
    EXPECT_THROW(downloader.download(url("/vandra/slownik.txt"), path("slownik_nowy.txt")), DownloadError);
    EXPECT_TRUE(files().empty());
}

TEST_F(DownloaderTest, CancelAtTheFirstReportAbortsAndStoresNothing)
{
    server.route("/vandra/slownik.txt", {.body = std::string(200000, 'a'), .chunkBytes = 20000, .chunkPause = 20ms});
    Downloader downloader;
    int reports = 0;
    EXPECT_THROW(downloader.download(url("/vandra/slownik.txt"), path("slownik_nowy.txt"),
                                     [&](Downloader&, std::uint32_t, std::uint32_t, bool& cancel) {
                                         ++reports;
                                         cancel = true;
                                     }),
                 DownloadError);
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(files().empty());
}

TEST_F(DownloaderTest, ProgressReportsBytesSoFarAndExpected)
{
    const std::string body(100000, 'b');
    server.route("/vandra/slownik.txt", {.body = body, .chunkBytes = 25000, .chunkPause = 10ms});
    Downloader downloader;
    std::uint32_t last = 0, expected = 0;
    bool monotonic = true;
    downloader.download(url("/vandra/slownik.txt"), path("slownik_nowy.txt"),
                        [&](Downloader&, std::uint32_t soFar, std::uint32_t total, bool& cancel) {
                            EXPECT_FALSE(cancel);
                            monotonic = monotonic && soFar >= last;
                            last = soFar;
                            expected = std::max(expected, total);
                        });
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(last, body.size());
    EXPECT_EQ(expected, body.size());
}

TEST_F(DownloaderTest, ExceptionFromTheHandlerPassesThroughLibcurl)
{
    server.route("/vandra/slownik.txt", {.body = "abc"});
    Downloader downloader;
    EXPECT_THROW(downloader.download(url("/vandra/slownik.txt"), path("slownik_nowy.txt"),
                                     [](Downloader&, std::uint32_t, std::uint32_t, bool&) { throw std::logic_error("x"); }),
                 std::logic_error);
    EXPECT_TRUE(files().empty());
}

TEST_F(DownloaderTest, BodyOverTheCapFailsWithOrWithoutLength)
{
    server.route("/vandra/duzy", {.body = std::string(5000, 'x')});
    server.route("/vandra/strumien", {.body = std::string(5000, 'x'), .contentLength = false});
    Downloader::Limits limits;
    limits.maxFileBytes = 4096;
    Downloader downloader(limits);
    EXPECT_THROW(downloader.download(url("/vandra/duzy"), path("a")), DownloadError);
    EXPECT_THROW(downloader.download(url("/vandra/strumien"), path("b")), DownloadError);
    EXPECT_TRUE(files().empty());
    EXPECT_THROW((void)downloader.fetch(url("/vandra/strumien"), 64), DownloadError);
}

TEST_F(DownloaderTest, StalledServerFailsInsteadOfHanging)
{
    server.route("/vandra/slownik.exe", {.body = std::string(1000, 'x'), .chunkBytes = 500, .chunkPause = 8000ms});
    Downloader::Limits limits;
    limits.lowSpeedSeconds = 1;
    Downloader downloader(limits);
    EXPECT_THROW(downloader.download(url("/vandra/slownik.exe"), path("slownik_nowy")), DownloadError);
    EXPECT_TRUE(files().empty());
}

TEST_F(DownloaderTest, FollowsRedirectsButNotForEver)
{
    server.route("/vandra/slownik.txt", {.status = 302, .headers = {"Location: /mirror/slownik.txt"}});
    server.route("/mirror/slownik.txt", {.body = "tekst"});
    server.route("/loop", {.status = 302, .headers = {"Location: /loop"}});
    Downloader downloader;
    downloader.download(url("/vandra/slownik.txt"), path("slownik_nowy.txt"));
    EXPECT_EQ(FileOps::readAll(path("slownik_nowy.txt")), "tekst");
    EXPECT_THROW(downloader.download(url("/loop"), path("temp.tmp")), DownloadError);
    EXPECT_LE(server.countOf("/loop"), 10);
}

TEST_F(DownloaderTest, IgnoresProxySettingsOfTheEnvironment)
{
    server.route("/vandra/sprawdz.php", {.body = "0"});
    ::setenv("http_proxy", "http://127.0.0.1:9", 1);
    ::setenv("HTTP_PROXY", "http://127.0.0.1:9", 1);
    Downloader downloader;
    EXPECT_NO_THROW(downloader.download(url("/vandra/sprawdz.php?exe=1&txt=2"), path("temp.tmp")));
    ::unsetenv("http_proxy");
    ::unsetenv("HTTP_PROXY");
}

TEST_F(DownloaderTest, ReadOnlyOrDirectoryTargetIsNotReplaced)
{
    server.route("/vandra/slownik.txt", {.body = "nowy"});
    write("slownik_nowy.txt", "stary");
    ASSERT_EQ(::chmod(path("slownik_nowy.txt").c_str(), 0444), 0);
    std::filesystem::create_directory(path("temp.tmp"));
    Downloader downloader;
    EXPECT_THROW(downloader.download(url("/vandra/slownik.txt"), path("slownik_nowy.txt")), DownloadError);
    EXPECT_THROW(downloader.download(url("/vandra/slownik.txt"), path("temp.tmp")), DownloadError);
    EXPECT_EQ(FileOps::readAll(path("slownik_nowy.txt")), "stary");
    EXPECT_EQ(files(), (std::vector<std::string>{"slownik_nowy.txt", "temp.tmp"}));
}

TEST_F(DownloaderTest, FetchReturnsTheBody)
{
    server.route("/vandra/slownik.txt.sig", {.body = std::string(64, '\x01')});
    Downloader downloader;
    EXPECT_EQ(downloader.fetch(url("/vandra/slownik.txt.sig"), 4096), std::string(64, '\x01'));
    EXPECT_THROW((void)downloader.fetch(url("/vandra/slownik.exe.sig"), 4096), DownloadError);
}

} // namespace
