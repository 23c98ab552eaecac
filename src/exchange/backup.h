#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class Prompter;
class Tdm;

// Progress of a long operation: a caption, the current step and a percentage. The program's
// progress window implements it; the default does nothing.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void setCaption(const QString&) {}
    virtual void setStep(const QString&) {}
    virtual void setPosition(int) {}
    // The operation that set a caption is over; comes before its outcome is shown, so that a
    // window can close first.
    virtual void finish() {}
};

// The backup file: a tab-delimited text file in the Windows-1252 code page holding every
// committee with its names and transactions.
namespace BackupFormat {

inline const QString kProduct = QStringLiteral("LEDRA BOOKS 7");
inline const QString kName = QStringLiteral("DATA BACKUP");
inline const QString kMissingValue = QStringLiteral("<missing value>");
// The tables in the order of the file.
inline const QStringList kTables = {QStringLiteral("ORGS"), QStringLiteral("NAMELIST"),
                                    QStringLiteral("TRANSACT")};

// What the file dialogs of the backup and restore commands offer.
inline const QString kDefaultBackupFile = QStringLiteral("ledradata.lbk");
inline const QString kDefaultRestoreFile = QStringLiteral("ledra2data.lbk");
inline const QString kBackupDialogTitle = QStringLiteral("Backup data file");
inline const QString kRestoreDialogTitle = QStringLiteral("Restore data file");
inline const QString kDefaultExtension = QStringLiteral("lbk");
inline const QString kFileFilter =
    QStringLiteral("Campaign Finance Backup (*.lbk)|*.LBK|All Files (*.*)|*.*");
inline const QString kOverwriteQuestion = QStringLiteral("File exists.  Do you want to overwrite?");
inline const QString kRestoreQuestion = QStringLiteral(
    "Restoring data will delete all data from your current database. Are you sure you want to "
    "continue?");

enum class ColumnKind { Text, FixedText, Integer, Float, DateTime };

struct Column {
    QString name;  // upper case, as the database names it
    ColumnKind kind = ColumnKind::Text;
    bool required = false;
    int bytes = 0;  // integer columns: 2, 4 or 8
    int length = 0;  // text columns: characters, 0 unknown
};

// The columns of a table in table order, read from the database's catalogue. Throws DbError.
QList<Column> TableColumns(QSqlDatabase& db, const QString& table);

// A value as a field of a row line: empty for NULL; tabs and line breaks become blanks so that a
// value can never break the file.
QString FormatValue(const QVariant& value, ColumnKind kind);
// Shortest decimal form with "." (0.1, 150, 12.5, 1234567.89); exponent form only for values
// outside 1e-5 .. 1e15.
QString FormatFloat(double value);
// "mm/dd/yyyy", followed by " h:mm:ss AM" when the time of day is not midnight.
QString FormatDateTime(const QDateTime& value);
// Tabs, carriage returns and line feeds replaced by blanks.
QString CleanText(const QString& text);

// The column of the database that a column name of the file is read into (upper case); old files
// name some columns differently.
QString MapColumnName(const QString& nameInFile);

// Converts a field (already trimmed) to a value of the column's kind. Empty text gives NULL (text
// columns that must not be NULL get "<missing value>"); the zero dates "12/30/1899" and
// "00/00/0000" give NULL. False with a reason when the text cannot be converted.
bool ParseValue(const QString& text, const Column& column, QVariant* value, QString* error);
// A NULL of the column's kind, for binding.
QVariant NullValue(ColumnKind kind);

// The file's code page. Available when Qt was built with ICU; without it no file is written or
// read.
bool CodePageAvailable();
QByteArray Encode(const QString& text);  // characters outside the code page become "?"
QString Decode(const QByteArray& bytes);

}  // namespace BackupFormat

// Asks whether the database may be replaced by a backup; true on Yes.
bool ConfirmRestore(Prompter& prompter);

// Writes the whole database to `path`. The file is replaced only when it has been written
// completely, so a failed backup leaves an earlier file as it was. Shows the outcome through the
// data module's prompter and remembers `path` as the preference BackupFile.
bool WriteBackupFile(Tdm& dm, const QString& path, ProgressSink* progress = nullptr);

// Replaces the database's committees, names and transactions by the content of `path`, in one
// database transaction: when anything fails the database is left exactly as it was. The header is
// checked before anything changes; `beforeClearing` runs after that check, before the database is
// touched (the frame closes the open committee there). Shows every problem through the data
// module's prompter. On success the change cut-off is set back; the caller reloads the list of
// committees.
bool RestoreBackupFile(Tdm& dm, const QString& path, ProgressSink* progress = nullptr,
                       const std::function<void()>& beforeClearing = {});
