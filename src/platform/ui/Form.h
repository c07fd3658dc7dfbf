#pragma once

#include <QDialog>

// A window of the program: shown modally it returns a modal result; closing it asks
// FormCloseQuery first and runs FormClose once it closes.
class Form : public QDialog {
    Q_OBJECT
public:
    enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

    explicit Form(QWidget* parent = nullptr);

    int ShowModal();
    // Closes the window with this result, as a button with a modal result does.
    void setModalResult(int result);
    int modalResult() const { return m_modalResult; }
    // Main windows are left through their own commands, never by Escape.
    void setClosesOnEscape(bool on) { m_closesOnEscape = on; }

protected:
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}
    // Moves the keyboard focus to `preferred` (or the window itself) when the focused control
    // has been hidden. Qt leaves a hidden control focused when its panel is hidden while
    // another window is active, and Return would then still press it.
    void keepFocusVisible(QWidget* preferred);

    void closeEvent(QCloseEvent* event) override;
    // Escape and the close box go through the close query like any other close.
    void reject() override;
    void done(int result) override;

private:
    int m_modalResult = mrNone;
    bool m_closing = false;
    bool m_closesOnEscape = true;
};
