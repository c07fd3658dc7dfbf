#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// "H:MM:SS" for a span in whole seconds; negative spans show as 0:00:00.
QString FormatTimeSpan(qint64 seconds);

// A timer that ticks at a fixed interval and, independently of its ticks, measures the
// elapsed time on a clock, so a late tick never loses time.
class TimeCounter : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>; // milliseconds on a steady clock

    explicit TimeCounter(QObject* parent = nullptr);

    // Tests replace the clock; the count restarts from it.
    void setClock(Clock clock);

    void setEnabled(bool enabled);
    bool enabled() const { return m_timer.isActive(); }
    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    int interval() const { return m_timer.interval(); }

    bool Counting() const { return m_counting; }
    void setCounting(bool counting);
    // Whole seconds since the last restart.
    qint64 ElapsedSeconds() const;
    QString Elapsed() const { return FormatTimeSpan(ElapsedSeconds()); }
    void Restart();

signals:
    void OnTimer();

private:
    QTimer m_timer;
    Clock m_clock;
    qint64 m_startMs = 0;
    qint64 m_stoppedSeconds = 0;
    bool m_counting = false;
};
