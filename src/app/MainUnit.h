#pragma once

#include "Form.h"

class QLabel;
class QFrame;
class ShapeButton;

// The launcher: the program's main window; closing it ends the program.
class TMainForm : public Form {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    QLabel* Logo = nullptr;
    QFrame* Panel1 = nullptr;
    ShapeButton* StartTestBtn = nullptr;
    ShapeButton* SamplerBtn = nullptr;
    ShapeButton* fcShapeBtn3 = nullptr;

    void StartTestBtnClick();
    void SamplerBtnClick();
    void fcShapeBtn3Click();

protected:
    void FormCreate();
    void FormClose() override;
    void paintEvent(QPaintEvent* event) override;
};
