#include "PrepareUnit.h"

#include "ExamDraw.h"
#include "Table.h"

#include <QStringList>

namespace {

enum class Source { QuestionBank, UserSet };

// Shows the progress window for the length of a preparation, also when it fails.
class ProgressScope {
public:
    explicit ProgressScope(PreparationProgress* progress) : m_progress(progress) {
        if (m_progress)
            m_progress->begin();
    }
    ~ProgressScope() {
        if (m_progress)
            m_progress->end();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    PreparationProgress* m_progress;
};

// Rolls the appends of a failed preparation back, so no half exam is left behind.
class TransactionScope {
public:
    explicit TransactionScope(Table& table) : m_table(table) { m_table.beginTransaction(); }
    ~TransactionScope() {
        if (!m_committed) {
            try {
                m_table.rollback();
            } catch (...) {
            }
        }
    }
    void commit() {
        m_table.commit();
        m_committed = true;
    }

private:
    Table& m_table;
    bool m_committed = false;
};

struct FieldCopy {
    int from;
    int to;
    FieldType type; // of the exam field
};

// The exam table holds every value in its field's form: an empty source value becomes 0,
// an empty text or false, and a key value other than 0 becomes true.
QVariant inFieldForm(const QVariant& value, FieldType type) {
    switch (type) {
    case FieldType::Integer:
        return qint64(value.isNull() ? 0 : value.toLongLong());
    case FieldType::Boolean:
        return qint64(!value.isNull() && value.toLongLong() != 0);
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return value.isNull() ? QStringLiteral("") : value.toString();
}

FieldType typeOf(const Table& table, const QString& field) {
    for (const FieldDefinition& definition : table.definition().fields)
        if (definition.name.compare(field, Qt::CaseInsensitive) == 0)
            return definition.type;
    return FieldType::Text;
}

// The fields copied into each exam record, in the exam table's field order.
std::vector<FieldCopy> fieldCopies(const Table& source, const Table& currentExam, Source kind) {
    QStringList fields = {
        QStringLiteral("Q_EXAM_N"), QStringLiteral("Q_SECT"), QStringLiteral("Q_TEXT"),
        QStringLiteral("Q_EXPL"),   QStringLiteral("Q_TYPE"), QStringLiteral("Q1"),
        QStringLiteral("Q2"),       QStringLiteral("Q3"),     QStringLiteral("Q4"),
        QStringLiteral("Q5"),       QStringLiteral("Q6"),     QStringLiteral("Q_SIM"),
        QStringLiteral("A1"),       QStringLiteral("A2"),     QStringLiteral("A3"),
        QStringLiteral("A4"),       QStringLiteral("A5"),     QStringLiteral("A6"),
        QStringLiteral("PICT1"),    QStringLiteral("PICT2")};
    if (kind == Source::UserSet) {
        // Items of the candidate's own set carry no exam number, simulation or exhibits.
        for (const char* skipped : {"Q_EXAM_N", "Q_SIM", "PICT1", "PICT2"})
            fields.removeOne(QString::fromLatin1(skipped));
    }
    std::vector<FieldCopy> copies;
    auto copy = [&](const QString& from, const QString& to) {
        copies.push_back(
            {source.fieldIndex(from), currentExam.fieldIndex(to), typeOf(currentExam, to)});
    };
    for (const QString& field : fields)
        copy(field, field);
    copy(QStringLiteral("Q_ID"), QStringLiteral("Q_OR_NUMBER"));
    copy(QStringLiteral("U_MEMO"), QStringLiteral("U_MEMO"));
    return copies;
}

ExamRange prepare(Table& source, Table& currentExam, Source kind, int picks,
                  PreparationProgress* progress) {
    ProgressScope progressScope(progress);

    std::vector<qint64> candidates;
    candidates.reserve(std::size_t(source.recordCount()));
    for (source.first(); !source.eof(); source.next()) {
        candidates.push_back(kind == Source::QuestionBank ? qint64(source.recNo())
                                                          : source.integer(QStringLiteral("Q_ID")));
        if (candidates.size() == std::size_t(source.recordCount()))
            break;
    }
    if (picks < 0)
        picks = int(candidates.size());
    std::mt19937_64 random = FreshlySeededRandom();
    const std::vector<qint64> drawn = DrawItems(std::move(candidates), picks, random);

    // Opened before it is emptied: the same result, with one key derivation fewer.
    currentExam.setExclusive(true);
    currentExam.open();
    currentExam.emptyTable();

    if (progress)
        progress->setMaximum(int(drawn.size()));
    if (!drawn.empty()) {
        const std::vector<FieldCopy> copies = fieldCopies(source, currentExam, kind);
        TransactionScope transaction(currentExam);
        for (std::size_t k = 0; k < drawn.size(); ++k) {
            source.findKey(drawn[k]);
            if (progress)
                progress->setPosition(int(k));
            currentExam.append();
            for (const FieldCopy& copy : copies)
                currentExam.setValueAt(copy.to, inFieldForm(source.valueAt(copy.from), copy.type));
            currentExam.post();
        }
        transaction.commit();
    }

    currentExam.first();
    return ExamRange{currentExam.recNo(), currentExam.recordCount()};
}

} // namespace

ExamRange PrepareExamSet(Table& questionBank, Table& currentExam, PreparationProgress* progress) {
    return prepare(questionBank, currentExam, Source::QuestionBank, -1, progress);
}

ExamRange PrepareRandomSet(Table& questionBank, Table& currentExam, int questionCount,
                           PreparationProgress* progress) {
    return prepare(questionBank, currentExam, Source::QuestionBank, std::max(0, questionCount),
                   progress);
}

ExamRange PrepareUserSet(Table& userSet, Table& currentExam, PreparationProgress* progress) {
    return prepare(userSet, currentExam, Source::UserSet, -1, progress);
}

void ResetItemState(Table& currentExam, ItemStateArray& itemState) {
    currentExam.first();
    itemState.resize(std::size_t(currentExam.recordCount()));
    const int section = currentExam.fieldIndex(QStringLiteral("Q_SECT"));
    while (!currentExam.eof()) {
        ItemState& state = itemState[std::size_t(currentExam.recNo() - 1)];
        state = ItemState{};
        state.Section = qint32(currentExam.valueAt(section).toLongLong());
        currentExam.next();
    }
}
