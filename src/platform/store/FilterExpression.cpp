#include "FilterExpression.h"

#include "StoreError.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
QString invalidFilterText(const QString& expression) {
    return QCoreApplication::translate(
               "Store", "The filter \"%1\" is not valid. A filter has the form FIELD = number, "
                        "with one of the operators = <> < > <= >=.")
        .arg(expression);
}
} // namespace

FilterExpression FilterExpression::parse(const QString& expression) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(<>|<=|>=|=|<|>)\s*([+-]?[0-9]{1,18})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(expression);
    if (!match.hasMatch())
        throw StoreError(invalidFilterText(expression));

    FilterExpression result;
    result.m_field = match.captured(1).toUpper();
    const QString op = match.captured(2);
    if (op == u"=")
        result.m_op = Op::Equal;
    else if (op == u"<>")
        result.m_op = Op::NotEqual;
    else if (op == u"<")
        result.m_op = Op::Less;
    else if (op == u">")
        result.m_op = Op::Greater;
    else if (op == u"<=")
        result.m_op = Op::LessOrEqual;
    else
        result.m_op = Op::GreaterOrEqual;
    bool ok = false;
    result.m_value = match.captured(3).toLongLong(&ok);
    if (!ok)
        throw StoreError(invalidFilterText(expression));
    return result;
}

const char* FilterExpression::sqlOperator() const {
    switch (m_op) {
    case Op::Equal:
        return "=";
    case Op::NotEqual:
        return "<>";
    case Op::Less:
        return "<";
    case Op::Greater:
        return ">";
    case Op::LessOrEqual:
        return "<=";
    case Op::GreaterOrEqual:
        return ">=";
    }
    return "=";
}

bool FilterExpression::matches(std::optional<qint64> fieldValue) const {
    if (!fieldValue)
        return false;
    const qint64 v = *fieldValue;
    switch (m_op) {
    case Op::Equal:
        return v == m_value;
    case Op::NotEqual:
        return v != m_value;
    case Op::Less:
        return v < m_value;
    case Op::Greater:
        return v > m_value;
    case Op::LessOrEqual:
        return v <= m_value;
    case Op::GreaterOrEqual:
        return v >= m_value;
    }
    return false;
}
