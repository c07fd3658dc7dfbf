#pragma once

#include "BarChart.h"
#include "Form.h"
#include "PageReport.h"
#include "ScoreDisplay.h"

class OutlinedLabel;
class QLabel;
class QPushButton;
class TTestForm;

// The score window: the total and the section results, View Answers, Print Report and
// Exit Exam. It also holds the one-page printed score report.
class TScoreForm : public Form, public ScoreDisplay {
    Q_OBJECT
public:
    explicit TScoreForm(TTestForm* testForm, QWidget* parent = nullptr);

    OutlinedLabel* fcLabel1 = nullptr;
    BarChart* TotalChart = nullptr;
    QLabel* TotalLabel = nullptr;
    BarChart* Chart1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    PageReport ppReport1;
    BarChartData ppTeeChart1;
    BarChartData ppTeeChart2;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    void showFigures(const ScoreFigures& figures, const QString& titleLine) override;
    int showScoreModal() override { return ShowModal(); }

protected:
    // Only View Answers and a confirmed Exit Exam leave the window.
    bool FormCloseQuery() override { return m_leaving; }

private:
    void ComputeTotalScore(const ScoreFigures& figures, const QString& titleLine);
    void ComputeSectionScores(const ScoreFigures& figures);
    void buildReport();
    void leave();

    TTestForm* m_testForm;
    bool m_leaving = false;
};
