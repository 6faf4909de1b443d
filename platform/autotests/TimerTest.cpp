#include "Timer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

int ticksDuring(Timer& timer, int milliseconds)
{
    int ticks = 0;
    const auto connection = QObject::connect(&timer, &Timer::timeout, [&ticks] { ++ticks; });
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return ticks;
}

} // namespace

TEST(Timer, IntervalZeroGivesNoTicksUntilANewInterval)
{
    Timer timer;
    timer.setEnabled(true);
    EXPECT_FALSE(timer.running());
    EXPECT_EQ(ticksDuring(timer, 60), 0);
    timer.setInterval(5);
    EXPECT_GT(ticksDuring(timer, 60), 0);
    timer.setInterval(0);
    EXPECT_FALSE(timer.running());
    EXPECT_EQ(ticksDuring(timer, 60), 0);
}

TEST(Timer, SwitchedOffGivesNoTicks)
{
    Timer timer;
    timer.setInterval(5);
    EXPECT_EQ(ticksDuring(timer, 40), 0);
    timer.setEnabled(true);
    timer.setEnabled(false);
    EXPECT_EQ(ticksDuring(timer, 40), 0);
}
