#include "AboutUnit.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget* parent) : Form(parent) {
    setWindowTitle(tr("About Tarnwick"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral("tarnwick-logo.bmp")));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(tr("Tarnwick"));
    layout->addWidget(picture);
    const QStringList lines = {
        tr("Tarnwick practice exams"), tr("for the Windows Halvard 4.0 certification"),
        tr("Version %1").arg(QStringLiteral("1.0")), tr("Copyright 2026 the Tarnwick developers")};
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* link = new QLabel(
        QStringLiteral("<a href=\"https://tarnwick.example/\">https://tarnwick.example/</a>"),
        this);
    link->setOpenExternalLinks(true);
    link->setAlignment(Qt::AlignCenter);
    link->setAccessibleName(QStringLiteral("https://tarnwick.example/"));
    layout->addWidget(link);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { setModalResult(mrOk); });
    layout->addWidget(ok, 0, Qt::AlignCenter);
}
