#include "Table.h"

#include "StoreError.h"

#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QByteArray recordsTable = QByteArrayLiteral("records");
const QByteArray metaTable = QByteArrayLiteral("tarnwick_meta");

QByteArray quoted(const QString& identifier) {
    QByteArray name = identifier.toUtf8();
    name.replace('"', "\"\"");
    return '"' + name + '"';
}

QByteArray sqlTypeOf(FieldType type) {
    switch (type) {
    case FieldType::Integer:
    case FieldType::Boolean:
        return QByteArrayLiteral("INTEGER");
    case FieldType::Text:
    case FieldType::Memo:
        return QByteArrayLiteral("TEXT");
    }
    return QByteArrayLiteral("TEXT");
}

QString displayPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

Table::Table(Session& session, TableDefinition definition, QObject* parent)
    : QObject(parent), m_session(session), m_definition(std::move(definition)),
      m_path(m_definition.fileName) {}

Table::~Table() {
    // Destruction must not throw; an unposted change is lost like on a closing program.
    m_selectRecord.reset();
    m_insertRecord.reset();
    if (m_connection)
        m_connection->close();
}

QString Table::filePath() const {
    return m_resolvedPath.isEmpty() ? QFileInfo(m_path).absoluteFilePath() : m_resolvedPath;
}

void Table::fail(int rc, const QString& doing) const {
    const QString file = displayPath(filePath());
    QString text;
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        text = tr("The table file %1 is in use by another copy of the program. Close the other "
                  "copy and try again.")
                   .arg(file);
        break;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
    case SQLITE_EMPTY:
        text = tr("The table file %1 is damaged or is not a table of this program.").arg(file);
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        text = tr("The table file %1 is read-only, so it cannot be changed.").arg(file);
        break;
    case SQLITE_FULL:
        text = tr("The table file %1 cannot be written: the disk is full.").arg(file);
        break;
    case SQLITE_CANTOPEN:
        text = tr("The table file %1 cannot be opened.").arg(file);
        break;
    case SQLITE_IOERR:
        text = tr("The table file %1 could not be read or written.").arg(file);
        break;
    default: {
        const QString detail = m_connection ? m_connection->lastMessage() : QString();
        text = tr("The table file %1 reported an error: %2.").arg(file, detail);
    }
    }
    if (!doing.isEmpty())
        text += QLatin1Char(' ') + doing;
    throw StoreError(text);
}

void Table::requireOpen() const {
    if (!isOpen())
        throw StoreError(tr("The table file %1 is not open.").arg(displayPath(filePath())));
}

void Table::exec(const QByteArray& sql) {
    SqliteStatement statement(*m_connection, sql, m_definition.lockRetry);
    const int rc = statement.step();
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        fail(rc);
}

void Table::createFile(const QString& path, const TableDefinition& definition,
                       const QString& password) {
    if (QFileInfo::exists(path))
        throw StoreError(QCoreApplication::translate("Store", "The table file %1 already exists.")
                             .arg(displayPath(path)));
    SqliteConnection connection;
    if (connection.open(path, true) != SQLITE_OK || connection.key(password) != SQLITE_OK)
        throw StoreError(
            QCoreApplication::translate("Store", "The table file %1 cannot be created.")
                .arg(displayPath(path)));

    QByteArray columns;
    if (definition.autoIncrementKey)
        columns = quoted(definition.orderField) + " INTEGER PRIMARY KEY AUTOINCREMENT";
    else
        columns = QByteArrayLiteral("_rec INTEGER PRIMARY KEY");
    for (const FieldDefinition& field : definition.fields) {
        if (definition.autoIncrementKey && field.name == definition.orderField)
            continue;
        columns += ", " + quoted(field.name) + ' ' + sqlTypeOf(field.type);
    }
    QList<QByteArray> script = {
        "BEGIN",
        "CREATE TABLE " + metaTable + "(name TEXT PRIMARY KEY, value TEXT)",
        "INSERT INTO " + metaTable + " VALUES('format', '1')",
        "CREATE TABLE " + recordsTable + '(' + columns + ')',
    };
    if (!definition.orderField.isEmpty() && !definition.autoIncrementKey)
        script.append("CREATE INDEX records_order ON " + recordsTable + '(' +
                      quoted(definition.orderField) + ')');
    script.append("COMMIT");
    for (const QByteArray& sql : script) {
        SqliteStatement statement(connection, sql, definition.lockRetry);
        const int rc = statement.step();
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
            const QString detail = connection.lastMessage();
            connection.close();
            QFile::remove(path);
            throw StoreError(
                QCoreApplication::translate("Store", "The table file %1 cannot be created: %2.")
                    .arg(displayPath(path), detail));
        }
    }
}

