// Runs the real tarnwick-assets program and checks the pictures it writes.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString errors; // standard error
    // The lines of standard error that mention text, ignoring Qt's own start-up messages.
    QStringList linesMentioning(const QString& text) const {
        QStringList found;
        for (const QString& line : errors.split(u'\n', Qt::SkipEmptyParts)) {
            if (line.contains(text))
                found.append(line);
        }
        return found;
    }
};

Run runTool(const QString& outDir, const QStringList& figures) {
    QProcess process;
    process.start(QStringLiteral(TARNWICK_ASSETS_EXE), QStringList{outDir} + figures);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.errors = QStringLiteral("tarnwick-assets did not finish");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString fixture(const QString& name) {
    return QStringLiteral(ASSETGEN_FIXTURES_DIR) + u'/' + name;
}

QString writeFile(const QDir& dir, const QString& name, const QByteArray& contents) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QImage load(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// The share of pixels that differ from the most frequent colour: zero for a blank picture.
double inkShare(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[rgb.pixel(x, y)];
    int most = 0;
    for (int count : std::as_const(counts))
        most = std::max(most, count);
    return 1.0 - double(most) / (rgb.width() * rgb.height());
}

int darkPixels(const QImage& image, const QRect& area, int threshold = 140) {
    int dark = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (qGray(image.pixel(x, y)) < threshold)
                ++dark;
    return dark;
}

quint16 bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(54);
    if (header.size() < 54 || !header.startsWith("BM"))
        return 0;
    return qFromLittleEndian<quint16>(header.constData() + 28);
}

// Rows of a BMP file are padded to four bytes; the padding must be zero, or the file would
// depend on what happened to be in memory.
bool bmpRowPaddingIsZero(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 54)
        return false;
    const char* header = bytes.constData();
    const qint64 offset = qFromLittleEndian<quint32>(header + 10);
    const qint64 width = qFromLittleEndian<qint32>(header + 18);
    const qint64 height = std::abs(qFromLittleEndian<qint32>(header + 22));
    const qint64 bits = qFromLittleEndian<quint16>(header + 28);
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 used = (width * bits + 7) / 8;
    if (offset + stride * height > bytes.size())
        return false;
    for (qint64 row = 0; row < height; ++row)
        for (qint64 i = used; i < stride; ++i)
            if (bytes.at(offset + row * stride + i) != 0)
                return false;
    return true;
}

} // namespace

class TestAssetGen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void builtinPictures();
    void printNetworkSlotsAreBlankAndCaptioned();
    void figures_data();
    void figures();
    void outputIsDeterministic();
    void figureFileChecks_data();
    void figureFileChecks();
    void badFileDoesNotStopTheOthers();
    void renderingProblemsAreReported_data();
    void renderingProblemsAreReported();
    void exhibitFigures();

private:
    QTemporaryDir m_builtinsDir;
    Run m_builtinsRun;
};

void TestAssetGen::initTestCase() {
    QVERIFY2(QFileInfo::exists(QStringLiteral(TARNWICK_ASSETS_EXE)), TARNWICK_ASSETS_EXE);
    QVERIFY(m_builtinsDir.isValid());
    m_builtinsRun = runTool(m_builtinsDir.path(), {});
    QCOMPARE(m_builtinsRun.exitCode, 0);
}

void TestAssetGen::builtinPictures() {
    const QDir out(m_builtinsDir.path());
    QVERIFY2(m_builtinsRun.linesMentioning(QStringLiteral("warning")).isEmpty(),
             qPrintable(m_builtinsRun.errors));

    const QImage logo = load(out.filePath(QStringLiteral("tarnwick-logo.bmp")));
    QCOMPARE(logo.size(), QSize(221, 48));
    // The navy wordmark is there.
    int navy = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            const QColor c = logo.pixelColor(x, y);
            navy += c.red() < 30 && c.green() < 30 && c.blue() > 100 && c.blue() < 160;
        }
    QVERIFY2(navy > 300, qPrintable(QString::number(navy)));

    const QString network = out.filePath(QStringLiteral("sim1net.bmp"));
    QCOMPARE(bmpBitsPerPixel(network), quint16(8));
    QVERIFY(bmpRowPaddingIsZero(network));
    const QImage image = load(network);
    QCOMPARE(image.size(), QSize(573, 339));
    QVERIFY(inkShare(image) > 0.02);
}

