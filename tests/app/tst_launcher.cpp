#include "ActWhen.h"
#include "AppForms.h"
#include "MainUnit.h"
#include "MessageBoxRecorder.h"
#include "ProgramFolder.h"
#include "ShapeButton.h"
#include "Startup.h"
#include "TestUnit.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class LauncherTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_programFolder;
    std::unique_ptr<AppForms> m_forms;

private slots:
    void initTestCase() {
        Startup::initialise();
        QImage logo(221, 48, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        QVERIFY(logo.save(m_programFolder.filePath(QStringLiteral("tarnwick-logo.bmp"))));
        ProgramFolder::setPathForTesting(m_programFolder.path());
    }
    void init() {
        QDir::setCurrent(QDir::tempPath()); // started from elsewhere
        m_forms = std::make_unique<AppForms>();
    }
    void cleanup() { m_forms.reset(); }

    void startsInTheProgramFolder() {
        QCOMPARE(QDir::currentPath(), QDir(m_programFolder.path()).canonicalPath());
    }

    void looksAsDesigned_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("top");
        QTest::newRow("start") << "Start &Testing" << QColor(0, 0, 128) << 14;
        QTest::newRow("sampler") << "Test &Sampler" << QColor(128, 0, 128) << 50;
        QTest::newRow("exit") << "E&xit" << QColor(0, 128, 128) << 102;
    }
    void looksAsDesigned() {
        QFETCH(QString, caption);
        QFETCH(QColor, color);
        QFETCH(int, top);
        TMainForm* launcher = m_forms->MainForm.get();
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Tarnwick"));
        QCOMPARE(launcher->size(), QSize(232, 196));
        QCOMPARE(launcher->Logo->pixmap().size(), QSize(221, 48));
        ShapeButton* button = nullptr;
        for (ShapeButton* b : launcher->Panel1->findChildren<ShapeButton*>())
            if (b->text() == caption)
                button = b;
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(47, top, 138, 34));
        QCOMPARE(button->color(), color);
        QCOMPARE(button->font().pixelSize(), 13);
        QVERIFY(button->isEnabled());
        QCOMPARE(button->accessibleName(), QString(caption).remove(u'&'));
    }

    void startTestingShowsTheExamWindowAndComesBack() {
        TMainForm* launcher = m_forms->MainForm.get();
        TTestForm* exam = m_forms->TestForm.get();
        launcher->show();
        launcher->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(launcher));
        bool launcherHidden = false;
        // Answers the modal exam window once it is up.
        ActWhen(
            exam, [exam] { return exam->isVisible(); },
            [&] {
                launcherHidden = !launcher->isVisible();
                QVERIFY(exam->isModal());
                exam->close();
            });
        QTest::keyClick(launcher->windowHandle(), Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(launcherHidden, 5000);
        QTRY_VERIFY(launcher->isVisible());
        QVERIFY(launcher->isVisible());
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Tarnwick"));
        QCOMPARE(exam->ExamMode, TTestForm::NoExam);
    }

    void exitAndCloseBoxEndTheProgram() {
        for (const bool viaButton : {true, false}) {
            TMainForm* launcher = m_forms->MainForm.get();
            launcher->show();
            launcher->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(launcher));
            QTest::keyClick(launcher, Qt::Key_Escape); // not a way out
            QVERIFY(launcher->isVisible());
            QTimer::singleShot(0, launcher, [&] {
                if (viaButton)
                    QTest::keyClick(launcher->windowHandle(), Qt::Key_X, Qt::AltModifier);
                else
                    launcher->close();
            });
            // The program's loop ends with 0; a launcher that did not quit ends it with 1.
            QTimer::singleShot(5000, launcher, [] { QCoreApplication::exit(1); });
            QCOMPARE(QCoreApplication::exec(), 0);
            QVERIFY(!launcher->isVisible());
        }
    }
};

QTEST_MAIN(LauncherTest)
#include "tst_launcher.moc"
