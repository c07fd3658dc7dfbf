#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

struct sqlite3;
struct sqlite3_stmt;

// How long a statement waits for another program's lock: count x wait.
struct LockRetry {
    int count = 15;
    int waitMs = 100;
};

// One SQLCipher connection. Errors are reported as SQLite result codes; the table layer
// turns them into messages for the candidate.
class SqliteConnection {
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens an existing file (create = false) or a new one. Returns the SQLite result code.
    int open(const QString& path, bool create);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    int key(const QString& password);
    sqlite3* handle() const { return m_db; }
    QString lastMessage() const;
    qint64 lastInsertRowId() const;

private:
    sqlite3* m_db = nullptr;
};

// A prepared statement that keeps its SQL text and bindings, so that it can be prepared
// anew after a busy answer: once a statement has seen SQLITE_BUSY, this SQLCipher fails
// later steps on the same connection at once, so retrying the same handle does not work.
class SqliteStatement {
public:
    SqliteStatement(SqliteConnection& connection, QByteArray sql, LockRetry retry);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(int index, const QVariant& value); // 1-based; a null QVariant binds NULL
    void clearBindings();

    // Steps once; on SQLITE_BUSY before the first row, waits and re-prepares up to the
    // retry count. Returns SQLITE_ROW, SQLITE_DONE or the error code.
    int step();
    void reset();

    int columnCount() const;
    bool columnIsNull(int column) const;
    qint64 columnInt(int column) const;
    QString columnText(int column) const;
    QVariant columnValue(int column) const;
    QString columnName(int column) const;
    int prepareResult() const { return m_prepareResult; }

private:
    void prepare();
    void applyBindings();

    SqliteConnection& m_connection;
    QByteArray m_sql;
    LockRetry m_retry;
    sqlite3_stmt* m_stmt = nullptr;
    int m_prepareResult = 0;
    QVector<QVariant> m_bindings;
    bool m_stepped = false;
};
