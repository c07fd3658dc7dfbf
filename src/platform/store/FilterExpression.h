#pragma once

#include <QString>
#include <optional>

// A table filter of the one form the program uses: FIELD op INTEGER.
class FilterExpression {
public:
    enum class Op { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

    // Throws StoreError quoting the expression when it is not of that form.
    static FilterExpression parse(const QString& expression);

    const QString& field() const { return m_field; }
    Op op() const { return m_op; }
    qint64 value() const { return m_value; }
    const char* sqlOperator() const;
    // A missing (null) value satisfies no comparison, as in SQL.
    bool matches(std::optional<qint64> fieldValue) const;

private:
    QString m_field;
    Op m_op = Op::Equal;
    qint64 m_value = 0;
};