void TestAssetGen::printNetworkSlotsAreBlankAndCaptioned() {
    const QImage image = load(QDir(m_builtinsDir.path()).filePath(QStringLiteral("sim1net.bmp")));
    QVERIFY(!image.isNull());
    const QList<QPoint> corners = {{43, 35}, {325, 22}, {32, 264}, {282, 287}};
    for (const QPoint& topLeft : corners) {
        const QRect slot(topLeft, QSize(157, 27));
        const QRect withMargin = slot.adjusted(-4, -4, 4, 4);
        QVERIFY2(darkPixels(image, withMargin) == 0,
                 qPrintable(u"drawing inside the slot at " + QString::number(slot.x()) + u',' +
                            QString::number(slot.y())));
        // A caption right above or below the slot says what goes into it.
        const QRect above(withMargin.left(), withMargin.top() - 20, withMargin.width(), 20);
        const QRect below(withMargin.left(), withMargin.bottom() + 1, withMargin.width(), 20);
        QVERIFY2(darkPixels(image, above) + darkPixels(image, below) > 50,
                 qPrintable(u"no caption by the slot at " + QString::number(slot.x()) + u',' +
                            QString::number(slot.y())));
    }
}

void TestAssetGen::figures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");

    QTest::newRow("diagram") << fixture(QStringLiteral("diagram.json"))
                             << QStringLiteral("diagram.bmp") << QSize(520, 320);
    QTest::newRow("table") << fixture(QStringLiteral("table.json")) << QStringLiteral("table.bmp")
                           << QSize(480, 220);
    QTest::newRow("dialog") << fixture(QStringLiteral("dialog.json"))
                            << QStringLiteral("dialog.bmp") << QSize(400, 300);
    QTest::newRow("text") << fixture(QStringLiteral("text.json")) << QStringLiteral("text.bmp")
                          << QSize(461, 200);
    QTest::newRow("ico") << fixture(QStringLiteral("icon.json")) << QStringLiteral("icon.ico")
                         << QSize(128, 128);
}

void TestAssetGen::figures() {
    QFETCH(QString, file);
    QFETCH(QString, picture);
    QFETCH(QSize, size);

    QTemporaryDir out;
    const Run run = runTool(out.path(), {file});
    QCOMPARE(run.exitCode, 0);
    // The fixtures are laid out cleanly, so they draw without warnings.
    QVERIFY2(run.linesMentioning(QStringLiteral("warning")).isEmpty(), qPrintable(run.errors));

    const QString path = QDir(out.path()).filePath(picture);
    const QImage image = load(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY2(inkShare(image) > 0.01, "the picture is blank");
    if (picture.endsWith(u".bmp")) {
        QVERIFY(bmpBitsPerPixel(path) >= 8);
        QVERIFY(bmpRowPaddingIsZero(path));
    } else
        QCOMPARE(QImageReader(path).format(), QByteArray("ico"));
}

void TestAssetGen::outputIsDeterministic() {
    const QStringList files = QDir(QStringLiteral(ASSETGEN_FIXTURES_DIR))
                                  .entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString& file : files)
        paths.append(fixture(file));

    QTemporaryDir first;
    QTemporaryDir second;
    QCOMPARE(runTool(first.path(), paths).exitCode, 0);
    QCOMPARE(runTool(second.path(), paths).exitCode, 0);
    const QStringList pictures = QDir(first.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(pictures.size(), files.size() + 2);
    QCOMPARE(QDir(second.path()).entryList(QDir::Files, QDir::Name), pictures);
    for (const QString& picture : pictures) {
        QFile a(QDir(first.path()).filePath(picture));
        QFile b(QDir(second.path()).filePath(picture));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(picture + u" differs between runs"));
    }
}

