#include "exchange/backup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/clock.h"
#include "shell/opt_data.h"
#include "store/sql_text.h"
#include "store/version_info.h"
#include "support/cli_runner.h"
#include "support/test_env.h"

using namespace BackupFormat;

namespace {

const QString kRestoredAt = QStringLiteral("06/01/2024 10:20:30");
const QDateTime kNow(QDate(2024, 6, 1), QTime(10, 20, 30));

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// The file's lines, decoded; fails the test when a line does not end with CR LF.
QStringList readLines(const QString& path) {
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines;
    for (const QByteArray& raw : bytes.split('\n')) {
        if (raw.isEmpty()) continue;
        EXPECT_TRUE(raw.endsWith('\r')) << raw.toStdString();
        lines << Decode(raw.chopped(1));
    }
    return lines;
}

void writeLines(const QString& path, const QStringList& lines) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

QString tabs(const QStringList& fields) {
    return fields.join(QLatin1Char('\t'));
}

// The value of `column` in the row line of `table` whose first column is `key`.
QString field(const QStringList& lines, const QString& table, const QString& key,
              const QString& column, const QString& secondKey = QString()) {
    QStringList columns;
    for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.first() == QLatin1Char('!') + table) columns = f;
        if (f.first() == table && f.value(1) == key &&
            (secondKey.isEmpty() || f.value(2) == secondKey))
            return f.value(columns.indexOf(column));
    }
    ADD_FAILURE() << "no row " << key.toStdString() << " in " << table.toStdString();
    return {};
}

QStringList header(const QString& prod = kProduct,
                   const QString& ver = QString::number(VersionNumber())) {
    return {tabs({QStringLiteral("!HDR"), QStringLiteral("PROD"), QStringLiteral("VER"),
                  QStringLiteral("NAME"), QStringLiteral("DATE")}),
            tabs({QStringLiteral("HDR"), prod, ver, kName, QStringLiteral("2024060110:20:30")})};
}

const QString kOrgsColumns = QStringLiteral(
    "!ORGS\tFILERID\tCOMMITTEETYPEID\tNAME\tADDRESS1\tCITY\tSTATE\tZIP\tCHNAME\tTRNAME\tMODIFIED_"
    "DATE\tMODIFIED_USER");
const QString kNamesColumns = QStringLiteral(
    "!NAMELIST\tFILERID\tNAMEID\tNAMETS\tNAMETYPEID\tNAME\tADDRESS1\tCITY\tSTATE\tZIP\tMODIFIED_"
    "DATE\tMODIFIED_USER");
const QString kTransColumns = QStringLiteral(
    "!TRANSACT\tFILERID\tTRANSID\tTRANSTS\tMASTERTRANSID\tTRANSDATE\tAMOUNT\tNAMEID\tCREDITACCOUNTI"
    "D\t"
    "DEBITACCOUNTID\tMODIFIED_DATE\tMODIFIED_USER");

QString orgRow(const QString& filerId, const QString& name) {
    return tabs({QStringLiteral("ORGS"), filerId, QStringLiteral("1"), name,
                 QStringLiteral("1 MAIN ST"), QStringLiteral("TUCSON"), QStringLiteral("AZ"),
                 QStringLiteral("85701"), QStringLiteral("CHAIR"), QStringLiteral("TREASURER"),
                 QStringLiteral("03/01/2024"), QStringLiteral("USER")});
}
QString nameRow(const QString& filerId, const QString& id, const QString& name) {
    return tabs({QStringLiteral("NAMELIST"), filerId, id, QStringLiteral("03/01/2024 9:00:00 AM"),
                 QStringLiteral("4"), name, QStringLiteral("1 ELM ST"), QStringLiteral("TUCSON"),
                 QStringLiteral("AZ"), QStringLiteral("85701"), QStringLiteral("03/01/2024"),
                 QStringLiteral("USER")});
}

// A small valid file: one committee with one name and one transaction.
QStringList smallBody() {
    return {
        kOrgsColumns,
        orgRow(QStringLiteral("900-0001"), QStringLiteral("FROM FILE")),
        kNamesColumns,
        nameRow(QStringLiteral("900-0001"), QStringLiteral("1"), QStringLiteral("ACME")),
        kTransColumns,
        QStringLiteral(
            "TRANSACT\t900-0001\t1\t03/01/2024\t1\t03/01/2024\t25\t1\t700\t400\t03/01/2024\tUSER")};
}

// The data a restore must not disturb when it fails.
void addPreviousData(TestEnv& env) {
    env.addCommittee(QStringLiteral("111-1111"), QStringLiteral("PREVIOUS COMMITTEE"));
    for (int id : {1, 2})
        env.exec(
            QStringLiteral(
                "INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, "
                "STATE, ZIP, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES ('111-1111', %1, "
                "'01/02/2024', 4, 'VENDOR %1', '1 ST', 'TUCSON', 'AZ', '85701', '01/02/2024', "
                "'USER', 'F')")
                .arg(id));
    env.exec(QStringLiteral(
        "INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, AMOUNT, "
        "NAMEID, CREDITACCOUNTID, DEBITACCOUNTID, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES "
        "('111-1111', 1, '01/02/2024', 1, '01/02/2024', 75.25, 1, 700, 400, '01/02/2024', "
        "'USER', 'F')"));
}

void expectPreviousData(TestEnv& env) {
    EXPECT_EQ(env.value(QStringLiteral("select count(*) from ORGS")).toInt(), 1);
    EXPECT_EQ(env.value(QStringLiteral("select trim(NAME) from ORGS where FILERID = '111-1111'"))
                  .toString(),
              QStringLiteral("PREVIOUS COMMITTEE"));
    EXPECT_EQ(env.value(QStringLiteral("select count(*) from NAMELIST where FILERID = '111-1111'"))
                  .toInt(),
              2);
    EXPECT_EQ(env.value(QStringLiteral("select count(*) from NAMELIST")).toInt(), 2);
    EXPECT_EQ(env.value(QStringLiteral("select AMOUNT from TRANSACT where FILERID = '111-1111'"))
                  .toDouble(),
              75.25);
    EXPECT_EQ(env.value(QStringLiteral("select count(*) from TRANSACT")).toInt(), 1);
}

