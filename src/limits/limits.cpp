#include "limits/limits.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtMath>

#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/helpers.h"
#include "store/sql_text.h"
#include "store/tdm.h"

namespace {

// The date an empty date field stands for; as a lower bound it admits every row, as an upper
// bound none.
const QDate kZeroDate(1899, 12, 30);

QString boundLiteral(const QDate& date) { return SqlDateLiteral(date.isValid() ? date : kZeroDate); }

QSqlQuery runQuery(Tdm& dm, const QString& sql) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(sql)) throw DbError::fromSql(q.lastError());
    return q;
}

int intOrZero(const QVariant& v) { return v.isNull() ? 0 : v.toInt(); }

// The step between a candidate's election years. A missing office, an empty or a non-positive
// term counts as 2 (a non-positive step would never reach the current cycle).
int officeTermOf(Tdm& dm, int officeId) {
    const int term = LookupTerm(dm, officeId);
    return term > 0 ? term : 2;
}

QDate firstBeginDate(Tdm& dm, int cycle) {
    return dm.queryValue(QStringLiteral("select min(BEGINDATE) from PERIODS where CYCLE = %1").arg(cycle))
        .toDate();
}

// The class a check counts: which names and which income account.
struct ClassRule {
    int contributionType;
    int incomeAccount;
    QString nameCondition;  // on NAMELIST n; an empty USER4 counts as "not FAM" / "not SPAC"
};

ClassRule ruleOf(ContributorClass c) {
    switch (c) {
    case ContributorClass::Individual:
        return {kIndividualContributionType, 210,
                QStringLiteral("n.NAMETYPEID = 1 and coalesce(n.USER4, '') <> 'FAM'")};
    case ContributorClass::PAC:
        return {kPACContributionType, 220, QStringLiteral("n.NAMETYPEID = 2 and coalesce(n.USER4, '') <> 'SPAC'")};
    case ContributorClass::SuperPAC:
        break;
    }
    return {kSuperPACContributionType, 220, QStringLiteral("n.NAMETYPEID = 2 and n.USER4 = 'SPAC'")};
}

// What one check run needs to know once: the committee, the window and the cycle.
struct LimitContext {
    QString filerId;
    LimitCommittee committee;
    int cycle = 0;
    QDate start;
    QDate end;
};

LimitContext readContext(Tdm& dm) {
    LimitContext c;
    c.filerId = dm.currentFilerId();
    c.committee = ReadLimitCommittee(dm);
    c.cycle = dm.opt().CurrentCycle;
    c.start = LimitWindowStart(dm, c.cycle);
    c.end = LimitWindowEnd(dm, c.cycle);
    return c;
}

QString windowCondition(const LimitContext& c) {
    return QStringLiteral("t.TRANSDATE >= %1 and t.TRANSDATE < %2").arg(boundLiteral(c.start), boundLiteral(c.end));
}

// Received less refunded within the window, summed as money row by row.
Currency contributorTotal(Tdm& dm, const LimitContext& c, const ClassRule& rule, int nameId) {
    const QString sql =
        QStringLiteral(
            "select t.AMOUNT, t.CREDITACCOUNTID from TRANSACT t\n"
            "join NAMELIST n on n.FILERID = t.FILERID and n.NAMEID = t.NAMEID\n"
            "where t.FILERID = %1 and t.NAMEID = %2\n"
            "and %3\n"
            "and %4\n"
            "and ((t.CREDITACCOUNTID = 100 and t.DEBITACCOUNTID in (%5, 500))\n"
            "  or (t.CREDITACCOUNTID in (%5, 500) and t.DEBITACCOUNTID = 100))")
            .arg(SqlQuote(c.filerId))
            .arg(nameId)
            .arg(windowCondition(c), rule.nameCondition)
            .arg(rule.incomeAccount);
    QSqlQuery q = runQuery(dm, sql);
    Currency received;
    Currency refunded;
    while (q.next()) {
        const Currency amount = Currency::fromVariant(q.value(0));
        if (q.value(1).toInt() == 100) received += amount;
        else refunded += amount;
    }
    return received - refunded;
}

