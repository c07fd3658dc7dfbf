#include "Figure.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>
#include <optional>

namespace {

// Thrown inside the parser and turned into the error text at the top.
struct FigureError {
    QString message;
};

[[noreturn]] void fail(const QString& message) {
    throw FigureError{message};
}

QString quoted(const QString& s) {
    return u'"' + s + u'"';
}

std::optional<QString> optionalString(const QJsonObject& object, const QString& key,
                                      const QString& where) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isString())
        fail(where + quoted(key) + u" must be a string");
    return value.toString();
}

QString requiredString(const QJsonObject& object, const QString& key, const QString& where) {
    const std::optional<QString> value = optionalString(object, key, where);
    if (!value)
        fail(where + u"missing " + quoted(key));
    return *value;
}

// Table cells and listing lines: strings, numbers taken as written.
QString cellText(const QJsonValue& value, const QString& where) {
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    fail(where + u" must be a string");
}

QJsonArray optionalArray(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isArray())
        fail(quoted(key) + u" must be an array");
    return value.toArray();
}

QJsonArray requiredArray(const QJsonObject& object, const QString& key, const QString& kind) {
    if (!object.contains(key))
        fail(kind + u" figure has no " + quoted(key));
    const QJsonArray array = optionalArray(object, key);
    if (array.isEmpty())
        fail(kind + u" figure has an empty " + quoted(key));
    return array;
}

QJsonObject objectAt(const QJsonArray& array, qsizetype i, const QString& what) {
    if (!array.at(i).isObject())
        fail(what + u' ' + QString::number(i + 1) + u" is not an object");
    return array.at(i).toObject();
}

int wholeNumber(const QJsonObject& object, const QString& key, const QString& where) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        fail(where + u"missing " + quoted(key));
    const double d = value.toDouble(std::nan(""));
    if (!value.isDouble() || d != std::floor(d) || std::abs(d) > 1e6)
        fail(where + quoted(key) + u" must be a whole number");
    return static_cast<int>(d);
}

double number(const QJsonObject& object, const QString& key, const QString& where) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        fail(where + u"missing " + quoted(key));
    if (!value.isDouble())
        fail(where + quoted(key) + u" must be a number");
    return value.toDouble();
}

std::optional<Figure::NodeType> nodeTypeFromName(const QString& name) {
    using T = Figure::NodeType;
    static const QHash<QString, T> types = {
        {QStringLiteral("router"), T::Router}, {QStringLiteral("switch"), T::Switch},
        {QStringLiteral("hub"), T::Hub},       {QStringLiteral("host"), T::Host},
        {QStringLiteral("server"), T::Server}, {QStringLiteral("printer"), T::Printer},
        {QStringLiteral("cloud"), T::Cloud},   {QStringLiteral("firewall"), T::Firewall},
    };
    const auto it = types.constFind(name);
    if (it == types.constEnd())
        return std::nullopt;
    return *it;
}

void parseDiagram(const QJsonObject& root, Figure& figure) {
    const QJsonArray nodes =
        requiredArray(root, QStringLiteral("nodes"), QStringLiteral("diagram"));
    QHash<QString, int> indexOfId;
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        const QJsonObject object = objectAt(nodes, i, QStringLiteral("node"));
        const QString where = u"node " + QString::number(i + 1) + u": ";
        Figure::Node node;
        node.id = requiredString(object, QStringLiteral("id"), where);
        if (node.id.isEmpty())
            fail(where + u"empty \"id\"");
        if (indexOfId.contains(node.id))
            fail(u"node id " + quoted(node.id) + u" is used twice");
        const QString typeName = requiredString(object, QStringLiteral("type"), where);
        const std::optional<Figure::NodeType> type = nodeTypeFromName(typeName);
        if (!type)
            fail(u"node " + quoted(node.id) + u" has unknown type " + quoted(typeName) +
                 u" (expected router, switch, hub, host, server, printer, cloud or firewall)");
        node.type = *type;
        node.label = optionalString(object, QStringLiteral("label"), where).value_or(QString());
        node.centre = QPointF(number(object, QStringLiteral("x"), where),
                              number(object, QStringLiteral("y"), where));
        indexOfId.insert(node.id, static_cast<int>(figure.nodes.size()));
        figure.nodes.append(node);
    }

    const QJsonArray links = optionalArray(root, QStringLiteral("links"));
    for (qsizetype i = 0; i < links.size(); ++i) {
        const QJsonObject object = objectAt(links, i, QStringLiteral("link"));
        const QString where = u"link " + QString::number(i + 1) + u": ";
        Figure::Link link;
        const QString from = requiredString(object, QStringLiteral("from"), where);
        const QString to = requiredString(object, QStringLiteral("to"), where);
        for (const QString& end : {from, to}) {
            if (!indexOfId.contains(end))
                fail(where + u"names missing node " + quoted(end));
        }
        link.from = indexOfId.value(from);
        link.to = indexOfId.value(to);
        link.label = optionalString(object, QStringLiteral("label"), where).value_or(QString());
        figure.links.append(link);
    }
}