struct RecordingSink : ProgressSink {
    QStringList captions, steps;
    QList<int> positions;
    bool finished = false;
    void setCaption(const QString& c) override { captions << c; }
    void setStep(const QString& s) override { steps << s; }
    void setPosition(int p) override { positions << p; }
    void finish() override { finished = true; }
};

// Two committees with names and transactions of many kinds.
void addRichData(TestEnv& env) {
    env.addCommittee(QStringLiteral("001-0001"), QStringLiteral("FRIENDS OF PEÑA"));
    env.addCommittee(QStringLiteral("002-0002"), QStringLiteral("CITIZENS FOR CAFÉ"), 14);
    env.exec(QStringLiteral(
        "UPDATE ORGS SET CANDNAME = 'O''BRIEN, PAT', CANDYEAR = 2024, REG_DATE = '01/15/2023', "
        "GENREPORTFLAG = 'Y', GENREPORTDATE = '07/15/2024', OUTOFSTATE = 'F', CANDOFFICEID = 1001, "
        "EMAIL = 'josé@example.org', MODIFIED_DATE = '02/01/2024 08:07:06' WHERE FILERID = "
        "'001-0001'"));
    env.exec(QStringLiteral(
        "UPDATE ORGS SET MODIFIED_DATE = '02/01/2024 23:59:59' WHERE FILERID = '002-0002'"));
    const QString names = QStringLiteral(
        "INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, STATE, "
        "ZIP, USER4, "
        "PACID, EMPLOYER, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES ('%1', %2, '%3', %4, %5, "
        "%6, 'TUCSON', "
        "'AZ', '85701-1234', %7, %8, %9, '03/01/2024 09:15:00', 'USER', 'F')");
    struct Name {
        const char* filer;
        int id;
        const char* ts;
        int type;
        QString name, address, user4, pacid, employer;
    };
    const QList<Name> rows = {
        {"001-0001", 1, "03/01/2024 09:15:00", 1, SqlQuote(QStringLiteral("PEÑA, JOSÉ")),
         SqlQuote(QStringLiteral("12 CALLE DE LA PEÑA")), QStringLiteral("'IND'"),
         QStringLiteral("NULL"), QStringLiteral("'CAFÉ \"LA ROSA\"'")},
        {"001-0001", 2, "03/02/2024", 4, SqlQuote(QStringLiteral("O'BRIEN PRINTING")),
         QStringLiteral("'5 MAIN'"), QStringLiteral("NULL"), QStringLiteral("NULL"),
         QStringLiteral("NULL")},
        {"001-0001", 3, "03/02/2024 12:00:00", 2, QStringLiteral("'ARIZONA PAC'"),
         QStringLiteral("'9 PAC WAY'"), QStringLiteral("'PAC'"), QStringLiteral("'123-4567'"),
         QStringLiteral("NULL")},
        {"002-0002", 1, "03/03/2024 00:00:01", 1, QStringLiteral("'SMITH, JOHN'"),
         QStringLiteral("'1 ELM'"), QStringLiteral("'FAM'"), QStringLiteral("NULL"),
         QStringLiteral("'SCHOOL' || ASCII_CHAR(9) || 'DISTRICT'")},
    };
    for (const Name& n : rows)
        env.exec(names.arg(QLatin1String(n.filer))
                     .arg(n.id)
                     .arg(QLatin1String(n.ts))
                     .arg(n.type)
                     .arg(n.name, n.address, n.user4, n.pacid, n.employer));

    const QString trans = QStringLiteral(
        "INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, AMOUNT, "
        "NAMEID, "
        "CREDITACCOUNTID, DEBITACCOUNTID, REFNO, RECEIPTNO, PAID, EVENTCODE, EVENTDATE, TRANSMEMO, "
        "DEPOSITBATCH, "
        "MODIFIED_DATE, MODIFIED_USER, CLEARED, DELETED, CANDIDATEID, STARTDATE, ENDDATE, "
        "MEDIATYPE) VALUES "
        "('%1', %2, '%3', %4, '%5', %6, %7, %8, %9, %10, %11, %12, %13, %14, %15, %16, '%3', "
        "'USER', 'F', 'F', "
        "%17, %18, %19, %20)");
    const QString null = QStringLiteral("NULL");
    auto add = [&](const char* filer, int id, const char* ts, int master, const char* date,
                   const char* amount, int name, int credit, int debit, const QStringList& rest) {
        QString sql = trans.arg(QLatin1String(filer))
                          .arg(id)
                          .arg(QLatin1String(ts))
                          .arg(master)
                          .arg(QLatin1String(date), QLatin1String(amount))
                          .arg(name)
                          .arg(credit)
                          .arg(debit);
        for (const QString& r : rest) sql = sql.arg(r);
        env.exec(sql);
    };
    // Contribution from an individual with an event.
    add("001-0001", 1, "03/15/2024 14:05:09", 1, "03/15/2024", "0.1", 1, 100, 210,
        {QStringLiteral("'1001'"), QStringLiteral("'R-7'"), null, QStringLiteral("'GALA'"),
         QStringLiteral("'03/10/2024'"), SqlQuote(QStringLiteral("DINNER AT CAFÉ")),
         QStringLiteral("'B1'"), null, null, null, null});
    // Contribution from a PAC.
    add("001-0001", 2, "03/16/2024 09:00:00", 2, "03/16/2024", "1234567.89", 3, 100, 220,
        {null, null, null, null, null, SqlQuote(QStringLiteral("O'BRIEN \"BIG\" CHECK")), null,
         null, null, null, null});
    // A bill and its payment (follow-up row).
    add("001-0001", 3, "03/17/2024 00:00:00", 3, "03/17/2024", "150", 2, 700, 400,
        {null, null, QStringLiteral("'T'"), null, null,
         QStringLiteral("'PRINTING' || ASCII_CHAR(13) || "
                        "ASCII_CHAR(10) || 'SIGNS'"),
         null, null, null, null, null});
    add("001-0001", 4, "03/18/2024 16:30:00", 3, "03/18/2024", "12.5", 2, 100, 700,
        {QStringLiteral("'2002'"), null, null, null, null, null, null, null, null, null, null});
    // In-kind contribution and its expenditure.
    add("001-0001", 5, "03/19/2024 10:00:00", 5, "03/19/2024", "300.75", 1, 500, 210,
        {null, null, null, null, null, QStringLiteral("'FOOD'"), null, null, null, null, null});
    add("001-0001", 6, "03/19/2024 10:01:00", 5, "03/19/2024", "300.75", 1, 510, 500,
        {null, null, null, null, null, null, null, null, null, null, null});
    // Loan received, interest and repayment.
    add("001-0001", 7, "03/20/2024 08:00:00", 7, "03/20/2024", "5000", 3, 100, 300,
        {null, null, null, null, null, null, null, null, null, null, null});
    add("001-0001", 8, "04/20/2024 08:00:00", 7, "04/20/2024", "41.67", 3, 420, 100,
        {null, null, null, null, null, null, null, null, null, null, null});
    add("002-0002", 1, "03/21/2024 11:11:11", 1, "03/21/2024", "1000000", 1, 410, 100,
        {null, null, null, null, null, QStringLiteral("'TV AD'"), null, QStringLiteral("1"),
         QStringLiteral("'04/01/2024'"), QStringLiteral("'04/30/2024'"),
         QStringLiteral("'TELEVISION'")});
    // Aggregate small contributions: no name.
    add("002-0002", 2, "03/22/2024 11:11:11", 2, "03/22/2024", "-25.5", 0, 100, 200,
        {null, null, null, null, null, null, null, null, null, null, null});
}

}  // namespace

