#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Runs `action` once, as soon as `ready()` holds. It polls from the event loop, so it also
// acts inside the loop of a modal dialog that the test has just opened.
inline void ActWhen(QObject* context, std::function<bool()> ready, std::function<void()> action) {
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context,
                     [poll, ready = std::move(ready), action = std::move(action)] {
                         if (!ready())
                             return;
                         poll->stop();
                         poll->deleteLater();
                         action();
                     });
    poll->start(5);
}
