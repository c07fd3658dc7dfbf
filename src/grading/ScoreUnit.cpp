#include "ScoreUnit.h"

#include "AppMessageBox.h"
#include "ErrorGuard.h"
#include "Fonts.h"
#include "OutlinedLabel.h"
#include "TestUnit.h"

#include <QFrame>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QFont pointFont(const char* family, qreal points, bool bold = false, bool italic = false) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// A value axis from 0, its fonts and the share of each slot a bar fills.
void setScale(BarChartData& chart, double maximum, double step, const QFont& axisFont,
              const QFont& labelFont, int barWidthPercent) {
    chart.minimum = 0;
    chart.maximum = maximum;
    chart.step = step;
    chart.axisFont = axisFont;
    chart.labelFont = labelFont;
    chart.barWidthPercent = barWidthPercent;
}

const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

} // namespace

TScoreForm::TScoreForm(TTestForm* testForm, QWidget* parent) : Form(parent), m_testForm(testForm) {
    setWindowTitle(tr("Mirelle"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(582, 422);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    auto* header = new QFrame(this);
    header->setGeometry(0, 0, 582, 33);
    auto* headerLine = new QFrame(header);
    headerLine->setGeometry(0, 31, 582, 2);
    headerLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    fcLabel1 = new OutlinedLabel(tr("Examination Score Report"), header);
    fcLabel1->setGeometry(0, 0, 582, 32);
    fcLabel1->setFont(PixelFont("Verdana", 13, true));
    fcLabel1->setAlignment(Qt::AlignCenter);

    TotalChart = new BarChart(this);
    TotalChart->setGeometry(5, 38, 572, 142);
    BarChartData& total = TotalChart->data();
    setScale(total, 1000, 100, PixelFont("MS Sans Serif", 13), PixelFont("MS Sans Serif", 13), 90);
    total.titleFont = PixelFont("MS Sans Serif", 13);
    total.titleColor = QColor(0, 0, 128);
    total.border = true;
    TotalChart->setAccessibleName(tr("Total score"));

    auto* scoreBarLine = new QFrame(this); // the bottom line of the score bar
    scoreBarLine->setGeometry(5, 210, 572, 2);
    scoreBarLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    TotalLabel = new QLabel(this);
    TotalLabel->setGeometry(9, 184, 564, 24);
    TotalLabel->setAlignment(Qt::AlignCenter);
    TotalLabel->setFont(PixelFont("MS Sans Serif", 13, true));

    Chart1 = new BarChart(this);
    Chart1->setGeometry(0, 217, 582, 165);
    BarChartData& sections = Chart1->data();
    setScale(sections, 100, 10, PixelFont("MS Sans Serif", 11), PixelFont("MS Sans Serif", 11), 80);
    sections.titleFont = PixelFont("Arial", 13, false, true);
    sections.titleColor = Blue;
    sections.title = QStringList{QStringLiteral(" Sections ")};
    sections.titleAlignment = Qt::AlignLeft;
    sections.titleBox = Qt::white;
    sections.background = palette().color(QPalette::Window);
    Chart1->setAccessibleName(tr("Sections"));

    auto* line = new QFrame(this);
    line->setGeometry(0, 382, 582, 2);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    BitBtn1 = new QPushButton(tr("&View Answers"), this);
    BitBtn1->setGeometry(3, 389, 105, 30);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(tr("&Print Report"), this);
    BitBtn2->setGeometry(111, 389, 104, 30);
    BitBtn3 = new QPushButton(tr("E&xit Exam"), this);
    BitBtn3->setGeometry(474, 389, 104, 30);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3})
        button->setAccessibleName(button->text().remove(u'&'));
    connect(BitBtn1, &QPushButton::clicked, this,
            ErrorGuard::guarded(this, &TScoreForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this,
            ErrorGuard::guarded(this, &TScoreForm::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this,
            ErrorGuard::guarded(this, &TScoreForm::BitBtn3Click));
    buildReport();
}

void TScoreForm::buildReport() {
    ppReport1.documentName = QStringLiteral("Score Report");
    setScale(ppTeeChart1, 1000, 100, PixelFont("Arial", 13, true), PixelFont("Arial", 15, true),
             90);
    setScale(ppTeeChart2, 100, 10, PixelFont("Arial", 12), PixelFont("Arial", 12), 80);

    const qreal header = ppReport1.marginMm;
    const qreal footer = ppReport1.pageMm.height() - ppReport1.marginMm - 25.665;
    auto at = [](qreal band, qreal left, qreal top, qreal width, qreal height) {
        return QRectF(left + 6.35, band + top, width, height);
    };
    using R = PageReport;
    ppReport1.add(QStringLiteral("ppShape2"), R::Frame{at(header, 14.552, 7.144, 29.104, 9.79)});
    ppReport1.add(QStringLiteral("ppLine1"),
                  R::Rule{QPointF(27.252 + 6.35, header + 13.229), 155.046, 0.75});
    ppReport1.add(QStringLiteral("ppLabel7"),
                  R::Label{at(header, 15.346, 8.996, 27.517, 6.35), QStringLiteral(" Mirelle "),
                           pointFont("Arial", 16, true, true), Qt::AlignLeft | Qt::AlignVCenter,
                           QColor(0, 0, 128), Qt::white});
    ppReport1.add(QStringLiteral("ppLabel1"),
                  R::Label{at(header, 114.3, 7.673, 67.998, 4.763), QString(),
                           pointFont("Arial", 11, true), Qt::AlignRight | Qt::AlignVCenter});
    ppReport1.add(QStringLiteral("ppSystemVariable1"),
                  R::DateField{at(header, 163.195, 13.97, 19.473, 4.022), pointFont("Arial", 10)});
    ppReport1.add(QStringLiteral("ppLabel5"),
                  R::Label{at(header, 76.465, 22.225, 48.948, 4.763),
                           QStringLiteral("Examination Score Report"), pointFont("Arial", 11, true),
                           Qt::AlignCenter, Qt::black, Qt::white});
    ppReport1.add(QStringLiteral("ppShape1"),
                  R::Frame{at(header, 15.081, 33.338, 167.482, 34.131)});
    ppReport1.add(QStringLiteral("ppTeeChart1"),
                  R::Chart{at(header, 16.404, 34.925, 165.365, 31.221), &ppTeeChart1});
    ppReport1.add(QStringLiteral("ppLabel4"),
                  R::Label{at(header, 51.329, 68.527, 96.309, 4.763), QString(),
                           pointFont("Arial", 11, true), Qt::AlignCenter});
    ppReport1.add(QStringLiteral("ppLine2"),
                  R::Rule{QPointF(15.081 + 6.35, header + 90.223), 167.482, 0.75});
    ppReport1.add(QStringLiteral("ppLabel3"),
                  R::Label{at(header, 16.933, 88.106, 16.404, 4.233), QStringLiteral(" Sections "),
                           pointFont("Arial", 10, true), Qt::AlignRight | Qt::AlignVCenter,
                           Qt::black, Qt::white});
    ppReport1.add(QStringLiteral("ppTeeChart2"),
                  R::Chart{at(header, 10.054, 92.604, 177.8, 45.508), &ppTeeChart2});
    ppReport1.add(QStringLiteral("ppLine3"),
                  R::Rule{QPointF(10.054 + 6.35, footer + 1.852), 172.509, 0.75});
    ppReport1.add(QStringLiteral("ppLabel2"), R::Label{at(footer, 10.054, 2.381, 14.288, 3.969),
                                                       QString(), pointFont("Arial", 9)});
}

void TScoreForm::showFigures(const ScoreFigures& figures, const QString& titleLine) {
    ComputeTotalScore(figures, titleLine);
    ComputeSectionScores(figures);
}

void TScoreForm::ComputeTotalScore(const ScoreFigures& figures, const QString& titleLine) {
    for (BarChartData* chart : {&TotalChart->data(), &ppTeeChart1}) {
        chart->clear();
        chart->addBar(figures.rawScore(), tr("Your score"), Green);
        chart->addBar(Grading::PassingScore, tr("Required score"), Blue);
    }
    TotalChart->data().title = QStringList{titleLine};
    ppReport1.label(QStringLiteral("ppLabel1")).text = titleLine;
    ppReport1.label(QStringLiteral("ppLabel2")).text = QStringLiteral("Tarnwick");
    TotalLabel->setText(figures.scoreLine());
    TotalLabel->setAccessibleName(TotalLabel->text());
    ppReport1.label(QStringLiteral("ppLabel4")).text = figures.scoreLine();
    TotalChart->update();
}

void TScoreForm::ComputeSectionScores(const ScoreFigures& figures) {
    Chart1->data().clear();
    ppTeeChart2.clear();
    for (int s = 6; s >= 1; --s) {
        const SectionResult& section = figures.sections[std::size_t(s)];
        Chart1->data().addBar(section.percent(), section.label(s), Red);
        ppTeeChart2.addBar(section.percent(), section.label(s), Red);
    }
    Chart1->update();
}

void TScoreForm::leave() {
    m_leaving = true;
    close();
    m_leaving = false;
}

void TScoreForm::BitBtn1Click() {
    m_testForm->ExamMode = TTestForm::Reviewing;
    m_testForm->ReviewControls();
    m_testForm->LearnButton->setEnabled(false);
    m_testForm->dtCurrentSet->first();
    leave();
}

void TScoreForm::BitBtn2Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QSizeF(210, 296), QPageSize::Millimeter));
    printer.setDocName(ppReport1.documentName);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!ppReport1.print(printer)) {
        const QString target = printer.outputFileName().isEmpty()
                                   ? tr("the printer \"%1\"").arg(printer.printerName())
                                   : tr("the file \"%1\"").arg(printer.outputFileName());
        AppMessageBox::show(AppMessageBox::Type::Error,
                            tr("The score report could not be printed on %1.\rCheck the printer "
                               "or the file name, and try again.")
                                .arg(target),
                            AppMessageBox::Ok, this);
    }
}

void TScoreForm::BitBtn3Click() {
    if (AppMessageBox::show(AppMessageBox::Type::Confirmation,
                            tr("Are you sure you wish to end this exam?"),
                            AppMessageBox::Yes | AppMessageBox::No, this) != AppMessageBox::Yes)
        return;
    m_testForm->CloseCurrentExam();
    leave();
}