bool checkWith(Tdm& dm, const LimitContext& c, ContributorClass cls, int nameId, Currency amountToAdd,
               Currency* excess) {
    const ClassRule rule = ruleOf(cls);
    const Currency total = contributorTotal(dm, c, rule, nameId) + amountToAdd;
    const Currency cap = LimitAmount(dm, c.cycle, rule.contributionType, c.committee.cleanElections,
                                     OfficeLevelOf(c.committee.candOfficeId));
    const bool within = cap >= total;
    if (excess) *excess = within ? Currency() : total - cap;
    return within;
}

bool checkOne(Tdm& dm, ContributorClass cls, int nameId, Currency amountToAdd, Currency* excess) {
    return checkWith(dm, readContext(dm), cls, nameId, amountToAdd, excess);
}

struct ListedName {
    int nameId;
    QString name;
};

// The names of one class with a transaction in the window. A name whose USER4 is empty is left
// out: the entry check counts it, the committee-wide list never did.
QList<ListedName> listedNames(Tdm& dm, const LimitContext& c, const QString& condition) {
    const QString sql = QStringLiteral(
                            "select distinct n.NAMEID, n.NAME from NAMELIST n\n"
                            "join TRANSACT t on t.FILERID = n.FILERID and t.NAMEID = n.NAMEID\n"
                            "where n.FILERID = %1\n"
                            "and %2\n"
                            "and %3 and n.USER4 <> ''\n"
                            "order by n.NAME, n.NAMEID")
                            .arg(SqlQuote(c.filerId), windowCondition(c), condition);
    QSqlQuery q = runQuery(dm, sql);
    QList<ListedName> out;
    while (q.next()) out.append({q.value(0).toInt(), q.value(1).toString().trimmed()});
    return out;
}

}  // namespace

OfficeLevel OfficeLevelOf(int candOfficeId) {
    if (candOfficeId >= 1000 && candOfficeId <= 1999) return OfficeLevel::Local;
    if (candOfficeId >= 2000 && candOfficeId <= 2999) return OfficeLevel::Statewide;
    if (candOfficeId >= 3000 && candOfficeId <= 3999) return OfficeLevel::Legislative;
    return OfficeLevel::Other;
}

LimitCommittee ReadLimitCommittee(Tdm& dm) {
    LimitCommittee c;
    QSqlQuery q = runQuery(dm, QStringLiteral("select COMMITTEETYPEID, CANDYEAR, CANDOFFICEID, CECDATE from ORGS "
                                              "where FILERID = %1")
                                   .arg(SqlQuote(dm.currentFilerId())));
    if (!q.next()) return c;
    c.committeeTypeId = intOrZero(q.value(0));
    c.candYear = intOrZero(q.value(1));
    c.candOfficeId = intOrZero(q.value(2));
    c.cleanElections = !q.value(3).isNull();
    return c;
}

QDate LimitWindowStart(Tdm& dm, int currentCycle) {
    const LimitCommittee c = ReadLimitCommittee(dm);
    int cycle = currentCycle;
    if (c.committeeTypeId == 1 || c.committeeTypeId == 9 || c.committeeTypeId == 11) {
        const int year = c.candYear != 0 ? c.candYear : currentCycle;
        const int term = officeTermOf(dm, c.candOfficeId);
        cycle = year / 2 * 2 - term + 2;
        while (cycle > currentCycle) cycle -= term;
    }
    return firstBeginDate(dm, cycle);
}

QDate LimitWindowEnd(Tdm& dm, int currentCycle) {
    const QDate last =
        dm.queryValue(QStringLiteral("select max(ENDDATE) from PERIODS where CYCLE = %1").arg(currentCycle)).toDate();
    return last.isValid() ? last.addDays(1) : QDate();
}