void Table::openConnection() {
    const QFileInfo info(m_path);
    m_resolvedPath = info.absoluteFilePath();
    if (info.isDir())
        throw StoreError(tr("The table file %1 cannot be opened: it is a folder, not a file.")
                             .arg(displayPath(m_resolvedPath)));
    if (!info.exists())
        throw StoreError(tr("The table file %1 does not exist.").arg(displayPath(m_resolvedPath)));

    QStringList passwords = m_session.passwords();
    if (passwords.isEmpty())
        passwords.append(QString());
    int lastError = SQLITE_NOTADB;
    for (const QString& password : passwords) {
        auto connection = std::make_unique<SqliteConnection>();
        int rc = connection->open(m_resolvedPath, false);
        if (rc != SQLITE_OK) {
            m_connection = std::move(connection);
            fail(rc);
        }
        if (!password.isEmpty())
            connection->key(password);
        if (m_exclusive) {
            SqliteStatement pragma(*connection, "PRAGMA locking_mode=EXCLUSIVE",
                                   m_definition.lockRetry);
            pragma.step();
        }
        SqliteStatement probe(*connection, "SELECT count(*) FROM sqlite_master",
                              m_definition.lockRetry);
        rc = probe.step();
        if (rc == SQLITE_ROW) {
            m_connection = std::move(connection);
            return;
        }
        lastError = rc;
        if ((rc & 0xff) != SQLITE_NOTADB)
            break;
    }
    fail(lastError);
}

void Table::checkSchema() {
    {
        SqliteStatement meta(*m_connection,
                             "SELECT value FROM " + metaTable + " WHERE name='format'",
                             m_definition.lockRetry);
        const int rc = meta.step();
        if (rc != SQLITE_ROW || meta.columnText(0) != u"1") {
            if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
                fail(rc);
            fail(SQLITE_NOTADB);
        }
    }
    m_columns.clear();
    m_columnOf.clear();
    SqliteStatement info(*m_connection, "PRAGMA table_info(" + recordsTable + ')',
                         m_definition.lockRetry);
    int rc;
    while ((rc = info.step()) == SQLITE_ROW) {
        const QString name = info.columnText(1);
        if (name == u"_rec")
            continue;
        m_columnOf.insert(name.toUpper(), int(m_columns.size()));
        m_columns.append(name);
    }
    if (rc != SQLITE_DONE)
        fail(rc);
    if (m_columns.isEmpty())
        fail(SQLITE_NOTADB);
    for (const FieldDefinition& field : m_definition.fields) {
        if (!m_columnOf.contains(field.name.toUpper()))
            throw StoreError(tr("The table file %1 lacks the field %2.")
                                 .arg(displayPath(m_resolvedPath), field.name));
    }
    m_orderColumn = m_definition.orderField.isEmpty()
                        ? -1
                        : m_columnOf.value(m_definition.orderField.toUpper());
}

void Table::acquireExclusiveLock() {
    exec("BEGIN EXCLUSIVE");
    exec("COMMIT");
}

