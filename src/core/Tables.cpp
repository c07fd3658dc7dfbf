#include "Tables.h"

namespace {

QVector<FieldDefinition> choiceTexts() {
    QVector<FieldDefinition> fields;
    for (int i = 1; i <= 6; ++i)
        fields.append({QStringLiteral("Q%1").arg(i), FieldType::Text});
    return fields;
}

QVector<FieldDefinition> answerKey() {
    QVector<FieldDefinition> fields;
    for (int i = 1; i <= 6; ++i)
        fields.append({QStringLiteral("A%1").arg(i), FieldType::Boolean});
    return fields;
}

TableDefinition withCommonSettings(TableDefinition definition) {
    definition.lockRetry = LockRetry{15, 100};
    return definition;
}

} // namespace

namespace Tables {

TableDefinition questionBank() {
    TableDefinition d;
    d.fileName = QuestionBankFile;
    d.fields = {{QStringLiteral("Q_ID"), FieldType::Integer},
                {QStringLiteral("Q_EXAM_N"), FieldType::Integer},
                {QStringLiteral("Q_SECT"), FieldType::Integer},
                {QStringLiteral("Q_TEXT"), FieldType::Memo},
                {QStringLiteral("Q_TYPE"), FieldType::Boolean}};
    d.fields += choiceTexts();
    d.fields += answerKey();
    d.fields += {{QStringLiteral("Q_EXPL"), FieldType::Memo},
                 {QStringLiteral("Q_SIM"), FieldType::Text},
                 {QStringLiteral("PICT1"), FieldType::Text},
                 {QStringLiteral("PICT2"), FieldType::Text},
                 {QStringLiteral("U_MEMO"), FieldType::Memo}};
    d.orderField = QStringLiteral("Q_ID");
    d.forceFlush = true;
    return withCommonSettings(d);
}

TableDefinition currentExam() {
    // Field order is the order in which a prepared item is written.
    TableDefinition d;
    d.fileName = CurrentExamFile;
    d.fields = {{QStringLiteral("Q_EXAM_N"), FieldType::Integer},
                {QStringLiteral("Q_SECT"), FieldType::Integer},
                {QStringLiteral("Q_TEXT"), FieldType::Memo},
                {QStringLiteral("Q_EXPL"), FieldType::Memo},
                {QStringLiteral("Q_TYPE"), FieldType::Boolean}};
    d.fields += choiceTexts();
    d.fields += {{QStringLiteral("Q_SIM"), FieldType::Text}};
    d.fields += answerKey();
    d.fields += {{QStringLiteral("PICT1"), FieldType::Text},
                 {QStringLiteral("PICT2"), FieldType::Text},
                 {QStringLiteral("Q_OR_NUMBER"), FieldType::Integer},
                 {QStringLiteral("U_MEMO"), FieldType::Memo}};
    return withCommonSettings(d);
}

TableDefinition userSet() {
    TableDefinition d;
    d.fileName = UserSetFile;
    d.fields = {{QStringLiteral("Q_ID"), FieldType::Integer},
                {QStringLiteral("Q_SECT"), FieldType::Integer},
                {QStringLiteral("Q_TEXT"), FieldType::Memo},
                {QStringLiteral("Q_TYPE"), FieldType::Boolean}};
    d.fields += choiceTexts();
    d.fields += answerKey();
    d.fields +=
        {{QStringLiteral("Q_EXPL"), FieldType::Memo}, {QStringLiteral("U_MEMO"), FieldType::Memo}};
    d.orderField = QStringLiteral("Q_ID");
    d.autoIncrementKey = true;
    return withCommonSettings(d);
}

} // namespace Tables