void TestAssetGen::figureFileChecks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error"); // empty: the figure is accepted

    const QByteArray table = R"("kind": "table", "columns": ["A"], "rows": [["1"]])";
    auto sized = [&table](int width, int height) -> QByteArray {
        return "{\"width\": " + QByteArray::number(width) +
               ", \"height\": " + QByteArray::number(height) + ", " + table + '}';
    };

    // Sizes at the limits are accepted.
    QTest::newRow("smallest") << "small" << sized(160, 160) << QString();
    QTest::newRow("largest") << "large" << sized(760, 760) << QString();
    QTest::newRow("ico 256") << "icon256"
                             << QByteArray(R"({"width": 256, "height": 256, "format": "ico",
                                  "kind": "text", "lines": ["A:\\>"]})")
                             << QString();

    QTest::newRow("not JSON") << "broken" << QByteArray(R"({"width": 480, "height": )")
                              << "not valid JSON";
    QTest::newRow("top level array") << "array" << QByteArray("[]") << "not a JSON object";
    QTest::newRow("width too small")
        << "narrow" << sized(159, 300) << "\"width\" 159 is out of range";
    QTest::newRow("height too large")
        << "tall" << sized(480, 761) << "\"height\" 761 is out of range";
    QTest::newRow("width not a number")
        << "textwidth" << QByteArray("{\"width\": \"480\", \"height\": 300, " + table + '}')
        << "whole number";
    QTest::newRow("missing height")
        << "noheight" << QByteArray("{\"width\": 480, " + table + '}') << "missing \"height\"";
    QTest::newRow("ico of bitmap size")
        << "bigicon" << QByteArray(R"({"width": 200, "height": 200, "format": "ico",
                                       "kind": "text", "lines": ["x"]})")
        << "128 x 128 or 256 x 256";
    QTest::newRow("ico not square")
        << "oblong" << QByteArray(R"({"width": 128, "height": 256, "format": "ico",
                                     "kind": "text", "lines": ["x"]})")
        << "128 x 128 or 256 x 256";
    QTest::newRow("unknown format")
        << "png" << QByteArray(R"({"width": 300, "height": 300, "format": "png",
                                         "kind": "text", "lines": ["x"]})")
        << "unknown format \"png\"";
    QTest::newRow("unknown kind") << "chart"
                                  << QByteArray(R"({"width": 300, "height": 300, "kind": "chart"})")
                                  << "unknown kind \"chart\"";
    QTest::newRow("missing kind") << "nokind" << QByteArray(R"({"width": 300, "height": 300})")
                                  << "missing \"kind\"";
    QTest::newRow("link to missing node")
        << "dangling" << QByteArray(R"({"width": 300, "height": 300, "kind": "diagram",
              "nodes": [{"id": "R1", "type": "router", "x": 100, "y": 100}],
              "links": [{"from": "R1", "to": "R9"}]})")
        << "names missing node \"R9\"";
    QTest::newRow("unknown node type")
        << "modem" << QByteArray(R"({"width": 300, "height": 300, "kind": "diagram",
              "nodes": [{"id": "M", "type": "modem", "x": 100, "y": 100}]})")
        << "unknown type \"modem\"";
    QTest::newRow("node id twice")
        << "twice" << QByteArray(R"({"width": 300, "height": 300, "kind": "diagram",
              "nodes": [{"id": "A", "type": "hub", "x": 80, "y": 80},
                        {"id": "A", "type": "host", "x": 200, "y": 80}]})")
        << "\"A\" is used twice";
    QTest::newRow("node without position")
        << "nowhere" << QByteArray(R"({"width": 300, "height": 300, "kind": "diagram",
              "nodes": [{"id": "A", "type": "hub", "x": 80}]})")
        << "missing \"y\"";
    QTest::newRow("row too short")
        << "ragged" << QByteArray(R"({"width": 300, "height": 300, "kind": "table",
              "columns": ["A", "B"], "rows": [["1", "2"], ["3"]]})")
        << "row 2 has 1 cells but there are 2 columns";
    QTest::newRow("text without lines")
        << "nolines" << QByteArray(R"({"width": 300, "height": 300, "kind": "text"})")
        << "no \"lines\"";
    QTest::newRow("empty dialog") << "emptydialog"
                                  << QByteArray(
                                         R"({"width": 300, "height": 300, "kind": "dialog"})")
                                  << "no \"fields\", \"checks\" or \"buttons\"";
    QTest::newRow("check not boolean")
        << "checkstring" << QByteArray(R"({"width": 300, "height": 300, "kind": "dialog",
              "checks": [{"label": "Enable", "checked": "yes"}]})")
        << "\"checked\" must be true or false";
    QTest::newRow("built-in name") << "sim1net" << sized(300, 300) << "built-in picture";
}

void TestAssetGen::figureFileChecks() {
    QFETCH(QString, name);
    QFETCH(QByteArray, json);
    QFETCH(QString, error);

    QTemporaryDir dir;
    const QString file = writeFile(QDir(dir.path()), name + u".json", json);
    const QString out = QDir(dir.path()).filePath(QStringLiteral("out"));
    const Run run = runTool(out, {file});

    const QStringList lines = run.linesMentioning(file);
    if (error.isEmpty()) {
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY2(lines.isEmpty(), qPrintable(run.errors));
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 3);
        return;
    }
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(lines.size() == 1, qPrintable(run.errors));
    QVERIFY2(lines.first().contains(error), qPrintable(lines.first()));
    // Nothing is written for the bad figure; the built-in pictures still are.
    const QStringList written = QDir(out).entryList(QDir::Files, QDir::Name);
    QCOMPARE(written,
             QStringList({QStringLiteral("sim1net.bmp"), QStringLiteral("tarnwick-logo.bmp")}));
}

void TestAssetGen::badFileDoesNotStopTheOthers() {
    QTemporaryDir dir;
    const QString bad = writeFile(QDir(dir.path()), QStringLiteral("bad.json"), "{");
    const QString out = QDir(dir.path()).filePath(QStringLiteral("out"));
    const Run run = runTool(
        out, {fixture(QStringLiteral("table.json")), bad, fixture(QStringLiteral("text.json"))});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.linesMentioning(bad).size(), 1);
    QCOMPARE(run.linesMentioning(QStringLiteral("table.json")).size(), 0);
    QVERIFY(QFileInfo::exists(QDir(out).filePath(QStringLiteral("table.bmp"))));
    QVERIFY(QFileInfo::exists(QDir(out).filePath(QStringLiteral("text.bmp"))));
}

