#include "TimeCounter.h"

#include <QElapsedTimer>

QString FormatTimeSpan(qint64 seconds) {
    seconds = std::max<qint64>(0, seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

namespace {
qint64 steadyNow() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}
} // namespace

TimeCounter::TimeCounter(QObject* parent) : QObject(parent), m_clock(steadyNow) {
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TimeCounter::OnTimer);
    m_startMs = m_clock();
    setCounting(true);
}

void TimeCounter::setClock(Clock clock) {
    m_clock = std::move(clock);
    Restart();
}

void TimeCounter::setEnabled(bool enabled) {
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

qint64 TimeCounter::ElapsedSeconds() const {
    if (!m_counting)
        return m_stoppedSeconds;
    return std::max<qint64>(0, (m_clock() - m_startMs) / 1000);
}

void TimeCounter::setCounting(bool counting) {
    if (counting == m_counting)
        return;
    if (!counting)
        m_stoppedSeconds = ElapsedSeconds();
    else
        m_startMs = m_clock() - m_stoppedSeconds * 1000;
    m_counting = counting;
}

void TimeCounter::Restart() {
    m_startMs = m_clock();
    m_stoppedSeconds = 0;
}