void Table::open() {
    if (isOpen())
        return;
    openConnection();
    try {
        checkSchema();
        if (m_filtered && m_filter && !m_columnOf.contains(m_filter->field()))
            throw StoreError(tr("The filter \"%1\" names a field that the table file %2 lacks.")
                                 .arg(m_filterText, displayPath(m_resolvedPath)));
        exec(m_definition.forceFlush ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
        // Exam preparation fetches items in random order; a page cache large enough for the
        // whole bank decrypts each page once. It grows only as pages are read.
        exec("PRAGMA cache_size=-262144");
        if (m_exclusive)
            acquireExclusiveLock();
        loadRows();
    } catch (...) {
        m_selectRecord.reset();
        m_insertRecord.reset();
        m_connection.reset();
        throw;
    }
    setState(State::Browse);
    if (m_visible.empty()) {
        m_eof = m_bof = true;
        m_cursor = 0;
        m_currentLoaded = false;
        emit dataChanged(QString());
    } else {
        moveTo(0);
        m_bof = true;
        m_eof = false;
    }
}

void Table::close() {
    if (!isOpen())
        return;
    if (m_state == State::Edit || m_state == State::Insert)
        m_buffer.clear();
    if (m_transactionDepth > 0) {
        try {
            exec("ROLLBACK");
        } catch (const StoreError&) {
        }
        m_transactionDepth = 0;
    }
    m_selectRecord.reset();
    m_insertRecord.reset();
    m_connection.reset();
    m_rows.clear();
    m_visible.clear();
    m_currentLoaded = false;
    m_eof = m_bof = true;
    setState(State::Inactive);
}

void Table::setFilter(const QString& expression) {
    std::optional<FilterExpression> parsed;
    if (!expression.trimmed().isEmpty()) {
        try {
            parsed = FilterExpression::parse(expression);
        } catch (const StoreError& error) {
            throw StoreError(error.text() + QLatin1Char(' ') +
                             tr("Table file: %1.").arg(displayPath(filePath())));
        }
        if (isOpen() && !m_columnOf.contains(parsed->field()))
            throw StoreError(tr("The filter \"%1\" names a field that the table file %2 lacks.")
                                 .arg(expression, displayPath(filePath())));
    }
    m_filterText = expression;
    m_filter = parsed;
    if (isOpen() && m_filtered)
        applyFilter();
}

void Table::setFiltered(bool filtered) {
    if (filtered == m_filtered)
        return;
    if (filtered && isOpen() && m_filter && !m_columnOf.contains(m_filter->field()))
        throw StoreError(tr("The filter \"%1\" names a field that the table file %2 lacks.")
                             .arg(m_filterText, displayPath(filePath())));
    m_filtered = filtered;
    if (isOpen())
        applyFilter();
}

void Table::applyFilter() {
    if (m_state == State::Edit || m_state == State::Insert)
        post();
    loadRows();
    first();
}

void Table::loadRows() {
    const bool filtering = m_filtered && m_filter;
    QByteArray sql = "SELECT rowid, ";
    sql += m_orderColumn >= 0 ? quoted(m_columns[m_orderColumn]) : QByteArray("rowid");
    if (filtering)
        sql += ", (" + quoted(m_columns[m_columnOf.value(m_filter->field())]) + ' ' +
               m_filter->sqlOperator() + " ?1)";
    sql += " FROM " + recordsTable + " ORDER BY ";
    if (m_orderColumn >= 0)
        sql += quoted(m_columns[m_orderColumn]) + ", ";
    sql += "rowid";

    SqliteStatement query(*m_connection, sql, m_definition.lockRetry);
    if (filtering)
        query.bind(1, QVariant(m_filter->value()));
    m_rows.clear();
    m_visible.clear();
    int rc;
    while ((rc = query.step()) == SQLITE_ROW) {
        const int position = int(m_rows.size());
        m_rows.push_back(Row{query.columnInt(0), query.columnInt(1)});
        if (!filtering || (!query.columnIsNull(2) && query.columnInt(2) != 0))
            m_visible.push_back(position);
    }
    if (rc != SQLITE_DONE)
        fail(rc);
    m_cursor = 0;
    m_currentLoaded = false;
}

void Table::setState(State state) {
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged();
}

void Table::moveTo(int visibleIndex) {
    m_cursor = visibleIndex;
    m_currentLoaded = false;
    emit dataChanged(QString());
}

void Table::first() {
    requireOpen();
    if (m_state != State::Browse)
        post();
    if (m_visible.empty()) {
        m_cursor = 0;
        m_eof = m_bof = true;
        m_currentLoaded = false;
        emit dataChanged(QString());
        return;
    }
    m_eof = false;
    m_bof = true;
    moveTo(0);
}

void Table::last() {
    requireOpen();
    if (m_state != State::Browse)
        post();
    if (m_visible.empty()) {
        m_eof = m_bof = true;
        return;
    }
    m_eof = true;
    m_bof = false;
    moveTo(int(m_visible.size()) - 1);
}

void Table::next() {
    requireOpen();
    if (m_state != State::Browse)
        post();
    if (m_cursor + 1 < int(m_visible.size())) {
        m_eof = m_bof = false;
        moveTo(m_cursor + 1);
    } else {
        m_eof = true;
    }
}

void Table::prior() {
    requireOpen();
    if (m_state != State::Browse)
        post();
    if (m_cursor > 0 && !m_visible.empty()) {
        m_eof = m_bof = false;
        moveTo(m_cursor - 1);
    } else {
        m_bof = true;
    }
}

int Table::recNo() const {
    if (m_state != State::Browse && m_state != State::Edit)
        return 0;
    if (m_visible.empty())
        return 0;
    return m_visible[m_cursor] + 1;
}

int Table::visibleIndexOfPosition(int position) const {
    const auto it = std::lower_bound(m_visible.begin(), m_visible.end(), position);
    if (it == m_visible.end() || *it != position)
        return -1;
    return int(it - m_visible.begin());
}

void Table::setRecNo(int recNo) {
    requireOpen();
    if (m_state != State::Browse)
        post();
    const int index =
        (recNo >= 1 && recNo <= int(m_rows.size())) ? visibleIndexOfPosition(recNo - 1) : -1;
    if (index < 0)
        throw StoreError(tr("The table file %1 has no record number %2.")
                             .arg(displayPath(filePath()))
                             .arg(recNo));
    m_eof = m_bof = false;
    moveTo(index);
}

int Table::recordCount() const {
    requireOpen();
    return int(m_visible.size());
}

bool Table::findKey(qint64 key) {
    requireOpen();
    if (m_state != State::Browse)
        post();
    int position = -1;
    if (m_orderColumn >= 0) {
        const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), key,
                                         [](const Row& row, qint64 k) { return row.key < k; });
        for (auto candidate = it; candidate != m_rows.end() && candidate->key == key; ++candidate) {
            const int p = int(candidate - m_rows.begin());
            if (visibleIndexOfPosition(p) >= 0) {
                position = p;
                break;
            }
        }
    }
    const int index = position >= 0 ? visibleIndexOfPosition(position) : -1;
    if (index < 0)
        return false;
    m_eof = m_bof = false;
    moveTo(index);
    return true;
}

