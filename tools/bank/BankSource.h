#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One item of the question bank as its source file gives it.
struct BankItem {
    qint64 id = 0;
    qint64 examNumber = 0;
    qint64 section = 0;
    bool multiple = false;
    QString text;
    QStringList choices; // always six, empty where the item has no such choice
    QString key;         // keyed letters A..F in order
    QString explanation;
    QString simulation;
    QString picture1;
    QString picture2;
    QString memo;
    QString origin; // source file name, for messages

    bool keyed(int choice) const { return key.contains(QChar(u'A' + choice)); }
    bool operator==(const BankItem& other) const;
};

// Reading, writing and checking the human-editable bank source.
namespace BankSource {

// Reads a .json file, or every .json file of a folder in name order. Throws StoreError
// naming the file and the item on a malformed source.
QVector<BankItem> read(const QString& path);
QVector<BankItem> parse(const QByteArray& json, const QString& origin);
// The canonical source text: the round trip read -> write gives the same bytes.
QByteArray write(const QVector<BankItem>& items);
// The broken invariants, one message each, naming the file and the item. Pictures are
// looked for in pictureFolder unless it is empty.
QStringList problems(const QVector<BankItem>& items, const QString& pictureFolder);

} // namespace BankSource
