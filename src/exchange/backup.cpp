#include "exchange/backup.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>
#include <limits>

#include "platform/clock.h"
#include "platform/prompter.h"
#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/sql_text.h"
#include "store/tdm.h"
#include "store/version_info.h"

namespace BackupFormat {

namespace {
const char* const kCodePage = "windows-1252";
const QDate kZeroDate(1899, 12, 30);

QString quotedIdentifier(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Range of an integer column of `bytes` bytes.
bool fitsInteger(qlonglong v, int bytes) {
    switch (bytes) {
        case 2:
            return v >= std::numeric_limits<qint16>::min() &&
                   v <= std::numeric_limits<qint16>::max();
        case 4:
            return v >= std::numeric_limits<qint32>::min() &&
                   v <= std::numeric_limits<qint32>::max();
        default:
            return true;
    }
}

bool parseDateTime(const QString& text, QDateTime* out) {
    static const QRegularExpression re(QStringLiteral(
        "^(\\d{1,2})/(\\d{1,2})/"
        "(\\d{4})(?:\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?(?:\\s*([AaPp])[Mm])?)?$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch()) return false;
    const QDate date(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    if (!date.isValid()) return false;
    QTime time(0, 0);
    if (m.hasCaptured(4)) {
        int hour = m.captured(4).toInt();
        const int minute = m.captured(5).toInt();
        const int second = m.hasCaptured(6) ? m.captured(6).toInt() : 0;
        if (m.hasCaptured(7)) {
            if (hour < 1 || hour > 12) return false;
            const bool pm = m.captured(7).compare(QLatin1String("p"), Qt::CaseInsensitive) == 0;
            hour = hour % 12 + (pm ? 12 : 0);
        }
        time = QTime(hour, minute, second);
        if (!time.isValid()) return false;
    }
    *out = QDateTime(date, time);
    return true;
}
}  // namespace

QList<Column> TableColumns(QSqlDatabase& db, const QString& table) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql = QStringLiteral(
                            "SELECT TRIM(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, f.RDB$FIELD_SCALE, "
                            "COALESCE(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0), COALESCE(f.RDB$CHARACTER_LENGTH, 0) "
                            "FROM RDB$RELATION_FIELDS rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = "
                            "rf.RDB$FIELD_SOURCE "
                            "WHERE rf.RDB$RELATION_NAME = %1 ORDER BY rf.RDB$FIELD_POSITION")
                            .arg(SqlQuote(table.toUpper()));
    if (!q.exec(sql)) throw DbError::fromSql(q.lastError());
    QList<Column> columns;
    while (q.next()) {
        Column c;
        c.name = q.value(0).toString().trimmed().toUpper();
        const int type = q.value(1).toInt();
        const int scale = q.value(2).toInt();
        c.required = q.value(3).toInt() != 0;
        c.length = q.value(4).toInt();
        switch (type) {
            case 7:
                c.kind = scale < 0 ? ColumnKind::Float : ColumnKind::Integer;
                c.bytes = 2;
                break;
            case 8:
                c.kind = scale < 0 ? ColumnKind::Float : ColumnKind::Integer;
                c.bytes = 4;
                break;
            case 16:
                c.kind = scale < 0 ? ColumnKind::Float : ColumnKind::Integer;
                c.bytes = 8;
                break;
            case 10:
            case 11:
            case 27:
                c.kind = ColumnKind::Float;
                break;
            case 12:
            case 35:
                c.kind = ColumnKind::DateTime;
                break;
            case 14:
                c.kind = ColumnKind::FixedText;
                break;
            default:
                c.kind = ColumnKind::Text;
                break;
        }
        columns.append(c);
    }
    if (columns.isEmpty()) throw DbError(QStringLiteral("Table %1 not found").arg(table));
    return columns;
}

QString CleanText(const QString& text) {
    QString out = text;
    for (QChar& ch : out)
        if (ch == QLatin1Char('\t') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            ch = QLatin1Char(' ');
    return out;
}

QString FormatFloat(double value) {
    const double magnitude = std::fabs(value);
    // Fixed notation for every amount a committee can hold; Qt's shortest general form would
    // write 1000000 as "1e+06".
    if (value == 0 || (magnitude >= 1e-5 && magnitude < 1e15))
        return QString::number(value, 'f', QLocale::FloatingPointShortest);
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString FormatDateTime(const QDateTime& value) {
    QString out = value.date().toString(QStringLiteral("MM/dd/yyyy"));
    // Below a second counts as midnight: the file keeps whole seconds only.
    const int seconds = value.time().msecsSinceStartOfDay() / 1000;
    if (seconds != 0) {
        const int hour = seconds / 3600;
        const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
        out += QStringLiteral(" %1:%2:%3 %4")
                   .arg(hour12)
                   .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                   .arg(seconds % 60, 2, 10, QLatin1Char('0'))
                   .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    }
    return out;
}

QString FormatValue(const QVariant& value, ColumnKind kind) {
    if (value.isNull()) return {};
    switch (kind) {
        case ColumnKind::Text:
            return CleanText(value.toString());
        case ColumnKind::FixedText:
            return CleanText(value.toString()).trimmed();
        case ColumnKind::Integer:
            return QString::number(value.toLongLong());
        case ColumnKind::Float:
            return FormatFloat(value.toDouble());
        case ColumnKind::DateTime:
            if (value.typeId() == QMetaType::QDate)
                return FormatDateTime(QDateTime(value.toDate(), QTime(0, 0)));
            return FormatDateTime(value.toDateTime());
    }
    return {};
}

QString MapColumnName(const QString& nameInFile) {
    static const QHash<QString, QString> oldNames = {
        {QStringLiteral("CANDINCUMBENT"), QStringLiteral("CANDINCUMBANT")},
        {QStringLiteral("FAX"), QStringLiteral("FAXPHONE")},
        {QStringLiteral("MEMO"), QStringLiteral("TRANSMEMO")},
        {QStringLiteral("ENTERED_DATE"), QStringLiteral("TRANSTS")},
        {QStringLiteral("CANDOFFICE"), QStringLiteral("CANDOFFICEID")},
        {QStringLiteral("CANDCOUNTY"), QStringLiteral("CANDCOUNTYID")},
    };
    const QString upper = nameInFile.trimmed().toUpper();
    return oldNames.value(upper, upper);
}

QVariant NullValue(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Text:
        case ColumnKind::FixedText:
            return QVariant(QMetaType::fromType<QString>());
        case ColumnKind::Integer:
            return QVariant(QMetaType::fromType<qlonglong>());
        case ColumnKind::Float:
            return QVariant(QMetaType::fromType<double>());
        case ColumnKind::DateTime:
            return QVariant(QMetaType::fromType<QDateTime>());
    }
    return {};
}

bool ParseValue(const QString& text, const Column& column, QVariant* value, QString* error) {
    switch (column.kind) {
        case ColumnKind::Text:
        case ColumnKind::FixedText:
            if (text.isEmpty())
                // A narrow column gets as much of the marker as it holds, so the row still loads.
                *value = column.required ? QVariant(column.length > 0 ? kMissingValue.left(column.length)
                                                                      : kMissingValue)
                                         : NullValue(column.kind);
            else
                *value = text;
            return true;
        case ColumnKind::Integer: {
            if (text.isEmpty()) {
                *value = NullValue(column.kind);
                return true;
            }
            bool ok = false;
            const qlonglong v = text.toLongLong(&ok);
            if (!ok || !fitsInteger(v, column.bytes)) {
                *error = QStringLiteral("'%1' is not a valid integer value").arg(text);
                return false;
            }
            *value = v;
            return true;
        }
        case ColumnKind::Float: {
            if (text.isEmpty()) {
                *value = NullValue(column.kind);
                return true;
            }
            bool ok = false;
            const double v = QLocale::c().toDouble(text, &ok);
            if (!ok || !std::isfinite(v)) {
                *error = QStringLiteral("'%1' is not a valid floating point value").arg(text);
                return false;
            }
            *value = v;
            return true;
        }
        case ColumnKind::DateTime: {
            if (text.isEmpty() || text.startsWith(QLatin1String("00/00/0000"))) {
                *value = NullValue(column.kind);
                return true;
            }
            QDateTime dt;
            if (!parseDateTime(text, &dt)) {
                *error = QStringLiteral("'%1' is not a valid date and time").arg(text);
                return false;
            }
            // The zero date of the program that wrote older files stands for "no date".
            if (dt.date() == kZeroDate && dt.time() == QTime(0, 0))
                *value = NullValue(column.kind);
            else
                *value = dt;
            return true;
        }
    }
    return false;
}

bool CodePageAvailable() {
    return QStringEncoder(kCodePage).isValid() && QStringDecoder(kCodePage).isValid();
}

QByteArray Encode(const QString& text) {
    QStringEncoder encoder(kCodePage);
    QByteArray out = encoder.encode(text);
    if (!encoder.hasError()) return out;
    // Characters the code page lacks become "?", one by one.
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        QStringEncoder single(kCodePage);
        const QByteArray bytes = single.encode(QStringView(text).mid(i, length));
        out += single.hasError() ? QByteArray("?") : bytes;
        i += length - 1;
    }
    return out;
}

QString Decode(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

}  // namespace BackupFormat

using namespace BackupFormat;

namespace {

const QString kBackupCaption = QStringLiteral("Backing up Campaign Finance Data");
const QString kBackupDone = QStringLiteral(
    "Data backed up successfully. This file is for your security and is not intended to be used "
    "for "
    "electronic filing.");
const QString kBackupFailed = QStringLiteral("Error writing backup file. Disk may be full.");
const QString kRestoreCaption = QStringLiteral("Restoring data");
const QString kRestoreStep = QStringLiteral("File Processing Progress");
const QString kInvalidFile = QStringLiteral("Error: invalid backup file");
const QString kReadFailed = QStringLiteral("Error reading backup file.");
const QString kNoCodePage = QStringLiteral("The Windows-1252 code page is not available.");

QString sectionStep(const QString& table) {
    if (table == QLatin1String("ORGS")) return QStringLiteral("Writing Organization Data");
    if (table == QLatin1String("NAMELIST")) return QStringLiteral("Writing Names Data");
    return QStringLiteral("Writing Transactions Data");
}

QString keyOrder(const QString& table) {
    if (table == QLatin1String("ORGS")) return QStringLiteral("FILERID");
    if (table == QLatin1String("NAMELIST")) return QStringLiteral("FILERID, NAMEID");
    return QStringLiteral("FILERID, TRANSID");
}

// A failure of the file itself (creating, writing, replacing).
struct FileError {
    QString text;
};

class BackupWriter {
  public:
    BackupWriter(Tdm& dm, QSaveFile& file, ProgressSink& progress)
        : dm_(dm), file_(file), progress_(progress) {}

    void writeHeader() {
        writeLine({QStringLiteral("!HDR"), QStringLiteral("PROD"), QStringLiteral("VER"),
                   QStringLiteral("NAME"), QStringLiteral("DATE")});
        writeLine({QStringLiteral("HDR"), kProduct, QString::number(VersionNumber()), kName,
                   Clock::now().toString(QStringLiteral("yyyyMMddHH:mm:ss"))});
    }

    void writeSection(const QString& table) {
        progress_.setStep(sectionStep(table));
        progress_.setPosition(0);
        const QList<Column> columns = TableColumns(dm_.db(), table);
        QStringList names{QLatin1Char('!') + table};
        QStringList selected;
        for (const Column& c : columns) {
            names << c.name;
            selected << quotedIdentifier(c.name);
        }
        writeLine(names);

        const int total = dm_.queryValue(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
        QSqlQuery q(dm_.db());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                        .arg(selected.join(QStringLiteral(", ")), table, keyOrder(table))))
            throw DbError::fromSql(q.lastError());
        int written = 0;
        int shown = 0;
        QStringList fields;
        while (q.next()) {
            fields.clear();
            fields << table;
            for (int i = 0; i < columns.size(); ++i)
                fields << FormatValue(q.value(i), columns.at(i).kind);
            writeLine(fields);
            ++written;
            const int percent = total > 0 ? int(qint64(written) * 100 / total) : 100;
            if (percent != shown) progress_.setPosition(shown = percent);
        }
        if (q.lastError().isValid()) throw DbError::fromSql(q.lastError());
    }

  private:
    void writeLine(const QStringList& fields) {
        const QByteArray bytes = Encode(fields.join(QLatin1Char('\t'))) + QByteArrayLiteral("\r\n");
        if (file_.write(bytes) != bytes.size()) throw FileError{file_.errorString()};
    }

    Tdm& dm_;
    QSaveFile& file_;
    ProgressSink& progress_;
};

// The file cannot be a backup file (bad first line or section header); nothing is restored.
struct InvalidFile {
    QString detail;
};
// Reading stopped; the specific message, if any, has been shown.
struct ReadFailure {
    QString text;
};

// The lines of the file in order, with the byte position reached for the progress.
class LineReader {
  public:
    explicit LineReader(const QByteArray& data) : data_(data) {}

    bool next(QString* line) {
        if (pos_ >= data_.size()) return false;
        qsizetype end = data_.indexOf('\n', pos_);
        const qsizetype after = end < 0 ? data_.size() : end + 1;
        if (end < 0) end = data_.size();
        if (end > pos_ && data_.at(end - 1) == '\r') --end;
        *line = Decode(data_.mid(pos_, end - pos_));
        pos_ = after;
        return true;
    }
    int percent() const { return data_.isEmpty() ? 100 : int(pos_ * 100 / data_.size()); }

  private:
    const QByteArray& data_;
    qsizetype pos_ = 0;
};

class SectionReader {
  public:
    SectionReader(Tdm& dm, LineReader& lines, ProgressSink& progress)
        : dm_(dm), lines_(lines), progress_(progress) {}

    void readSection(const QString& table) {
        QString line;
        if (!nextLine(&line)) throw InvalidFile{table + QStringLiteral(" header invalid")};
        QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.first().trimmed() != QLatin1Char('!') + table)
            throw InvalidFile{table + QStringLiteral(" header invalid")};

        const QList<Column> columns = TableColumns(dm_.db(), table);
        QHash<QString, int> byName;
        for (int i = 0; i < columns.size(); ++i) byName.insert(columns.at(i).name, i);
        // Where each field of a row line goes (-1: a field without a column name, skipped).
        QList<int> target;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const QString name = MapColumnName(fields.at(i));
            if (name.isEmpty()) {
                target << -1;
                continue;
            }
            if (!byName.contains(name))
                throw ReadFailure{
                    QStringLiteral("Unknown column %1 in the %2 section").arg(name, table)};
            target << byName.value(name);
        }

        QStringList placeholders;
        QStringList names;
        for (const Column& c : columns) {
            names << quotedIdentifier(c.name);
            placeholders << QStringLiteral("?");
        }
        QSqlQuery insert(dm_.db());
        if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table, names.join(QStringLiteral(", ")),
                                     placeholders.join(QStringLiteral(", ")))))
            throw ReadFailure{DbError::fromSql(insert.lastError()).message()};

