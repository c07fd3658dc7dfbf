#include "ErrorGuard.h"

#include "AppMessageBox.h"
#include "StoreError.h"

namespace ErrorGuard {

void run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const StoreError& error) {
        AppMessageBox::error(error.text());
    } catch (const std::exception& error) {
        AppMessageBox::error(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace ErrorGuard

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    ErrorGuard::run([&] { result = QApplication::notify(receiver, event); });
    return result;
}
