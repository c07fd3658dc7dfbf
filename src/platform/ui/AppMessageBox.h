#pragma once

#include <QFlags>
#include <QString>
#include <functional>

class QWidget;

// The program's message boxes: a type, a text in which "\r" breaks the line, and buttons
// shown in the fixed order Yes, No, OK, Cancel. OK is the default where present, otherwise
// Yes; Escape answers Cancel where present, otherwise No. A box closed by its title bar
// answers NoButton, which callers treat as "none of the buttons".
namespace AppMessageBox {

enum class Type { Information, Warning, Confirmation, Error };
enum Button { NoButton = 0, Yes = 1, No = 2, Ok = 4, Cancel = 8 };
Q_DECLARE_FLAGS(Buttons, Button)

struct Record {
    Type type;
    QString text; // as given, "\r" included
    Buttons buttons;
};

QString titleOf(Type type);
Button defaultButton(Buttons buttons);
Button escapeButton(Buttons buttons);

Button show(Type type, const QString& text, Buttons buttons, QWidget* parent = nullptr);
inline void information(const QString& text, QWidget* parent = nullptr) {
    show(Type::Information, text, Ok, parent);
}
inline void error(const QString& text, QWidget* parent = nullptr) {
    show(Type::Error, text, Ok, parent);
}

// While set, boxes are not shown: the hook receives each one and gives the answer.
using Hook = std::function<Button(const Record&)>;
void setTestHook(Hook hook);

} // namespace AppMessageBox

Q_DECLARE_OPERATORS_FOR_FLAGS(AppMessageBox::Buttons)
