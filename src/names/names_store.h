#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class Tdm;

// The open committee's names: the list by type, deleting a name, and the row the name entry
// window edits. Every statement is restricted to the open committee; a failing statement throws
// DbError unless said otherwise.
namespace NamesList {

// A tab of the names list and the NAMETYPEID range it shows.
struct Tab {
    QString caption;
    int lowType = 0;
    int highType = 0;
};
// "All Names" (types 1 to 99), then one tab per type 1 to 6; types 7 to 11 show only under
// "All Names".
const QList<Tab>& tabs();

// The statement that reads the names of one type range, sorted by name (descending when asked),
// then by type.
QString selectStatement(const QString& filerId, int lowType, int highType, bool descending);

struct Row {
    int nameId = 0;
    int nameTypeId = 0;
    QString name;
    QString nameType;  // the NAMETYPE caption
};
QList<Row> read(Tdm& dm, int lowType, int highType, bool descending);

// How many of the committee's transactions name this NAMEID (as the transaction's name; a name
// used only as a transaction's candidate does not count).
int transactionCount(Tdm& dm, int nameId);

// Deletes a name after the checks and the question, then re-reads the open lists. A name that
// transactions use is refused with a message. True when the row was deleted; a store error is
// shown and gives false.
bool deleteName(Tdm& dm, int nameId, const QString& name);

}  // namespace NamesList

// The names of one type range as the names list shows them: columns "Name" and "Type".
class NamesListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColName, ColType, ColumnCount };

    explicit NamesListModel(Tdm& dm, QObject* parent = nullptr);

    // Chooses what the next reload reads.
    void setTypeRange(int lowType, int highType);
    void setDescending(bool descending) { descending_ = descending; }
    bool descending() const { return descending_; }
    int lowType() const { return lowType_; }
    int highType() const { return highType_; }

    // Reads the rows again; on failure throws DbError and keeps the rows it had.
    void reload();

    const NamesList::Row& rowAt(int row) const { return rows_.at(row); }
    // The row showing this NAMEID, or -1.
    int rowOfNameId(int nameId) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    Tdm& dm_;
    QList<NamesList::Row> rows_;
    int lowType_ = 1;
    int highType_ = 99;
    bool descending_ = false;
};

// One NAMELIST row of the open committee as the name entry window edits it. Text values are kept
// trimmed; an empty text is null.
class NameRecord {
public:
    // The columns the name entry window edits.
    static const QStringList& editableColumns();
    // The columns a stored row must have filled, besides the stamps.
    static const QStringList& requiredColumns();
    // The width of a text column (0 for the number columns).
    static int columnWidth(const QString& column);

    // A new name of a type; its state starts as "AZ".
    static NameRecord create(int nameTypeId);
    // The stored name with this NAMEID of the open committee; throws DbError when it cannot be
    // read or the committee has no such name.
    static NameRecord load(Tdm& dm, int nameId);

    bool isNew() const { return nameId_ < 0; }
    // -1 until a new record has been written.
    int nameId() const { return nameId_; }
    int nameTypeId() const { return nameTypeId_; }

    QVariant value(const QString& column) const { return values_.value(column.toUpper()); }
    QString text(const QString& column) const { return value(column).toString(); }
    // Texts are trimmed; an empty text, or an invalid value, sets null.
    void setValue(const QString& column, const QVariant& v);

    // Whether any value differs from the state last marked unchanged.
    bool isModified() const { return values_ != original_; }
    void markUnchanged() { original_ = values_; }

    // Something the person has to correct before the row may be written.
    struct Problem {
        QString message;
        QString column;        // where the cursor goes
        bool isError = false;  // an error box rather than a warning
    };
    // The checks before a write, in order: a new name must not repeat another name of the same
    // type and needs address, city and zip; an existing name is only checked for a repeated
    // name. Then, for both, a zip or phone number changed here with digits missing.
    std::optional<Problem> check(Tdm& dm) const;
    // The first required column that is empty, if any.
    std::optional<QString> missingRequiredColumn() const;
    // The refusal of a row with an empty required column.
    static QString requiredColumnMessage(const QString& column);

    // Writes the row with its stamps: a new name gets the next NAMEID and becomes an existing
    // one. Throws DbError (naming the column when a required one is empty); the record is then
    // unchanged.
    int write(Tdm& dm);

private:
    int nameId_ = -1;
    int nameTypeId_ = 0;
    QHash<QString, QVariant> values_;
    QHash<QString, QVariant> original_;
};

// The whole of "OK" in the name entry window, without the window: nothing for an unchanged
// record; otherwise the checks (each shown as a message), the write (a store error is shown) and
// the re-read of the open lists.
struct NameSaveOutcome {
    enum class Status { Unchanged, Refused, Saved };
    Status status = Status::Unchanged;
    int nameId = -1;      // the NAMEID written
    QString focusColumn;  // Refused: the field to return to, empty when none
};
NameSaveOutcome SaveName(Tdm& dm, NameRecord& record);

// The line under the name field of the name entry window for a name type: "LAST, FIRST MI",
// "Committee Name" or "Name".
QString NameEntryHint(int nameType);
// The titles of the groups of the name entry window for a name type, after "Reportable
// Information (Required)", which every type has.
QStringList NameEntryGroups(int nameType);
