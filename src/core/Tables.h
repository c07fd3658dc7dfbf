#pragma once

#include "TableDefinition.h"

#include <QString>

// The three table files of the program and the session they are opened through.
namespace Tables {

inline const QString SessionName = QStringLiteral("Mirelle");
inline const QString Password = QStringLiteral("Kelvoran8826");

inline const QString QuestionBankFile = QStringLiteral("halvard.DAT");
inline const QString CurrentExamFile = QStringLiteral("ces.DAT");
inline const QString UserSetFile = QStringLiteral("halvardusr.DAT");

TableDefinition questionBank();
TableDefinition currentExam();
TableDefinition userSet();

} // namespace Tables
