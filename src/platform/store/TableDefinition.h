#pragma once

#include "Sqlite.h"

#include <QString>
#include <QVector>

enum class FieldType { Integer, Text, Memo, Boolean };

struct FieldDefinition {
    QString name;
    FieldType type;
};

// What the program expects of one table file: its fields, its record order and how it is
// opened. The file itself carries its schema; opening checks it against this definition.
struct TableDefinition {
    QString fileName;
    QVector<FieldDefinition> fields;
    // Empty: records come in storage order. Otherwise they come ordered by this field.
    QString orderField;
    // The order field is the table's own auto-increment key.
    bool autoIncrementKey = false;
    LockRetry lockRetry;
    bool forceFlush = false;
};
