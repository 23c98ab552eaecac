#include "names/names_store.h"

#include <QMetaType>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "ledger/open_lists.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "store/db_error.h"
#include "store/entry_rules.h"
#include "store/helpers.h"
#include "store/tdm.h"

namespace {

QString withoutTrailingBlanks(QString s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' ')) --n;
    s.truncate(n);
    return s;
}

QSqlQuery run(Tdm& dm, const QString& sql) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(sql)) throw DbError::fromSql(q.lastError());
    return q;
}

struct ColumnInfo {
    const char* name;
    int width;  // 0: a number column
};
constexpr ColumnInfo kColumns[] = {
    {"NAME", 50},    {"ADDRESS1", 40}, {"ADDRESS2", 40},    {"CITY", 20},     {"STATE", 5},
    {"ZIP", 10},     {"PHONE", 14},    {"OCCUPATION", 50},  {"EMPLOYER", 50}, {"PACID", 20},
    {"OFFICEID", 0}, {"CANDYEAR", 0},  {"FAXPHONE", 14},    {"EMAIL", 30},    {"USER1", 10},
    {"USER2", 10},   {"USER3", 10},    {"AFFILIATION", 15},
};

bool isNumberColumn(const QString& column) {
    for (const ColumnInfo& c : kColumns)
        if (column == QLatin1String(c.name)) return c.width == 0;
    return false;
}

// A typed null, so that the driver knows the parameter's type.
QVariant nullFor(const QString& column) {
    return isNumberColumn(column) ? QVariant(QMetaType::fromType<int>())
                                  : QVariant(QMetaType::fromType<QString>());
}

// Five digits, or five digits, a dash and four digits.
bool zipComplete(const QString& zip) {
    static const QRegularExpression rule(QStringLiteral("^\\d{5}(-\\d{4})?$"));
    return rule.match(zip).hasMatch();
}

// Seven digits, with the three digits of the area code in parentheses or blanks in their place.
bool phoneComplete(const QString& phone) {
    static const QRegularExpression rule(QStringLiteral("^\\((\\d{3}| {3})\\)\\d{3}-\\d{4}$"));
    return rule.match(phone).hasMatch();
}

}  // namespace

// --- Names list --------------------------------------------------------------------------------

const QList<NamesList::Tab>& NamesList::tabs() {
    static const QList<Tab> list = {
        {QStringLiteral("All Names"), 1, 99}, {QStringLiteral("Individuals"), 1, 1},
        {QStringLiteral("Committees"), 2, 2}, {QStringLiteral("Banks"), 3, 3},
        {QStringLiteral("Vendors"), 4, 4},    {QStringLiteral("Candidates"), 5, 5},
        {QStringLiteral("Other"), 6, 6},
    };
    return list;
}

QString NamesList::selectStatement(const QString& filerId, int lowType, int highType,
                                   bool descending) {
    return QStringLiteral("SELECT T1.*, T2.NameType\n") +
           QStringLiteral("FROM NAMELIST T1, NAMETYPE T2\n") +
           QStringLiteral("WHERE T1.NAMETYPEID = T2.NAMETYPEID\n") +
           QStringLiteral("AND T1.FILERID=") + SqlQuote(filerId) + QLatin1Char('\n') +
           QStringLiteral("AND T1.NAMETYPEID BETWEEN ") + QString::number(lowType) +
           QStringLiteral(" AND ") + QString::number(highType) + QLatin1Char('\n') +
           (descending ? QStringLiteral("ORDER BY Name DESC, NameType")
                       : QStringLiteral("ORDER BY Name, NameType"));
}

QList<NamesList::Row> NamesList::read(Tdm& dm, int lowType, int highType, bool descending) {
    QSqlQuery q = run(dm, selectStatement(dm.currentFilerId(), lowType, highType, descending));
    const QSqlRecord r = q.record();
    const int id = r.indexOf(QStringLiteral("NAMEID"));
    const int type = r.indexOf(QStringLiteral("NAMETYPEID"));
    const int name = r.indexOf(QStringLiteral("NAME"));
    // The type's caption is the last column of the statement.
    const int caption = r.count() - 1;
    QList<Row> rows;
    while (q.next())
        rows.append({q.value(id).toInt(), q.value(type).toInt(),
                     withoutTrailingBlanks(q.value(name).toString()),
                     withoutTrailingBlanks(q.value(caption).toString())});
    return rows;
}

int NamesList::transactionCount(Tdm& dm, int nameId) {
    return dm
        .queryValue(QStringLiteral("select count(*) from TRANSACT where FILERID = ") +
                    SqlQuote(dm.currentFilerId()) + QStringLiteral(" and NAMEID = ") +
                    QString::number(nameId))
        .toInt();
}

