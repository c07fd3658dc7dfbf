#include "ItemArea.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ItemArea::ItemArea(QScrollArea* scrollBox) : ScrollBox1(scrollBox) {
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setWidgetResizable(false);
    QPalette white = ScrollBox1->palette();
    white.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(white);
    ScrollBox1->setAutoFillBackground(true);
    QFont answerFont(QStringLiteral("MS Sans Serif"), 10);
    ScrollBox1->setFont(answerFont);

    Content = new QWidget;
    Content->setAutoFillBackground(true);
    Content->setPalette(white);
    Content->setFont(answerFont);
    ScrollBox1->setWidget(Content);

    QPanel = new QFrame(Content);
    QText = new QLabel(QPanel);
    QText->setWordWrap(true);
    QText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QText->setTextFormat(Qt::PlainText);
    QText->setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
    QPalette black = QText->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    QText->setPalette(black);
    QText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QText->setFocusPolicy(Qt::NoFocus);

    Shape1 = new QFrame(Content);
    Shape1->setAutoFillBackground(true);
    QPalette blue = Shape1->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    Shape1->setPalette(blue);

    ExhBtnA = new QPushButton(QObject::tr("Exhibit &1"), Content);
    ExhBtnB = new QPushButton(QObject::tr("Exhibit &2"), Content);
    SPButton = new QPushButton(QObject::tr("&Select and Place"), Content);
    ExhBtnA->setAccessibleName(QObject::tr("Exhibit 1"));
    ExhBtnB->setAccessibleName(QObject::tr("Exhibit 2"));
    SPButton->setAccessibleName(QObject::tr("Select and Place"));

    RadioGroup = new QButtonGroup(Content);
    RadioGroup->setExclusive(true);
    const char* letters = "abcdef";
    for (int n = 0; n < 6; ++n) {
        const QString caption = QStringLiteral("&%1.").arg(QLatin1Char(letters[n]));
        RadioButton[n] = new QRadioButton(caption, Content);
        RadioButton[n]->resize(38, 17);
        RadioButton[n]->setAccessibleName(QStringLiteral("%1.").arg(QLatin1Char(letters[n])));
        RadioGroup->addButton(RadioButton[n], n);
        CheckBox[n] = new QCheckBox(caption, Content);
        CheckBox[n]->resize(38, 17);
        CheckBox[n]->setAccessibleName(RadioButton[n]->accessibleName());
        ALabel[n] = new ClickLabel(Content);
        ALabel[n]->setWordWrap(true);
        ALabel[n]->setTextFormat(Qt::PlainText);
        ALabel[n]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        ALabel[n]->setAutoFillBackground(true);
        ALabel[n]->setPalette(white);
    }
    ExpText = new QLabel(Content);
    ExpText->setWordWrap(true);
    ExpText->setTextFormat(Qt::PlainText);
    ExpText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ExpText->setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
    QPalette navy = ExpText->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    ExpText->setPalette(navy);
    ExpText->hide();

    // Tab order: the choices first, then the question and the buttons.
    QWidget* previous = RadioButton[0];
    for (int n = 1; n < 6; ++n)
        QWidget::setTabOrder(std::exchange(previous, RadioButton[n]), RadioButton[n]);
    for (QWidget* next : {static_cast<QWidget*>(CheckBox[0]), static_cast<QWidget*>(CheckBox[1]),
                          static_cast<QWidget*>(CheckBox[2]), static_cast<QWidget*>(CheckBox[3]),
                          static_cast<QWidget*>(CheckBox[4]), static_cast<QWidget*>(CheckBox[5]),
                          static_cast<QWidget*>(ExhBtnA), static_cast<QWidget*>(ExhBtnB),
                          static_cast<QWidget*>(SPButton)})
        QWidget::setTabOrder(std::exchange(previous, next), next);
}

int ItemArea::visibleWidth(bool withScrollBar) const {
    const int inside = ScrollBox1->contentsRect().width();
    return withScrollBar ? inside - ScrollBox1->verticalScrollBar()->sizeHint().width() : inside;
}

int ItemArea::visibleHeight() const {
    return ScrollBox1->contentsRect().height();
}

QWidget* ItemArea::selector(int n) const {
    return CheckBox[n]->isHidden() ? static_cast<QWidget*>(RadioButton[n])
                                   : static_cast<QWidget*>(CheckBox[n]);
}

QWidget* ItemArea::firstSelector() const {
    for (int n = 0; n < 6; ++n)
        if (!selector(n)->isHidden())
            return selector(n);
    return nullptr;
}

void ItemArea::updateContentHeight() {
    int bottom = 0;
    for (QWidget* child : Content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            bottom = std::max(bottom, child->geometry().bottom() + 1);
    Content->resize(Content->width(), bottom + 17);
}

void ItemArea::setRadioStates(const bool states[6]) {
    // An exclusive group cannot clear its selected button; clear all first, then select.
    RadioGroup->setExclusive(false);
    for (int n = 0; n < 6; ++n)
        if (!states[n])
            RadioButton[n]->setChecked(false);
    RadioGroup->setExclusive(true);
    for (int n = 0; n < 6; ++n)
        if (states[n])
            RadioButton[n]->setChecked(true);
}

void ItemArea::setHighlight(int choice, bool keyed) {
    QPalette colors = ALabel[choice]->palette();
    colors.setColor(QPalette::Window, keyed ? QColor(0, 255, 255) : QColor(255, 255, 255));
    ALabel[choice]->setPalette(colors);
}