QByteArray Table::columnList() const {
    QByteArray list;
    for (const QString& column : m_columns) {
        if (!list.isEmpty())
            list += ", ";
        list += quoted(column);
    }
    return list;
}

const QVector<QVariant>& Table::currentValues() const {
    if (m_currentLoaded)
        return m_current;
    m_current = QVector<QVariant>(m_columns.size());
    m_currentLoaded = true;
    if (m_visible.empty())
        return m_current;
    auto* self = const_cast<Table*>(this);
    if (!m_selectRecord)
        self->m_selectRecord = std::make_unique<SqliteStatement>(
            *m_connection, "SELECT " + columnList() + " FROM " + recordsTable + " WHERE rowid=?1",
            m_definition.lockRetry);
    SqliteStatement& query = *m_selectRecord;
    query.reset();
    query.bind(1, QVariant(m_rows[m_visible[m_cursor]].rowId));
    const int rc = query.step();
    if (rc == SQLITE_ROW) {
        for (int i = 0; i < m_columns.size(); ++i)
            m_current[i] = query.columnValue(i);
    }
    query.reset();
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        m_currentLoaded = false;
        fail(rc);
    }
    return m_current;
}

int Table::columnOf(const QString& name) const {
    const auto it = m_columnOf.constFind(name.toUpper());
    if (it == m_columnOf.cend())
        throw StoreError(
            tr("The table file %1 lacks the field %2.").arg(displayPath(filePath()), name));
    return *it;
}

bool Table::hasField(const QString& name) const {
    return m_columnOf.contains(name.toUpper());
}

int Table::fieldIndex(const QString& name) const {
    requireOpen();
    return columnOf(name);
}

QVariant Table::valueAt(int column) const {
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer.value(column);
    return currentValues().value(column);
}