bool NamesList::deleteName(Tdm& dm, int nameId, const QString& name) {
    Prompter& p = dm.prompter();
    try {
        if (transactionCount(dm, nameId) > 0) {
            p.information(QStringLiteral("Name <") + name +
                          QStringLiteral("> is used in transactions. Cannot delete."));
            return false;
        }
        if (!p.confirm(QStringLiteral("Are you sure you want to delete this name ?"))) return false;
        dm.execSql(QStringLiteral("DELETE FROM NAMELIST WHERE FILERID=") +
                   SqlQuote(dm.currentFilerId()) + QStringLiteral(" AND NAMEID=") +
                   QString::number(nameId));
    } catch (const DbError& e) {
        p.error(e.message());
        return false;
    }
    RefreshOpenLists(dm);
    return true;
}

// --- List model ---------------------------------------------------------------------------------

NamesListModel::NamesListModel(Tdm& dm, QObject* parent) : QAbstractTableModel(parent), dm_(dm) {}

void NamesListModel::setTypeRange(int lowType, int highType) {
    lowType_ = lowType;
    highType_ = highType;
}

void NamesListModel::reload() {
    QList<NamesList::Row> rows = NamesList::read(dm_, lowType_, highType_, descending_);
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int NamesListModel::rowOfNameId(int nameId) const {
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_[i].nameId == nameId) return i;
    return -1;
}

int NamesListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int NamesListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NamesListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || role != Qt::DisplayRole) return {};
    const NamesList::Row& r = rows_[index.row()];
    return index.column() == ColName ? r.name : r.nameType;
}

QVariant NamesListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == ColName ? QStringLiteral("Name") : QStringLiteral("Type");
}

// --- Name record --------------------------------------------------------------------------------

const QStringList& NameRecord::editableColumns() {
    static const QStringList list = [] {
        QStringList out;
        for (const ColumnInfo& c : kColumns) out << QLatin1String(c.name);
        return out;
    }();
    return list;
}

const QStringList& NameRecord::requiredColumns() {
    static const QStringList list = {QStringLiteral("NAME"), QStringLiteral("ADDRESS1"),
                                     QStringLiteral("CITY"), QStringLiteral("STATE"),
                                     QStringLiteral("ZIP")};
    return list;
}

int NameRecord::columnWidth(const QString& column) {
    for (const ColumnInfo& c : kColumns)
        if (column.toUpper() == QLatin1String(c.name)) return c.width;
    return 0;
}

NameRecord NameRecord::create(int nameTypeId) {
    NameRecord r;
    r.nameTypeId_ = nameTypeId;
    r.values_.insert(QStringLiteral("STATE"), QStringLiteral("AZ"));
    r.markUnchanged();
    return r;
}

NameRecord NameRecord::load(Tdm& dm, int nameId) {
    QSqlQuery q = run(dm, QStringLiteral("select * from NAMELIST where FILERID = ") +
                              SqlQuote(dm.currentFilerId()) + QStringLiteral(" and NAMEID = ") +
                              QString::number(nameId));
    if (!q.next())
        throw DbError(
            QStringLiteral("The name %1 is not in the names list of this committee.").arg(nameId));
    NameRecord r;
    r.nameId_ = nameId;
    r.nameTypeId_ = q.value(QStringLiteral("NAMETYPEID")).toInt();
    for (const QString& column : editableColumns()) r.setValue(column, q.value(column));
    r.markUnchanged();
    return r;
}

void NameRecord::setValue(const QString& column, const QVariant& v) {
    const QString key = column.toUpper();
    QVariant stored;
    if (v.isValid() && !v.isNull()) {
        if (isNumberColumn(key))
            stored = v.toInt();
        else {
            const QString s = withoutTrailingBlanks(v.toString()).trimmed();
            if (!s.isEmpty()) stored = s;
        }
    }
    if (stored.isValid())
        values_.insert(key, stored);
    else
        values_.remove(key);
}

std::optional<NameRecord::Problem> NameRecord::check(Tdm& dm) const {
    if (DuplicateNameCount(dm, text(QStringLiteral("NAME")), nameTypeId_, nameId_) > 0)
        return Problem{QStringLiteral("Duplicate name entered"), QStringLiteral("NAME"), true};
    if (isNew()) {
        if (text(QStringLiteral("ADDRESS1")).isEmpty())
            return Problem{QStringLiteral("Address must be specified"), QStringLiteral("ADDRESS1")};
        if (text(QStringLiteral("CITY")).isEmpty())
            return Problem{QStringLiteral("City must be specified"), QStringLiteral("CITY")};
        if (text(QStringLiteral("ZIP")).isEmpty())
            return Problem{QStringLiteral("Zip must be specified"), QStringLiteral("ZIP")};
    }
    // Only what was typed here is held to the fields' shape: names that came in by import or
    // restore may carry other spellings, which must not block changes to other fields.
    const auto changed = [this](const QString& column) {
        return values_.value(column) != original_.value(column);
    };
    const QString zip = text(QStringLiteral("ZIP"));
    if (!zip.isEmpty() && changed(QStringLiteral("ZIP")) && !zipComplete(zip))
        return Problem{InvalidZipMessage(), QStringLiteral("ZIP")};
    const QString phone = text(QStringLiteral("PHONE"));
    if (!phone.isEmpty() && changed(QStringLiteral("PHONE")) && !phoneComplete(phone))
        return Problem{
            QStringLiteral(
                "Invalid phone number. Enter seven digits, with the three digits of the area "
                "code before them if wanted."),
            QStringLiteral("PHONE")};
    return std::nullopt;
}

