#pragma once

#include <QLabel>

class QCheckBox;
class QFrame;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class QScrollArea;

// A label that reports a click on its text.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The controls of one item, inside the exam window's scrolling item area.
struct ItemArea {
    explicit ItemArea(QScrollArea* scrollBox);

    QScrollArea* ScrollBox1;
    QWidget* Content;
    QFrame* QPanel;
    QLabel* QText;
    QFrame* Shape1;
    QPushButton* ExhBtnA;
    QPushButton* ExhBtnB;
    QPushButton* SPButton;
    QButtonGroup* RadioGroup;
    QRadioButton* RadioButton[6];
    QCheckBox* CheckBox[6];
    ClickLabel* ALabel[6];
    QLabel* ExpText;

    // The content's height: the lowest visible control plus a 17-pixel spacer.
    void updateContentHeight();
    // The width and height the content is seen in, inside the frame.
    int visibleWidth(bool withScrollBar) const;
    int visibleHeight() const;
    // The radio button or check box of choice n, whichever the item uses.
    QWidget* selector(int n) const;
    // The first choice control shown, or none.
    QWidget* firstSelector() const;
    // Sets the radio buttons from six states; none selected clears them all.
    void setRadioStates(const bool states[6]);
    void setHighlight(int choice, bool keyed);
};
