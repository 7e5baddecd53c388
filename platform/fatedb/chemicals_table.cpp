// Fate-model databases through Qt SQL's SQLite driver: opening, finding, appending and posting.
#include "platform/fatedb/chemicals_table.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"

namespace fatedb {

namespace {

QString NextConnectionName() {
    static std::atomic<int> counter{0};
    return QString("fatedb-%1").arg(counter.fetch_add(1));
}

QString Quoted(const std::string& name) {
    QString text = QString::fromStdString(name);
    text.replace("\"", "\"\"");
    return "\"" + text + "\"";
}

std::string ErrorText(const QSqlError& error) {
    return error.text().toStdString();
}

QSqlDatabase Connection(const QString& name) {
    return QSqlDatabase::database(name, false);
}

void Execute(QSqlQuery& query, const std::string& what, const std::string& file) {
    if (!query.exec()) {
        throw FateDbError(file + ": " + what + " failed: " + ErrorText(query.lastError()));
    }
}

}  // namespace

Database::Database() : connection_(NextConnectionName()) {}

Database::~Database() {
    Close();
}

void Database::Open(const std::string& path) {
    Close();
    const std::string native = sys::NativePath(path);
    if (!sys::FileExists(native) || sys::FolderExists(native)) {
        throw FateDbError(native + ": the database file does not exist");
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
        db.setDatabaseName(QString::fromStdString(native));
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=3000");
        if (!db.open()) {
            const std::string why = ErrorText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection_);
            throw FateDbError(native + ": cannot open the database: " + why);
        }
        // A file that is not a database opens all the same; the first read tells.
        QSqlQuery probe(db);
        if (!probe.exec("SELECT count(*) FROM sqlite_master")) {
            const std::string why = ErrorText(probe.lastError());
            probe = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection_);
            throw FateDbError(native + ": not a readable database: " + why);
        }
    }
    fileName_ = native;
    open_ = true;
}

void Database::Close() {
    if (!open_) {
        return;
    }
    {
        QSqlDatabase db = Connection(connection_);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    open_ = false;
}

bool Database::IsOpen() const {
    return open_;
}

Table::Table(Database& database) : database_(database) {}

void Table::RequireOpen() const {
    if (!open_ || !database_.IsOpen()) {
        throw FateDbError("the fate-model table is not open");
    }
}

void Table::RequireField(const std::string& field) const {
    if (fields_.find(sys::UpperCase(field)) == fields_.end()) {
        throw FateDbError(database_.FileName() + ": table " + table_ + " has no field " + field);
    }
}

void Table::Open(const std::string& tableName) {
    if (!database_.IsOpen()) {
        throw FateDbError("table " + tableName + ": the database is not open");
    }
    QSqlDatabase db = Connection(database_.ConnectionName());
    const QSqlRecord record = db.record(QString::fromStdString(tableName));
    if (record.isEmpty()) {
        throw FateDbError(database_.FileName() + ": the database has no table " + tableName);
    }
    fields_.clear();
    for (int i = 0; i < record.count(); ++i) {
        const std::string name = record.fieldName(i).toStdString();
        fields_[sys::UpperCase(name)] = name;
    }
    table_ = tableName;
    pending_.clear();
    rowId_ = -1;
    open_ = true;
}

void Table::Close() {
    open_ = false;
    pending_.clear();
    rowId_ = -1;
}

bool Table::Locate(const std::string& field, const std::string& text) {
    RequireOpen();
    RequireField(field);
    pending_.clear();
    rowId_ = -1;
    QSqlQuery query(Connection(database_.ConnectionName()));
    query.prepare("SELECT rowid, " + Quoted(field) + " FROM " + Quoted(table_) + " ORDER BY rowid");
    Execute(query, "reading table " + table_, database_.FileName());
    const QString wanted = QString::fromStdString(text);
    while (query.next()) {
        if (query.value(1).toString().compare(wanted, Qt::CaseInsensitive) == 0) {
            rowId_ = query.value(0).toLongLong();
            return true;
        }
    }
    return false;
}

void Table::Append() {
    RequireOpen();
    pending_.clear();
    rowId_ = -1;
}

void Table::SetText(const std::string& field, const std::string& value) {
    RequireOpen();
    pending_[field] = QString::fromStdString(value);
}

void Table::SetDouble(const std::string& field, double value) {
    RequireOpen();
    pending_[field] = value;
}

void Table::SetInteger(const std::string& field, long value) {
    RequireOpen();
    pending_[field] = static_cast<qlonglong>(value);
}

void Table::Post() {
    RequireOpen();
    for (const auto& [field, value] : pending_) {
        RequireField(field);
    }
    QSqlQuery query(Connection(database_.ConnectionName()));
    QStringList names;
    for (const auto& [field, value] : pending_) {
        names << Quoted(fields_.at(sys::UpperCase(field)));
    }
    if (rowId_ < 0) {
        QStringList marks;
        for (int i = 0; i < names.size(); ++i) {
            marks << "?";
        }
        const QString columns = names.isEmpty() ? QString() : "(" + names.join(", ") + ")";
        const QString values =
            names.isEmpty() ? "DEFAULT VALUES" : "VALUES (" + marks.join(", ") + ")";
        query.prepare("INSERT INTO " + Quoted(table_) + " " + columns + " " + values);
    } else {
        QStringList sets;
        for (const QString& name : names) {
            sets << name + " = ?";
        }
        if (sets.isEmpty()) {
            return;
        }
        query.prepare("UPDATE " + Quoted(table_) + " SET " + sets.join(", ") + " WHERE rowid = ?");
    }
    for (const auto& [field, value] : pending_) {
        query.addBindValue(value);
    }
    if (rowId_ >= 0) {
        query.addBindValue(static_cast<qlonglong>(rowId_));
    }
    Execute(query, "writing table " + table_, database_.FileName());
    if (rowId_ < 0) {
        rowId_ = query.lastInsertId().toLongLong();
    }
    pending_.clear();
}

QVariant Table::Value(const std::string& field) const {
    RequireOpen();
    RequireField(field);
    if (rowId_ < 0) {
        return QVariant();
    }
    QSqlQuery query(Connection(database_.ConnectionName()));
    query.prepare("SELECT " + Quoted(field) + " FROM " + Quoted(table_) + " WHERE rowid = ?");
    query.addBindValue(static_cast<qlonglong>(rowId_));
    Execute(query, "reading table " + table_, database_.FileName());
    return query.next() ? query.value(0) : QVariant();
}

long Table::RowCount() const {
    RequireOpen();
    QSqlQuery query(Connection(database_.ConnectionName()));
    query.prepare("SELECT count(*) FROM " + Quoted(table_));
    Execute(query, "counting table " + table_, database_.FileName());
    return query.next() ? query.value(0).toLongLong() : 0;
}

void CreateDatabase(const std::string& path, const std::string& schema) {
    const std::string native = sys::NativePath(path);
    sys::DeleteFile(native);
    const QString connection = NextConnectionName();
    std::string failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(QString::fromStdString(native));
        if (!db.open()) {
            failure = "cannot create the database: " + ErrorText(db.lastError());
        }
        const QStringList statements = QString::fromStdString(schema).split(';');
        for (const QString& statement : statements) {
            if (!failure.empty() || statement.trimmed().isEmpty()) {
                continue;
            }
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                failure = "statement failed: " + ErrorText(query.lastError());
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.empty()) {
        sys::DeleteFile(native);
        throw FateDbError(native + ": " + failure);
    }
}

}  // namespace fatedb
