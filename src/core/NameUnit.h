#pragma once

#include "Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Asks for the candidate's name and the time limit (and, for a random exam, how many items)
// before an exam starts. It keeps its entries from one exam to the next.
class TNameForm : public Form {
    Q_OBJECT
public:
    explicit TNameForm(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr; // today's date
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* NameEdit = nullptr;
    QSpinBox* SpinEdit1 = nullptr; // minutes
    QSpinBox* SpinEdit2 = nullptr; // number of questions
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // Set by OK: the name typed and the limit as a fraction of a day.
    QString CandidateName;
    double TimeLimit = 0;

    void BitBtn1Click();
    // Enables the question count, coloured as an enabled or a disabled field.
    void setQuestionCountEnabled(bool enabled);

protected:
    void showEvent(QShowEvent* event) override;
};
