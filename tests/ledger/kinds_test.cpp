#include <gtest/gtest.h>

#include <QMap>
#include <QSet>
#include <stdexcept>

#include "ledger/kinds.h"
#include "shell/menu_catalogue.h"

namespace {

QList<int> kindsWhere(const std::function<bool(const TransactionKind&)>& test) {
    QList<int> out;
    for (const TransactionKind& k : TransactionKinds())
        if (test(k)) out << k.number;
    return out;
}

TEST(TransactionKinds, AreNumberedZeroToFortyEight) {
    ASSERT_EQ(TransactionKinds().size(), kKindCount);
    for (int i = 0; i < kKindCount; ++i) EXPECT_EQ(KindByNumber(i).number, i);
    EXPECT_THROW(KindByNumber(-1), std::out_of_range);
    EXPECT_THROW(KindByNumber(kKindCount), std::out_of_range);
}

TEST(KindForAccounts, FindsTheKindOfARowsPair) {
    const struct {
        int from;
        int to;
        std::optional<int> kind;
    } cases[] = {
        {210, 100, 0},
        {100, 210, 1},
        {221, 100, 28},
        {630, 1, 14},
        {100, 700, 27},
        {400, 700, 21},
        {700, 400, 23},
        {100, 810, 42},
        {812, 100, 47},
        {320, 100, std::nullopt},  // committee loan repayment: the general transaction window
        {100, 100, std::nullopt},
        {0, 0, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(KindForAccounts(c.from, c.to), c.kind) << c.from << "->" << c.to;
}

TEST(TransactionKinds, EachPairBelongsToOneKind) {
    QSet<QPair<int, int>> pairs;
    for (const TransactionKind& k : TransactionKinds()) {
        EXPECT_FALSE(pairs.contains({k.fromAccount, k.toAccount})) << "kind " << k.number;
        pairs.insert({k.fromAccount, k.toAccount});
        EXPECT_EQ(KindForAccounts(k.fromAccount, k.toAccount), k.number);
    }
}

// The accounts' side of the catalogue: which kinds use each account as From and as To. Written
// out separately from the kinds' rows so that a wrong account in either shows.
TEST(TransactionKinds, UseTheAccountsOfTheChart) {
    const struct {
        int account;
        QList<int> from;
        QList<int> to;
    } uses[] = {
        {1, {}, {14}},
        {100,
         {1, 4, 6, 7, 10, 13, 15, 18, 20, 22, 25, 27, 29, 31, 33, 35, 37, 39, 40, 41, 42, 44, 46, 48},
         {0, 2, 3, 5, 8, 11, 16, 17, 19, 24, 26, 28, 30, 32, 34, 36, 38, 43, 45, 47}},
        {200, {2}, {}},
        {210, {0}, {1}},
        {211, {30}, {31}},
        {220, {3}, {4}},
        {221, {28}, {29}},
        {222, {32}, {33}},
        {223, {34}, {35}},
        {224, {36}, {37}},
        {225, {38}, {39}},
        {230, {17}, {}},
        {240, {26}, {}},
        {300, {8, 9}, {10}},
        {310, {11, 12}, {13}},
        {320, {}, {20}},
        {400, {21}, {22, 23}},
        {410, {}, {7}},
        {420, {}, {9, 12}},
        {440, {}, {18}},
        {450, {}, {48}},
        {460, {}, {40}},
        {461, {}, {41}},
        {500, {5}, {}},
        {510, {}, {6}},
        {600, {}, {25}},
        {610, {24}, {}},
        {620, {19}, {}},
        {630, {14}, {15}},
        {700, {23}, {21, 27}},
        {710, {16}, {}},
        {810, {43}, {42}},
        {811, {45}, {44}},
        {812, {47}, {46}},
    };
    QSet<int> chart;
    int previous = -1;
    for (const AccountInfo& a : ChartOfAccounts()) {
        EXPECT_GT(a.number, previous) << "ascending and unique";
        previous = a.number;
        chart.insert(a.number);
        EXPECT_FALSE(a.role.isEmpty()) << a.number;
    }
    int counted = 0;
    for (const auto& u : uses) {
        EXPECT_TRUE(chart.contains(u.account)) << u.account;
        EXPECT_EQ(kindsWhere([&](const TransactionKind& k) { return k.fromAccount == u.account; }), u.from)
            << "From " << u.account;
        EXPECT_EQ(kindsWhere([&](const TransactionKind& k) { return k.toAccount == u.account; }), u.to)
            << "To " << u.account;
        counted += static_cast<int>(u.from.size() + u.to.size());
    }
    EXPECT_EQ(counted, 2 * kKindCount) << "every kind's two accounts are in the chart";
    EXPECT_EQ(chart.size(), static_cast<qsizetype>(std::size(uses)));
}

TEST(ChartOfAccounts, NamesTheAccountsTheProgramWrites) {
    QMap<int, AccountInfo> byNumber;
    for (const AccountInfo& a : ChartOfAccounts()) byNumber.insert(a.number, a);
    EXPECT_EQ(byNumber[810].fixedName, QStringLiteral("Contributions to Candidate Committee"));
    EXPECT_EQ(byNumber[811].fixedName, QStringLiteral("Contributions to PAC"));
    EXPECT_EQ(byNumber[812].fixedName, QStringLiteral("Contributions to Party"));
    for (int n : {810, 811, 812}) EXPECT_EQ(byNumber[n].fixedType, AccountType::kExpense);
    EXPECT_TRUE(byNumber[100].fixedName.isEmpty());

    for (int type = 1; type <= 7; ++type)
        EXPECT_EQ(BalanceIsMoneyInLessOut(type), type == AccountType::kBank || type == AccountType::kExpense) << type;
}

TEST(TransactionKinds, RulesOfParticularKinds) {
    EXPECT_EQ(kindsWhere([](const auto& k) { return k.nameHidden; }), (QList<int>{2, 19, 48}));
    for (int n : {2, 19, 48}) EXPECT_TRUE(KindByNumber(n).nameCaption.isEmpty()) << n;
    EXPECT_EQ(kindsWhere([](const auto& k) { return k.toAccount == Account::kPreviousDebtCounterpart; }),
              QList<int>{14});
    EXPECT_EQ(kindsWhere([](const auto& k) { return k.memoRequired; }), QList<int>{21});
    EXPECT_EQ(kindsWhere([](const auto& k) { return k.memoDisabled; }), QList<int>{19});
    EXPECT_EQ(kindsWhere([](const auto& k) { return k.candidateRequired; }), QList<int>{7});
    EXPECT_EQ(kindsWhere([](const auto& k) { return !k.newRowBenefit.isNull(); }), QList<int>{7});
    EXPECT_EQ(KindByNumber(7).newRowBenefit, QLatin1Char('B'));
    EXPECT_EQ(kindsWhere([](const auto& k) { return k.scheduleOnlyWhileUnpaid; }), QList<int>{21});
    EXPECT_EQ(KindByNumber(21).schedule, QStringLiteral("F-3"));

    EXPECT_EQ(kindsWhere([](const auto& k) { return !k.instruction.isEmpty(); }), (QList<int>{2, 27, 48}));
    EXPECT_EQ(KindByNumber(2).instruction, QStringLiteral("Enter the total of small contributions"));
    EXPECT_EQ(KindByNumber(27).instruction, QStringLiteral("Enter expense"));
    EXPECT_EQ(KindByNumber(48).instruction, QStringLiteral("Enter the total of small expenses"));
}

TEST(TransactionKinds, NameTypesAndCaptions) {
    const struct {
        int kind;
        NameTypeScope scope;
        QList<int> types;
        int single;
        const char* typeCaption;
        const char* nameCaption;
    } cases[] = {
        {0, NameTypeScope::Listed, {1}, 1, "Individual", "&From"},
        {2, NameTypeScope::None, {}, -1, "Name", ""},
        {5, NameTypeScope::All, {}, -1, "Name", "&From"},
        {7, NameTypeScope::Listed, {4}, 4, "Vendor", "Vendor"},
        {17, NameTypeScope::Listed, {3}, 3, "Bank", "&From"},
        {21, NameTypeScope::Listed, {4}, 4, "Vendor", "&From"},
        {24, NameTypeScope::Listed, {2, 8, 7}, -1, "Name", "From"},
        {25, NameTypeScope::Listed, {2, 8, 7}, -1, "Name", "To"},
        {27, NameTypeScope::Listed, {4}, 4, "Vendor", "Payee"},
        {30, NameTypeScope::Listed, {5}, 5, "Candidate/Family Member", "&From"},
        {38, NameTypeScope::Listed, {11}, 11, "Labor Organization", "&From"},
        {42, NameTypeScope::Listed, {7}, 7, "Candidate Committee", "To"},
    };
    for (const auto& c : cases) {
        const TransactionKind& k = KindByNumber(c.kind);
        EXPECT_EQ(k.nameScope, c.scope) << c.kind;
        EXPECT_EQ(k.nameTypes, c.types) << c.kind;
        EXPECT_EQ(k.singleNameType, c.single) << c.kind;
        EXPECT_EQ(k.nameTypeCaption(), QString::fromUtf8(c.typeCaption)) << c.kind;
        EXPECT_EQ(k.nameCaption, QString::fromUtf8(c.nameCaption)) << c.kind;
    }
    EXPECT_TRUE(KindByNumber(24).offersNameType(8));
    EXPECT_FALSE(KindByNumber(24).offersNameType(1));
    EXPECT_TRUE(KindByNumber(5).offersNameType(11));
    EXPECT_FALSE(KindByNumber(48).offersNameType(1));
    EXPECT_EQ(NameTypeCaption(-1), QStringLiteral("Name"));
    EXPECT_EQ(NameTypeCaption(10), QStringLiteral("Corporation/LLC"));
}

TEST(TransactionKinds, DateCaptionsAndFieldGroups) {
    using G = FieldGroup;
    const struct {
        int kind;
        const char* date;
        FieldGroups groups;
    } cases[] = {
        {0, "&Date of Contribution", G::CheckNumber | G::AdditionalInfo | G::EventInfo},
        {1, "&Date of Contribution", {}},
        {5, "&Date of Contribution", G::InKindInfo},
        {6, "&Date of Expenditure", G::InKindInfo},
        {7, "&Date", G::IndependentExpenditureInfo | G::AdvertisingInfo},
        {8, "&Date", {}},
        {21, "&Date of Expenditure", {}},
        {27, "&Date of Expenditure", G::CheckNumber},
        {36, "&Date of Contribution", G::CheckNumber},
        {38, "&Date of Contribution", G::CheckNumber | G::AdditionalInfo | G::EventInfo},
        {40, "&Date", G::BallotMeasureInfo | G::AdvertisingInfo},
        {41, "&Date", G::IndependentExpenditureInfo | G::AdvertisingInfo},
        {48, "&Date of Expenditure", G::CheckNumber},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KindByNumber(c.kind).dateCaption, QString::fromUtf8(c.date)) << c.kind;
        EXPECT_EQ(KindByNumber(c.kind).groups, c.groups) << c.kind;
    }
    // The candidate list goes with the independent expenditure group, only on kinds 7 and 41.
    EXPECT_EQ(kindsWhere([](const auto& k) { return k.hasGroup(FieldGroup::IndependentExpenditureInfo); }),
              (QList<int>{7, 41}));
    EXPECT_EQ(FieldGroupCaption(FieldGroup::EventInfo), QStringLiteral("Event Info"));
    EXPECT_TRUE(FieldGroupCaption(FieldGroup::CheckNumber).isEmpty());
}

TEST(TransactionKinds, LaborOrganizationTitlesFollowTheirCorporationTwins) {
    const QString corporation = QStringLiteral("Corporation/LLC");
    const QString labor = QStringLiteral("Labor Organization");
    EXPECT_EQ(KindByNumber(38).title, QString(KindByNumber(36).title).replace(corporation, labor));
    EXPECT_EQ(KindByNumber(39).title, QString(KindByNumber(37).title).replace(corporation, labor));
    EXPECT_EQ(KindByNumber(38).title, QStringLiteral("Receive Labor Organization Contribution"));
    EXPECT_EQ(KindByNumber(0).title, QStringLiteral("Receive Individual/Personal/Family Contribution"));
    EXPECT_EQ(KindByNumber(15).title, QStringLiteral("Update Transferred Debt from Previous Committee Payment"));
    EXPECT_EQ(KindByNumber(43).title, QStringLiteral("Refund contribution to Candidate Committee"));
}

// The menu path of an entry of the Transactions menu, captions without their access marks.
QString menuPathOf(const MenuEntry& entry) {
    QStringList parts;
    for (const MenuEntry* e = &entry; e && e->id != QLatin1String("transactions"); e = MenuCatalogue::find(e->parentId)) {
        QString caption = e->caption;
        caption.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        parts.prepend(caption.replace(QLatin1Char('\x01'), QLatin1Char('&')));
    }
    return parts.join(QLatin1String(" / "));
}

TEST(TransactionKinds, MenuPathsMatchTheMenuBar) {
    QSet<int> opened;
    for (const MenuEntry& e : MenuCatalogue::entries()) {
        if (e.kind < 0) continue;
        ASSERT_TRUE(IsKindNumber(e.kind)) << e.id.toStdString();
        const TransactionKind& k = KindByNumber(e.kind);
        EXPECT_FALSE(k.editOnly()) << e.id.toStdString();
        // The hidden "Contribute to ..." opens kind 18 as a second way in.
        if (!e.hidden) {
            EXPECT_EQ(menuPathOf(e), k.menuPath) << e.id.toStdString();
        }
        opened.insert(e.kind);
    }
    for (const TransactionKind& k : TransactionKinds())
        EXPECT_EQ(opened.contains(k.number), !k.editOnly()) << "kind " << k.number;

    QSet<QString> commandPaths;
    for (const MenuEntry& e : MenuCatalogue::entries())
        if (e.id.startsWith(QLatin1String("transactions.")) && !MenuCatalogue::hasChildren(e.id))
            commandPaths.insert(menuPathOf(e));
    for (const DedicatedKind& d : DedicatedKinds())
        EXPECT_TRUE(commandPaths.contains(d.menuPath)) << d.menuPath.toStdString();
}

TEST(DedicatedKinds, PostFollowUpRowsOfTheListedRows) {
    ASSERT_EQ(DedicatedKinds().size(), 8 + 8 + 3 + 2);
    QSet<QString> paths;
    for (const DedicatedKind& d : DedicatedKinds()) {
        const std::string what = d.menuPath.toStdString();
        EXPECT_FALSE(paths.contains(d.menuPath)) << what;
        paths.insert(d.menuPath);
        EXPECT_EQ(DedicatedKindByMenuPath(d.menuPath), &d);
        // The rows listed are those the menu's own entry kinds create.
        if (d.listsRows()) {
            const auto listed = KindForAccounts(d.listedFrom, d.listedTo);
            ASSERT_TRUE(listed.has_value()) << what;
            EXPECT_FALSE(KindByNumber(*listed).editOnly()) << what;
        }
        // A posted row whose pair is a kind of the generic window is edited there and lands on
        // that kind's schedule.
        const auto posted = KindForAccounts(d.postedFrom, d.postedTo);
        if (posted) EXPECT_EQ(d.schedule, KindByNumber(*posted).schedule) << what;
        else EXPECT_EQ(d.menuPath, QStringLiteral("Loans / Committee Loan / Receive Repayment"));
    }
    EXPECT_EQ(DedicatedKindByMenuPath(QStringLiteral("Expenditures / Nothing")), nullptr);

    const DedicatedKind* repayment = DedicatedKindByMenuPath(QStringLiteral("Loans / Committee Loan / Receive Repayment"));
    ASSERT_NE(repayment, nullptr);
    EXPECT_EQ(repayment->postedFrom, 320);
    EXPECT_EQ(repayment->postedTo, 100);
    EXPECT_EQ(repayment->schedule, QStringLiteral("F-2"));
    EXPECT_EQ(repayment->master, MasterLink::SettledRow);

    const DedicatedKind* credit = DedicatedKindByMenuPath(QStringLiteral("Expenditures / Receive Credit from Vendor"));
    ASSERT_NE(credit, nullptr);
    EXPECT_EQ(std::make_pair(credit->postedFrom, credit->postedTo), std::make_pair(700, 400));
    EXPECT_EQ(credit->master, MasterLink::SettledRow);

    const DedicatedKind* surplus =
        DedicatedKindByMenuPath(QStringLiteral("Previous Committee / Set Previous Campaign Surplus"));
    ASSERT_NE(surplus, nullptr);
    EXPECT_FALSE(surplus->listsRows());
    EXPECT_EQ(KindForAccounts(surplus->postedFrom, surplus->postedTo), 19);
    EXPECT_EQ(surplus->memo, QStringLiteral("Previous surplus"));
    EXPECT_EQ(surplus->master, MasterLink::Itself);
}

TEST(DedicatedKinds, RefundsReverseTheContributorsAccount) {
    const struct {
        ContributorType type;
        int account;
        const char* menuPath;
    } contributors[] = {
        {ContributorType::Individual, 210, "Contributions From / Individual / Refund"},
        {ContributorType::CandidateFamily, 211, "Contributions From / Candidate/Family / Refund"},
        {ContributorType::CandidateCommittee, 221, "Contributions From / Candidate Committee / Refund"},
        {ContributorType::PAC, 220, "Contributions From / PAC / Refund"},
        {ContributorType::Party, 222, "Contributions From / Party / Refund"},
        {ContributorType::Partnership, 223, "Contributions From / Partnership / Refund"},
        {ContributorType::CorporationLLC, 224, "Contributions From / Corporation/LLC / Refund"},
        {ContributorType::LaborOrganization, 225, "Contributions From / Labor Organization / Refund"},
    };
    for (const auto& c : contributors) {
        EXPECT_EQ(RefundContributorAccount(c.type), c.account) << c.menuPath;
        const DedicatedKind* d = DedicatedKindByMenuPath(QString::fromUtf8(c.menuPath));
        ASSERT_NE(d, nullptr) << c.menuPath;
        EXPECT_EQ(std::make_pair(d->listedFrom, d->listedTo), std::make_pair(c.account, 100)) << c.menuPath;
        EXPECT_EQ(std::make_pair(d->postedFrom, d->postedTo), std::make_pair(100, c.account)) << c.menuPath;
        EXPECT_EQ(d->master, MasterLink::Itself) << c.menuPath;
        EXPECT_EQ(d->schedule, QStringLiteral("F-4")) << c.menuPath;
    }
    const struct {
        RecipientCommittee type;
        int account;
        const char* menuPath;
    } recipients[] = {
        {RecipientCommittee::CandidateCommittee, 810, "Contributions To / Candidate Committee / Refund From"},
        {RecipientCommittee::PAC, 811, "Contributions To / PAC / Refund From"},
        {RecipientCommittee::Party, 812, "Contributions To / Party / Refund From"},
    };
    for (const auto& r : recipients) {
        EXPECT_EQ(ContributionToAccount(r.type), r.account) << r.menuPath;
        const DedicatedKind* d = DedicatedKindByMenuPath(QString::fromUtf8(r.menuPath));
        ASSERT_NE(d, nullptr) << r.menuPath;
        EXPECT_EQ(std::make_pair(d->postedFrom, d->postedTo), std::make_pair(r.account, 100)) << r.menuPath;
        EXPECT_EQ(d->master, MasterLink::Itself) << r.menuPath;
    }
}

}  // namespace
