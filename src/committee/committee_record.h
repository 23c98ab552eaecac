#pragma once

#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

class Tdm;

// The committee record set: every ORGS row, read at once, positioned on one row (the open
// committee), with one pending new or changed record at a time. Other windows read the open
// committee's fields from here.
//
// Values are read by column name (case does not matter). Text values come without the blank
// padding of fixed-width columns; an empty text is written as null. Besides the columns, the
// derived fields Address3, MailAddress3, ChAddress3, TrAddress3, CandAddress3, Address,
// MailAddress, ChAddress, TrAddress and CommitteeType can be read; they cannot be set.
class CommitteeTable {
public:
    enum class State { Browse, Insert, Edit };

    explicit CommitteeTable(Tdm& dm);

    // Reads every ORGS row and the committee-type descriptions again. Pending changes are
    // dropped; the position moves to the row of the same filer ID, if it is still there.
    // A failing statement throws DbError.
    void reload();

    int count() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }

    // Moves to the row whose FILERID equals `filerId`, trailing blanks ignored on both sides,
    // compared exactly (case counts). False, and no move, when there is none or the ID is
    // empty. Moving drops pending changes.
    bool locate(const QString& filerId);
    bool contains(const QString& filerId) const { return indexOf(filerId) >= 0; }
    // -1 when the set stands on no row.
    int position() const { return position_; }
    void setPosition(int row);

    State state() const { return state_; }
    // Whether the pending record differs from what it started as (the stored row, or the
    // defaults of a new record).
    bool isModified() const;

    // Starts a new record with the defaults of a new committee; it becomes the current record
    // until it is stored or cancelled.
    void append();
    // Starts changing the current row (setValue does this by itself). Throws DbError when the
    // set stands on no row.
    void edit();
    // Drops the pending record; after an append the set returns to the row it stood on.
    void cancel();
    // Stores the pending record as one ORGS row (insert or update) with the modification
    // stamps, then reads the set again, positioned on the stored row. On failure throws
    // DbError with the database's (or the required field's) message; the database is left as
    // it was and the pending record keeps every value typed.
    void post();

    // A column or derived field of the current record; null when there is none.
    QVariant value(const QString& field) const;
    // Sets a column of the current record (starting an edit when browsing). An empty text, or
    // an invalid value, sets null. Throws DbError for an unknown or derived field, or a value
    // that does not fit the column's type.
    void setValue(const QString& field, const QVariant& v);
    QString text(const QString& field) const { return value(field).toString(); }

    QString filerId() const;
    QString currentName() const { return text(QStringLiteral("NAME")); }
    int committeeTypeId() const { return value(QStringLiteral("COMMITTEETYPEID")).toInt(); }
    bool isCandidateCommittee() const { return committeeTypeId() == 1; }
    QString committeeTypeDescription(int committeeTypeId) const { return typeNames_.value(committeeTypeId); }

    // The column names of ORGS in table order.
    QStringList columns() const;
    // The widths of the text columns of ORGS (0 for other columns).
    static int columnWidth(const QString& column);

    // The derived field rules, shared with anyone who prints a committee's addresses.
    static QString cityLine(const QString& city, const QString& state, const QString& zip);
    static QString oneLineAddress(const QString& line1, const QString& line2, const QString& cityLine);

private:
    int indexOf(const QString& filerId) const;
    const QSqlRecord* currentRecord() const;
    QVariant derivedValue(const QString& field, bool* known) const;
    void checkRequired() const;
    void writeInsert();
    void writeUpdate();

    Tdm& dm_;
    QSqlRecord layout_;  // the columns of ORGS, without values
    QList<QSqlRecord> rows_;
    QHash<int, QString> typeNames_;
    int position_ = -1;

    State state_ = State::Browse;
    QSqlRecord pending_;   // the record being appended or changed
    QSqlRecord original_;  // what it started as
    int positionBeforeAppend_ = -1;
};

// The lists the committee window offers, read from the database; a failing statement throws
// DbError.
namespace CommitteeLists {
struct Item {
    int id = 0;
    QString text;
};

// STATEID of every row of STATES, sorted.
QStringList states(Tdm& dm);
// Offices a candidate can seek (office 1 and every office of a county), by name.
QList<Item> offices(Tdm& dm);
// Counties by name.
QList<Item> counties(Tdm& dm);
// Committee types by description.
QList<Item> committeeTypes(Tdm& dm);
// The election years offered; another year can be typed.
QList<int> electionYears();
}  // namespace CommitteeLists