void parseTable(const QJsonObject& root, Figure& figure) {
    const QJsonArray columns =
        requiredArray(root, QStringLiteral("columns"), QStringLiteral("table"));
    for (qsizetype i = 0; i < columns.size(); ++i)
        figure.columns.append(cellText(columns.at(i), u"column " + QString::number(i + 1)));

    const QJsonArray rows = optionalArray(root, QStringLiteral("rows"));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QString where = u"row " + QString::number(r + 1);
        if (!rows.at(r).isArray())
            fail(where + u" is not an array");
        const QJsonArray cells = rows.at(r).toArray();
        if (cells.size() != columns.size())
            fail(where + u" has " + QString::number(cells.size()) + u" cells but there are " +
                 QString::number(columns.size()) + u" columns");
        QStringList row;
        for (qsizetype c = 0; c < cells.size(); ++c)
            row.append(cellText(cells.at(c), where + u", cell " + QString::number(c + 1)));
        figure.rows.append(row);
    }
}

void parseDialog(const QJsonObject& root, Figure& figure) {
    const QJsonArray fields = optionalArray(root, QStringLiteral("fields"));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QJsonObject object = objectAt(fields, i, QStringLiteral("field"));
        const QString where = u"field " + QString::number(i + 1) + u": ";
        figure.fields.append(
            {requiredString(object, QStringLiteral("label"), where),
             optionalString(object, QStringLiteral("value"), where).value_or(QString())});
    }
    const QJsonArray checks = optionalArray(root, QStringLiteral("checks"));
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const QJsonObject object = objectAt(checks, i, QStringLiteral("check"));
        const QString where = u"check " + QString::number(i + 1) + u": ";
        const QJsonValue checked = object.value(QStringLiteral("checked"));
        if (!checked.isUndefined() && !checked.isBool())
            fail(where + u"\"checked\" must be true or false");
        figure.checks.append(
            {requiredString(object, QStringLiteral("label"), where), checked.toBool()});
    }
    const QJsonArray buttons = optionalArray(root, QStringLiteral("buttons"));
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        if (!buttons.at(i).isString())
            fail(u"button " + QString::number(i + 1) + u" must be a string");
        figure.buttons.append(buttons.at(i).toString());
    }
    if (figure.fields.isEmpty() && figure.checks.isEmpty() && figure.buttons.isEmpty())
        fail(QStringLiteral("dialog figure has no \"fields\", \"checks\" or \"buttons\""));
}

void parseText(const QJsonObject& root, Figure& figure) {
    const QJsonArray lines = requiredArray(root, QStringLiteral("lines"), QStringLiteral("text"));
    for (qsizetype i = 0; i < lines.size(); ++i)
        figure.lines.append(cellText(lines.at(i), u"line " + QString::number(i + 1)));
    const std::optional<QString> style = optionalString(root, QStringLiteral("style"), QString());
    if (!style || *style == u"console")
        figure.textStyle = Figure::TextStyle::Console;
    else if (*style == u"plain")
        figure.textStyle = Figure::TextStyle::Plain;
    else
        fail(u"unknown text style " + quoted(*style) + u" (expected console or plain)");
}

void parseRoot(const QJsonObject& root, Figure& figure) {
    const std::optional<QString> format = optionalString(root, QStringLiteral("format"), QString());
    if (!format || *format == u"bmp")
        figure.format = Figure::Format::Bmp;
    else if (*format == u"ico")
        figure.format = Figure::Format::Ico;
    else
        fail(u"unknown format " + quoted(*format) + u" (expected bmp or ico)");

    figure.width = wholeNumber(root, QStringLiteral("width"), QString());
    figure.height = wholeNumber(root, QStringLiteral("height"), QString());
    if (figure.format == Figure::Format::Ico) {
        const bool square = figure.width == figure.height;
        if (!square || (figure.width != 128 && figure.width != 256))
            fail(u"an ico figure must be 128 x 128 or 256 x 256, not " +
                 QString::number(figure.width) + u" x " + QString::number(figure.height));
    } else {
        for (const auto& [name, value] : {std::pair{QStringLiteral("width"), figure.width},
                                          std::pair{QStringLiteral("height"), figure.height}}) {
            if (value < Figure::MinSize || value > Figure::MaxSize)
                fail(quoted(name) + u' ' + QString::number(value) + u" is out of range " +
                     QString::number(Figure::MinSize) + u".." + QString::number(Figure::MaxSize));
        }
    }

    figure.title = optionalString(root, QStringLiteral("title"), QString()).value_or(QString());

    const QString kind = requiredString(root, QStringLiteral("kind"), QString());
    if (kind == u"diagram") {
        figure.kind = Figure::Kind::Diagram;
        parseDiagram(root, figure);
    } else if (kind == u"table") {
        figure.kind = Figure::Kind::Table;
        parseTable(root, figure);
    } else if (kind == u"dialog") {
        figure.kind = Figure::Kind::Dialog;
        parseDialog(root, figure);
    } else if (kind == u"text") {
        figure.kind = Figure::Kind::Text;
        parseText(root, figure);
    } else {
        fail(u"unknown kind " + quoted(kind) + u" (expected diagram, table, dialog or text)");
    }
}

} // namespace

bool parseFigure(const QByteArray& json, Figure& figure, QString& error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = u"not valid JSON at offset " + QString::number(parseError.offset) + u": " +
                parseError.errorString();
        return false;
    }
    if (!document.isObject()) {
        error = QStringLiteral("the top level is not a JSON object");
        return false;
    }
    figure = Figure();
    try {
        parseRoot(document.object(), figure);
    } catch (const FigureError& e) {
        error = e.message;
        return false;
    }
    return true;
}