TEST(BackupFormatTest, ValuesAreWrittenAndReadAsTheFileExpects) {
    EXPECT_EQ(FormatFloat(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(FormatFloat(150), QStringLiteral("150"));
    EXPECT_EQ(FormatFloat(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(FormatFloat(1234567.89), QStringLiteral("1234567.89"));
    EXPECT_EQ(FormatFloat(1000000), QStringLiteral("1000000"));
    EXPECT_EQ(FormatFloat(-25.5), QStringLiteral("-25.5"));
    EXPECT_EQ(FormatFloat(0), QStringLiteral("0"));

    const QDate d(2024, 3, 5);
    EXPECT_EQ(FormatDateTime(QDateTime(d, QTime(0, 0))), QStringLiteral("03/05/2024"));
    EXPECT_EQ(FormatDateTime(QDateTime(d, QTime(14, 5, 9))),
              QStringLiteral("03/05/2024 2:05:09 PM"));
    EXPECT_EQ(FormatDateTime(QDateTime(d, QTime(0, 30, 0))),
              QStringLiteral("03/05/2024 12:30:00 AM"));
    EXPECT_EQ(FormatDateTime(QDateTime(d, QTime(12, 0, 1))),
              QStringLiteral("03/05/2024 12:00:01 PM"));
    EXPECT_EQ(FormatDateTime(QDateTime(d, QTime(0, 0, 0, 400))), QStringLiteral("03/05/2024"));

    EXPECT_EQ(FormatValue(QStringLiteral("A\tB\r\nC"), ColumnKind::Text), QStringLiteral("A B  C"));
    EXPECT_EQ(FormatValue(QStringLiteral("001-0001            "), ColumnKind::FixedText),
              QStringLiteral("001-0001"));
    EXPECT_EQ(FormatValue(QVariant(QMetaType::fromType<int>()), ColumnKind::Integer), QString());

    EXPECT_EQ(MapColumnName(QStringLiteral("memo")), QStringLiteral("TRANSMEMO"));
    EXPECT_EQ(MapColumnName(QStringLiteral("Fax")), QStringLiteral("FAXPHONE"));
    EXPECT_EQ(MapColumnName(QStringLiteral("CandIncumbent")), QStringLiteral("CANDINCUMBANT"));
    EXPECT_EQ(MapColumnName(QStringLiteral("entered_date")), QStringLiteral("TRANSTS"));
    EXPECT_EQ(MapColumnName(QStringLiteral("CANDOFFICE")), QStringLiteral("CANDOFFICEID"));
    EXPECT_EQ(MapColumnName(QStringLiteral("CANDCOUNTY")), QStringLiteral("CANDCOUNTYID"));
    EXPECT_EQ(MapColumnName(QStringLiteral("name")), QStringLiteral("NAME"));

    const QByteArray bytes = Encode(QStringLiteral("PEÑA é € Ж"));
    EXPECT_EQ(bytes, QByteArray("PE\xD1"
                                "A \xE9 \x80 ?"));
    EXPECT_EQ(Decode(QByteArray("PE\xD1"
                                "A \x80")),
              QStringLiteral("PEÑA €"));
}

TEST(BackupFormatTest, ParsingConvertsOrExplains) {
    const Column text{QStringLiteral("NAME"), ColumnKind::Text, true};
    const Column optionalText{QStringLiteral("ADDRESS2"), ColumnKind::Text, false};
    const Column integer{QStringLiteral("NAMEID"), ColumnKind::Integer, true, 4};
    const Column small{QStringLiteral("CANDYEAR"), ColumnKind::Integer, false, 2};
    const Column amount{QStringLiteral("AMOUNT"), ColumnKind::Float, true};
    const Column date{QStringLiteral("EVENTDATE"), ColumnKind::DateTime, false};
    const Column narrow{QStringLiteral("STATE"), ColumnKind::Text, true, 0, 2};
    struct Case {
        Column column;
        QString text;
        QVariant expected;  // invalid QVariant: NULL
        QString error;      // empty: converts
    };
    const QList<Case> cases = {
        {text, QString(), kMissingValue, {}},
        {narrow, QString(), QStringLiteral("<m"), {}},  // the marker must fit, or the row is refused
        {optionalText, QString(), {}, {}},
        {text, QStringLiteral("O'BRIEN"), QStringLiteral("O'BRIEN"), {}},
        {integer, QStringLiteral("-42"), qlonglong(-42), {}},
        {integer, QString(), {}, {}},
        {integer, QStringLiteral("4x"), {}, QStringLiteral("'4x' is not a valid integer value")},
        {integer,
         QStringLiteral("3000000000"),
         {},
         QStringLiteral("'3000000000' is not a valid integer value")},
        {small,
         QStringLiteral("40000"),
         {},
         QStringLiteral("'40000' is not a valid integer value")},
        {amount, QStringLiteral("1234567.89"), 1234567.89, {}},
        {amount, QStringLiteral("1e+06"), 1000000.0, {}},
        {amount,
         QStringLiteral("12,50"),
         {},
         QStringLiteral("'12,50' is not a valid floating point value")},
        {date, QStringLiteral("03/05/2024"), QDateTime(QDate(2024, 3, 5), QTime(0, 0)), {}},
        {date,
         QStringLiteral("3/5/2024 2:05:09 PM"),
         QDateTime(QDate(2024, 3, 5), QTime(14, 5, 9)),
         {}},
        {date,
         QStringLiteral("03/05/2024 12:10:00 AM"),
         QDateTime(QDate(2024, 3, 5), QTime(0, 10)),
         {}},
        {date,
         QStringLiteral("03/05/2024 17:45:00"),
         QDateTime(QDate(2024, 3, 5), QTime(17, 45)),
         {}},
        {date, QStringLiteral("12/30/1899"), {}, {}},
        {date, QStringLiteral("00/00/0000"), {}, {}},
        {date,
         QStringLiteral("02/30/2024"),
         {},
         QStringLiteral("'02/30/2024' is not a valid date and time")},
        {date,
         QStringLiteral("2024-03-05"),
         {},
         QStringLiteral("'2024-03-05' is not a valid date and time")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column.name.toStdString() + " <" + c.text.toStdString() + ">");
        QVariant value;
        QString error;
        const bool ok = ParseValue(c.text, c.column, &value, &error);
        EXPECT_EQ(ok, c.error.isEmpty());
        EXPECT_EQ(error, c.error);
        if (!ok) continue;
        if (!c.expected.isValid())
            EXPECT_TRUE(value.isNull());
        else
            EXPECT_EQ(value, c.expected);
    }
}

TEST(BackupRestoreTest, RoundTripThroughAnEmptyDatabaseGivesTheSameFile) {
    QTemporaryDir files;
    const QString first = files.filePath(QStringLiteral("first.lbk"));
    const QString second = files.filePath(QStringLiteral("second.lbk"));
    {
        TestEnv env;
        addRichData(env);
        Tdm& dm = env.openTdm();
        Clock::setFixed(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
        RecordingSink sink;
        ASSERT_TRUE(WriteBackupFile(dm, first, &sink));
        EXPECT_EQ(env.prompter().texts(),
                  QStringList{QStringLiteral(
                      "Data backed up successfully. This file is for your security and is "
                      "not intended to be used for electronic filing.")});
        EXPECT_EQ(dm.opt().BackupFile, first);
        EXPECT_EQ(sink.captions, QStringList{QStringLiteral("Backing up Campaign Finance Data")});
        EXPECT_EQ(sink.steps, (QStringList{QStringLiteral("Writing Organization Data"),
                                           QStringLiteral("Writing Names Data"),
                                           QStringLiteral("Writing Transactions Data")}));
        EXPECT_EQ(sink.positions.last(), 100);
        EXPECT_TRUE(sink.finished);
    }

    const QStringList lines = readLines(first);
    // 2 header lines, 3 column lines, 2 + 4 + 10 rows: no value broke a line.
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], QStringLiteral("!HDR\tPROD\tVER\tNAME\tDATE"));
    EXPECT_EQ(lines[1], QStringLiteral("HDR\tLEDRA BOOKS 7\t%1\tDATA BACKUP\t2024050607:08:09")
                            .arg(VersionNumber()));
    EXPECT_TRUE(lines[2].startsWith(
        QStringLiteral("!ORGS\tFILERID\tCOMMITTEETYPEID\tNAME\tADDRESS1\tADDRESS2\t")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("\tTERM_DATE\tCHEMAIL\tTREMAIL")));
    EXPECT_EQ(
        lines[5],
        QStringLiteral(
            "!NAMELIST\tFILERID\tNAMEID\tNAMETS\tNAMETYPEID\tNAME\tADDRESS1\tADDRESS2\tCITY\tSTATE"
            "\t"
            "ZIP\tPHONE\tOCCUPATION\tEMPLOYER\tPACID\tFAXPHONE\tEMAIL\tUSER1\tUSER2\tUSER3\tUSER4\t"
            "OFFICEID\tAFFILIATION\tCOUNTYID\tMODIFIED_DATE\tMODIFIED_USER\tDELETED\tCANDYEAR"));
    // Every column in table order, the values as the column types say.
    EXPECT_EQ(
        lines[11],
        QStringLiteral("TRANSACT\t001-0001\t1\t03/15/2024 2:05:09 PM\t1\t03/15/2024\t0.1\t1\t100\t"
                       "210\t\t1001\tR-7\t\tGALA\t03/10/2024\tDINNER AT CAFÉ\t\tB1\t"
                       "03/15/2024 2:05:09 PM\tUSER\tF\tF\t\t\t\t\t"));
    EXPECT_EQ(field(lines, QStringLiteral("ORGS"), QStringLiteral("001-0001"),
                    QStringLiteral("REG_DATE")),
              QStringLiteral("01/15/2023"));
    EXPECT_EQ(field(lines, QStringLiteral("ORGS"), QStringLiteral("002-0002"),
                    QStringLiteral("MODIFIED_DATE")),
              QStringLiteral("02/01/2024 11:59:59 PM"));
    EXPECT_EQ(field(lines, QStringLiteral("NAMELIST"), QStringLiteral("002-0002"),
                    QStringLiteral("EMPLOYER"), QStringLiteral("1")),
              QStringLiteral("SCHOOL DISTRICT"));
    EXPECT_EQ(field(lines, QStringLiteral("TRANSACT"), QStringLiteral("001-0001"),
                    QStringLiteral("TRANSMEMO"), QStringLiteral("3")),
              QStringLiteral("PRINTING  SIGNS"));
    EXPECT_EQ(field(lines, QStringLiteral("TRANSACT"), QStringLiteral("002-0002"),
                    QStringLiteral("AMOUNT"), QStringLiteral("1")),
              QStringLiteral("1000000"));
    EXPECT_TRUE(
        readBytes(first).contains("PE\xD1"
                                  "A, JOS\xC9"));

    {
        TestEnv env;
        env.addCommittee(QStringLiteral("999-9999"), QStringLiteral("REPLACED"));
        Tdm& dm = env.openTdm();
        dm.setChangeCutoff(QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
        RecordingSink sink;
        bool cleared = false;
        ASSERT_TRUE(RestoreBackupFile(dm, first, &sink, [&] { cleared = true; }))
            << env.prompter().texts().join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(cleared);
        EXPECT_TRUE(env.prompter().messages().isEmpty())
            << env.prompter().texts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(dm.opt().BackupFile, first);
        EXPECT_EQ(dm.changeCutoff(), QDateTime(QDate(1960, 1, 1), QTime(0, 0)));
        EXPECT_EQ(sink.captions, QStringList{QStringLiteral("Restoring data")});
        EXPECT_EQ(sink.steps, QStringList{QStringLiteral("File Processing Progress")});
        EXPECT_EQ(sink.positions.last(), 100);

        EXPECT_EQ(env.value(QStringLiteral("select count(*) from ORGS where FILERID = '999-9999'"))
                      .toInt(),
                  0);
        EXPECT_EQ(
            env.value(QStringLiteral(
                          "select NAME from NAMELIST where FILERID = '001-0001' and NAMEID = 1"))
                .toString(),
            QStringLiteral("PEÑA, JOSÉ"));
        EXPECT_EQ(
            env
                .value(QStringLiteral(
                    "select TRANSTS from TRANSACT where FILERID = '001-0001' and TRANSID = 1"))
                .toDateTime(),
            QDateTime(QDate(2024, 3, 15), QTime(14, 5, 9)));
        EXPECT_EQ(
            env.value(QStringLiteral(
                          "select AMOUNT from TRANSACT where FILERID = '001-0001' and TRANSID = 2"))
                .toDouble(),
            1234567.89);
        EXPECT_EQ(env.value(QStringLiteral(
                                "select MASTERTRANSID from TRANSACT where FILERID = '001-0001' and "
                                "TRANSID = 4"))
                      .toInt(),
                  3);
        EXPECT_TRUE(env.value(QStringLiteral(
                                  "select EVENTDATE from TRANSACT where FILERID = '001-0001' and "
                                  "TRANSID = 2"))
                        .isNull());

        Clock::setFixed(QDateTime(QDate(2024, 12, 31), QTime(23, 0, 0)));
        ASSERT_TRUE(WriteBackupFile(dm, second));
    }

    QStringList again = readLines(second);
    ASSERT_EQ(again.size(), lines.size());
    EXPECT_EQ(again[1], QStringLiteral("HDR\tLEDRA BOOKS 7\t%1\tDATA BACKUP\t2024123123:00:00")
                            .arg(VersionNumber()));
    again[1] = lines[1];
    for (int i = 0; i < lines.size(); ++i) EXPECT_EQ(again[i], lines[i]) << "line " << i + 1;
}

TEST(BackupRestoreTest, EmptyTablesKeepTheirColumnLines) {
    TestEnv env;
    env.addCommittee(QStringLiteral("001-0001"), QStringLiteral("ONLY"));
    Tdm& dm = env.openTdm();
    const QString path = env.path(QStringLiteral("empty.lbk"));
    ASSERT_TRUE(WriteBackupFile(dm, path));
    const QStringList lines = readLines(path);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("!ORGS\t")));
    EXPECT_TRUE(
        lines[3].startsWith(QStringLiteral("ORGS\t001-0001\t1\tONLY\t1 MAIN ST\t\tTUCSON\t")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("!NAMELIST\tFILERID\t")));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("!TRANSACT\tFILERID\t")));

    env.prompter().clear();
    EXPECT_TRUE(RestoreBackupFile(dm, path));
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    EXPECT_EQ(env.value(QStringLiteral("select count(*) from ORGS")).toInt(), 1);
}

