// tarnwick-assets OUTDIR [FIGURE.json ...]
//
// Writes the built-in pictures into OUTDIR and renders each figure file to
// OUTDIR/<stem>.bmp, or <stem>.ico for figures in ico format. A figure file that cannot be
// rendered is reported on one line of standard error; the exit status is then 1.

#include "BuiltinPictures.h"
#include "Figure.h"
#include "FigureRenderer.h"
#include "IndexedImage.h"
#include "PaintSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSet>
#include <QTextStream>

namespace {

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

void report(const QString& file, const QString& message) {
    err() << "tarnwick-assets: " << file << ": " << message << Qt::endl;
}

void reportNotes(const QString& file, const RenderNotes& notes) {
    for (const QString& note : notes.notes())
        report(file, u"warning: " + note);
}

bool save(const QImage& image, const QString& path, const QByteArray& format, QString& error) {
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        error = u"cannot write " + path + u": " + writer.errorString();
        return false;
    }
    return true;
}

bool writeBuiltins(const QDir& out) {
    bool ok = true;
    struct Builtin {
        QString file;
        QImage (*paint)(RenderNotes&);
        bool indexed;
    };
    const Builtin builtins[] = {
        {BuiltinPictures::LogoFile, &BuiltinPictures::logo, false},
        {BuiltinPictures::PrintNetworkFile, &BuiltinPictures::printNetwork, true},
    };
    for (const Builtin& builtin : builtins) {
        RenderNotes notes;
        QImage image = builtin.paint(notes);
        reportNotes(builtin.file, notes);
        if (builtin.indexed)
            image = toIndexed256(image);
        QString error;
        if (!save(image, out.filePath(builtin.file), "bmp", error)) {
            report(builtin.file, error);
            ok = false;
        }
    }
    return ok;
}

bool renderFigureFile(const QString& path, const QDir& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(path, u"cannot read: " + file.errorString());
        return false;
    }
    Figure figure;
    QString error;
    if (!parseFigure(file.readAll(), figure, error)) {
        report(path, error);
        return false;
    }
    const QString stem = QFileInfo(path).completeBaseName();
    const QString target = stem + u'.' + figure.extension();
    if (target == BuiltinPictures::LogoFile || target == BuiltinPictures::PrintNetworkFile) {
        report(path, u"the picture name " + target + u" belongs to a built-in picture");
        return false;
    }
    RenderNotes notes;
    const QImage image = renderFigure(figure, notes);
    reportNotes(path, notes);
    if (!save(image, out.filePath(target), figure.extension().toLatin1(), error)) {
        report(path, error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Runs during the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(u'-')) {
        err() << "usage: tarnwick-assets OUTDIR [FIGURE.json ...]" << Qt::endl;
        return 2;
    }
    const QDir out(args.first());
    if (!QDir().mkpath(out.path())) {
        err() << "tarnwick-assets: cannot create " << out.path() << Qt::endl;
        return 1;
    }

    bool ok = writeBuiltins(out);
    QSet<QString> seen;
    for (const QString& path : args.mid(1)) {
        const QString stem = QFileInfo(path).completeBaseName();
        if (seen.contains(stem)) {
            report(path, u"another figure file has the same name " + stem);
            ok = false;
            continue;
        }
        seen.insert(stem);
        ok = renderFigureFile(path, out) && ok;
    }
    return ok ? 0 : 1;
}
