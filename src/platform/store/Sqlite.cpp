#include "Sqlite.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QThread>

SqliteConnection::~SqliteConnection() {
    close();
}

int SqliteConnection::open(const QString& path, bool create) {
    close();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK)
        close();
    return rc;
}

void SqliteConnection::close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

int SqliteConnection::key(const QString& password) {
    const QByteArray bytes = password.toUtf8();
    return sqlite3_key(m_db, bytes.constData(), int(bytes.size()));
}

QString SqliteConnection::lastMessage() const {
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
}

qint64 SqliteConnection::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(m_db);
}

SqliteStatement::SqliteStatement(SqliteConnection& connection, QByteArray sql, LockRetry retry)
    : m_connection(connection), m_sql(std::move(sql)), m_retry(retry) {
    prepare();
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::prepare() {
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    m_prepareResult = sqlite3_prepare_v2(m_connection.handle(), m_sql.constData(),
                                         int(m_sql.size()), &m_stmt, nullptr);
}

void SqliteStatement::bind(int index, const QVariant& value) {
    if (m_bindings.size() < index)
        m_bindings.resize(index);
    m_bindings[index - 1] = value;
    if (m_stmt && m_prepareResult == SQLITE_OK) {
        if (!value.isValid() || value.isNull()) {
            sqlite3_bind_null(m_stmt, index);
        } else if (value.typeId() == QMetaType::QString) {
            const QString text = value.toString();
            sqlite3_bind_text16(m_stmt, index, text.utf16(), int(text.size() * 2),
                                SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(m_stmt, index, value.toLongLong());
        }
    }
}

void SqliteStatement::applyBindings() {
    const QVector<QVariant> bindings = m_bindings;
    for (int i = 0; i < bindings.size(); ++i)
        bind(i + 1, bindings[i]);
}

void SqliteStatement::clearBindings() {
    m_bindings.clear();
    if (m_stmt)
        sqlite3_clear_bindings(m_stmt);
}

int SqliteStatement::step() {
    for (int attempt = 0;; ++attempt) {
        if (m_prepareResult != SQLITE_OK) {
            if ((m_prepareResult == SQLITE_BUSY || m_prepareResult == SQLITE_LOCKED) &&
                attempt < m_retry.count) {
                QThread::msleep(m_retry.waitMs);
                prepare();
                applyBindings();
                continue;
            }
            return m_prepareResult;
        }
        const int rc = sqlite3_step(m_stmt);
        if ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && !m_stepped && attempt < m_retry.count) {
            QThread::msleep(m_retry.waitMs);
            prepare();
            applyBindings();
            continue;
        }
        m_stepped = rc == SQLITE_ROW;
        return rc;
    }
}

void SqliteStatement::reset() {
    if (m_stmt)
        sqlite3_reset(m_stmt);
    m_stepped = false;
}

int SqliteStatement::columnCount() const {
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

bool SqliteStatement::columnIsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 SqliteStatement::columnInt(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

QString SqliteStatement::columnText(int column) const {
    const auto* data = static_cast<const char16_t*>(sqlite3_column_text16(m_stmt, column));
    const int bytes = sqlite3_column_bytes16(m_stmt, column);
    return data ? QString::fromUtf16(data, bytes / 2) : QString();
}

QVariant SqliteStatement::columnValue(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(qint64(sqlite3_column_double(m_stmt, column)));
    default:
        return QVariant(columnText(column));
    }
}

QString SqliteStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}
