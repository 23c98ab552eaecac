#include "committee/committee_record.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <algorithm>

#include "platform/clock.h"
#include "store/db_error.h"
#include "store/tdm.h"

namespace {

const QString kFilerId = QStringLiteral("FILERID");

QString withoutTrailingBlanks(QString s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' ')) --n;
    s.truncate(n);
    return s;
}

bool isText(const QSqlField& f) { return f.metaType().id() == QMetaType::QString; }

// Fixed-width text comes back blank-filled; nobody wants the padding.
QSqlRecord withoutPadding(QSqlRecord r) {
    for (int i = 0; i < r.count(); ++i)
        if (isText(r.field(i)) && !r.isNull(i)) r.setValue(i, withoutTrailingBlanks(r.value(i).toString()));
    return r;
}

bool sameValue(const QSqlRecord& a, const QSqlRecord& b, int i) {
    const bool aNull = a.isNull(i);
    const bool bNull = b.isNull(i);
    if (aNull || bNull) return aNull == bNull;
    return a.value(i) == b.value(i);
}

// The columns that must have a value, with the names the messages use.
struct Required {
    const char* column;
    const char* display;
};
constexpr Required kRequired[] = {
    {"FILERID", "FilerID"}, {"COMMITTEETYPEID", "CommitteeTypeID"}, {"NAME", "Name"}, {"ADDRESS1", "Address1"},
    {"CITY", "City"},       {"STATE", "State"},                     {"ZIP", "Zip"},   {"CHNAME", "ChName"},
    {"TRNAME", "TrName"},
};

// The city line of each address block: (derived field, city, state, zip).
struct CityLineFields {
    const char* derived;
    const char* city;
    const char* state;
    const char* zip;
};
constexpr CityLineFields kCityLines[] = {
    {"ADDRESS3", "CITY", "STATE", "ZIP"},
    {"MAILADDRESS3", "MAILCITY", "MAILSTATE", "MAILZIP"},
    {"CHADDRESS3", "CHCITY", "CHSTATE", "CHZIP"},
    {"TRADDRESS3", "TRCITY", "TRSTATE", "TRZIP"},
    {"CANDADDRESS3", "CANDCITY", "CANDSTATE", "CANDZIP"},
};

// The one-line address of each block: (derived field, line 1, line 2, city line).
struct OneLineFields {
    const char* derived;
    const char* line1;
    const char* line2;
    const char* cityLine;
};
constexpr OneLineFields kOneLines[] = {
    {"ADDRESS", "ADDRESS1", "ADDRESS2", "ADDRESS3"},
    {"MAILADDRESS", "MAILADDRESS1", "MAILADDRESS2", "MAILADDRESS3"},
    {"CHADDRESS", "CHADDRESS1", "CHADDRESS2", "CHADDRESS3"},
    {"TRADDRESS", "TRADDRESS1", "TRADDRESS2", "TRADDRESS3"},
};

constexpr int kCityLineWidth = 90;
constexpr int kOneLineWidth = 100;
constexpr int kCommitteeTypeWidth = 50;

