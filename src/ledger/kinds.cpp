#include "ledger/kinds.h"

#include <stdexcept>

#include "store/helpers.h"

namespace {

using namespace Account;

// One kind as written in the table below.
struct KindRow {
    int number;
    const char* title;
    int from;
    int to;
    const char* nameTypes;    // "" none, "*" all, else the types offered: "4", "2,8,7"
    const char* nameCaption;  // nullptr "&From"; "-" no name field; else the caption
    char date;                // ' ' "&Date", 'C' of contribution, 'E' of expenditure
    const char* groups;       // letters K A V I P B M (see FieldGroup)
    // R memo required, D memo disabled, C candidate required, B new rows preset BENEFIT 'B',
    // U on its schedule only while unpaid
    const char* rules;
    const char* instruction;
    const char* menuPath;     // "" edit only
    const char* schedule;     // "" none
};

// clang-format off
const KindRow kKindRows[kKindCount] = {
    { 0, "Receive Individual/Personal/Family Contribution", kIndividualContributions, kCash, "1", nullptr, 'C', "KAV", "", "",
         "Contributions From / Individual / Receive", "A-2"},
    { 1, "Edit Individual/Personal/Family Contribution Refund", kCash, kIndividualContributions, "1", nullptr, 'C', "", "", "",
         "", "F-4"},
    { 2, "Record Aggregate Small Contributions", kSmallContributions, kCash, "", "-", 'C', "", "",
         "Enter the total of small contributions", "Contributions From / Small (Aggregate $100 or less)", "A-9"},
    { 3, "Receive PAC Contribution", kPACContributions, kCash, "2", nullptr, 'C', "KAV", "", "",
         "Contributions From / PAC / Receive", "A-4"},
    { 4, "Edit PAC Contribution Refund", kCash, kPACContributions, "2", nullptr, 'C', "", "", "", "", "F-4"},
    { 5, "Receive In-Kind Contribution", kInKindReceived, kCash, "*", nullptr, 'C', "I", "", "",
         "Contributions From / In-Kind Contribution", "E"},
    { 6, "Update In-Kind Expenditure", kCash, kInKindExpended, "*", nullptr, 'E', "I", "", "", "", "E"},
    { 7, "Independent Expenditures", kCash, kIndependentExpenditures, "4", "Vendor", ' ', "PM", "CB", "",
         "Expenditures / Independent Expenditure", "D-3"},
    { 8, "Receive Campaign Expenses Loans", kCampaignLoansReceived, kCash, "*", nullptr, ' ', "", "", "",
         "Loans / Campaign Expense Loan / Receive", "C-1"},
    { 9, "Update Campaign Expenses Loan Interest", kCampaignLoansReceived, kLoanInterest, "*", nullptr, ' ', "", "", "",
         "", "C-1"},
    {10, "Edit Campaign Expenses Loan Repayment", kCash, kCampaignLoansReceived, "*", nullptr, ' ', "", "", "", "", "D-5"},
    {11, "Receive Non-Campaign Expenses Loans", kNonCampaignLoansReceived, kCash, "*", nullptr, ' ', "", "", "",
         "Loans / Non Campaign Expense Loan / Receive", "C-2"},
    {12, "Update Non-Campaign Expenses Loan Interest", kNonCampaignLoansReceived, kLoanInterest, "*", nullptr, ' ', "", "",
         "", "", "C-2"},
    {13, "Update Non-Campaign Expenses Loan Repayment", kCash, kNonCampaignLoansReceived, "*", nullptr, ' ', "", "", "",
         "", "D-5"},
    {14, "Enter Transferred Debt from Previous Committee", kPreviousDebts, kPreviousDebtCounterpart, "4", nullptr, ' ', "",
         "", "", "Previous Committee / Enter Previous Debt(s)", ""},
    {15, "Update Transferred Debt from Previous Committee Payment", kCash, kPreviousDebts, "4", nullptr, ' ', "", "", "",
         "", "D-7"},
    {16, "Receive Rebates", kRebatesAndRefunds, kCash, "*", nullptr, ' ', "", "", "",
         "Expenditures / Receive Rebates or Refunds", "D-3B"},
    {17, "Receive Dividends or Interest", kDividendsAndInterest, kCash, "3", nullptr, ' ', "", "", "", "Interest", "F-2"},
    {18, "Other Disbursements", kCash, kOtherDisbursements, "*", "To", ' ', "", "", "", "Other / Disbursements", "D-7"},
    {19, "Update Previous Surplus", kPreviousSurplus, kCash, "*", "-", ' ', "", "D", "", "", ""},
    {20, "Loans Made By Committee", kCash, kLoansMade, "*", "To", ' ', "", "", "", "Loans / Committee Loan / Make Loan",
         "D-4"},
    {21, "Enter Bill for Goods or Services (Campaign)", kBills, kAccountsPayable, "4", nullptr, 'E', "", "RU", "",
         "Expenditures / Operating Expense on Credit", "F-3"},
    {22, "Update Bill Payment", kCash, kBills, "4", nullptr, 'E', "", "", "", "", "D-1"},
    {23, "Update Credit for Goods or Services (Campaign)", kAccountsPayable, kBills, "4", nullptr, 'E', "", "", "", "", ""},
    {24, "Receive Transfer From Another Committee", kTransfersFromCommittees, kCash, "2,8,7", "From", ' ', "", "", "",
         "Transfers / From Another Committee ID", "B"},
    {25, "Transfer To Another Committee", kCash, kTransfersToCommittees, "2,8,7", "To", ' ', "", "", "",
         "Transfers / To Another Committee ID", "D-6"},
    {26, "Other Receipts", kOtherReceipts, kCash, "*", nullptr, ' ', "", "", "", "Other / Non-Contribution Receipts", "F-1"},
    {27, "Record a Cash Operating Expense", kCash, kAccountsPayable, "4", "Payee", 'E', "K", "", "Enter expense",
         "Expenditures / Cash Operating Expense", "D-1"},
    {28, "Receive Candidate Committee Contribution", kCandidateCommitteeContributions, kCash, "7", nullptr, 'C', "KAV", "",
         "", "Contributions From / Candidate Committee / Receive", "A-3"},
    {29, "Edit Candidate Committee Contribution Refund", kCash, kCandidateCommitteeContributions, "7", nullptr, 'C', "", "",
         "", "", "F-4"},
    {30, "Receive Candidate/Family Contribution", kCandidateFamilyContributions, kCash, "5", nullptr, 'C', "KAV", "", "",
         "Contributions From / Candidate/Family / Receive", "A-1"},
    {31, "Edit Candidate/Family Contribution Refund", kCash, kCandidateFamilyContributions, "5", nullptr, 'C', "", "", "",
         "", "F-4"},
    {32, "Receive Party Contribution", kPartyContributions, kCash, "8", nullptr, 'C', "KAV", "", "",
         "Contributions From / Party / Receive", "A-5"},
    {33, "Edit Party Contribution Refund", kCash, kPartyContributions, "8", nullptr, 'C', "", "", "", "", "F-4"},
    {34, "Receive Partnership Contribution", kPartnershipContributions, kCash, "9", nullptr, 'C', "KAV", "", "",
         "Contributions From / Partnership / Receive", "A-6"},
    {35, "Edit Partnership Contribution Refund", kCash, kPartnershipContributions, "9", nullptr, 'C', "", "", "", "", "F-4"},
    {36, "Receive Corporation/LLC Contribution", kCorporationContributions, kCash, "10", nullptr, 'C', "K", "", "",
         "Contributions From / Corporation/LLC / Receive", "A-7"},
    {37, "Edit Corporation/LLC Contribution Refund", kCash, kCorporationContributions, "10", nullptr, 'C', "", "", "", "",
         "F-4"},
    {38, "Receive Labor Organization Contribution", kLaborOrganizationContributions, kCash, "11", nullptr, 'C', "KAV", "",
         "", "Contributions From / Labor Organization / Receive", "A-8"},
    {39, "Edit Labor Organization Contribution Refund", kCash, kLaborOrganizationContributions, "11", nullptr, 'C', "", "",
         "", "", "F-4"},
    {40, "Ballot Measure Expenditures", kCash, kBallotMeasureExpenditures, "4", "Vendor", ' ', "BM", "", "",
         "Expenditures / Ballot Measure Expenditure", "D-3A"},
    {41, "Recall Election Expenditures", kCash, kRecallElectionExpenditures, "4", "Vendor", ' ', "PM", "", "",
         "Expenditures / Recall Election Expenditure", "D-3"},
    {42, "Contribute to Candidate Committee", kCash, kToCandidateCommittees, "7", "To", 'C', "K", "", "",
         "Contributions To / Candidate Committee / Contribute To", "D-8c"},
    {43, "Refund contribution to Candidate Committee", kToCandidateCommittees, kCash, "7", "To", 'C', "", "", "", "", ""},
    {44, "Contribute to PAC", kCash, kToPACs, "2", "To", 'C', "K", "", "", "Contributions To / PAC / Contribute To", "D-8a"},
    {45, "Refund contribution to PAC", kToPACs, kCash, "2", nullptr, 'C', "", "", "", "", ""},
    {46, "Contribute to Party", kCash, kToParties, "8", "To", 'C', "K", "", "", "Contributions To / Party / Contribute To",
         "D-8b"},
    {47, "Refund contribution to Party", kToParties, kCash, "8", "To", 'C', "", "", "", "", ""},
    {48, "Record Aggregate Small Expenditures", kCash, kSmallExpenditures, "", "-", 'E', "K", "",
         "Enter the total of small expenses", "Expenditures / Small Expenditures", "D-2"},
};
// clang-format on

bool has(const char* letters, char letter) {
    for (const char* p = letters; *p; ++p) {
        if (*p == letter) return true;
    }
    return false;
}

FieldGroups groupsOf(const char* letters) {
    FieldGroups g;
    if (has(letters, 'K')) g |= FieldGroup::CheckNumber;
    if (has(letters, 'A')) g |= FieldGroup::AdditionalInfo;
    if (has(letters, 'V')) g |= FieldGroup::EventInfo;
    if (has(letters, 'I')) g |= FieldGroup::InKindInfo;
    if (has(letters, 'P')) g |= FieldGroup::IndependentExpenditureInfo;
    if (has(letters, 'B')) g |= FieldGroup::BallotMeasureInfo;
    if (has(letters, 'M')) g |= FieldGroup::AdvertisingInfo;
    return g;
}

TransactionKind kindOf(const KindRow& row) {
    TransactionKind k;
    k.number = row.number;
    k.title = QString::fromUtf8(row.title);
    k.fromAccount = row.from;
    k.toAccount = row.to;

    const QString types = QString::fromUtf8(row.nameTypes);
    if (types.isEmpty()) {
        k.nameScope = NameTypeScope::None;
    } else if (types == QLatin1String("*")) {
        k.nameScope = NameTypeScope::All;
    } else {
        k.nameScope = NameTypeScope::Listed;
        for (const QString& t : types.split(QLatin1Char(','))) k.nameTypes.append(t.toInt());
    }
    k.singleNameType = k.nameTypes.size() == 1 ? k.nameTypes.first() : -1;

    if (row.nameCaption == nullptr) {
        k.nameCaption = QStringLiteral("&From");
    } else if (QLatin1String(row.nameCaption) == QLatin1String("-")) {
        k.nameHidden = true;
    } else {
        k.nameCaption = QString::fromUtf8(row.nameCaption);
    }

    switch (row.date) {
    case 'C': k.dateCaption = QStringLiteral("&Date of Contribution"); break;
    case 'E': k.dateCaption = QStringLiteral("&Date of Expenditure"); break;
    default: k.dateCaption = QStringLiteral("&Date"); break;
    }

    k.groups = groupsOf(row.groups);
    k.memoRequired = has(row.rules, 'R');
    k.memoDisabled = has(row.rules, 'D');
    k.candidateRequired = has(row.rules, 'C');
    if (has(row.rules, 'B')) k.newRowBenefit = QLatin1Char('B');
    k.scheduleOnlyWhileUnpaid = has(row.rules, 'U');
    k.instruction = QString::fromUtf8(row.instruction);
    k.menuPath = QString::fromUtf8(row.menuPath);
    k.schedule = QString::fromUtf8(row.schedule);
    return k;
}

DedicatedKind dedicated(const char* menuPath, int listedFrom, int listedTo, int postedFrom, int postedTo,
                        MasterLink master, const char* schedule, const char* memo = "") {
    DedicatedKind d;
    d.menuPath = QString::fromUtf8(menuPath);
    d.listedFrom = listedFrom;
    d.listedTo = listedTo;
    d.postedFrom = postedFrom;
    d.postedTo = postedTo;
    d.master = master;
    d.schedule = QString::fromUtf8(schedule);
    d.memo = QString::fromUtf8(memo);
    return d;
}

}  // namespace

