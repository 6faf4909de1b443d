#include "Updater.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A stand-in for slownik: holds a shared lock on its own file for its whole
// run, as the real program does, and appends "<tag> <session> <stdout>" to
// "started". It keeps running while a file "hold" exists (bounded, so that a
// failed test leaves nothing behind for long).
std::string standIn(const std::string& tag)
{
    return "#!/bin/sh\n"
           "exec 9<\"$0\"\n"
           "flock -s 9\n"
           "set -- $(cat /proc/$$/stat)\n"
           "echo \"" + tag + " $6 $(readlink /proc/$$/fd/1)\" >> started\n"
           "n=0\n"
           "while [ -e hold ] && [ $n -lt 500 ]; do sleep 0.02; n=$((n+1)); done\n";
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& content, fs::perms mode)
{
    std::ofstream(path, std::ios::binary) << content;
    fs::permissions(path, mode);
}

std::vector<std::string> startedLines(const fs::path& dir)
{
    std::vector<std::string> lines;
    std::istringstream in(readFile(dir / "started"));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Waits, within a generous bound, until `count` programs have reported in.
bool waitForStarts(const fs::path& dir, std::size_t count)
{
    for (int i = 0; i < 1000; ++i) {
        if (startedLines(dir).size() >= count)
            return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

pid_t spawnIn(const fs::path& dir, const std::string& program, const fs::path& out, const fs::path& err)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

class UpdaterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "updater_test_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        app = root / "app";
        fs::create_directory(app);
    }

    void TearDown() override
    {
        fs::remove(app / "hold");
        for (const pid_t pid : children)
            ::waitpid(pid, nullptr, 0);
        fs::remove_all(root);
    }

    void installOld() { writeFile(app / "slownik", standIn("old"), fs::perms(0755)); }
    // Written as a download is: not executable.
    void installNew() { writeFile(app / "slownik_nowy", standIn("new"), fs::perms(0644)); }

    // Starts the old program and waits until it holds its lock.
    void startHolder()
    {
        writeFile(app / "hold", "", fs::perms(0644));
        const pid_t pid = spawnIn(app, "./slownik", root / "holder.out", root / "holder.err");
        ASSERT_GT(pid, 0);
        children.push_back(pid);
        ASSERT_TRUE(waitForStarts(app, 1));
    }

    fs::path root;
    fs::path app;
    std::vector<pid_t> children;
};

// The pauses counted instead of slept; a test may act at a given pause.
struct CountingSleeper {
    int pauses = 0;
    std::function<void(int)> onPause = [](int) {};
    Retry retry()
    {
        return Retry(Updater::Attempts, Updater::Pause, [this](std::chrono::milliseconds pause) {
            EXPECT_EQ(pause, 100ms);
            onPause(++pauses);
        });
    }
};

struct WaitCase {
    const char* name;
    bool held;
    int releasedAtPause; // 0: never released
    bool free;
    int attempts;
};

void PrintTo(const WaitCase& c, std::ostream* os) { *os << c.name; }

class UpdaterWaitTest : public UpdaterTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(UpdaterWaitTest, countsAttemptsUntilTheProgramFileIsFree)
{
    const WaitCase c = GetParam();
    installOld();
    int lock = -1;
    if (c.held) {
        lock = ::open((app / "slownik").c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(lock, LOCK_SH), 0);
    }
    CountingSleeper sleeper;
    sleeper.onPause = [&](int pause) {
        if (pause == c.releasedAtPause)
            ::close(std::exchange(lock, -1));
    };

    const Retry::Outcome outcome = Updater(app.string(), sleeper.retry()).waitUntilProgramFree();

    EXPECT_EQ(outcome.done, c.free);
    EXPECT_EQ(outcome.attempts, c.attempts);
    EXPECT_EQ(sleeper.pauses, c.attempts - 1);
    if (lock >= 0)
        ::close(lock);
}

INSTANTIATE_TEST_SUITE_P(Cases, UpdaterWaitTest,
    ::testing::Values(
        WaitCase{"notRunning", false, 0, true, 1},
        WaitCase{"endsAfterThreePauses", true, 3, true, 4},
        WaitCase{"runsForTheWholeWindow", true, 0, false, 21}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdaterTest, waitsForNothingWithoutANewProgram)
{
    installOld();
    const int lock = ::open((app / "slownik").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_SH), 0);
    CountingSleeper sleeper;

    const Updater::Report report = Updater(app.string(), sleeper.retry()).run();
    ::close(lock);

    EXPECT_FALSE(report.newProgramFound);
    EXPECT_EQ(report.waitAttempts, 0);
    EXPECT_FALSE(report.replaced);
    EXPECT_EQ(sleeper.pauses, 0);
    ASSERT_TRUE(waitForStarts(app, 1));
    EXPECT_EQ(startedLines(app)[0].substr(0, 4), "old ");
}

TEST_F(UpdaterTest, newProgramTakesTheOldPermissionsAndCanRun)
{
    writeFile(app / "slownik", standIn("old"), fs::perms(0750));
    writeFile(app / "slownik_nowy", standIn("new"), fs::perms(0600));
    CountingSleeper sleeper;

    EXPECT_TRUE(Updater(app.string(), sleeper.retry()).replaceProgram());

    EXPECT_EQ(fs::status(app / "slownik").permissions(), fs::perms(0751));
    EXPECT_EQ(readFile(app / "slownik"), standIn("new"));
    EXPECT_FALSE(fs::exists(app / "slownik_nowy"));
}

TEST_F(UpdaterTest, newProgramIsMadeExecutableWhenThereIsNoOldOne)
{
    installNew();
    CountingSleeper sleeper;

    EXPECT_TRUE(Updater(app.string(), sleeper.retry()).replaceProgram());

    EXPECT_EQ(fs::status(app / "slownik").permissions(), fs::perms(0755));
}

TEST_F(UpdaterTest, renameThatCannotSucceedIsNotRetried)
{
    // A directory where the program file belongs: no wait makes the rename possible.
    fs::create_directories(app / "slownik" / "inside");
    installNew();
    CountingSleeper sleeper;

    EXPECT_FALSE(Updater(app.string(), sleeper.retry()).replaceProgram());

    EXPECT_EQ(sleeper.pauses, 0);
    EXPECT_EQ(readFile(app / "slownik_nowy"), standIn("new"));
}

// The real program, run as slownik runs it: from the application directory.
enum class OldProgram { Ended, EndsDuringTheWait, RunsForTheWholeWindow };

struct RunCase {
    const char* name;
    OldProgram old;
    bool newProgram;
    const char* startedTag;
    bool replaced;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class UpdateProgramTest : public UpdaterTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(UpdateProgramTest, startsTheRightProgramSilently)
{
    const RunCase c = GetParam();
    installOld();
    if (c.newProgram)
        installNew();
    std::size_t startsBefore = 0;
    if (c.old != OldProgram::Ended) {
        startHolder();
        startsBefore = 1;
    }

    const pid_t update = spawnIn(app, UPDATE_PROGRAM, root / "update.out", root / "update.err");
    ASSERT_GT(update, 0);
    if (c.old == OldProgram::EndsDuringTheWait)
        fs::remove(app / "hold");
    int status = -1;
    ASSERT_EQ(::waitpid(update, &status, 0), update);

    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readFile(root / "update.out"), "");
    EXPECT_EQ(readFile(root / "update.err"), "");

    ASSERT_TRUE(waitForStarts(app, startsBefore + 1));
    std::istringstream started(startedLines(app).back());
    std::string tag, session, output;
    started >> tag >> session >> output;
    EXPECT_EQ(tag, c.startedTag);
    EXPECT_NE(std::atoi(session.c_str()), ::getsid(0)) << "not detached into a session of its own";
    EXPECT_EQ(output, "/dev/null");

    EXPECT_EQ(readFile(app / "slownik"), standIn(c.replaced ? "new" : "old"));
    EXPECT_EQ(fs::exists(app / "slownik_nowy"), c.newProgram && !c.replaced);
}

INSTANTIATE_TEST_SUITE_P(Cases, UpdateProgramTest,
    ::testing::Values(
        RunCase{"programAlreadyEnded", OldProgram::Ended, true, "new", true},
        RunCase{"programEndsDuringTheWait", OldProgram::EndsDuringTheWait, true, "new", true},
        RunCase{"programRunsForTheWholeWindow", OldProgram::RunsForTheWholeWindow, true, "old", false},
        RunCase{"noNewProgram", OldProgram::Ended, false, "old", false}),
    [](const auto& info) { return std::string(info.param.name); });

}