const QHash<QString, int>& textWidths() {
    static const QHash<QString, int> widths = [] {
        QHash<QString, int> w;
        const auto set = [&w](std::initializer_list<const char*> names, int width) {
            for (const char* n : names) w.insert(QString::fromLatin1(n), width);
        };
        set({"FILERID", "MODIFIED_USER"}, 20);
        set({"NAME"}, 90);
        set({"ADDRESS1", "ADDRESS2", "MAILADDRESS1", "MAILADDRESS2", "CHADDRESS1", "CHADDRESS2", "TRADDRESS1",
             "TRADDRESS2", "CANDADDRESS1", "CANDADDRESS2", "DESIGNEEADDRESS1", "DESIGNEEADDRESS2", "SPONSORADDRESS1",
             "SPONSORRELATIONSHIP"},
            40);
        set({"CITY", "MAILCITY", "CHCITY", "TRCITY", "CANDCITY", "DESIGNEECITY", "SPONSORCITY"}, 20);
        set({"STATE", "MAILSTATE", "CHSTATE", "TRSTATE", "CANDSTATE", "DESIGNEESTATE", "SPONSORSTATE"}, 2);
        set({"ZIP", "MAILZIP", "CHZIP", "TRZIP", "CANDZIP", "DESIGNEEZIP", "SPONSORZIP"}, 10);
        set({"PHONE", "FAXPHONE", "CHPHONE", "CHFAXPHONE", "TRPHONE", "TRFAXPHONE", "CANDPHONE", "CANDFAXPHONE",
             "DESIGNEEPHONE", "DESIGNEEFAXPHONE"},
            14);
        set({"EMAIL", "CHEMAIL", "TREMAIL"}, 150);
        set({"CANDEMAIL", "DESIGNEEEMAIL", "CHNAME", "TRNAME", "CANDNAME", "DESIGNEENAME", "SPONSOR", "CHOCCUPATION",
             "CHEMPLOYER", "TROCCUPATION", "TREMPLOYER"},
            50);
        set({"CANDPARTY", "CANDOFFICENAME", "FINANCIALINSTITUTION1", "FINANCIALINSTITUTION2", "FINANCIALINSTITUTION3"},
            30);
        set({"CANDINCUMBANT", "ALLOWEXCESS", "OUTOFSTATE", "GENREPORTFLAG", "DELETED", "REALLOCATIONFLAG",
             "FORAGAINST", "STATUS"},
            1);
        return w;
    }();
    return widths;
}

bool isDerivedName(const QString& upper) {
    if (upper == QLatin1String("COMMITTEETYPE")) return true;
    for (const auto& c : kCityLines)
        if (upper == QLatin1String(c.derived)) return true;
    for (const auto& o : kOneLines)
        if (upper == QLatin1String(o.derived)) return true;
    return false;
}

}  // namespace

CommitteeTable::CommitteeTable(Tdm& dm) : dm_(dm) {}

void CommitteeTable::reload() {
    const QString filerIdBefore = position_ >= 0 ? filerId() : QString();
    QSqlQuery q(dm_.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select * from ORGS"))) throw DbError::fromSql(q.lastError());
    QSqlRecord layout = q.record();
    layout.clearValues();
    QList<QSqlRecord> rows;
    while (q.next()) rows.append(withoutPadding(q.record()));

    QSqlQuery t(dm_.db());
    t.setForwardOnly(true);
    if (!t.exec(QStringLiteral("select COMMITTEETYPEID, COMMITTEETYPEDESCRIPTION from COMTYPE")))
        throw DbError::fromSql(t.lastError());
    QHash<int, QString> types;
    while (t.next()) types.insert(t.value(0).toInt(), withoutTrailingBlanks(t.value(1).toString()));

    layout_ = layout;
    rows_ = rows;
    typeNames_ = types;
    state_ = State::Browse;
    pending_ = QSqlRecord();
    original_ = QSqlRecord();
    position_ = -1;
    if (!filerIdBefore.isEmpty()) position_ = indexOf(filerIdBefore);
}

int CommitteeTable::indexOf(const QString& filerId) const {
    const QString wanted = withoutTrailingBlanks(filerId);
    if (wanted.isEmpty()) return -1;
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_[i].value(kFilerId).toString() == wanted) return i;
    return -1;
}

bool CommitteeTable::locate(const QString& filerId) {
    const int i = indexOf(filerId);
    if (i < 0) return false;
    cancel();
    position_ = i;
    return true;
}

void CommitteeTable::setPosition(int row) {
    cancel();
    position_ = (row >= 0 && row < count()) ? row : -1;
}

const QSqlRecord* CommitteeTable::currentRecord() const {
    if (state_ != State::Browse) return &pending_;
    if (position_ >= 0 && position_ < rows_.size()) return &rows_[position_];
    return nullptr;
}

bool CommitteeTable::isModified() const {
    if (state_ == State::Browse) return false;
    for (int i = 0; i < pending_.count(); ++i)
        if (!sameValue(pending_, original_, i)) return true;
    return false;
}

void CommitteeTable::append() {
    cancel();
    positionBeforeAppend_ = position_;
    QSqlRecord r = layout_;
    r.clearValues();
    const auto set = [&r](const char* column, const char* v) {
        r.setValue(QString::fromLatin1(column), QString::fromLatin1(v));
    };
    set("OUTOFSTATE", "F");
    set("CANDINCUMBANT", "F");
    for (const char* s : {"STATE", "MAILSTATE", "SPONSORSTATE", "CHSTATE", "TRSTATE", "CANDSTATE", "DESIGNEESTATE"})
        set(s, "AZ");
    set("REALLOCATIONFLAG", "N");
    pending_ = r;
    original_ = r;
    state_ = State::Insert;
}

