#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

// One exhibit figure as described by a figure file (see data/exhibits/README.md).
struct Figure {
    enum class Kind { Diagram, Table, Dialog, Text };
    enum class Format { Bmp, Ico };
    enum class TextStyle { Console, Plain };
    enum class NodeType { Router, Switch, Hub, Host, Server, Printer, Cloud, Firewall };

    struct Node {
        QString id;
        NodeType type = NodeType::Host;
        QString label;
        QPointF centre;
    };
    struct Link {
        int from = 0; // indexes into nodes
        int to = 0;
        QString label;
    };
    struct Field {
        QString label;
        QString value;
    };
    struct Check {
        QString label;
        bool checked = false;
    };

    int width = 0;
    int height = 0;
    QString title;
    Format format = Format::Bmp;
    Kind kind = Kind::Diagram;

    QList<Node> nodes;
    QList<Link> links;

    QStringList columns;
    QList<QStringList> rows;

    QList<Field> fields;
    QList<Check> checks;
    QStringList buttons;

    QStringList lines;
    TextStyle textStyle = TextStyle::Console;

    static constexpr int MinSize = 160;
    static constexpr int MaxSize = 760;

    // The file extension of the picture: "bmp" or "ico".
    QString extension() const {
        return format == Format::Ico ? QStringLiteral("ico") : QStringLiteral("bmp");
    }
};

// Reads a figure file's contents. On failure returns false and sets error to one line saying
// what is wrong (without the file name).
bool parseFigure(const QByteArray& json, Figure& figure, QString& error);
