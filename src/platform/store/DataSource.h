#pragma once

#include "Table.h"

#include <QObject>
#include <QPointer>

// Passes a table's notifications on to the controls and handlers bound to it; while
// disabled it passes nothing.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(Table* table = nullptr, QObject* parent = nullptr);

    Table* table() const { return m_table; }
    void setTable(Table* table);
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }

signals:
    void dataChange(const QString& field);
    void stateChange();

private:
    QPointer<Table> m_table;
    QMetaObject::Connection m_dataConnection;
    QMetaObject::Connection m_stateConnection;
    bool m_enabled = true;
};