TEST(BackupRestoreTest, HeaderIsCheckedBeforeAnythingChanges) {
    struct Case {
        const char* what;
        QStringList head;
        QString message;  // empty: the restore goes ahead
    };
    const QString upVersion = QString::number(VersionNumber() + 1);
    const QList<Case> cases = {
        {"first line is not !HDR",
         {QStringLiteral("HDR\tPROD\tVER\tNAME\tDATE"), header()[1]},
         QStringLiteral("Error: invalid backup file")},
        {"empty file", {}, QStringLiteral("Error: invalid backup file")},
        {"newer version", header(kProduct, upVersion),
         QStringLiteral("Backup file is up version.  Cannot restore.\nUpgrade your software.")},
        {"product differs in case", header(QStringLiteral("Ledra Books 7")),
         QStringLiteral("Backup file is different product (Ledra Books 7).  Cannot "
                        "restore.\nContact provider for "
                        "more information.")},
        {"other product", header(QStringLiteral("OTHER BOOKS")),
         QStringLiteral("Backup file is different product (OTHER BOOKS).  Cannot restore.\nContact "
                        "provider for "
                        "more information.")},
        {"version that is not a number", header(kProduct, QStringLiteral("7.2 beta")), QString()},
        {"older version", header(kProduct, QStringLiteral("6000000")), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestEnv env;
        addPreviousData(env);
        Tdm& dm = env.openTdm();
        const QString path = env.path(QStringLiteral("h.lbk"));
        if (c.head.isEmpty()) {
            QFile empty(path);
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        } else {
            writeLines(path, c.head + smallBody());
        }
        const QDateTime cutoff = dm.changeCutoff();
        bool cleared = false;
        const bool ok = RestoreBackupFile(dm, path, nullptr, [&] { cleared = true; });
        if (c.message.isEmpty()) {
            EXPECT_TRUE(ok);
            EXPECT_TRUE(cleared);
            EXPECT_TRUE(env.prompter().messages().isEmpty());
            EXPECT_EQ(env.value(QStringLiteral("select trim(FILERID) from ORGS")).toString(),
                      QStringLiteral("900-0001"));
        } else {
            EXPECT_FALSE(ok);
            EXPECT_FALSE(cleared);
            EXPECT_EQ(env.prompter().texts(), QStringList{c.message});
            EXPECT_EQ(dm.changeCutoff(), cutoff);
            expectPreviousData(env);
        }
    }
}

TEST(BackupRestoreTest, FileErrorWhenTheFileCannotBeOpened) {
    TestEnv env;
    addPreviousData(env);
    Tdm& dm = env.openTdm();
    EXPECT_FALSE(RestoreBackupFile(dm, env.path(QStringLiteral("missing.lbk"))));
    ASSERT_EQ(env.prompter().texts().size(), 1);
    EXPECT_TRUE(env.prompter().texts()[0].startsWith(QStringLiteral("File error: ")));
    expectPreviousData(env);
}

TEST(BackupRestoreTest, OldAndIncompleteRowsAreReadAndFixed) {
    TestEnv env;
    addPreviousData(env);
    Tdm& dm = env.openTdm();
    Clock::setFixed(kNow);
    const QString path = env.path(QStringLiteral("old.lbk"));
    writeLines(
        path,
        header() +
            QStringList{
                // Old column names in any case; a long row (extra fields) and a short one (missing
                // last columns).
                kOrgsColumns + QStringLiteral("\tGENREPORTFLAG\tGENREPORTDATE\tTRIGGERLEVELPRIMARY"
                                              "\tCandIncumbent\tEMAIL"),
                orgRow(QStringLiteral("  001-0001 "), QStringLiteral(" FRIENDS  ")) +
                    QStringLiteral("\tY\t\t5000\tT\tfriends@example.org\tEXTRA\t12"),
                orgRow(QStringLiteral("002-0002"), QStringLiteral("SECOND")) +
                    QStringLiteral("\tY\t07/15/2024"),
                orgRow(QStringLiteral("003-0003"), QStringLiteral("THIRD")) +
                    QStringLiteral("\tY\t12/30/1899"),
                kNamesColumns + QStringLiteral("\tUSER4\tfax"),
                tabs({QStringLiteral("NAMELIST"), QStringLiteral("001-0001"), QStringLiteral("1"),
                      QString(), QStringLiteral("1"), QStringLiteral("  PEÑA, JOSÉ "), QString(),
                      QStringLiteral("TUCSON"), QStringLiteral("AZ"), QStringLiteral("85701"),
                      QStringLiteral("03/01/2024"), QStringLiteral("USER"), QString(),
                      QStringLiteral("(520)555-1212")}),
                QString(),  // a blank line is skipped
                tabs({QStringLiteral("NAMELIST"), QStringLiteral("001-0001"), QStringLiteral("2"),
                      QStringLiteral("03/01/2024 2:00:00 PM"), QStringLiteral("2"),
                      QStringLiteral("AZ PAC"), QStringLiteral("1 ST"), QStringLiteral("TUCSON"),
                      QStringLiteral("AZ"), QStringLiteral("85701"), QStringLiteral("03/01/2024"),
                      QStringLiteral("USER")}),
                QStringLiteral("!TRANSACT\tFILERID\tTRANSID\tENTERED_"
                               "DATE\tMASTERTRANSID\tTRANSDATE\tAMOUNT\tNAMEID\t"
                               "CREDITACCOUNTID\tDEBITACCOUNTID\tEVENTDATE\tMEMO\tMODIFIED_"
                               "DATE\tMODIFIED_USER"),
                tabs({QStringLiteral("TRANSACT"), QStringLiteral("001-0001"), QStringLiteral("1"),
                      QString(), QString(), QStringLiteral("03/15/2024"), QStringLiteral("150"),
                      QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("210"),
                      QStringLiteral("12/30/1899"), QStringLiteral(" DINNER "),
                      QStringLiteral("03/15/2024"), QStringLiteral("USER")}),
                tabs({QStringLiteral("TRANSACT"), QStringLiteral("001-0001"), QStringLiteral("2"),
                      QStringLiteral("03/16/2024 9:30:00 AM"), QStringLiteral("0"), QString(),
                      QStringLiteral("12.5"), QStringLiteral("2"), QStringLiteral("100"),
                      QStringLiteral("220"), QStringLiteral("00/00/0000"), QString(),
                      QStringLiteral("03/16/2024"), QStringLiteral("USER")}),
                tabs({QStringLiteral("TRANSACT"), QStringLiteral("001-0001"), QStringLiteral("3"),
                      QStringLiteral("03/17/2024"), QStringLiteral("1"),
                      QStringLiteral("03/17/2024"), QStringLiteral("20"), QStringLiteral("1"),
                      QStringLiteral("700"), QStringLiteral("100"), QString(), QString(),
                      QStringLiteral("03/17/2024"), QStringLiteral("USER")}),
            });

    ASSERT_TRUE(RestoreBackupFile(dm, path))
        << env.prompter().texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(
        env.prompter().texts(),
        QStringList{QStringLiteral("Warning: null date for TRANSDATE. Setting to current date")});
    EXPECT_EQ(env.prompter().messages().value(0).kind, Prompter::Kind::Warning);

    auto value = [&](const QString& sql) { return env.value(sql); };
    EXPECT_EQ(value(QStringLiteral("select count(*) from ORGS where FILERID = '111-1111'")).toInt(),
              0);
    // Trimmed; the extra fields are ignored; old column name; the trigger level is cleared.
    EXPECT_EQ(value(QStringLiteral("select NAME from ORGS where FILERID = '001-0001'")).toString(),
              QStringLiteral("FRIENDS"));
    EXPECT_EQ(value(QStringLiteral("select CANDINCUMBANT from ORGS where FILERID = '001-0001'"))
                  .toString(),
              QStringLiteral("T"));
    EXPECT_EQ(value(QStringLiteral("select EMAIL from ORGS where FILERID = '001-0001'")).toString(),
              QStringLiteral("friends@example.org"));
    EXPECT_TRUE(
        value(QStringLiteral("select TRIGGERLEVELPRIMARY from ORGS where FILERID = '001-0001'"))
            .isNull());
    // The report flag needs its date.
    EXPECT_EQ(value(QStringLiteral("select GENREPORTFLAG from ORGS where FILERID = '001-0001'"))
                  .toString(),
              QStringLiteral("N"));
    EXPECT_EQ(value(QStringLiteral("select GENREPORTFLAG from ORGS where FILERID = '002-0002'"))
                  .toString(),
              QStringLiteral("Y"));
    EXPECT_EQ(value(QStringLiteral("select GENREPORTFLAG from ORGS where FILERID = '003-0003'"))
                  .toString(),
              QStringLiteral("N"));
    // The short row leaves its last columns unset.
    EXPECT_TRUE(value(QStringLiteral("select CANDINCUMBANT from ORGS where FILERID = '002-0002'"))
                    .isNull());
    EXPECT_TRUE(
        value(QStringLiteral("select EMAIL from ORGS where FILERID = '002-0002'")).isNull());

    EXPECT_EQ(value(QStringLiteral("select NAME from NAMELIST where NAMEID = 1")).toString(),
              QStringLiteral("PEÑA, JOSÉ"));
    EXPECT_EQ(value(QStringLiteral("select ADDRESS1 from NAMELIST where NAMEID = 1")).toString(),
              QStringLiteral("<missing value>"));
    EXPECT_EQ(value(QStringLiteral("select NAMETS from NAMELIST where NAMEID = 1")).toDateTime(),
              kNow);
    EXPECT_EQ(value(QStringLiteral("select FAXPHONE from NAMELIST where NAMEID = 1")).toString(),
              QStringLiteral("(520)555-1212"));
    EXPECT_EQ(value(QStringLiteral("select USER4 from NAMELIST where NAMEID = 1")).toString(),
              QStringLiteral("IND"));
    EXPECT_EQ(value(QStringLiteral("select USER4 from NAMELIST where NAMEID = 2")).toString(),
              QStringLiteral("PAC"));

    EXPECT_EQ(value(QStringLiteral("select TRANSTS from TRANSACT where TRANSID = 1")).toDateTime(),
              kNow);
    EXPECT_EQ(value(QStringLiteral("select MASTERTRANSID from TRANSACT where TRANSID = 1")).toInt(),
              1);
    EXPECT_EQ(value(QStringLiteral("select TRANSMEMO from TRANSACT where TRANSID = 1")).toString(),
              QStringLiteral("DINNER"));
    EXPECT_TRUE(value(QStringLiteral("select EVENTDATE from TRANSACT where TRANSID = 1")).isNull());
    EXPECT_EQ(value(QStringLiteral("select TRANSTS from TRANSACT where TRANSID = 2")).toDateTime(),
              QDateTime(QDate(2024, 3, 16), QTime(9, 30)));
    EXPECT_EQ(value(QStringLiteral("select MASTERTRANSID from TRANSACT where TRANSID = 2")).toInt(),
              2);
    EXPECT_EQ(
        value(QStringLiteral("select TRANSDATE from TRANSACT where TRANSID = 2")).toDateTime(),
        QDateTime(kNow.date(), QTime(0, 0)));
    EXPECT_TRUE(value(QStringLiteral("select EVENTDATE from TRANSACT where TRANSID = 2")).isNull());
    EXPECT_EQ(value(QStringLiteral("select MASTERTRANSID from TRANSACT where TRANSID = 3")).toInt(),
              1);
}

TEST(BackupRestoreTest, AFailureInsideTheFileLeavesThePreviousData) {
    struct Case {
        const char* what;
        QStringList body;
        QStringList messages;  // a message ending in "..." is compared by its beginning
    };
    const QString org = orgRow(QStringLiteral("900-0001"), QStringLiteral("FROM FILE"));
    const QString name1 =
        nameRow(QStringLiteral("900-0001"), QStringLiteral("1"), QStringLiteral("ACME"));
    const QString trans = smallBody().last();
    const QList<Case> cases = {
        {"integer that cannot be read",
         {kOrgsColumns, org, kNamesColumns, name1,
          nameRow(QStringLiteral("900-0001"), QStringLiteral("2x"), QStringLiteral("BROKEN")),
          kTransColumns, trans},
         {QStringLiteral(
              "Error parsing data: Line: 2 Field: NAMEID;'2x' is not a valid integer value"),
          QStringLiteral("Error reading backup file.\n'2x' is not a valid integer value")}},
        {"row the database refuses",
         {kOrgsColumns, org, kNamesColumns, name1, name1, kTransColumns, trans},
         {QStringLiteral("Error on line: 2"), QStringLiteral("Error reading backup file.\n...")}},
        {"name of a committee that is not in the file",
         {kOrgsColumns, org, kNamesColumns, name1,
          nameRow(QStringLiteral("555-5555"), QStringLiteral("1"), QStringLiteral("ORPHAN")),
          kTransColumns, trans},
         {QStringLiteral("Error on line: 2"), QStringLiteral("Error reading backup file.\n...")}},
        {"section header missing",
         {kOrgsColumns, org, kNamesColumns, name1},
         {QStringLiteral("Error: invalid backup file")}},
        {"sections out of order",
         {kOrgsColumns, org, kTransColumns, trans, kNamesColumns, name1},
         {QStringLiteral("Error: invalid backup file")}},
        {"unknown column",
         {kOrgsColumns, org, kNamesColumns + QStringLiteral("\tNICKNAME"), name1, kTransColumns,
          trans},
         {QStringLiteral(
             "Error reading backup file.\nUnknown column NICKNAME in the NAMELIST section")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestEnv env;
        addPreviousData(env);
        Tdm& dm = env.openTdm();
        const QDateTime cutoff = dm.changeCutoff();
        const QString path = env.path(QStringLiteral("broken.lbk"));
        writeLines(path, header() + c.body);
        EXPECT_FALSE(RestoreBackupFile(dm, path));
        const QStringList texts = env.prompter().texts();
        ASSERT_EQ(texts.size(), c.messages.size()) << texts.join(QLatin1Char('|')).toStdString();
        for (int i = 0; i < texts.size(); ++i) {
            if (c.messages[i].endsWith(QLatin1String("...")))
                EXPECT_TRUE(texts[i].startsWith(c.messages[i].chopped(3)) &&
                            texts[i].size() > c.messages[i].size())
                    << texts[i].toStdString();
            else
                EXPECT_EQ(texts[i], c.messages[i]);
        }
        EXPECT_EQ(dm.changeCutoff(), cutoff);
        expectPreviousData(env);
        // The connection is usable again: nothing was left half done.
        EXPECT_EQ(dm.queryValue(QStringLiteral("select count(*) from NAMELIST")).toInt(), 2);
    }
}

TEST(BackupRestoreTest, AFailedBackupKeepsTheEarlierFile) {
    TestEnv env;
    addPreviousData(env);
    // A column the engine cannot compute makes the reading of TRANSACT fail after the other
    // sections.
    env.exec(QStringLiteral("ALTER TABLE TRANSACT ADD BROKEN COMPUTED BY (TRANSID / 0)"));
    Tdm& dm = env.openTdm();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("good.lbk"));
    writeLines(path, header() + smallBody());
    const QByteArray good = readBytes(path);

    RecordingSink sink;
    EXPECT_FALSE(WriteBackupFile(dm, path, &sink));
    ASSERT_EQ(env.prompter().texts().size(), 1);
    EXPECT_TRUE(env.prompter().texts()[0].startsWith(
        QStringLiteral("Error writing backup file. Disk may be full.\n")));
    EXPECT_GT(env.prompter().texts()[0].size(), 46);
    EXPECT_EQ(env.prompter().messages()[0].kind, Prompter::Kind::Error);
    EXPECT_TRUE(sink.steps.contains(QStringLiteral("Writing Transactions Data")));
    EXPECT_EQ(readBytes(path), good);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("good.lbk")});
    EXPECT_EQ(dm.opt().BackupFile, path);

    env.prompter().clear();
    const QString nowhere = folder.filePath(QStringLiteral("no/such/folder/x.lbk"));
    EXPECT_FALSE(WriteBackupFile(dm, nowhere));
    ASSERT_EQ(env.prompter().texts().size(), 1);
    EXPECT_TRUE(env.prompter().texts()[0].startsWith(
        QStringLiteral("Error writing backup file. Disk may be full.\n")));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(dm.opt().BackupFile, nowhere);
}