void CommitteeTable::edit() {
    if (state_ != State::Browse) return;
    const QSqlRecord* r = currentRecord();
    if (!r) throw DbError(QStringLiteral("No committee record to change"));
    pending_ = *r;
    original_ = *r;
    state_ = State::Edit;
}

void CommitteeTable::cancel() {
    if (state_ == State::Insert) position_ = positionBeforeAppend_;
    state_ = State::Browse;
    pending_ = QSqlRecord();
    original_ = QSqlRecord();
}

QVariant CommitteeTable::value(const QString& field) const {
    const QSqlRecord* r = currentRecord();
    if (!r) return {};
    const int i = r->indexOf(field);
    if (i >= 0) return r->value(i);
    bool known = false;
    return derivedValue(field.toUpper(), &known);
}

QVariant CommitteeTable::derivedValue(const QString& upper, bool* known) const {
    *known = true;
    if (upper == QLatin1String("COMMITTEETYPE")) {
        const QVariant id = value(QStringLiteral("COMMITTEETYPEID"));
        return typeNames_.value(id.isNull() ? -1 : id.toInt()).left(kCommitteeTypeWidth);
    }
    for (const auto& c : kCityLines)
        if (upper == QLatin1String(c.derived))
            return cityLine(text(QLatin1String(c.city)), text(QLatin1String(c.state)), text(QLatin1String(c.zip)));
    for (const auto& o : kOneLines)
        if (upper == QLatin1String(o.derived))
            return oneLineAddress(text(QLatin1String(o.line1)), text(QLatin1String(o.line2)),
                                  text(QLatin1String(o.cityLine)));
    *known = false;
    return {};
}

void CommitteeTable::setValue(const QString& field, const QVariant& v) {
    const int i = layout_.indexOf(field);
    if (i < 0) {
        if (isDerivedName(field.toUpper()))
            throw DbError(QStringLiteral("Field '%1' cannot be modified").arg(field));
        throw DbError(QStringLiteral("Field '%1' not found").arg(field));
    }
    edit();
    const QMetaType type = layout_.field(i).metaType();
    if (!v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty())) {
        pending_.setNull(i);
        return;
    }
    QVariant converted = v;
    if (converted.metaType() != type && !converted.convert(type))
        throw DbError(QStringLiteral("'%1' is not a valid value for field '%2'").arg(v.toString(), field));
    pending_.setValue(i, converted);
}

QString CommitteeTable::filerId() const { return withoutTrailingBlanks(text(kFilerId)); }

QStringList CommitteeTable::columns() const {
    QStringList out;
    for (int i = 0; i < layout_.count(); ++i) out << layout_.fieldName(i);
    return out;
}

int CommitteeTable::columnWidth(const QString& column) { return textWidths().value(column.toUpper()); }

QString CommitteeTable::cityLine(const QString& city, const QString& state, const QString& zip) {
    QString line = city + QStringLiteral(", ") + state + QStringLiteral("  ") + zip.left(5);
    if (zip.size() > 5) line += QLatin1Char('-') + zip.mid(5, 4);
    return line.left(kCityLineWidth);
}

QString CommitteeTable::oneLineAddress(const QString& line1, const QString& line2, const QString& cityLine) {
    QString line = line1;
    // A second line of blanks would show as an empty segment.
    if (!line2.trimmed().isEmpty()) line += QStringLiteral(", ") + line2;
    line += QStringLiteral(", ") + cityLine;
    return line.left(kOneLineWidth);
}

void CommitteeTable::checkRequired() const {
    for (const auto& r : kRequired) {
        const QVariant v = pending_.value(QLatin1String(r.column));
        if (v.isNull() || v.toString().trimmed().isEmpty())
            throw DbError(QStringLiteral("Field '%1' must have a value").arg(QLatin1String(r.display)));
    }
}

