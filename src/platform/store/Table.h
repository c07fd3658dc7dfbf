#pragma once

#include "FilterExpression.h"
#include "Session.h"
#include "Sqlite.h"
#include "TableDefinition.h"

#include <QHash>
#include <QObject>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

// A cursor over one table file: open and close, a filter, moves, record numbers, an edit
// buffer for editing and inserting, and notifications when the data or the state change.
//
// Record numbers count from 1 over the whole table in its order, whatever the filter: in a
// table ordered by a key this is the position in key order, in a storage-ordered table the
// position in the order the records were appended.
class Table : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(Session& session, TableDefinition definition, QObject* parent = nullptr);
    ~Table() override;

    // Creates a new, empty table file keyed with the password. Fails if the file exists.
    static void createFile(const QString& path, const TableDefinition& definition,
                           const QString& password);

    const TableDefinition& definition() const { return m_definition; }
    // The file opened, relative names resolved against the current directory when opening.
    void setFilePath(const QString& path) { m_path = path; }
    QString filePath() const;

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // Takes effect when the table is next opened; the file is then held until close.
    void setExclusive(bool exclusive) { m_exclusive = exclusive; }
    bool exclusive() const { return m_exclusive; }
    void setLockRetry(LockRetry retry) { m_definition.lockRetry = retry; }

    void setFilter(const QString& expression);
    const QString& filter() const { return m_filterText; }
    void setFiltered(bool filtered);
    bool filtered() const { return m_filtered; }

    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }

    int recNo() const;
    void setRecNo(int recNo);
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    // Makes the record whose order field equals the key current; false if none passes.
    bool findKey(qint64 key);

    void append();
    void insert() { append(); }
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    // Removes every record; open or closed. Numbering starts again at 1.
    void emptyTable();

    // Appends inside a transaction are written to disk once, at commit.
    void beginTransaction();
    void commit();
    void rollback();

    bool hasField(const QString& name) const;
    QVariant value(const QString& name) const;
    qint64 integer(const QString& name) const;
    QString text(const QString& name) const;
    bool boolean(const QString& name) const;
    void setValue(const QString& name, const QVariant& value);
    void setInteger(const QString& name, qint64 value) { setValue(name, QVariant(value)); }
    void setText(const QString& name, const QString& value) { setValue(name, QVariant(value)); }
    void setBoolean(const QString& name, bool value) { setValue(name, QVariant(qint64(value))); }

    // For speed in loops: the column of a field, and access by column.
    int fieldIndex(const QString& name) const;
    QVariant valueAt(int column) const;
    void setValueAt(int column, const QVariant& value);

signals:
    // After every move to another record (field empty) and after a field change while
    // editing (the field's name).
    void dataChanged(const QString& field);
    void stateChanged();

private:
    struct Row {
        qint64 rowId;
        qint64 key;
    };

    [[noreturn]] void fail(int rc, const QString& doing = QString()) const;
    void requireOpen() const;
    void exec(const QByteArray& sql);
    void openConnection();
    void checkSchema();
    void acquireExclusiveLock();
    void loadRows();
    void applyFilter();
    void moveTo(int visibleIndex);
    void setState(State state);
    const QVector<QVariant>& currentValues() const;
    qint64 orderKeyOf(qint64 rowId, const QVector<QVariant>& values) const;
    bool passesFilter(const QVector<QVariant>& values) const;
    int visibleIndexOfPosition(int position) const;
    int columnOf(const QString& name) const;
    QByteArray columnList() const;
    void emptyOpenTable();
    void emptyClosedFile();

    Session& m_session;
    TableDefinition m_definition;
    QString m_path;
    QString m_resolvedPath;
    std::unique_ptr<SqliteConnection> m_connection;
    State m_state = State::Inactive;
    bool m_exclusive = false;
    QString m_filterText;
    std::optional<FilterExpression> m_filter;
    bool m_filtered = false;

    QStringList m_columns;          // file's columns, in file order
    QHash<QString, int> m_columnOf; // upper-case name -> column
    int m_orderColumn = -1;

    std::vector<Row> m_rows;    // whole table, in table order
    std::vector<int> m_visible; // positions in m_rows that pass the filter
    int m_cursor = 0;
    bool m_eof = true;
    bool m_bof = true;

    mutable QVector<QVariant> m_current;
    mutable bool m_currentLoaded = false;
    QVector<QVariant> m_buffer; // edit and insert
    qint64 m_editRowId = 0;
    int m_transactionDepth = 0;

    std::unique_ptr<SqliteStatement> m_selectRecord;
    std::unique_ptr<SqliteStatement> m_insertRecord;
};