TEST(BackupCliTest, RestoreOfABrokenFileFailsAndKeepsTheData) {
    if (qEnvironmentVariableIsEmpty("LEDRA_CLI")) GTEST_SKIP() << "LEDRA_CLI not set";
    QTemporaryDir home;
    const QString app = home.filePath(QStringLiteral("Quorvane/Ledra7"));
    {
        TestEnv env;
        addPreviousData(env);
        QDir().mkpath(app);
        ASSERT_TRUE(QFile::copy(env.databasePath(), app + QStringLiteral("/ledradb.gdb")));
    }
    const QString broken = home.filePath(QStringLiteral("broken.lbk"));
    writeLines(broken,
               header() + QStringList{kOrgsColumns,
                                      orgRow(QStringLiteral("900-0001"), QStringLiteral("X")),
                                      kNamesColumns,
                                      nameRow(QStringLiteral("900-0001"), QStringLiteral("one"),
                                              QStringLiteral("BROKEN")),
                                      kTransColumns});
    const CliRun bad =
        runCli({QStringLiteral("restore"), broken, QStringLiteral("--yes")}, home.path());
    EXPECT_NE(bad.status, 0);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Error parsing data: Line: 1 Field: NAMEID;")))
        << bad.err.toStdString();

    // Without --yes nothing happens, even with a good file.
    const QString good = home.filePath(QStringLiteral("good.lbk"));
    writeLines(good, header() + smallBody());
    const CliRun unconfirmed = runCli({QStringLiteral("restore"), good}, home.path());
    EXPECT_NE(unconfirmed.status, 0);
    EXPECT_TRUE(unconfirmed.err.contains(kRestoreQuestion));

    const QString saved = home.filePath(QStringLiteral("saved.lbk"));
    const CliRun backup = runCli({QStringLiteral("backup"), saved}, home.path());
    ASSERT_EQ(backup.status, 0) << backup.err.toStdString();
    const QStringList lines = readLines(saved);
    EXPECT_EQ(
        field(lines, QStringLiteral("ORGS"), QStringLiteral("111-1111"), QStringLiteral("NAME")),
        QStringLiteral("PREVIOUS COMMITTEE"));
    EXPECT_EQ(field(lines, QStringLiteral("NAMELIST"), QStringLiteral("111-1111"),
                    QStringLiteral("NAME"), QStringLiteral("2")),
              QStringLiteral("VENDOR 2"));
    EXPECT_EQ(field(lines, QStringLiteral("TRANSACT"), QStringLiteral("111-1111"),
                    QStringLiteral("AMOUNT"), QStringLiteral("1")),
              QStringLiteral("75.25"));

    const CliRun restored =
        runCli({QStringLiteral("restore"), good, QStringLiteral("--yes")}, home.path());
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.out, QStringLiteral("committees: 1\n"));
    const CliRun missing = runCli({QStringLiteral("backup")}, home.path());
    EXPECT_NE(missing.status, 0);
}