bool BalanceIsMoneyInLessOut(int accountTypeId) {
    return accountTypeId == AccountType::kBank || accountTypeId == AccountType::kExpense;
}

const QList<AccountInfo>& ChartOfAccounts() {
    static const QList<AccountInfo> accounts = {
        {kPreviousDebtCounterpart,
         QStringLiteral("Counter-account of a debt taken over from a previous committee; not a real account"), {}, 0},
        {kCash, QStringLiteral("Cash: the committee's bank account"), {}, 0},
        {kSmallContributions, QStringLiteral("Aggregate small contributions"), {}, 0},
        {kIndividualContributions, QStringLiteral("Contributions from individuals"), {}, 0},
        {kCandidateFamilyContributions, QStringLiteral("Contributions from the candidate and family members"), {}, 0},
        {kPACContributions, QStringLiteral("Contributions from PACs"), {}, 0},
        {kCandidateCommitteeContributions, QStringLiteral("Contributions from candidate committees"), {}, 0},
        {kPartyContributions, QStringLiteral("Contributions from parties"), {}, 0},
        {kPartnershipContributions, QStringLiteral("Contributions from partnerships"), {}, 0},
        {kCorporationContributions, QStringLiteral("Contributions from corporations and LLCs"), {}, 0},
        {kLaborOrganizationContributions, QStringLiteral("Contributions from labor organizations"), {}, 0},
        {kDividendsAndInterest, QStringLiteral("Dividends and interest received"), {}, 0},
        {kOtherReceipts, QStringLiteral("Other (non-contribution) receipts"), {}, 0},
        {kCampaignLoansReceived, QStringLiteral("Campaign expense loans received"), {}, 0},
        {kNonCampaignLoansReceived, QStringLiteral("Non-campaign expense loans received"), {}, 0},
        {kLoansMade, QStringLiteral("Loans made by the committee"), {}, 0},
        {kBills, QStringLiteral("Operating expenses on credit (bills)"), {}, 0},
        {kIndependentExpenditures, QStringLiteral("Independent expenditures"), {}, 0},
        {kLoanInterest, QStringLiteral("Interest accrued on loans received"), {}, 0},
        {kOtherDisbursements, QStringLiteral("Other disbursements"), {}, 0},
        {kSmallExpenditures, QStringLiteral("Aggregate small expenditures"), {}, 0},
        {kBallotMeasureExpenditures, QStringLiteral("Ballot measure expenditures"), {}, 0},
        {kRecallElectionExpenditures, QStringLiteral("Recall election expenditures"), {}, 0},
        {kInKindReceived, QStringLiteral("In-kind contributions received"), {}, 0},
        {kInKindExpended, QStringLiteral("In-kind contributions expended"), {}, 0},
        {kTransfersToCommittees, QStringLiteral("Transfers to other committees"), {}, 0},
        {kTransfersFromCommittees, QStringLiteral("Transfers from other committees"), {}, 0},
        {kPreviousSurplus, QStringLiteral("Surplus carried over from a previous campaign"), {}, 0},
        {kPreviousDebts, QStringLiteral("Debts transferred from a previous committee"), {}, 0},
        {kAccountsPayable, QStringLiteral("Accounts payable"), {}, 0},
        {kRebatesAndRefunds, QStringLiteral("Rebates and refunds received"), {}, 0},
        {kToCandidateCommittees, QStringLiteral("Contributions to candidate committees"),
         QStringLiteral("Contributions to Candidate Committee"), AccountType::kExpense},
        {kToPACs, QStringLiteral("Contributions to PACs"), QStringLiteral("Contributions to PAC"), AccountType::kExpense},
        {kToParties, QStringLiteral("Contributions to parties"), QStringLiteral("Contributions to Party"),
         AccountType::kExpense},
    };
    return accounts;
}

