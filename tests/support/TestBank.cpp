#include "TestBank.h"

#include "BankFile.h"

#include <QDir>

namespace TestBank {

BankItem item(qint64 id, qint64 examNumber, qint64 section) {
    BankItem item;
    item.id = id;
    item.examNumber = examNumber;
    item.section = section;
    item.text = QStringLiteral("Question number %1 of exam %2").arg(id).arg(examNumber);
    item.choices = {QStringLiteral("alpha"),
                    QStringLiteral("bravo"),
                    QStringLiteral("charlie"),
                    QStringLiteral("delta"),
                    QString(),
                    QString()};
    item.key = QStringLiteral("B");
    item.explanation = QStringLiteral("Because bravo, item %1").arg(id);
    item.origin = QStringLiteral("test");
    return item;
}

QVector<BankItem> items(int count, const QList<qint64>& examNumbers) {
    QVector<BankItem> result;
    for (int i = 0; i < count; ++i)
        result.append(item(i + 1, examNumbers[i % examNumbers.size()], i % 6 + 1));
    return result;
}

void writeTables(const QString& folder, const QVector<BankItem>& bankItems) {
    BankFile::write(bankItems, QDir(folder).filePath(QStringLiteral("halvard.DAT")));
    BankFile::createEmptyTables(folder);
}

} // namespace TestBank