QVariant Table::value(const QString& name) const {
    requireOpen();
    return valueAt(columnOf(name));
}

qint64 Table::integer(const QString& name) const {
    const QVariant v = value(name);
    return v.isNull() ? 0 : v.toLongLong();
}

QString Table::text(const QString& name) const {
    const QVariant v = value(name);
    return v.isNull() ? QString() : v.toString();
}

bool Table::boolean(const QString& name) const {
    const QVariant v = value(name);
    return !v.isNull() && v.toLongLong() != 0;
}

void Table::setValueAt(int column, const QVariant& value) {
    if (m_state != State::Edit && m_state != State::Insert)
        throw StoreError(tr("The table file %1 is not being edited.").arg(displayPath(filePath())));
    m_buffer[column] = value;
    emit dataChanged(m_columns[column]);
}

void Table::setValue(const QString& name, const QVariant& value) {
    requireOpen();
    setValueAt(columnOf(name), value);
}

void Table::append() {
    requireOpen();
    if (m_state != State::Browse)
        post();
    m_buffer = QVector<QVariant>(m_columns.size());
    setState(State::Insert);
    emit dataChanged(QString());
}

void Table::edit() {
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_visible.empty()) {
        append();
        return;
    }
    m_buffer = currentValues();
    m_editRowId = m_rows[m_visible[m_cursor]].rowId;
    setState(State::Edit);
}

qint64 Table::orderKeyOf(qint64 rowId, const QVector<QVariant>& values) const {
    if (m_orderColumn < 0)
        return rowId;
    const QVariant key = values.value(m_orderColumn);
    return key.isNull() ? std::numeric_limits<qint64>::min() : key.toLongLong();
}

bool Table::passesFilter(const QVector<QVariant>& values) const {
    if (!(m_filtered && m_filter))
        return true;
    const QVariant v = values.value(m_columnOf.value(m_filter->field()));
    return m_filter->matches(v.isNull() ? std::nullopt : std::optional<qint64>(v.toLongLong()));
}

void Table::post() {
    requireOpen();
    if (m_state == State::Browse)
        return;
    if (m_state == State::Insert) {
        if (!m_insertRecord) {
            QByteArray placeholders;
            for (int i = 0; i < m_columns.size(); ++i)
                placeholders += (i ? ", ?" : "?") + QByteArray::number(i + 1);
            m_insertRecord = std::make_unique<SqliteStatement>(*m_connection,
                                                               "INSERT INTO " + recordsTable + '(' +
                                                                   columnList() + ") VALUES(" +
                                                                   placeholders + ')',
                                                               m_definition.lockRetry);
        }
        SqliteStatement& insert = *m_insertRecord;
        insert.reset();
        for (int i = 0; i < m_buffer.size(); ++i)
            insert.bind(i + 1, m_buffer[i]);
        const int rc = insert.step();
        insert.reset();
        if (rc != SQLITE_DONE)
            fail(rc);
        const qint64 rowId = m_connection->lastInsertRowId();
        if (m_definition.autoIncrementKey && m_orderColumn >= 0)
            m_buffer[m_orderColumn] = QVariant(rowId);
        const Row row{rowId, orderKeyOf(rowId, m_buffer)};
        const auto at =
            std::upper_bound(m_rows.begin(), m_rows.end(), row, [](const Row& a, const Row& b) {
                return a.key < b.key || (a.key == b.key && a.rowId < b.rowId);
            });
        const int position = int(at - m_rows.begin());
        const bool visible = passesFilter(m_buffer);
        if (position == int(m_rows.size())) {
            m_rows.push_back(row);
            if (visible)
                m_visible.push_back(position);
        } else {
            m_rows.insert(at, row);
            for (int& p : m_visible)
                if (p >= position)
                    ++p;
            if (visible)
                m_visible.insert(std::lower_bound(m_visible.begin(), m_visible.end(), position),
                                 position);
        }
        const int index = visible ? visibleIndexOfPosition(position) : -1;
        if (index >= 0) {
            m_cursor = index;
            m_current = m_buffer;
            m_currentLoaded = true;
        } else {
            m_cursor = std::min<int>(m_cursor, std::max<int>(0, int(m_visible.size()) - 1));
            m_currentLoaded = false;
        }
        m_eof = m_bof = m_visible.empty();
    } else {
        QByteArray sql = "UPDATE " + recordsTable + " SET ";
        for (int i = 0; i < m_columns.size(); ++i)
            sql += (i ? ", " : "") + quoted(m_columns[i]) + "=?" + QByteArray::number(i + 1);
        sql += " WHERE rowid=?" + QByteArray::number(m_columns.size() + 1);
        SqliteStatement update(*m_connection, sql, m_definition.lockRetry);
        for (int i = 0; i < m_buffer.size(); ++i)
            update.bind(i + 1, m_buffer[i]);
        update.bind(int(m_columns.size()) + 1, QVariant(m_editRowId));
        const int rc = update.step();
        if (rc != SQLITE_DONE)
            fail(rc);
        const QVector<QVariant> before = currentValues();
        const bool moved = orderKeyOf(m_editRowId, before) != orderKeyOf(m_editRowId, m_buffer) ||
                           passesFilter(before) != passesFilter(m_buffer);
        if (moved) {
            loadRows();
            for (int i = 0; i < int(m_visible.size()); ++i)
                if (m_rows[m_visible[i]].rowId == m_editRowId)
                    m_cursor = i;
            m_currentLoaded = false;
        } else {
            m_current = m_buffer;
            m_currentLoaded = true;
        }
    }
    m_buffer.clear();
    setState(State::Browse);
    emit dataChanged(QString());
}

