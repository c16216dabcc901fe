#pragma once
// The window's events as a stream of ticks, one a millisecond, with a keystroke every tenth:
// the longest gap between two ticks is the longest the window went without handling its events.
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace razo::bench {

class TypingTicks {
public:
    explicit TypingTicks(std::function<void()> key) : m_key(std::move(key)) {
        m_clock.start();
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] { Tick(); });
    }

    void Start() { m_tick.start(); }
    void Stop() { m_tick.stop(); }
    // Nanoseconds since the ticks were made.
    qint64 Elapsed() const { return m_clock.nsecsElapsed(); }
    double LongestPauseMs() const { return double(m_pause) / 1e6; }
    double LongestKeyMs() const { return double(m_longestKey) / 1e6; }

private:
    void Tick() {
        if (++m_ticks % 10 == 0) {
            const qint64 before = m_clock.nsecsElapsed();
            m_key();
            m_longestKey = std::max(m_longestKey, m_clock.nsecsElapsed() - before);
        }
        const qint64 now = m_clock.nsecsElapsed();
        m_pause = std::max(m_pause, now - m_last);
        m_last = now;
    }

    std::function<void()> m_key;
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_last = 0;
    qint64 m_pause = 0;
    qint64 m_longestKey = 0;
    int m_ticks = 0;
};

} // namespace razo::bench