void CommitteeTable::post() {
    if (state_ == State::Browse) return;
    checkRequired();
    pending_.setValue(QStringLiteral("MODIFIED_DATE"), Clock::now());
    pending_.setValue(QStringLiteral("MODIFIED_USER"), QStringLiteral("USER"));
    if (state_ == State::Insert) writeInsert();
    else writeUpdate();
    const QString stored = withoutTrailingBlanks(pending_.value(kFilerId).toString());
    reload();
    position_ = indexOf(stored);
}

void CommitteeTable::writeInsert() {
    QStringList columns;
    QStringList params;
    for (int i = 0; i < pending_.count(); ++i) {
        if (pending_.isNull(i)) continue;
        columns << pending_.fieldName(i);
        params << QLatin1Char(':') + pending_.fieldName(i);
    }
    QSqlQuery q(dm_.db());
    if (!q.prepare(QStringLiteral("INSERT INTO ORGS (%1) VALUES (%2)").arg(columns.join(QStringLiteral(", ")),
                                                                          params.join(QStringLiteral(", ")))))
        throw DbError::fromSql(q.lastError());
    for (int i = 0; i < pending_.count(); ++i)
        if (!pending_.isNull(i)) q.bindValue(QLatin1Char(':') + pending_.fieldName(i), pending_.value(i));
    if (!q.exec()) throw DbError::fromSql(q.lastError());
}

void CommitteeTable::writeUpdate() {
    // Only the columns that changed are written, so that a column another part of the program
    // set meanwhile (a filing's flag, say) is not put back.
    QStringList assignments;
    QList<int> changed;
    for (int i = 0; i < pending_.count(); ++i) {
        if (sameValue(pending_, original_, i)) continue;
        changed << i;
        assignments << pending_.fieldName(i) + QStringLiteral(" = :") + pending_.fieldName(i);
    }
    QSqlQuery q(dm_.db());
    if (!q.prepare(QStringLiteral("UPDATE ORGS SET %1 WHERE FILERID = :KEY_FILERID")
                       .arg(assignments.join(QStringLiteral(", ")))))
        throw DbError::fromSql(q.lastError());
    for (int i : changed) q.bindValue(QLatin1Char(':') + pending_.fieldName(i), pending_.value(i));
    q.bindValue(QStringLiteral(":KEY_FILERID"), withoutTrailingBlanks(original_.value(kFilerId).toString()));
    if (!q.exec()) throw DbError::fromSql(q.lastError());
    if (q.numRowsAffected() != 1) throw DbError(QStringLiteral("Record not found or changed by another user"));
}

namespace CommitteeLists {

namespace {
QSqlQuery run(Tdm& dm, const QString& sql) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(sql)) throw DbError::fromSql(q.lastError());
    return q;
}

QList<Item> items(Tdm& dm, const QString& sql, const QString& idColumn, const QString& textColumn) {
    QSqlQuery q = run(dm, sql);
    QList<Item> out;
    while (q.next()) out.append({q.value(idColumn).toInt(), withoutTrailingBlanks(q.value(textColumn).toString())});
    return out;
}
}  // namespace

QStringList states(Tdm& dm) {
    QSqlQuery q = run(dm, QStringLiteral("select * from States"));
    QStringList out;
    while (q.next()) out << withoutTrailingBlanks(q.value(QStringLiteral("STATEID")).toString());
    out.sort();
    return out;
}

QList<Item> offices(Tdm& dm) {
    return items(dm,
                 QStringLiteral("select * from OffCode where (OFFICEID=1) OR (COUNTYID <> 0) order by OfficeName"),
                 QStringLiteral("OFFICEID"), QStringLiteral("OFFICENAME"));
}

QList<Item> counties(Tdm& dm) {
    return items(dm, QStringLiteral("select * from Counties order by CountyName"), QStringLiteral("COUNTYID"),
                 QStringLiteral("COUNTYNAME"));
}

QList<Item> committeeTypes(Tdm& dm) {
    return items(dm, QStringLiteral("select * from ComType order by CommitteeTypeDescription"),
                 QStringLiteral("COMMITTEETYPEID"), QStringLiteral("COMMITTEETYPEDESCRIPTION"));
}

QList<int> electionYears() { return {2010, 2012, 2014, 2016, 2018, 2020, 2022, 2024}; }

}  // namespace CommitteeLists
