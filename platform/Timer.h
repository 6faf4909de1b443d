#pragma once

#include <QObject>
#include <QTimer>

// A periodic timer that, unlike QTimer, does not tick at interval 0: it runs
// only while enabled with a non-zero interval. A new interval restarts the
// count; setting the same interval again leaves the timer alone.
class Timer final : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    void setInterval(int milliseconds);
    [[nodiscard]] int interval() const { return interval_; }
    void setEnabled(bool enabled);
    [[nodiscard]] bool enabled() const { return enabled_; }
    [[nodiscard]] bool running() const { return timer_.isActive(); }

signals:
    void timeout();

private:
    void apply();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};
