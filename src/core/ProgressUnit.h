#pragma once

#include "Form.h"
#include "PrepareUnit.h"

class QProgressBar;

// The small window shown while an exam set is being built. It cannot be closed by the user.
class TProgressForm : public Form, public PreparationProgress {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1 = nullptr;

    void begin() override;
    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    void end() override;

protected:
    bool FormCloseQuery() override { return !m_running; }

private:
    bool m_running = false;
    int m_repaintStep = 1;
};