QString FieldGroupCaption(FieldGroup group) {
    switch (group) {
    case FieldGroup::CheckNumber: return QString();
    case FieldGroup::AdditionalInfo: return QStringLiteral("Additional Info");
    case FieldGroup::EventInfo: return QStringLiteral("Event Info");
    case FieldGroup::InKindInfo: return QStringLiteral("In-Kind Info");
    case FieldGroup::IndependentExpenditureInfo: return QStringLiteral("Independent Expenditure Info");
    case FieldGroup::BallotMeasureInfo: return QStringLiteral("Ballot Measure Info");
    case FieldGroup::AdvertisingInfo: return QStringLiteral("Advertising Info");
    }
    return QString();
}

bool TransactionKind::offersNameType(int nameTypeId) const {
    switch (nameScope) {
    case NameTypeScope::None: return false;
    case NameTypeScope::All: return true;
    case NameTypeScope::Listed: return nameTypes.contains(nameTypeId);
    }
    return false;
}

QString TransactionKind::nameTypeCaption() const { return NameTypeCaption(singleNameType); }

const QList<TransactionKind>& TransactionKinds() {
    static const QList<TransactionKind> kinds = [] {
        QList<TransactionKind> out;
        out.reserve(kKindCount);
        for (const KindRow& row : kKindRows) out.append(kindOf(row));
        return out;
    }();
    return kinds;
}

