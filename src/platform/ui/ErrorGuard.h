#pragma once

#include <QApplication>
#include <functional>

// Runs an event handler; an error it raises is shown in the error box, and the program
// goes on in the state the completed steps left.
namespace ErrorGuard {

void run(const std::function<void()>& handler);

// A slot that runs a member handler behind the guard.
template <typename Object> auto guarded(Object* object, void (Object::*handler)()) {
    return [object, handler] { run([object, handler] { (object->*handler)(); }); };
}

} // namespace ErrorGuard

// The application object: the last guard for any handler that raises an error.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
