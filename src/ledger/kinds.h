#pragma once

#include <QChar>
#include <QFlags>
#include <QList>
#include <QString>
#include <optional>

// The chart of accounts and the catalogue of transaction kinds.
//
// Every transaction row moves AMOUNT from one account to another: DEBITACCOUNTID, shown as
// "From Account", is the account the money leaves; CREDITACCOUNTID, shown as "To Account", the
// account it enters. A contribution received is From 210 To 100 (cash), a payment out of cash is
// From 100. This is the reverse of textbook debit/credit usage, and every query, balance and
// report relies on it. The ordered (From, To) pair identifies the kind of a row; no two kinds
// share a pair.
//
// Windows, menus, registers and reports read the kinds from here instead of spelling accounts
// out themselves.

// The account numbers. They are fixed; the ACCOUNTS table names only 810 to 812, for the others
// the role below is what the program relies on.
namespace Account {
// Counter-account of a debt taken over from a previous committee (To side of kind 14); not a
// real account.
inline constexpr int kPreviousDebtCounterpart = 1;
// The committee's bank account: receipts go To it, payments come From it. In-kind contributions
// pass through it too (received To 100, expended From 100).
inline constexpr int kCash = 100;
inline constexpr int kSmallContributions = 200;          // aggregate small contributions
inline constexpr int kIndividualContributions = 210;     // from individuals
inline constexpr int kCandidateFamilyContributions = 211;  // from the candidate and family members
inline constexpr int kPACContributions = 220;            // from PACs
inline constexpr int kCandidateCommitteeContributions = 221;  // from candidate committees
inline constexpr int kPartyContributions = 222;          // from parties
inline constexpr int kPartnershipContributions = 223;    // from partnerships
inline constexpr int kCorporationContributions = 224;    // from corporations and LLCs
inline constexpr int kLaborOrganizationContributions = 225;  // from labor organizations
inline constexpr int kDividendsAndInterest = 230;        // dividends and interest received
inline constexpr int kOtherReceipts = 240;               // other (non-contribution) receipts
inline constexpr int kCampaignLoansReceived = 300;       // campaign expense loans received
inline constexpr int kNonCampaignLoansReceived = 310;    // non-campaign expense loans received
inline constexpr int kLoansMade = 320;                   // loans made by the committee
inline constexpr int kBills = 400;                       // operating expenses on credit
inline constexpr int kIndependentExpenditures = 410;
inline constexpr int kLoanInterest = 420;                // interest accrued on loans received
inline constexpr int kOtherDisbursements = 440;
inline constexpr int kSmallExpenditures = 450;           // aggregate small expenditures
inline constexpr int kBallotMeasureExpenditures = 460;
inline constexpr int kRecallElectionExpenditures = 461;
inline constexpr int kInKindReceived = 500;              // in-kind contributions received
inline constexpr int kInKindExpended = 510;              // in-kind contributions expended
inline constexpr int kTransfersToCommittees = 600;
inline constexpr int kTransfersFromCommittees = 610;
inline constexpr int kPreviousSurplus = 620;             // surplus carried over from a previous campaign
inline constexpr int kPreviousDebts = 630;               // debts transferred from a previous committee
inline constexpr int kAccountsPayable = 700;
inline constexpr int kRebatesAndRefunds = 710;           // rebates and refunds received
inline constexpr int kToCandidateCommittees = 810;       // contributions to candidate committees
inline constexpr int kToPACs = 811;                      // contributions to PACs
inline constexpr int kToParties = 812;                   // contributions to parties
}  // namespace Account

// ACCOUNTTYPEID of an account.
namespace AccountType {
inline constexpr int kBank = 1;
inline constexpr int kEquity = 2;
inline constexpr int kLiability = 3;
inline constexpr int kIncome = 4;
inline constexpr int kExpense = 5;
inline constexpr int kAccountsPayable = 6;
inline constexpr int kAccountsReceivable = 7;
}  // namespace AccountType

// Whether an account of this type has as its balance the money in minus the money out (rows
// where it is To, less rows where it is From): banks and expenses. Every other type's balance is
// the reverse.
bool BalanceIsMoneyInLessOut(int accountTypeId);

// One account of the chart with its role.
struct AccountInfo {
    int number = 0;
    QString role;
    QString fixedName;     // the ACCOUNTNAME the program itself writes; empty where the database decides
    int fixedType = 0;     // the ACCOUNTTYPEID the program itself writes; 0 where the database decides
};
// Every account number in use, in ascending order.
const QList<AccountInfo>& ChartOfAccounts();

// Who may be named on a row of a kind.
enum class NameTypeScope {
    None,    // no name field
    Listed,  // the name types listed in TransactionKind::nameTypes
    All,     // every type of the committee's names
};

