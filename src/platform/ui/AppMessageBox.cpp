#include "AppMessageBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {
AppMessageBox::Hook& hook() {
    static AppMessageBox::Hook current;
    return current;
}
} // namespace

namespace AppMessageBox {

QString titleOf(Type type) {
    switch (type) {
    case Type::Information:
        return QCoreApplication::translate("MessageBox", "Information");
    case Type::Warning:
        return QCoreApplication::translate("MessageBox", "Warning");
    case Type::Confirmation:
        return QCoreApplication::translate("MessageBox", "Confirm");
    case Type::Error:
        return QCoreApplication::translate("MessageBox", "Error");
    }
    return QString();
}

Button defaultButton(Buttons buttons) {
    if (buttons & Ok)
        return Ok;
    if (buttons & Yes)
        return Yes;
    return buttons & No ? No : (buttons & Cancel ? Cancel : NoButton);
}

Button escapeButton(Buttons buttons) {
    if (buttons & Cancel)
        return Cancel;
    if (buttons & No)
        return No;
    return defaultButton(buttons);
}

void setTestHook(Hook newHook) {
    hook() = std::move(newHook);
}

Button show(Type type, const QString& text, Buttons buttons, QWidget* parent) {
    if (hook())
        return hook()(Record{type, text, buttons});

    QMessageBox box(parent);
    box.setWindowTitle(titleOf(type));
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (type) {
    case Type::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Type::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Type::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case Type::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    // Added as plain action buttons so the platform does not reorder them.
    struct Choice {
        Button button;
        const char* caption;
    };
    const Choice choices[] = {{Yes, "&Yes"}, {No, "&No"}, {Ok, "OK"}, {Cancel, "Cancel"}};
    QHash<QAbstractButton*, Button> answerOf;
    for (const Choice& choice : choices) {
        if (!(buttons & choice.button))
            continue;
        QPushButton* button = box.addButton(
            QCoreApplication::translate("MessageBox", choice.caption), QMessageBox::ActionRole);
        answerOf.insert(button, choice.button);
        if (choice.button == defaultButton(buttons))
            box.setDefaultButton(button);
        if (choice.button == escapeButton(buttons))
            box.setEscapeButton(button);
    }
    // Buttons and Escape hide the box without a close event; only its title bar (or the
    // window manager) closes it, and that is an answer of its own.
    struct CloseWatcher : QObject {
        bool closed = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Close)
                closed = true;
            return false;
        }
    } watcher;
    box.installEventFilter(&watcher);
    box.exec();
    if (watcher.closed)
        return NoButton;
    return answerOf.value(box.clickedButton(), escapeButton(buttons));
}

} // namespace AppMessageBox
