#include "AppMessageBox.h"
#include "ErrorGuard.h"
#include "Form.h"
#include "MessageBoxRecorder.h"
#include "PageReport.h"
#include "StoreError.h"

#include <QImage>
#include <QPainter>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace AppMessageBox;

namespace {

class QueryForm : public Form {
public:
    bool allow = false;
    int closes = 0;

protected:
    bool FormCloseQuery() override { return allow; }
    void FormClose() override { ++closes; }
};

} // namespace

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void buttonRules_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("byDefault");
        QTest::addColumn<int>("onEscape");
        QTest::newRow("OK") << int(Ok) << int(Ok) << int(Ok);
        QTest::newRow("OK Cancel") << int(Ok | Cancel) << int(Ok) << int(Cancel);
        QTest::newRow("Yes No") << int(Yes | No) << int(Yes) << int(No);
        QTest::newRow("No OK") << int(No | Ok) << int(Ok) << int(No);
        QTest::newRow("Yes No Cancel") << int(Yes | No | Cancel) << int(Yes) << int(Cancel);
    }
    void buttonRules() {
        QFETCH(int, buttons);
        QFETCH(int, byDefault);
        QFETCH(int, onEscape);
        QCOMPARE(int(defaultButton(Buttons(buttons))), byDefault);
        QCOMPARE(int(escapeButton(Buttons(buttons))), onEscape);

        // The real box: its buttons in the order Yes, No, OK, Cancel, Enter and Escape as above.
        for (const bool pressEscape : {false, true}) {
            QStringList captions;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QStringLiteral("Confirm"));
                QCOMPARE(box->text(), QStringLiteral("first\nsecond"));
                for (QAbstractButton* b : box->buttons())
                    captions << b->text().remove(u'&');
                QTest::keyClick(box, pressEscape ? Qt::Key_Escape : Qt::Key_Return);
            });
            const Button answer =
                show(Type::Confirmation, QStringLiteral("first\rsecond"), Buttons(buttons));
            QCOMPARE(int(answer), pressEscape ? onEscape : byDefault);
            QStringList expected;
            for (auto [b, caption] :
                 {std::pair{Yes, "Yes"}, {No, "No"}, {Ok, "OK"}, {Cancel, "Cancel"}})
                if (buttons & b)
                    expected << QString::fromLatin1(caption);
            QCOMPARE(captions, expected);
        }
    }

    // The title bar's close box is neither button: the answer is NoButton.
    void closedByTitleBar() {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->close();
        });
        QCOMPARE(int(show(Type::Information, QStringLiteral("x"), No | Ok)), int(NoButton));
    }

    // Page elements in millimetres: a memo wraps at its width and grows below its height; an
    // opaque label hides the rule under it, a transparent one does not.
    void pageReportElements() {
        PageReport page;
        const QFont font(QStringLiteral("Arial"), 10);
        page.add(QStringLiteral("memo"), PageReport::Memo{QRectF(10, 10, 40, 5), QString(), font});
        page.memo(QStringLiteral("memo")).text = QStringLiteral("word ").repeated(60);
        for (const qreal y : {80.0, 90.0})
            page.add(QStringLiteral("rule"), PageReport::Rule{QPointF(10, y), 60, 0.75});
        page.add(QStringLiteral("opaque"),
                 PageReport::Label{QRectF(20, 78, 30, 4), QStringLiteral("x"), font,
                                   Qt::AlignLeft | Qt::AlignVCenter, Qt::black, Qt::white});
        page.add(QStringLiteral("clear"),
                 PageReport::Label{QRectF(20, 88, 30, 4), QStringLiteral("x"), font});
        const qreal dots = 4; // per mm
        QImage image(int(210 * dots), int(296 * dots), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page.render(painter, dots);
        painter.end();
        auto inkIn = [&](const QRectF& mm) {
            for (int y = int(mm.top() * dots); y < int(mm.bottom() * dots); ++y)
                for (int x = int(mm.left() * dots); x < int(mm.right() * dots); ++x)
                    if (qGray(image.pixel(x, y)) < 128)
                        return true;
            return false;
        };
        QVERIFY(inkIn(QRectF(10, 10, 40, 5)));
        QVERIFY(inkIn(QRectF(10, 30, 40, 5)));   // grown well below its 5 mm
        QVERIFY(!inkIn(QRectF(51, 10, 40, 60))); // never past its width
        QVERIFY(!inkIn(QRectF(40, 79, 8, 2)));   // the opaque label covers the rule
        QVERIFY(inkIn(QRectF(40, 89, 8, 2)));    // the transparent one does not
    }

    void titles() {
        QCOMPARE(titleOf(Type::Information), QStringLiteral("Information"));
        QCOMPARE(titleOf(Type::Warning), QStringLiteral("Warning"));
        QCOMPARE(titleOf(Type::Confirmation), QStringLiteral("Confirm"));
        QCOMPARE(titleOf(Type::Error), QStringLiteral("Error"));
    }

    void guardShowsTheErrorAndGoesOn() {
        MessageBoxRecorder boxes;
        int steps = 0;
        ErrorGuard::run([&] {
            ++steps;
            throw StoreError(QStringLiteral("The table file x.DAT does not exist."));
        });
        ErrorGuard::run([&] { ++steps; });
        QCOMPARE(steps, 2);
        QCOMPARE(boxes.records.size(), 1);
        QCOMPARE(boxes.records[0].type, Type::Error);
        QCOMPARE(boxes.records[0].text, QStringLiteral("The table file x.DAT does not exist."));
        QCOMPARE(boxes.records[0].buttons, Buttons(Ok));
    }

    void closeQueryDecides() {
        QueryForm form;
        QTimer::singleShot(0, [&] {
            form.close(); // refused
            QVERIFY(form.isVisible());
            form.allow = true;
            form.setModalResult(Form::mrOk);
        });
        QCOMPARE(form.ShowModal(), int(Form::mrOk));
        QCOMPARE(form.closes, 1);
        QTimer::singleShot(0, [&] { QTest::keyClick(&form, Qt::Key_Escape); });
        QCOMPARE(form.ShowModal(), int(Form::mrCancel));
        QCOMPARE(form.closes, 2);
    }
};

QTEST_MAIN(UiTest)
#include "tst_ui.moc"