std::optional<QString> NameRecord::missingRequiredColumn() const {
    for (const QString& column : requiredColumns())
        if (text(column).isEmpty()) return column;
    return std::nullopt;
}

QString NameRecord::requiredColumnMessage(const QString& column) {
    return QStringLiteral("Field '%1' must have a value").arg(column);
}

int NameRecord::write(Tdm& dm) {
    if (const auto missing = missingRequiredColumn())
        throw DbError(requiredColumnMessage(*missing));
    const QDateTime now = Clock::now();
    const QString filerId = dm.currentFilerId();
    const QStringList& columns = editableColumns();
    QSqlQuery q(dm.db());
    int id = nameId_;
    if (isNew()) {
        id = NextID(dm, QStringLiteral("NameList"), QStringLiteral("NameID"));
        QStringList params;
        for (const QString& c : columns) params << QLatin1Char(':') + c;
        const QString sql =
            QStringLiteral(
                "INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, %1, "
                "MODIFIED_DATE, MODIFIED_USER, DELETED)\n"
                "VALUES (:FILERID, :NAMEID, :NAMETS, :NAMETYPEID, %2, :MODIFIED_DATE, "
                ":MODIFIED_USER, 'F')")
                .arg(columns.join(QStringLiteral(", ")), params.join(QStringLiteral(", ")));
        if (!q.prepare(sql)) throw DbError::fromSql(q.lastError());
        q.bindValue(QStringLiteral(":NAMETS"), now);
        q.bindValue(QStringLiteral(":NAMETYPEID"), nameTypeId_);
    } else {
        QStringList assignments;
        for (const QString& c : columns) assignments << c + QStringLiteral(" = :") + c;
        const QString sql = QStringLiteral(
                                "UPDATE NAMELIST SET %1, MODIFIED_DATE = :MODIFIED_DATE, "
                                "MODIFIED_USER = :MODIFIED_USER\n"
                                "WHERE FILERID = :FILERID AND NAMEID = :NAMEID")
                                .arg(assignments.join(QStringLiteral(", ")));
        if (!q.prepare(sql)) throw DbError::fromSql(q.lastError());
    }
    q.bindValue(QStringLiteral(":FILERID"), filerId);
    q.bindValue(QStringLiteral(":NAMEID"), id);
    q.bindValue(QStringLiteral(":MODIFIED_DATE"), now);
    q.bindValue(QStringLiteral(":MODIFIED_USER"), QStringLiteral("USER"));
    for (const QString& c : columns) {
        const QVariant v = value(c);
        q.bindValue(QLatin1Char(':') + c, v.isValid() ? v : nullFor(c));
    }
    if (!q.exec()) throw DbError::fromSql(q.lastError());
    if (!isNew() && q.numRowsAffected() != 1)
        throw DbError(QStringLiteral("The name is no longer in the names list of this committee."));
    nameId_ = id;
    markUnchanged();
    return id;
}

NameSaveOutcome SaveName(Tdm& dm, NameRecord& record) {
    NameSaveOutcome out;
    if (!record.isModified()) return out;
    Prompter& p = dm.prompter();
    out.status = NameSaveOutcome::Status::Refused;
    try {
        if (const auto problem = record.check(dm)) {
            if (problem->isError)
                p.error(problem->message);
            else
                p.warning(problem->message);
            out.focusColumn = problem->column;
            return out;
        }
        if (const auto missing = record.missingRequiredColumn()) {
            p.error(NameRecord::requiredColumnMessage(*missing));
            out.focusColumn = *missing;
            return out;
        }
        out.nameId = record.write(dm);
    } catch (const DbError& e) {
        p.error(e.message());
        out.nameId = -1;
        return out;
    }
    out.status = NameSaveOutcome::Status::Saved;
    RefreshOpenLists(dm);
    return out;
}

QString NameEntryHint(int nameType) {
    switch (nameType) {
        case 1:
        case 5:
        case 6:
            return QStringLiteral("LAST, FIRST MI");
        case 2:
        case 7:
            return QStringLiteral("Committee Name");
        default:
            return QStringLiteral("Name");
    }
}

QStringList NameEntryGroups(int nameType) {
    switch (nameType) {
        case 1:
            return {QStringLiteral("Individual Info"), QStringLiteral("Extra Info")};
        case 2:
        case 7:
            return {QStringLiteral("PAC Info")};
        case 5:
            return {QStringLiteral("Candidate Info")};
        case 10:
        case 11:
            return {QStringLiteral("Corporation Commission Info")};
        default:
            return {};
    }
}