        const int idxNameTs = byName.value(QStringLiteral("NAMETS"), -1);
        const int idxTransTs = byName.value(QStringLiteral("TRANSTS"), -1);
        const int idxTransId = byName.value(QStringLiteral("TRANSID"), -1);
        const int idxMaster = byName.value(QStringLiteral("MASTERTRANSID"), -1);
        const int idxFlag = byName.value(QStringLiteral("GENREPORTFLAG"), -1);
        const int idxFlagDate = byName.value(QStringLiteral("GENREPORTDATE"), -1);
        const bool nameList = table == QLatin1String("NAMELIST");
        const bool transactions = table == QLatin1String("TRANSACT");
        const bool orgs = table == QLatin1String("ORGS");

        int lineNumber = 0;
        QList<QVariant> values(columns.size());
        while (nextLine(&line)) {
            fields = line.split(QLatin1Char('\t'));
            if (fields.first().trimmed().startsWith(QLatin1Char('!'))) {
                pending_ = line;
                hasPending_ = true;
                break;
            }
            ++lineNumber;
            for (int i = 0; i < columns.size(); ++i) values[i] = NullValue(columns.at(i).kind);
            for (qsizetype f = 0; f < target.size() && f + 1 < fields.size(); ++f) {
                const int col = target.at(f);
                if (col < 0) continue;
                const Column& column = columns.at(col);
                const QString text = fields.at(f + 1).trimmed();
                QString error;
                if (!ParseValue(text, column, &values[col], &error)) {
                    dm_.prompter().error(QStringLiteral("Error parsing data: Line: %1 Field: %2;%3")
                                             .arg(lineNumber)
                                             .arg(column.name, error));
                    throw ReadFailure{error};
                }
                // A creation stamp gets its own fix below; any other required date gets today.
                if (values[col].isNull() && column.kind == ColumnKind::DateTime &&
                    column.required && col != idxNameTs && col != idxTransTs) {
                    dm_.prompter().warning(QStringLiteral("Warning: null date for ") + column.name +
                                           QStringLiteral(". Setting to current date"));
                    values[col] = QDateTime(Clock::today(), QTime(0, 0));
                }
            }
            if (nameList && idxNameTs >= 0 && values[idxNameTs].isNull())
                values[idxNameTs] = Clock::now();
            if (transactions) {
                if (idxTransTs >= 0 && values[idxTransTs].isNull())
                    values[idxTransTs] = Clock::now();
                if (idxMaster >= 0 && idxTransId >= 0 && values[idxMaster].isNull())
                    values[idxMaster] = values[idxTransId];
            }
            if (orgs && idxFlag >= 0 && idxFlagDate >= 0 &&
                values[idxFlag].toString() == QLatin1String("Y") && values[idxFlagDate].isNull())
                values[idxFlag] = QStringLiteral("N");

            for (int i = 0; i < columns.size(); ++i) insert.bindValue(i, values.at(i));
            if (!insert.exec()) {
                dm_.prompter().error(QStringLiteral("Error on line: %1").arg(lineNumber));
                throw ReadFailure{DbError::fromSql(insert.lastError()).message()};
            }
        }
    }

  private:
    // The next line that is not blank, a line kept back by the previous section first.
    bool nextLine(QString* line) {
        if (hasPending_) {
            hasPending_ = false;
            *line = pending_;
            return true;
        }
        while (lines_.next(line)) {
            const int percent = lines_.percent();
            if (percent != shown_) progress_.setPosition(shown_ = percent);
            if (!line->trimmed().isEmpty()) return true;
        }
        return false;
    }

    Tdm& dm_;
    LineReader& lines_;
    ProgressSink& progress_;
    QString pending_;
    bool hasPending_ = false;
    int shown_ = -1;
};

}  // namespace

