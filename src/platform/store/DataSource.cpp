#include "DataSource.h"

DataSource::DataSource(Table* table, QObject* parent) : QObject(parent) {
    setTable(table);
}

void DataSource::setTable(Table* table) {
    disconnect(m_dataConnection);
    disconnect(m_stateConnection);
    m_table = table;
    if (!table)
        return;
    m_dataConnection = connect(table, &Table::dataChanged, this, [this](const QString& field) {
        if (m_enabled)
            emit dataChange(field);
    });
    m_stateConnection = connect(table, &Table::stateChanged, this, [this] {
        if (m_enabled)
            emit stateChange();
    });
}
