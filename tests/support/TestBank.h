#pragma once

#include "BankSource.h"

#include <QString>

// Small banks for tests, written as real encrypted table files.
namespace TestBank {

// An item with a text that names it, four choices and the key B.
BankItem item(qint64 id, qint64 examNumber, qint64 section);
// Items 1..count with exam numbers from the list, cycled, and sections 1..6 cycled.
QVector<BankItem> items(int count, const QList<qint64>& examNumbers);
// Writes halvard.DAT and empty ces.DAT and halvardusr.DAT into the folder.
void writeTables(const QString& folder, const QVector<BankItem>& bankItems);

} // namespace TestBank
