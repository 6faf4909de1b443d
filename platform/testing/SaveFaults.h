#pragma once

// Helpers of the tests that kill saves part-way.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// How long a child takes from its start to its end when it runs work once.
inline int microsecondsInAChild(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return static_cast<int>(clock.nsecsElapsed() / 1000);
}

// Removes and counts the files of dir not named in keep: what a killed save
// left beside its target.
inline int removeFilesExcept(const QString& dir, const QStringList& keep)
{
    int left = 0;
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden)) {
        if (!keep.contains(name))
            left += QFile::remove(dir + u'/' + name) ? 1 : 0;
    }
    return left;
}
