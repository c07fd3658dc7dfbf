#include "BankFile.h"

#include "StoreError.h"
#include "Table.h"
#include "Tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>

namespace BankFile {

void write(const QVector<BankItem>& items, const QString& path) {
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    Table::createFile(temporary, Tables::questionBank(), Tables::Password);
    {
        Session session(Tables::SessionName);
        session.addPassword(Tables::Password);
        Table bank(session, Tables::questionBank());
        bank.setFilePath(temporary);
        bank.open();
        QVector<BankItem> ordered = items;
        std::sort(ordered.begin(), ordered.end(),
                  [](const BankItem& a, const BankItem& b) { return a.id < b.id; });
        bank.beginTransaction();
        for (const BankItem& item : ordered) {
            bank.append();
            bank.setInteger(QStringLiteral("Q_ID"), item.id);
            bank.setInteger(QStringLiteral("Q_EXAM_N"), item.examNumber);
            bank.setInteger(QStringLiteral("Q_SECT"), item.section);
            bank.setText(QStringLiteral("Q_TEXT"), item.text);
            bank.setBoolean(QStringLiteral("Q_TYPE"), item.multiple);
            for (int c = 0; c < 6; ++c) {
                bank.setText(QStringLiteral("Q%1").arg(c + 1), item.choices.value(c));
                bank.setBoolean(QStringLiteral("A%1").arg(c + 1), item.keyed(c));
            }
            bank.setText(QStringLiteral("Q_EXPL"), item.explanation);
            bank.setText(QStringLiteral("Q_SIM"), item.simulation);
            bank.setText(QStringLiteral("PICT1"), item.picture1);
            bank.setText(QStringLiteral("PICT2"), item.picture2);
            bank.setText(QStringLiteral("U_MEMO"), item.memo);
            bank.post();
        }
        bank.commit();
        bank.close();
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path))
        throw StoreError(
            QStringLiteral("%1: cannot be replaced").arg(QDir::toNativeSeparators(path)));
}

namespace {

BankItem readItem(const Table& table, const QString& origin) {
    BankItem item;
    item.origin = origin;
    item.examNumber = table.integer(QStringLiteral("Q_EXAM_N"));
    item.section = table.integer(QStringLiteral("Q_SECT"));
    item.multiple = table.boolean(QStringLiteral("Q_TYPE"));
    item.text = table.text(QStringLiteral("Q_TEXT"));
    for (int c = 0; c < 6; ++c) {
        item.choices.append(table.text(QStringLiteral("Q%1").arg(c + 1)));
        if (table.boolean(QStringLiteral("A%1").arg(c + 1)))
            item.key += QChar(u'A' + c);
    }
    item.explanation = table.text(QStringLiteral("Q_EXPL"));
    item.simulation = table.text(QStringLiteral("Q_SIM"));
    item.picture1 = table.text(QStringLiteral("PICT1"));
    item.picture2 = table.text(QStringLiteral("PICT2"));
    item.memo = table.text(QStringLiteral("U_MEMO"));
    return item;
}

} // namespace

namespace {

// Every record of a table file as bank items, each given its id by `identify`.
QVector<BankItem> readItems(const QString& path, const TableDefinition& definition,
                            const std::function<qint64(const Table&, const QString&)>& identify) {
    Session session(Tables::SessionName);
    session.addPassword(Tables::Password);
    Table table(session, definition);
    table.setFilePath(path);
    table.open();
    QVector<BankItem> items;
    const QString origin = QFileInfo(path).fileName();
    for (table.first(); !table.eof(); table.next()) {
        BankItem item = readItem(table, origin);
        item.id = identify(table, origin);
        items.append(item);
    }
    return items;
}

} // namespace

QVector<BankItem> read(const QString& path) {
    return readItems(path, Tables::questionBank(), [](const Table& bank, const QString& origin) {
        const qint64 id = bank.integer(QStringLiteral("Q_ID"));
        if (bank.recNo() != id)
            throw StoreError(QStringLiteral("%1: Q_ID %2 is record number %3; they must be equal")
                                 .arg(origin)
                                 .arg(id)
                                 .arg(bank.recNo()));
        return id;
    });
}

QVector<BankItem> readCurrentExam(const QString& path) {
    return readItems(path, Tables::currentExam(), [](const Table& exam, const QString&) {
        return exam.integer(QStringLiteral("Q_OR_NUMBER"));
    });
}

QStringList createEmptyTables(const QString& folder) {
    QStringList created;
    const QDir dir(folder);
    for (const auto& definition : {Tables::currentExam(), Tables::userSet()}) {
        const QString path = dir.filePath(definition.fileName);
        if (QFileInfo::exists(path))
            continue;
        Table::createFile(path, definition, Tables::Password);
        created.append(path);
    }
    return created;
}

} // namespace BankFile
