#include "Form.h"

#include <QCloseEvent>

Form::Form(QWidget* parent) : QDialog(parent) {}

int Form::ShowModal() {
    m_modalResult = mrNone;
    exec();
    return m_modalResult;
}

void Form::setModalResult(int result) {
    m_modalResult = result;
    if (result != mrNone)
        close();
}

void Form::keepFocusVisible(QWidget* preferred) {
    const QWidget* focused = focusWidget();
    if (focused && focused->isVisibleTo(this))
        return;
    if (preferred && preferred->isVisibleTo(this) && preferred->isEnabled() &&
        preferred->focusPolicy() != Qt::NoFocus)
        preferred->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void Form::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        m_modalResult = mrNone;
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    m_closing = true;
    QDialog::done(m_modalResult == mrNone ? mrCancel : m_modalResult);
    m_closing = false;
}

void Form::reject() {
    if (!m_closesOnEscape)
        return;
    if (m_modalResult == mrNone)
        m_modalResult = mrCancel;
    if (!close())
        m_modalResult = mrNone;
}

void Form::done(int result) {
    m_modalResult = result;
    if (m_closing)
        QDialog::done(result);
    else
        close();
}
