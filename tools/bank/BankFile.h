#pragma once

#include "BankSource.h"

// Moving bank items between their source form and the encrypted table files.
namespace BankFile {

// Writes the items, in Q_ID order, into a new bank file that replaces `path` only once it
// is complete.
void write(const QVector<BankItem>& items, const QString& path);
QVector<BankItem> read(const QString& path);
// The items of a current-exam file in presentation order, each with Q_ID = the bank's
// (or user set's) Q_ID it was copied from.
QVector<BankItem> readCurrentExam(const QString& path);
// Creates the empty current-exam and user-set files in the folder, leaving existing ones.
QStringList createEmptyTables(const QString& folder);

} // namespace BankFile
