#include "store/revisions.h"

#include <QMap>

#include "store/sql_text.h"

namespace {

struct PeriodRow {
    int cycle;
    int period;
    const char* name;
    const char* begin;
    const char* end;
    const char* beginFiling;
    const char* endFiling;
    const char* special;
};

// The periods of cycles 2018 to 2026 as they stand after the last revision.
const PeriodRow kFinalPeriods[] = {
    {2018, 1, "2016 4th Quarter Report", "11/09/2016", "12/31/2016", "01/01/2017", "01/16/2017", "N"},
    {2018, 2, "2017 1st Quarter Report", "01/01/2017", "03/31/2017", "04/01/2017", "04/16/2017", "N"},
    {2018, 3, "2017 2nd Quarter Report", "04/01/2017", "06/30/2017", "07/01/2017", "07/16/2017", "N"},
    {2018, 4, "2017 3rd Quarter Report", "07/01/2017", "09/30/2017", "10/01/2017", "10/16/2017", "N"},
    {2018, 5, "2017 4th Q Rpt (PACs)", "10/01/2017", "12/31/2017", "01/01/2018", "01/16/2018", "N"},
    {2018, 6, "2017 Pre-Election Report", "10/01/2017", "10/21/2017", "10/22/2017", "10/29/2017", "Y"},
    {2018, 7, "2017 4th Q Rpt (Candidates)", "01/01/2017", "12/31/2017", "01/01/2018", "01/16/2018", "Y"},
    {2018, 8, "2018 1st Quarter Report", "01/01/2018", "03/31/2018", "04/01/2018", "04/17/2018", "N"},
    {2018, 9, "2018 2nd Quarter Report", "04/01/2018", "06/30/2018", "07/01/2018", "07/17/2018", "N"},
    {2018, 10, "2018 Pre-Primary Report", "07/01/2018", "08/11/2018", "08/12/2018", "08/21/2018", "N"},
    {2018, 11, "2018 3rd Quarter Report", "08/12/2018", "09/30/2018", "10/01/2018", "10/16/2018", "N"},
    {2018, 12, "2018 Pre-General Report", "10/01/2018", "10/20/2018", "10/21/2018", "10/30/2018", "N"},
    {2018, 13, "2018 4th Quarter Report", "10/21/2018", "12/31/2018", "01/01/2019", "01/16/2019", "N"},
    {2020, 1, "2019 1st Quarter Report", "01/01/2019", "03/31/2019", "04/01/2019", "04/16/2019", "N"},
    {2020, 2, "2019 2nd Quarter Report", "04/01/2019", "06/30/2019", "07/01/2019", "07/16/2019", "N"},
    {2020, 3, "2019 3rd Quarter Report", "07/01/2019", "09/30/2019", "10/01/2019", "10/16/2019", "N"},
    {2020, 4, "2019 4th Quarter Report", "10/01/2019", "12/31/2019", "01/01/2020", "01/16/2020", "N"},
    {2020, 5, "2020 1st Quarter Report", "01/01/2020", "03/31/2020", "04/01/2020", "04/16/2020", "N"},
    {2020, 6, "2020 2nd Quarter Report", "04/01/2020", "06/30/2020", "07/01/2020", "07/16/2020", "N"},
    {2020, 7, "2020 Pre-Primary Report", "07/01/2020", "07/18/2020", "07/19/2020", "07/28/2020", "N"},
    {2020, 8, "2020 3rd Quarter Report", "07/19/2020", "09/30/2020", "10/01/2020", "10/16/2020", "N"},
    {2020, 9, "2020 Pre-General Report", "10/01/2020", "10/17/2020", "10/18/2020", "10/27/2020", "N"},
    {2020, 10, "2020 4th Quarter Report", "10/18/2020", "12/31/2020", "01/01/2021", "01/16/2021", "N"},
    {2020, 11, "2019 Pre-General Report", "10/01/2019", "10/19/2019", "10/20/2019", "10/27/2019", "N"},
    {2022, 1, "2021 1st Quarter Report", "01/01/2021", "03/31/2021", "04/01/2021", "04/16/2021", "N"},
    {2022, 2, "2021 2nd Quarter Report", "04/01/2021", "06/30/2021", "07/01/2021", "07/16/2021", "N"},
    {2022, 3, "2021 3rd Quarter Report", "07/01/2021", "09/30/2021", "10/01/2021", "10/16/2021", "N"},
    {2022, 4, "2021 4th Q Rpt (PACs)", "10/01/2021", "12/31/2021", "01/01/2022", "01/16/2022", "N"},
    {2022, 5, "2022 1st Quarter Report", "01/01/2022", "03/31/2022", "04/01/2022", "04/16/2022", "N"},
    {2022, 6, "2022 2nd Quarter Report", "04/01/2022", "06/30/2022", "07/01/2022", "07/16/2022", "N"},
    {2022, 8, "2022 Pre-Primary Report", "07/01/2022", "07/16/2022", "07/17/2022", "07/26/2022", "N"},
    {2022, 9, "2022 3rd Quarter Report", "07/17/2022", "09/30/2022", "10/01/2022", "10/16/2022", "N"},
    {2022, 10, "2022 Pre-General Report", "10/01/2022", "10/22/2022", "10/23/2022", "10/30/2022", "N"},
    {2022, 11, "2022 4th Quarter Report", "10/23/2022", "12/31/2022", "01/01/2023", "01/18/2023", "N"},
    {2022, 12, "2021 Pre-Election Report", "10/01/2021", "10/16/2021", "10/17/2021", "10/26/2021", "N"},
    {2022, 13, "2021 4th Q Rpt (CANDIDATES)", "01/01/2019", "12/31/2021", "01/01/2022", "01/16/2022", "N"},
    {2024, 1, "2023 1st Quarter Report", "01/01/2023", "03/31/2023", "04/01/2023", "04/17/2023", "N"},
    {2024, 2, "2023 2nd Quarter Report", "04/01/2023", "06/30/2023", "07/01/2023", "07/17/2023", "N"},
    {2024, 3, "2023 3rd Quarter Report", "07/01/2023", "09/30/2023", "10/01/2023", "10/16/2023", "N"},
    {2024, 4, "2023 4th Quarter Report (PACs)", "10/01/2023", "12/31/2023", "01/01/2024", "01/17/2024", "N"},
    {2024, 5, "2023 4th Quarter Cumul (Cand)", "01/01/2021", "12/31/2023", "01/01/2024", "01/17/2024", "N"},
    {2024, 6, "2024 1st Quarter Report", "01/01/2024", "03/31/2024", "04/01/2024", "04/16/2024", "N"},
    {2024, 7, "2024 2nd Quarter Report", "04/01/2024", "06/30/2024", "07/01/2024", "07/16/2024", "N"},
    {2024, 8, "2024 Pre-Primary Report", "07/01/2024", "07/13/2024", "07/14/2024", "07/21/2024", "N"},
    {2024, 9, "2024 3rd Quarter Report", "07/14/2024", "09/30/2024", "10/01/2024", "10/16/2024", "N"},
    {2024, 10, "2024 Pre-General Report", "10/01/2024", "10/19/2024", "10/20/2024", "10/27/2024", "N"},
    {2024, 11, "2024 4th Quarter Report", "10/20/2024", "12/31/2024", "01/01/2025", "01/16/2025", "N"},
    {2026, 1, "2025 1st Quarter Report", "01/01/2025", "03/31/2025", "04/01/2025", "04/21/2025", "N"},
    {2026, 2, "2025 2nd Quarter Report", "04/01/2025", "06/30/2025", "07/01/2025", "07/21/2025", "N"},
    {2026, 99, "**Activity starting 7/1/2025", "07/01/2025", "12/31/2025", "01/01/2026", "01/20/2026", "N"},
};

struct LimitRow {
    int cycle;
    int type;
    const char* description;
    const char* revised;
    int local;
    int statewide;
    const char* statutes;
    int leg;
    int ccecLeg;
    int ccecStatewide;
};

const char* const kIndividual = "Individual contribution to a candidate";
const char* const kPartnership = "Partnership contribution to a candidate";
const char* const kStatIndividual = "A.R.S. 16-905(A)(1)&(A)(2)&(B)(1)";
const char* const kStatPartnership = "A.R.S. 16-905(A)(3)&(A)(4)&(B)(2)";

const LimitRow kLimits[] = {
    {2018, 1, kIndividual, "01/01/2017", 6350, 5100, kStatIndividual, 5000, 0, 0},
    {2018, 2, kPartnership, "01/01/2017", 6350, 5100, kStatPartnership, 5000, 0, 0},
    {2018, 3, "Candidate Committee", "01/01/2017", 12500, 10000, "A.R.S. 16-905(G)&(A)(5)&(B)(3)", 10000, 0, 0},
    {2018, 5, "Nominee's total from political party and all political organizations combined",
     "01/01/2017", 10000, 80000, "A.R.S. 16-905(D)", 8000, 0, 0},
    {2020, 1, kIndividual, "01/01/2020", 6450, 5100, kStatIndividual, 5000, 0, 0},
    {2020, 2, kPartnership, "01/01/2020", 6450, 5100, kStatPartnership, 5000, 0, 0},
    {2022, 1, kIndividual, "01/01/2020", 6550, 5300, kStatIndividual, 5300, 0, 0},
    {2022, 2, kPartnership, "01/01/2020", 6550, 5300, kStatPartnership, 5300, 0, 0},
    {2024, 1, kIndividual, "01/01/2022", 6650, 5400, kStatIndividual, 5400, 0, 0},
    {2024, 2, kPartnership, "01/01/2022", 6650, 5400, kStatPartnership, 5400, 0, 0},
    {2026, 1, kIndividual, "01/01/2025", 6750, 5500, kStatIndividual, 5500, 0, 0},
    {2026, 2, kPartnership, "01/01/2025", 6750, 5500, kStatPartnership, 5500, 0, 0},
};

QString str(const char* s) { return QString::fromUtf8(s); }

const PeriodRow& finalRow(int cycle, int period) {
    for (const PeriodRow& r : kFinalPeriods)
        if (r.cycle == cycle && r.period == period) return r;
    qFatal("no final period row %d/%d", cycle, period);
}

QString periodInsert(int cycle, int period, const QString& name, const QString& begin, const QString& end,
                     const QString& beginFiling, const QString& endFiling, const QString& special) {
    return QStringLiteral("INSERT INTO PERIODS VALUES (%1, %2, %3, '%4', '%5', '%6', '%7', '%8')")
        .arg(cycle)
        .arg(period)
        .arg(SqlQuote(name), begin, end, beginFiling, endFiling, special);
}

// The final row c/p.
QString finalPeriod(int cycle, int period) {
    const PeriodRow& r = finalRow(cycle, period);
    return periodInsert(r.cycle, r.period, str(r.name), str(r.begin), str(r.end), str(r.beginFiling),
                        str(r.endFiling), str(r.special));
}

// The final row c/p inserted as cycle/period `asCycle`/`asPeriod`.
QString finalPeriodAs(int cycle, int period, int asCycle, int asPeriod) {
    const PeriodRow& r = finalRow(cycle, period);
    return periodInsert(asCycle, asPeriod, str(r.name), str(r.begin), str(r.end), str(r.beginFiling),
                        str(r.endFiling), str(r.special));
}

// The final row with another last filing day.
QString finalPeriodEndFiling(int cycle, int period, const char* endFiling) {
    const PeriodRow& r = finalRow(cycle, period);
    return periodInsert(r.cycle, r.period, str(r.name), str(r.begin), str(r.end), str(r.beginFiling),
                        str(endFiling), str(r.special));
}

QString period(int cycle, int p, const char* name, const char* begin, const char* end,
               const char* beginFiling, const char* endFiling, const char* special) {
    return periodInsert(cycle, p, str(name), str(begin), str(end), str(beginFiling), str(endFiling), str(special));
}

QStringList limitsOf(int cycle) {
    QStringList out{QStringLiteral("DELETE FROM LIMITS WHERE CYCLE IN (%1)").arg(cycle)};
    for (const LimitRow& l : kLimits) {
        if (l.cycle != cycle) continue;
        const auto n = [](int v) { return QString::number(v); };
        out << QStringLiteral("INSERT INTO LIMITS VALUES (%1, %2, %3, '%4', %5, %6, %7, %8, %9, ")
                       .arg(n(l.cycle), n(l.type), SqlQuote(str(l.description)), str(l.revised), n(l.local),
                            n(l.statewide), SqlQuote(str(l.statutes)), n(l.leg), n(l.ccecLeg)) +
                   n(l.ccecStatewide) + QLatin1Char(')');
    }
    return out;
}

QString revision(int n) { return QStringLiteral("UPDATE GLOBALCONTROL SET DATABASEREVISION = %1").arg(n); }

QList<Revisions::Step> buildSteps() {
    QList<Revisions::Step> s;
    auto add = [&s](int n, QStringList statements, bool writesRevision) {
        if (writesRevision) statements << revision(n);
        s.append({n, {statements}});
    };

    add(23,
        {QStringLiteral("INSERT INTO ACCOUNTS VALUES(810, 'Contributions to Candidate Committee', 5)"),
         QStringLiteral("INSERT INTO ACCOUNTS VALUES(811, 'Contributions to PAC', 5)"),
         QStringLiteral("INSERT INTO ACCOUNTS VALUES(812, 'Contributions to Party', 5)")},
        false);
    s.append({24,
              {{QStringLiteral("UPDATE PERIODS SET PERIODID=2, ENDFILINGDATE = '04/16/2017' WHERE CYCLE=2018 and PERIODID=1")},
               {QStringLiteral("UPDATE PERIODS SET CYCLE=2018, PERIODID=1, ENDDATE = '12/31/2017', ENDFILINGDATE = "
                               "'01/16/2017' WHERE CYCLE=2016 and PERIODID=9")}}});
    add(25, {QStringLiteral("UPDATE PERIODS SET ENDDATE = '12/31/2016' WHERE CYCLE=2018 and PERIODID=1")}, false);
    add(26, limitsOf(2018), true);
    add(27,
        {QStringLiteral("DELETE FROM PERIODS WHERE CYCLE IN (2018)"), finalPeriod(2018, 1), finalPeriod(2018, 2),
         finalPeriod(2018, 3), finalPeriod(2018, 4),
         period(2018, 5, "2017 4th Quarter Report", "10/01/2017", "12/31/2017", "01/01/2018", "01/16/2018", "N")},
        true);
    add(28, {period(2018, 6, "2017 Pre-Election Report", "10/01/2017", "10/11/2017", "10/22/2017", "10/29/2017", "Y")},
        true);
    add(29, {QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2018 AND PERIODID = 6"), finalPeriod(2018, 6)}, true);
    add(31,
        {QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2018 AND PERIODID = 5"), finalPeriod(2018, 5),
         finalPeriod(2018, 7)},
        true);
    add(32,
        {finalPeriodEndFiling(2018, 8, "04/16/2018"), finalPeriodEndFiling(2018, 9, "07/16/2018"),
         finalPeriodEndFiling(2018, 10, "08/19/2018"), finalPeriod(2018, 11),
         finalPeriodEndFiling(2018, 12, "10/28/2018"), finalPeriod(2018, 13)},
        true);
    add(33,
        {QStringLiteral("UPDATE PERIODS SET ENDFILINGDATE = '04/17/2018' WHERE CYCLE=2018 AND PERIODID=8"),
         QStringLiteral("UPDATE PERIODS SET ENDFILINGDATE = '07/17/2018' WHERE CYCLE=2018 AND PERIODID=9"),
         QStringLiteral("UPDATE PERIODS SET ENDFILINGDATE = '08/21/2018' WHERE CYCLE=2018 AND PERIODID=10"),
         QStringLiteral("UPDATE PERIODS SET ENDFILINGDATE = '10/30/2018' WHERE CYCLE=2018 AND PERIODID=12")},
        false);
    {
        const PeriodRow& p4 = finalRow(2020, 4);
        add(34,
            {period(2019, 1, "2019 1st Quarter Report", finalRow(2020, 1).begin, finalRow(2020, 1).end,
                    finalRow(2020, 1).beginFiling, finalRow(2020, 1).endFiling, "N"),
             period(2019, 2, "2019 2nd Quarter Report", finalRow(2020, 2).begin, finalRow(2020, 2).end,
                    finalRow(2020, 2).beginFiling, finalRow(2020, 2).endFiling, "N"),
             period(2019, 3, "2019 3rd Quarter Report", finalRow(2020, 3).begin, finalRow(2020, 3).end,
                    finalRow(2020, 3).beginFiling, finalRow(2020, 3).endFiling, "N"),
             period(2019, 4, "2019 4th Q Rpt (PACs)", p4.begin, p4.end, p4.beginFiling, p4.endFiling, "N"),
             period(2019, 5, "2019 4th Q Rpt (CANDIDATES)", "01/01/2017", "12/31/2019", "01/01/2020", "01/16/2020", "N")},
            false);
        const PeriodRow& p11 = finalRow(2020, 11);
        add(35, {period(2019, 6, "2019 Pre-General Report", p11.begin, p11.end, p11.beginFiling, p11.endFiling, "Y")},
            false);
    }
    {
        QStringList st = limitsOf(2020);
        st << QStringLiteral("DELETE FROM PERIODS WHERE CYCLE in (2019,2020)");
        for (int p = 1; p <= 4; ++p) st << finalPeriodAs(2020, p, 2019, p);
        for (int p = 1; p <= 6; ++p) st << finalPeriodAs(2020, p + 4, 2020, p);
        add(36, st, true);
    }
    {
        QStringList st{QStringLiteral("DELETE FROM PERIODS WHERE CYCLE in (2019,2020)")};
        for (int p = 1; p <= 10; ++p) st << finalPeriod(2020, p);
        add(37, st, true);
    }
    add(38, {finalPeriod(2020, 11)}, true);
    add(39, {finalPeriodAs(2022, 1, 2021, 1), finalPeriodAs(2022, 2, 2021, 2), finalPeriodAs(2022, 3, 2021, 3)}, true);
    add(40, limitsOf(2022), true);
    {
        QStringList st{QStringLiteral("DELETE FROM PERIODS WHERE CYCLE in (2021,2022)"),
                       finalPeriod(2022, 1),
                       finalPeriod(2022, 2),
                       finalPeriod(2022, 3),
                       period(2022, 4, "2021 4th Quarter Report", "10/01/2021", "12/31/2021", "01/01/2022", "01/18/2022", "N"),
                       finalPeriod(2022, 5),
                       finalPeriod(2022, 6),
                       finalPeriod(2022, 8),
                       finalPeriodEndFiling(2022, 9, "10/18/2022"),
                       finalPeriodEndFiling(2022, 10, "11/01/2022"),
                       finalPeriod(2022, 11)};
        st << limitsOf(2022);
        add(41, st, true);
    }
    add(42, {finalPeriod(2022, 12)}, true);
    add(43,
        {QStringLiteral("UPDATE PERIODS SET PERIODNAME = '2021 4th Q Rpt (PACs)', ENDFILINGDATE = '01/16/2022' WHERE CYCLE = 2022 and PERIODID = 4"),
         QStringLiteral("UPDATE PERIODS SET PERIODNAME = '2022 3rd Quarter Report', ENDFILINGDATE = '10/16/2022' WHERE CYCLE = 2022 and PERIODID = 9"),
         QStringLiteral("UPDATE PERIODS SET PERIODNAME = '2022 Pre-General Report', ENDFILINGDATE = '10/30/2022' WHERE CYCLE = 2022 and PERIODID = 10"),
         finalPeriod(2022, 13)},
        true);
    {
        const char* filing[4][2] = {{"04/01/2021", "04/17/2021"},
                                    {"07/01/2021", "07/17/2021"},
                                    {"10/01/2021", "10/16/2021"},
                                    {"01/01/2022", "01/16/2022"}};
        QStringList st{QStringLiteral("DELETE FROM PERIODS WHERE CYCLE in (2024)")};
        for (int p = 1; p <= 4; ++p) {
            const PeriodRow& r = finalRow(2024, p);
            st << period(2024, p, r.name, r.begin, r.end, filing[p - 1][0], filing[p - 1][1], r.special);
        }
        add(44, st, true);
    }
    {
        QStringList st{QStringLiteral("DELETE FROM PERIODS WHERE CYCLE in (2024)")};
        for (int p = 1; p <= 7; ++p) st << finalPeriod(2024, p);
        st << period(2024, 8, "2024 Pre-Primary Report", "07/01/2024", "07/20/2024", "07/21/2024", "07/28/2024", "N")
           << period(2024, 9, "2024 3rd Quarter Report", "07/21/2024", "09/30/2024", "10/01/2024", "10/16/2024", "N")
           << finalPeriod(2024, 10) << finalPeriod(2024, 11);
        add(47, st, true);
    }
    add(48, limitsOf(2024), true);
    add(49,
        {QStringLiteral("UPDATE PERIODS SET ENDDATE = '07/13/2024', BEGINFILINGDATE = '07/14/2024', ENDFILINGDATE = '07/21/2024' WHERE CYCLE=2024 and PERIODID=8"),
         QStringLiteral("UPDATE PERIODS SET BEGINDATE = '07/14/2024' WHERE CYCLE=2024 and PERIODID=9")},
        true);
    {
        QStringList st{finalPeriod(2026, 1), finalPeriod(2026, 2),
                       period(2026, 3, "2025 3rd Quarter Report", "07/01/2025", "09/30/2025", "10/01/2025", "10/20/2025", "N"),
                       period(2026, 4, "2025 4th Quarter Report", "10/01/2025", "12/31/2025", "01/01/2026", "01/20/2026", "N"),
                       revision(51)};
        st << limitsOf(2026);
        add(51, st, false);
    }
    add(52,
        {QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2026 AND PERIODID = 4"),
         QStringLiteral("UPDATE PERIODS SET PERIODNAME = '**Activity starting 7/1/2025' WHERE CYCLE = 2026 AND PERIODID = 3")},
        false);
    add(54,
        {QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2026 AND PERIODID = 3"),
         QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2026 AND PERIODID = 4"),
         period(2026, 3, "**Activity after 7/1/2025", "07/01/2025", "12/31/2025", "01/01/2026", "01/20/2026", "N")},
        false);
    add(55,
        {QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2026 AND PERIODID = 3"),
         QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2026 AND PERIODID = 4"), finalPeriod(2026, 99)},
        false);
    return s;
}

QStringList buildOfficeRefresh() {
    QList<QPair<int, QString>> offices;
    for (int i = 0; i < 5; ++i) offices.append({5000 + i, QStringLiteral("Board of Supervisors, District %1").arg(i + 1)});
    for (int i = 1; i <= 10; ++i) offices.append({5100 + i, QStringLiteral("Justice of the Peace, Precinct %1").arg(i)});
    for (int i = 1; i <= 10; ++i) offices.append({5200 + i, QStringLiteral("Constable, Justice Precinct %1").arg(i)});
    for (int i = 1; i <= 5; ++i) {
        QString name = QStringLiteral("Board of Governors, Dare Community College District %1").arg(i);
        if (i == 5) name += QLatin1Char(' ');
        offices.append({5300 + i, name});
    }
    const char* schools[] = {"Tucson Unified School District 1",   "Marana School District 6",
                             "Flowing Wells School District 8",    "Amphitheater School District 10",
                             "Sunnyside School District 12",       "Tanque Verde School District 13",
                             "Ajo School District 15",             "Catalina Foothills School District 16",
                             "Vail School District 20",            "Sahuarita School District 30",
                             "San Fernando School District 35",    "Empire School District 37",
                             "Continental School District 39",     "Indian Oasis School District 40",
                             "Redington School District 44",       "Altar Valley School District 51"};
    int id = 5401;
    for (const char* s : schools) offices.append({id++, QStringLiteral("Governing Board Member, ") + str(s)});
    for (int i = 1; i <= 5; ++i)
        offices.append({id++, QStringLiteral("Governing Board Member, Joint Technological Education District %1").arg(i)});
    const char* fire[] = {"Arivaca Fire District",       "Avra Valley Fire District",     "Corona De Tucson Fire District",
                          "Drexel Heights Fire District", "Golder Ranch Fire District",    "Green Valley Fire District",
                          "Hidden Valley Fire District",  "Mescal-J6 Fire District",       "Mountain Vista Fire District",
                          "Mount Lemmon Fire District",   "Northwest Fire District",       "Picture Rocks Fire District",
                          "Rincon Valley Fire District",  "Sabino Vista Fire District",    "Sonoita/Elgin Fire District",
                          "Tanque Verde Valley Fire District", "Three Points Fire District",
                          "Tucson Country Club Estates Fire District", "Why Fire District"};
    id = 5501;
    for (const char* f : fire) offices.append({id++, QStringLiteral("Board Member, ") + str(f)});
    const char* water[] = {"Ajo/Lukeville Health District",
                           "Central Arizona Water Conservation District",
                           "Green Valley Domestic Water Improvement District",
                           "Marana Domestic Water Improvement District",
                           "Metropolitan Domestic Water Improvement District",
                           "Mt. Lemmon Domestic Water Improvement District",
                           "Why Domestic Water Improvement District"};
    id = 5601;
    for (const char* w : water) offices.append({id++, QStringLiteral("Board of Directors, ") + str(w)});
    const char* county[] = {"Sheriff",         "Justice of the Peace", "County Treasurer", "County Superintendent of Schools",
                            "County Recorder", "County Attorney",      "County Assessor",  "Clerk of the Superior Court"};
    id = 5701;
    for (const char* c : county) offices.append({id++, str(c)});

    QStringList out{QStringLiteral("DELETE FROM OFFCODE WHERE OFFICEID >= 5000")};
    for (const auto& [officeId, name] : offices) {
        const int term = (officeId >= 5701 && officeId <= 5708) ? 4 : 2;
        out << QStringLiteral("INSERT INTO OFFCODE VALUES (2010, %1, %2,  %3,0,0,0,11)")
                   .arg(QString::number(officeId), SqlQuote(name), QString::number(term));
    }
    return out;
}

}  // namespace

const QList<Revisions::Step>& Revisions::steps() {
    static const QList<Step> s = buildSteps();
    return s;
}

const QStringList& Revisions::officeRefreshStatements() {
    static const QStringList s = buildOfficeRefresh();
    return s;
}