Currency LimitAmount(Tdm& dm, int cycle, int contributionType, bool cleanElections, OfficeLevel level) {
    QString column = QStringLiteral("LOCALLIMIT");
    if (level == OfficeLevel::Statewide)
        column = cleanElections ? QStringLiteral("CCECSTATEWIDELIMIT") : QStringLiteral("STATEWIDELIMIT");
    if (level == OfficeLevel::Legislative)
        column = cleanElections ? QStringLiteral("CCECLEGLIMIT") : QStringLiteral("LEGLIMIT");
    const QVariant v = dm.queryValue(QStringLiteral("select %1 from LIMITS where CYCLE = %2 and CONTRIBUTIONTYPE = %3")
                                         .arg(column)
                                         .arg(cycle)
                                         .arg(contributionType));
    if (v.isNull()) return {};
    // The caps are whole dollars.
    return Currency::fromDollars(qRound64(v.toDouble()));
}

bool CheckIndividualLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess) {
    return checkOne(dm, ContributorClass::Individual, nameId, amountToAdd, excess);
}

bool CheckPACLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess) {
    return checkOne(dm, ContributorClass::PAC, nameId, amountToAdd, excess);
}

bool CheckSuperPACLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess) {
    return checkOne(dm, ContributorClass::SuperPAC, nameId, amountToAdd, excess);
}

bool CheckCommitteeLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess) {
    const QString user4 = dm.queryValue(QStringLiteral("select USER4 from NAMELIST where FILERID = %1 and NAMEID = %2")
                                            .arg(SqlQuote(dm.currentFilerId()))
                                            .arg(nameId))
                              .toString();
    if (user4 == QLatin1String("SPAC")) return CheckSuperPACLimit(dm, nameId, amountToAdd, excess);
    return CheckPACLimit(dm, nameId, amountToAdd, excess);
}

bool OverlimitWarningApplies(Tdm& dm) {
    if (dm.opt().DisableOverlimitWarning) return false;
    return ReadLimitCommittee(dm).committeeTypeId == 1;
}

bool CheckLimitViolations(Tdm& dm, const LimitReport& report) {
    const QColor black(Qt::black);
    const QColor red(Qt::red);
    const QColor blue(Qt::blue);
    const LimitContext c = readContext(dm);
    bool found = false;

    struct Pass {
        ContributorClass cls;
        const char* heading;
        QString listCondition;
        const char* violation;
        bool countFirst;  // status "Scanning: (i of n) name" rather than "Scanning: name (i of n)"
    };
    const Pass passes[] = {
        {ContributorClass::Individual, "Checking individual contribution limits",
         QStringLiteral("n.NAMETYPEID = 1 and n.USER4 <> 'FAM'"), "Individual Contribution Limit Violation: ", true},
        {ContributorClass::PAC, "Checking PAC contribution limits",
         QStringLiteral("n.NAMETYPEID = 2 and n.USER4 <> 'SPAC'"), "PAC Contribution Limit Violation: ", false},
        {ContributorClass::SuperPAC, "Checking Super PAC contribution limits",
         QStringLiteral("n.NAMETYPEID = 2 and n.USER4 = 'SPAC'"), "Super PAC Contribution Limit Violation: ", false},
    };

    for (const Pass& pass : passes) {
        report(kLimitLogLine, black, QString::fromLatin1(pass.heading));
        const QList<ListedName> names = listedNames(dm, c, pass.listCondition);
        const QString count = QStringLiteral(" of %1)").arg(names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            const ListedName& n = names.at(i);
            const QString position = QStringLiteral("(") + QString::number(i + 1) + count;
            report(kLimitStatusLine, black,
                   pass.countFirst ? QStringLiteral("Scanning: ") + position + QLatin1Char(' ') + n.name
                                   : QStringLiteral("Scanning: ") + n.name + QLatin1Char(' ') + position);
            Currency excess;
            if (!checkWith(dm, c, pass.cls, n.nameId, Currency(), &excess)) {
                report(kLimitLogLine, red, QString::fromLatin1(pass.violation) + n.name + QLatin1Char(' ') +
                                               excess.formattedPlain());
                found = true;
            }
        }
    }

    report(kLimitStatusLine, black, QString());
    if (!found) report(kLimitLogLine, blue, QStringLiteral("No limit violations found"));
    report(kLimitLogLine, black, QString());
    report(kLimitLogLine, black,
           QStringLiteral("The limit checks are the baseline limits established by statute and may not account for "
                          "special circumstances of the contributions.  It is the committee's treasurer who must make "
                          "the final determination if a limit is exceeded."));
    return found;
}