bool ConfirmRestore(Prompter& prompter) {
    return prompter.confirm(kRestoreQuestion);
}

bool WriteBackupFile(Tdm& dm, const QString& path, ProgressSink* progress) {
    ProgressSink none;
    ProgressSink& sink = progress ? *progress : none;
    sink.setCaption(kBackupCaption);
    sink.setPosition(0);
    QString error;
    {
        // Written beside the target and renamed over it only when complete.
        QSaveFile file(path);
        try {
            if (!CodePageAvailable()) throw FileError{kNoCodePage};
            if (!file.open(QIODevice::WriteOnly)) throw FileError{file.errorString()};
            BackupWriter writer(dm, file, sink);
            writer.writeHeader();
            for (const QString& table : kTables) writer.writeSection(table);
            if (!file.commit()) throw FileError{file.errorString()};
        } catch (const FileError& e) {
            error = e.text.isEmpty() ? QStringLiteral("Unknown error") : e.text;
        } catch (const DbError& e) {
            error = e.message();
        }
        if (!error.isEmpty()) file.cancelWriting();
    }
    sink.finish();
    dm.opt().BackupFile = path;
    if (!error.isEmpty()) {
        dm.log().write(kBackupFailed + QLatin1Char(' ') + error);
        dm.prompter().error(kBackupFailed + QLatin1Char('\n') + error);
        return false;
    }
    dm.prompter().information(kBackupDone);
    return true;
}