void Table::cancel() {
    requireOpen();
    if (m_state == State::Browse)
        return;
    m_buffer.clear();
    setState(State::Browse);
    emit dataChanged(QString());
}

void Table::deleteRecord() {
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (m_visible.empty())
        return;
    const int position = m_visible[m_cursor];
    SqliteStatement remove(*m_connection, "DELETE FROM " + recordsTable + " WHERE rowid=?1",
                           m_definition.lockRetry);
    remove.bind(1, QVariant(m_rows[position].rowId));
    const int rc = remove.step();
    if (rc != SQLITE_DONE)
        fail(rc);
    m_rows.erase(m_rows.begin() + position);
    m_visible.erase(m_visible.begin() + m_cursor);
    for (int& p : m_visible)
        if (p > position)
            --p;
    if (m_cursor >= int(m_visible.size()))
        m_cursor = std::max(0, int(m_visible.size()) - 1);
    m_eof = m_bof = m_visible.empty();
    m_currentLoaded = false;
    emit dataChanged(QString());
}

void Table::emptyOpenTable() {
    if (m_state != State::Browse)
        cancel();
    exec("DELETE FROM " + recordsTable);
    if (m_definition.autoIncrementKey)
        exec("DELETE FROM sqlite_sequence WHERE name='records'");
    m_rows.clear();
    m_visible.clear();
    m_cursor = 0;
    m_eof = m_bof = true;
    m_currentLoaded = false;
    emit dataChanged(QString());
}

void Table::emptyClosedFile() {
    open();
    try {
        emptyOpenTable();
    } catch (...) {
        close();
        throw;
    }
    close();
}

void Table::emptyTable() {
    if (isOpen())
        emptyOpenTable();
    else
        emptyClosedFile();
}

void Table::beginTransaction() {
    requireOpen();
    // The depth counts only transactions that really began.
    if (m_transactionDepth == 0)
        exec("BEGIN IMMEDIATE");
    ++m_transactionDepth;
}

void Table::commit() {
    requireOpen();
    if (m_transactionDepth == 0)
        return;
    // A failed COMMIT leaves the depth as it was, so that rollback() still undoes the work.
    if (m_transactionDepth == 1)
        exec("COMMIT");
    --m_transactionDepth;
}

void Table::rollback() {
    requireOpen();
    if (m_transactionDepth == 0)
        return;
    m_transactionDepth = 0;
    // After a disk-full or I/O error SQLite may have rolled back by itself already.
    if (!sqlite3_get_autocommit(m_connection->handle()))
        exec("ROLLBACK");
    if (m_state != State::Browse) {
        m_buffer.clear();
        setState(State::Browse);
    }
    loadRows();
    if (!m_visible.empty())
        m_eof = m_bof = false;
    emit dataChanged(QString());
}