void TestAssetGen::renderingProblemsAreReported_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("warning");

    QTest::newRow("nodes on top of each other")
        << QByteArray(R"({"width": 300, "height": 200, "kind": "diagram",
              "nodes": [{"id": "A", "type": "router", "label": "Router A", "x": 100, "y": 90},
                        {"id": "B", "type": "switch", "label": "Switch B", "x": 120, "y": 100}]})")
        << "node \"A\" overlaps node \"B\"";
    QTest::newRow("labels on top of each other")
        << QByteArray(R"({"width": 300, "height": 200, "kind": "diagram",
              "nodes": [{"id": "A", "type": "host", "label": "Workstation A\n10.0.0.1", "x": 100, "y": 60},
                        {"id": "B", "type": "host", "label": "Workstation B\n10.0.0.2", "x": 155, "y": 60}]})")
        << "label of node \"A\" overlaps label of node \"B\"";
    QTest::newRow("node under the title")
        << QByteArray(R"({"width": 300, "height": 200, "title": "A network", "kind": "diagram",
              "nodes": [{"id": "A", "type": "server", "x": 150, "y": 20}]})")
        << "the title overlaps node \"A\"";
    QTest::newRow("node outside the picture")
        << QByteArray(R"({"width": 300, "height": 200, "kind": "diagram",
              "nodes": [{"id": "A", "type": "server", "label": "Server", "x": 150, "y": 190}]})")
        << "node \"A\" runs outside the picture";
    QTest::newRow("listing too long")
        << QByteArray(R"({"width": 160, "height": 160, "kind": "text", "lines": [
              "1","2","3","4","5","6","7","8","9","10","11","12","13","14","15","16","17","18",
              "19","20","21","22","23","24","25","26","27","28","29","30"]})")
        << "the listing of 30 lines does not fit";
    QTest::newRow("table too large")
        << QByteArray(R"({"width": 160, "height": 160, "kind": "table", "columns": ["Name"],
              "rows": [["a"],["b"],["c"],["d"],["e"],["f"],["g"],["h"],["i"],["j"],["k"],["l"],
                       ["m"],["n"],["o"],["p"]]})")
        << "the table does not fit";
    QTest::newRow("field value too long")
        << QByteArray(R"({"width": 200, "height": 160, "kind": "dialog", "fields": [
              {"label": "Address:", "value": "fe80:0000:0000:0000:0202:b3ff:fe1e:8329/64"}]})")
        << "value of field \"Address:\"";
}

void TestAssetGen::renderingProblemsAreReported() {
    QFETCH(QByteArray, json);
    QFETCH(QString, warning);

    QTemporaryDir dir;
    const QString file = writeFile(QDir(dir.path()), QStringLiteral("figure.json"), json);
    const QString out = QDir(dir.path()).filePath(QStringLiteral("out"));
    const Run run = runTool(out, {file});
    // A figure that does not look right still renders, with a warning naming the file.
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFileInfo::exists(QDir(out).filePath(QStringLiteral("figure.bmp"))));
    const QStringList lines = run.linesMentioning(file);
    QVERIFY2(!lines.isEmpty(), "no warning");
    QVERIFY2(lines.join(u'\n').contains(warning), qPrintable(lines.join(u'\n')));
    for (const QString& line : lines)
        QVERIFY2(line.contains(u"warning: "), qPrintable(line));
}

void TestAssetGen::exhibitFigures() {
    const QDir exhibits(QStringLiteral(EXHIBITS_DIR));
    const QStringList files =
        exhibits.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        QSKIP("no exhibit figures yet");
    QStringList paths;
    for (const QString& file : files)
        paths.append(exhibits.filePath(file));

    QTemporaryDir out;
    const Run run = runTool(out.path(), paths);
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    for (const QString& line : run.linesMentioning(QStringLiteral("warning: ")))
        qInfo().noquote() << line;
    for (const QString& path : std::as_const(paths)) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject figure = QJsonDocument::fromJson(file.readAll()).object();
        const bool ico = figure.value(QStringLiteral("format")).toString() == u"ico";
        const QString picture = QFileInfo(path).completeBaseName() + (ico ? u".ico" : u".bmp");
        const QImage image = load(QDir(out.path()).filePath(picture));
        QVERIFY2(!image.isNull(), qPrintable(picture));
        QCOMPARE(image.size(), QSize(figure.value(QStringLiteral("width")).toInt(),
                                     figure.value(QStringLiteral("height")).toInt()));
    }
}

QTEST_GUILESS_MAIN(TestAssetGen)
#include "tst_assetgen.moc"