bool RestoreBackupFile(Tdm& dm, const QString& path, ProgressSink* progress,
                       const std::function<void()>& beforeClearing) {
    ProgressSink none;
    ProgressSink& sink = progress ? *progress : none;
    Prompter& prompter = dm.prompter();

    if (!CodePageAvailable()) {
        prompter.error(QStringLiteral("File error: ") + kNoCodePage);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompter.error(QStringLiteral("File error: ") + file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        prompter.error(QStringLiteral("File error: ") + file.errorString());
        return false;
    }
    file.close();

    // The header, before anything changes.
    LineReader lines(data);
    QString line1;
    QString line2;
    const bool hasLine1 = lines.next(&line1);
    const QStringList names = line1.split(QLatin1Char('\t'));
    if (!hasLine1 || names.first().trimmed() != QLatin1String("!HDR") || !lines.next(&line2)) {
        dm.log().write(QStringLiteral("Restore: no backup header in ") + path);
        prompter.error(kInvalidFile);
        return false;
    }
    const QStringList values = line2.split(QLatin1Char('\t'));
    for (qsizetype i = 1; i < names.size(); ++i) {
        const QString name = names.at(i).trimmed().toUpper();
        const QString value = i < values.size() ? values.at(i) : QString();
        if (name == QLatin1String("PROD") && value != kProduct) {
            prompter.error(
                QStringLiteral("Backup file is different product (") + value +
                QStringLiteral(").  Cannot restore.\nContact provider for more information."));
            return false;
        }
        if (name == QLatin1String("VER") && value.trimmed().toInt() > VersionNumber()) {
            prompter.error(QStringLiteral(
                "Backup file is up version.  Cannot restore.\nUpgrade your software."));
            return false;
        }
    }

    if (beforeClearing) beforeClearing();

    // One transaction from the clearing to the last follow-up statement: a restore that stops
    // anywhere leaves the database as it was.
    QSqlDatabase& db = dm.db();
    if (!db.transaction()) {
        prompter.error(QStringLiteral("Error clearing database: ") +
                       DbError::fromSql(db.lastError()).message());
        return false;
    }
    try {
        dm.execSql(QStringLiteral("Execute Procedure DeleteAll;"));
    } catch (const DbError& e) {
        db.rollback();
        prompter.error(QStringLiteral("Error clearing database: ") + e.message());
        return false;
    }

    sink.setCaption(kRestoreCaption);
    sink.setStep(kRestoreStep);
    sink.setPosition(0);
    QString failure;
    bool failed = true;
    bool invalid = false;
    try {
        SectionReader reader(dm, lines, sink);
        for (const QString& table : kTables) reader.readSection(table);
        dm.execSql(QStringLiteral("Execute Procedure ClearAllTriggers;"));
        dm.execSql(
            QStringLiteral("update Transact set MasterTransID = Transid where MasterTransid is "
                           "null or MasterTransid = 0"));
        dm.execSql(QStringLiteral(
            "update namelist set user4 = 'PAC' where nametypeid = 2 and user4 is null"));
        dm.execSql(QStringLiteral(
            "update namelist set user4 = 'IND' where nametypeid = 1 and user4 is null"));
        if (!db.commit()) throw DbError::fromSql(db.lastError());
        failed = false;
    } catch (const InvalidFile& e) {
        invalid = true;
        failure = e.detail;
    } catch (const ReadFailure& e) {
        failure = e.text;
    } catch (const DbError& e) {
        failure = e.message();
    }
    sink.finish();
    dm.opt().BackupFile = path;
    if (failed) {
        db.rollback();
        dm.log().write(QStringLiteral("Restore of ") + path + QStringLiteral(" undone: ") +
                       failure);
        if (invalid)
            prompter.error(kInvalidFile);
        else
            prompter.error(kReadFailed + QLatin1Char('\n') + failure);
        return false;
    }
    dm.resetChangeCutoff();
    return true;
}