// Extra groups of fields of the generic entry window. Name, date, amount and memo are always
// present.
enum class FieldGroup : unsigned {
    CheckNumber = 0x01,                 // K: "Check #" (REFNO)
    AdditionalInfo = 0x02,              // A: "Receipt #", "Batch #"
    EventInfo = 0x04,                   // V: "&Event", "Event Date"
    InKindInfo = 0x08,                  // I: "Expended Immediately"
    IndependentExpenditureInfo = 0x10,  // P: "&Advocacy", "Candidate"
    BallotMeasureInfo = 0x20,           // B: "&Advocacy", "Ballot Measure ID"
    AdvertisingInfo = 0x40,             // M: "Start Date", "End Date", "Media Type"
};
Q_DECLARE_FLAGS(FieldGroups, FieldGroup)
Q_DECLARE_OPERATORS_FOR_FLAGS(FieldGroups)

// The caption of a group's frame ("Additional Info" ...); empty for the check number, which has
// none.
QString FieldGroupCaption(FieldGroup group);

// One kind of the generic entry window (TMTypeTransactionForm): what the window shows and asks
// for, which accounts its rows use and where they are reported.
struct TransactionKind {
    int number = -1;
    QString title;                  // window title
    int fromAccount = 0;            // DEBITACCOUNTID of its rows
    int toAccount = 0;              // CREDITACCOUNTID of its rows
    NameTypeScope nameScope = NameTypeScope::None;
    QList<int> nameTypes;           // Listed: the types offered, in order; empty otherwise
    // The only type offered, or -1 (no particular type) when the kind offers several, all or
    // none; adding a missing name asks for the type only when this is -1.
    int singleNameType = -1;
    // No name field: the row is stored with NAMEID 0 and needs no name.
    bool nameHidden = false;
    QString nameCaption;            // "&From" unless the kind names it otherwise; empty when hidden
    QString dateCaption;            // "&Date", "&Date of Contribution" or "&Date of Expenditure"
    FieldGroups groups;
    QString instruction;            // the line shown above the fields; empty for most kinds
    bool memoRequired = false;      // "Memo is required"
    bool memoDisabled = false;      // the memo is shown but cannot be changed
    bool candidateRequired = false; // "Candidate must be specified" (when the candidate field shows)
    QChar newRowBenefit;            // BENEFIT preset on new rows; null when none
    // The Transactions menu path that opens the kind in new mode ("Contributions From /
    // Individual / Receive"); empty when its rows are only reached by editing one in a register.
    QString menuPath;
    QString schedule;               // the report schedule its rows feed ("A-2"); empty for none
    bool scheduleOnlyWhileUnpaid = false;  // bills: on their schedule only while not paid

    bool editOnly() const { return menuPath.isEmpty(); }
    bool hasGroup(FieldGroup group) const { return groups.testFlag(group); }
    // Whether names of this type may be chosen on the kind's rows.
    bool offersNameType(int nameTypeId) const;
    // The caption of the kind's single name type, "Name" when it has none (the add-a-name prompt).
    QString nameTypeCaption() const;
};

// Kinds are numbered 0 to 48.
inline constexpr int kKindCount = 49;

// All kinds, indexed by number.
const QList<TransactionKind>& TransactionKinds();
bool IsKindNumber(int number);
// The kind with this number; throws std::out_of_range for a number outside 0..48.
const TransactionKind& KindByNumber(int number);
// The kind whose (From, To) pair this is; none for a pair that no kind of the generic window
// uses (such a row is edited in the general transaction window).
std::optional<int> KindForAccounts(int fromAccount, int toAccount);

// The caption of a name type 1..11; "Name" for -1 (no particular type).
QString NameTypeCaption(int nameTypeId);

// How a row posted by a dedicated window fills MASTERTRANSID.
enum class MasterLink {
    SettledRow,  // the TRANSID of the row listed and settled (bill, debt, loan, in-kind contribution)
    Itself,      // its own TRANSID
};

// A pair produced by a window of its own rather than by the generic entry window.
struct DedicatedKind {
    QString menuPath;     // under the Transactions menu
    int listedFrom = 0;   // the pair of the rows the window lists to choose from;
    int listedTo = 0;     // both 0 when it lists none
    int postedFrom = 0;   // the pair of the row it posts
    int postedTo = 0;
    MasterLink master = MasterLink::Itself;
    QString memo;         // the memo every posted row carries; empty when the user writes it
    QString schedule;     // the report schedule of the posted rows; empty for none

    bool listsRows() const { return listedFrom != 0 || listedTo != 0; }
};
// Every dedicated operation; the refund commands appear once per contributor or committee type.
const QList<DedicatedKind>& DedicatedKinds();
// The operation with this menu path, or null.
const DedicatedKind* DedicatedKindByMenuPath(const QString& menuPath);

// Contributor types of the "Contributions From" refund commands.
enum class ContributorType {
    Individual,
    CandidateFamily,
    CandidateCommittee,
    PAC,
    Party,
    Partnership,
    CorporationLLC,
    LaborOrganization,
};
// The income account a refund to this contributor type reverses (210 ... 225).
int RefundContributorAccount(ContributorType type);

// Committee types of the "Contributions To" commands.
enum class RecipientCommittee { CandidateCommittee, PAC, Party };
// The account of contributions made to this committee type (810, 811, 812).
int ContributionToAccount(RecipientCommittee type);