bool IsKindNumber(int number) { return number >= 0 && number < kKindCount; }

const TransactionKind& KindByNumber(int number) {
    if (!IsKindNumber(number)) throw std::out_of_range("no transaction kind " + std::to_string(number));
    return TransactionKinds().at(number);
}

std::optional<int> KindForAccounts(int fromAccount, int toAccount) {
    for (const TransactionKind& k : TransactionKinds()) {
        if (k.fromAccount == fromAccount && k.toAccount == toAccount) return k.number;
    }
    return std::nullopt;
}

QString NameTypeCaption(int nameTypeId) { return NameTypeName(nameTypeId); }

const QList<DedicatedKind>& DedicatedKinds() {
    static const QList<DedicatedKind> kinds = [] {
        using M = MasterLink;
        QList<DedicatedKind> out = {
            dedicated("Expenditures / Pay Bill", kBills, kAccountsPayable, kCash, kBills, M::SettledRow, "D-1"),
            dedicated("Expenditures / Receive Credit from Vendor", kBills, kAccountsPayable, kAccountsPayable, kBills,
                      M::SettledRow, ""),
            dedicated("Previous Committee / Pay on Previous Debt(s)", kPreviousDebts, kPreviousDebtCounterpart, kCash,
                      kPreviousDebts, M::SettledRow, "D-7"),
            dedicated("Loans / Campaign Expense Loan / Repay", kCampaignLoansReceived, kCash, kCash,
                      kCampaignLoansReceived, M::SettledRow, "D-5"),
            dedicated("Loans / Campaign Expense Loan / Accrue Interest", kCampaignLoansReceived, kCash,
                      kCampaignLoansReceived, kLoanInterest, M::SettledRow, "C-1"),
            dedicated("Loans / Non Campaign Expense Loan / Repay", kNonCampaignLoansReceived, kCash, kCash,
                      kNonCampaignLoansReceived, M::SettledRow, "D-5"),
            dedicated("Loans / Non Campaign Expense Loan / Accrue Interest", kNonCampaignLoansReceived, kCash,
                      kNonCampaignLoansReceived, kLoanInterest, M::SettledRow, "C-2"),
            // The repayment's pair is no kind of the generic window: it is edited in the general
            // transaction window.
            dedicated("Loans / Committee Loan / Receive Repayment", kCash, kLoansMade, kLoansMade, kCash, M::SettledRow,
                      "F-2"),
        };
        const struct {
            const char* menuPath;
            ContributorType type;
        } refunds[] = {
            {"Contributions From / Individual / Refund", ContributorType::Individual},
            {"Contributions From / Candidate/Family / Refund", ContributorType::CandidateFamily},
            {"Contributions From / Candidate Committee / Refund", ContributorType::CandidateCommittee},
            {"Contributions From / PAC / Refund", ContributorType::PAC},
            {"Contributions From / Party / Refund", ContributorType::Party},
            {"Contributions From / Partnership / Refund", ContributorType::Partnership},
            {"Contributions From / Corporation/LLC / Refund", ContributorType::CorporationLLC},
            {"Contributions From / Labor Organization / Refund", ContributorType::LaborOrganization},
        };
        for (const auto& r : refunds) {
            const int account = RefundContributorAccount(r.type);
            out.append(dedicated(r.menuPath, account, kCash, kCash, account, M::Itself, "F-4"));
        }
        const struct {
            const char* menuPath;
            RecipientCommittee type;
        } refundsFrom[] = {
            {"Contributions To / Candidate Committee / Refund From", RecipientCommittee::CandidateCommittee},
            {"Contributions To / PAC / Refund From", RecipientCommittee::PAC},
            {"Contributions To / Party / Refund From", RecipientCommittee::Party},
        };
        for (const auto& r : refundsFrom) {
            const int account = ContributionToAccount(r.type);
            out.append(dedicated(r.menuPath, kCash, account, account, kCash, M::Itself, ""));
        }
        out.append(dedicated("Expenditures / In-Kind Expenditure", kInKindReceived, kCash, kCash, kInKindExpended,
                             M::SettledRow, "E"));
        out.append(dedicated("Previous Committee / Set Previous Campaign Surplus", 0, 0, kPreviousSurplus, kCash,
                             M::Itself, "", "Previous surplus"));
        return out;
    }();
    return kinds;
}

const DedicatedKind* DedicatedKindByMenuPath(const QString& menuPath) {
    for (const DedicatedKind& d : DedicatedKinds()) {
        if (d.menuPath == menuPath) return &d;
    }
    return nullptr;
}

int RefundContributorAccount(ContributorType type) {
    switch (type) {
    case ContributorType::Individual: return kIndividualContributions;
    case ContributorType::CandidateFamily: return kCandidateFamilyContributions;
    case ContributorType::CandidateCommittee: return kCandidateCommitteeContributions;
    case ContributorType::PAC: return kPACContributions;
    case ContributorType::Party: return kPartyContributions;
    case ContributorType::Partnership: return kPartnershipContributions;
    case ContributorType::CorporationLLC: return kCorporationContributions;
    case ContributorType::LaborOrganization: return kLaborOrganizationContributions;
    }
    return 0;
}

int ContributionToAccount(RecipientCommittee type) {
    switch (type) {
    case RecipientCommittee::CandidateCommittee: return kToCandidateCommittees;
    case RecipientCommittee::PAC: return kToPACs;
    case RecipientCommittee::Party: return kToParties;
    }
    return 0;
}
