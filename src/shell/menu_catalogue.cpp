#include "shell/menu_catalogue.h"

#include <QHash>

namespace {

enum : int { T0 = MenuEntry::Always, T1 = MenuEntry::CommitteeOpen, T2 = MenuEntry::Disabled };
constexpr bool kHidden = true;

struct Row {
    const char* id;
    const char* parent;
    const char* caption;
    int tag = T0;
    bool hidden = false;
    const char* shortcut = "";
    const char* hint = "";
    int kind = -1;
    const char* emptyMessage = "";
};

// clang-format off
const Row kRows[] = {
    {"file", "", "&File"},
    {"file.newCommittee", "file", "&New Committee"},
    {"file.openCommittee", "file", "&Open Committee"},
    {"file.deleteCommittee", "file", "&Delete Committee"},
    {"file.committeeProperties", "file", "Co&mmittee Properties", T1},
    {"file.actions", "file", "Committee &Actions", T1},
    {"file.actions.export", "file.actions", "E&xport"},
    {"file.actions.export.names", "file.actions.export", "Names", T1, false, "", "Export All Data from Database"},
    {"file.actions.export.contributorsWithTotals", "file.actions.export", "Contributors with Totals"},
    {"file.actions.export.filtered", "file.actions.export", "Filtered"},
    {"file.actions.export.fiveDollar", "file.actions.export", "$5 Contributions", T0, kHidden},
    {"file.actions.import", "file.actions", "I&mport"},
    {"file.actions.import.names", "file.actions.import", "&Import Names", T1, false, "", "Import Data Into Database"},
    {"file.actions.import.fiveDollar", "file.actions.import", "Import $5 &Contributions", T0, kHidden},
    {"file.actions.correctFilerId", "file.actions", "Correct &Filer ID"},
    {"file.actions.clearTransactions", "file.actions", "Clear All &Transactions"},
    {"file.actions.clearNamesAndTransactions", "file.actions", "Clear All Names && Transactions"},
    {"file.actions.terminate", "file.actions", "&Terminate", T1, kHidden},
    {"file.actions.clearTriggers", "file.actions", "Clear Triggers", T0, kHidden},
    {"file.actions.convertExploratory", "file.actions", "Convert Exploratory to Candidate Committee", T2, kHidden},
    {"file.actions.limitCheck", "file.actions", "Trigger and Limit Check"},
    {"file.setCurrentPeriod", "file", "&Set current period ..."},
    {"file.preferences", "file", "&Preferences"},
    {"file.database", "file", "Data&base"},
    {"file.database.backup", "file.database", "&Backup ..."},
    {"file.database.restore", "file.database", "&Restore ..."},
    {"file.exit", "file", "E&xit", T0, false, "Alt+F4"},

    {"lists", "", "&Lists", T1},
    {"lists.accounts", "lists", "&Accounts", T1},
    {"lists.names", "lists", "&Names", T1},
    {"lists.campaignLimits", "lists", "&Campaign Limits"},

    {"transactions", "", "&Transactions", T1},
    {"transactions.previous", "transactions", "&Previous Committee"},
    {"transactions.previous.setSurplus", "transactions.previous", "Set Previous Campaign &Surplus"},
    {"transactions.previous.enterDebts", "transactions.previous", "&Enter Previous Debt(s)", T0, false, "", "", 14},
    {"transactions.previous.payDebts", "transactions.previous", "&Pay on Previous Debt(s)", T0, false, "", "", -1,
     "There are no outstanding expenses."},
    {"transactions.contributionsFrom", "transactions", "&Contributions From"},
    {"transactions.contributionsFrom.individual", "transactions.contributionsFrom", "Individual"},
    {"transactions.contributionsFrom.individual.receive", "transactions.contributionsFrom.individual", "Receive",
     T0, false, "", "", 0},
    {"transactions.contributionsFrom.individual.refund", "transactions.contributionsFrom.individual", "Refund",
     T0, false, "", "", -1, "There are no outstanding individual contributions."},
    {"transactions.contributionsFrom.candidateFamily", "transactions.contributionsFrom", "Candidate/Family"},
    {"transactions.contributionsFrom.candidateFamily.receive", "transactions.contributionsFrom.candidateFamily",
     "Receive", T0, false, "", "", 30},
    {"transactions.contributionsFrom.candidateFamily.refund", "transactions.contributionsFrom.candidateFamily",
     "Refund", T0, false, "", "", -1, "There are no outstanding individual contributions."},
    {"transactions.contributionsFrom.candidateCommittee", "transactions.contributionsFrom", "Candidate Committee"},
    {"transactions.contributionsFrom.candidateCommittee.receive", "transactions.contributionsFrom.candidateCommittee",
     "Receive", T0, false, "", "", 28},
    {"transactions.contributionsFrom.candidateCommittee.refund", "transactions.contributionsFrom.candidateCommittee",
     "Refund", T0, false, "", "", -1, "There are no outstanding CandidateCommittee contributions."},
    {"transactions.contributionsFrom.pac", "transactions.contributionsFrom", "PAC"},
    {"transactions.contributionsFrom.pac.receive", "transactions.contributionsFrom.pac", "Receive",
     T0, false, "", "", 3},
    {"transactions.contributionsFrom.pac.refund", "transactions.contributionsFrom.pac", "Refund",
     T0, false, "", "", -1, "There are no outstanding committee Contributionss."},
    {"transactions.contributionsFrom.party", "transactions.contributionsFrom", "Party"},
    {"transactions.contributionsFrom.party.receive", "transactions.contributionsFrom.party", "Receive",
     T0, false, "", "", 32},
    {"transactions.contributionsFrom.party.refund", "transactions.contributionsFrom.party", "Refund",
     T0, false, "", "", -1, "There are no outstanding Party contributions."},
    {"transactions.contributionsFrom.partnership", "transactions.contributionsFrom", "Partnership"},
    {"transactions.contributionsFrom.partnership.receive", "transactions.contributionsFrom.partnership", "Receive",
     T0, false, "", "", 34},
    {"transactions.contributionsFrom.partnership.refund", "transactions.contributionsFrom.partnership", "Refund",
     T0, false, "", "", -1, "There are no outstanding Partnership contributions."},
    {"transactions.contributionsFrom.corporation", "transactions.contributionsFrom", "Corporation/LLC"},
    {"transactions.contributionsFrom.corporation.receive", "transactions.contributionsFrom.corporation", "Receive",
     T0, false, "", "", 36},
    {"transactions.contributionsFrom.corporation.refund", "transactions.contributionsFrom.corporation", "Refund",
     T0, false, "", "", -1, "There are no outstanding Corporation/LLC contributions."},
    {"transactions.contributionsFrom.labor", "transactions.contributionsFrom", "Labor Organization"},
    {"transactions.contributionsFrom.labor.receive", "transactions.contributionsFrom.labor", "Receive",
     T0, false, "", "", 38},
    {"transactions.contributionsFrom.labor.refund", "transactions.contributionsFrom.labor", "Refund",
     T0, false, "", "", -1, "There are no outstanding labor organization contributions."},
    {"transactions.contributionsFrom.small", "transactions.contributionsFrom", "&Small (Aggregate $100 or less)",
     T0, false, "", "", 2},
    {"transactions.contributionsFrom.inKind", "transactions.contributionsFrom", "In-&Kind Contribution",
     T0, false, "", "", 5},
    {"transactions.contributionsTo", "transactions", "Contributions To"},
    {"transactions.contributionsTo.contributeTo", "transactions.contributionsTo", "&Contribute to ...",
     T0, kHidden, "", "", 18},
    {"transactions.contributionsTo.candidateCommittee", "transactions.contributionsTo", "Candidate Committee"},
    {"transactions.contributionsTo.candidateCommittee.contribute", "transactions.contributionsTo.candidateCommittee",
     "Contribute To", T0, false, "", "", 42},
    {"transactions.contributionsTo.candidateCommittee.refund", "transactions.contributionsTo.candidateCommittee",
     "Refund From", T0, false, "", "", -1, "There are no outstanding candidate committee contributions."},
    {"transactions.contributionsTo.pac", "transactions.contributionsTo", "PAC"},
    {"transactions.contributionsTo.pac.contribute", "transactions.contributionsTo.pac", "Contribute To",
     T0, false, "", "", 44},
    {"transactions.contributionsTo.pac.refund", "transactions.contributionsTo.pac", "Refund From",
     T0, false, "", "", -1, "There are no outstanding PAC contributions."},
    {"transactions.contributionsTo.party", "transactions.contributionsTo", "Party"},
    {"transactions.contributionsTo.party.contribute", "transactions.contributionsTo.party", "Contribute To",
     T0, false, "", "", 46},
    {"transactions.contributionsTo.party.refund", "transactions.contributionsTo.party", "Refund From",
     T0, false, "", "", -1, "There are no outstanding party contributions."},
    {"transactions.expenditures", "transactions", "&Expenditures"},
    {"transactions.expenditures.cashOperating", "transactions.expenditures", "Cash Operating Expense",
     T0, false, "", "", 27},
    {"transactions.expenditures.creditOperating", "transactions.expenditures", "Operating Expense on Credit",
     T0, false, "", "", 21},
    {"transactions.expenditures.payBill", "transactions.expenditures", "&Pay Bill",
     T0, false, "", "", -1, "There are no outstanding expenses."},
    {"transactions.expenditures.vendorCredit", "transactions.expenditures", "Receive &Credit from Vendor",
     T0, false, "", "", -1, "There are no expenses."},
    {"transactions.expenditures.rebates", "transactions.expenditures", "&Receive Rebates or Refunds",
     T0, false, "", "", 16},
    {"transactions.expenditures.inKind", "transactions.expenditures", "In-&Kind Expenditure",
     T0, false, "", "", -1, "There are no outstanding In-Kind contributions."},
    {"transactions.expenditures.small", "transactions.expenditures", "Small Expenditures", T0, false, "", "", 48},
    {"transactions.expenditures.independent", "transactions.expenditures", "In&dependent Expenditure",
     T0, false, "", "", 7},
    {"transactions.expenditures.ballotMeasure", "transactions.expenditures", "Ballot Measure Expenditure",
     T0, false, "", "", 40},
    {"transactions.expenditures.recall", "transactions.expenditures", "Recall Election Expenditure",
     T0, false, "", "", 41},
    {"transactions.loans", "transactions", "&Loans"},
    {"transactions.loans.campaign", "transactions.loans", "&Campaign Expense Loan"},
    {"transactions.loans.campaign.receive", "transactions.loans.campaign", "&Receive", T0, false, "", "", 8},
    {"transactions.loans.campaign.repay", "transactions.loans.campaign", "Re&pay",
     T0, false, "", "", -1, "There are no outstanding Campaign Expense Loans."},
    {"transactions.loans.campaign.accrueInterest", "transactions.loans.campaign", "&Accrue Interest",
     T0, false, "", "", -1, "There are no Campaign Expense Loans."},
    {"transactions.loans.nonCampaign", "transactions.loans", "&Non Campaign Expense Loan"},
    {"transactions.loans.nonCampaign.receive", "transactions.loans.nonCampaign", "&Receive", T0, false, "", "", 11},
    {"transactions.loans.nonCampaign.repay", "transactions.loans.nonCampaign", "Re&pay",
     T0, false, "", "", -1, "There are no outstanding Non Campaign Expense Loans."},
    {"transactions.loans.nonCampaign.accrueInterest", "transactions.loans.nonCampaign", "&Accrue Interest",
     T0, false, "", "", -1, "There are no Non Campaign Expense Loans."},
    {"transactions.loans.committee", "transactions.loans", "Committee Loan"},
    {"transactions.loans.committee.makeLoan", "transactions.loans.committee", "&Make Loan", T0, false, "", "", 20},
    {"transactions.loans.committee.receiveRepayment", "transactions.loans.committee", "Receive Repayment",
     T0, false, "", "", -1, "There are no outstanding committee loans made."},
    {"transactions.transfers", "transactions", "&Transfers"},
    {"transactions.transfers.from", "transactions.transfers", "&From Another Committee ID", T0, false, "", "", 24},
    {"transactions.transfers.to", "transactions.transfers", "&To Another Committee ID", T0, false, "", "", 25},
    {"transactions.other", "transactions", "&Other"},
    {"transactions.other.nonContributionReceipts", "transactions.other", "Non-Contribution Receipts",
     T0, false, "", "", 26},
    {"transactions.other.disbursements", "transactions.other", "&Disbursements", T0, false, "", "", 18},
    {"transactions.interest", "transactions", "&Interest", T0, false, "", "", 17},

    {"reports", "", "&Reports", T1},
    {"reports.statementOfOrganization", "reports", "&Statement of Organization"},
    {"reports.namesReport", "reports", "&Names Report", T0, kHidden},
    {"reports.namesFind", "reports", "Names &Find", T0, kHidden},
    {"reports.reportForFiling", "reports", "&Report for Filing"},

    {"window", "", "&Window"},
    {"window.cascade", "window", "&Cascade"},
    {"window.tile", "window", "&Tile"},
    {"window.arrangeIcons", "window", "Arrange &Icons"},
    {"window.closeAll", "window", "Close &All"},

    {"online", "", "&Online"},
    {"online.webSite", "online", "&Quorvane Web Site"},
    {"online.checkForUpdate", "online", "Check for &Update"},

    {"help", "", "&Help"},
    {"help.contents", "help", "&Contents", T0, kHidden},
    {"help.search", "help", "&Search for Help On...", T0, kHidden},
    {"help.howToUse", "help", "&How to Use Help", T0, kHidden},
    {"help.handbook", "help", "&Online Handbook"},
    {"help.about", "help", "&About..."},
};
// clang-format on

struct Catalogue {
    std::vector<MenuEntry> entries;
    QHash<QString, int> index;
    QHash<QString, int> childCount;
};

const Catalogue& catalogue() {
    static const Catalogue c = [] {
        Catalogue out;
        for (const Row& r : kRows) {
            MenuEntry e;
            e.id = QString::fromLatin1(r.id);
            e.parentId = QString::fromLatin1(r.parent);
            e.caption = QString::fromUtf8(r.caption);
            e.tag = r.tag;
            e.hidden = r.hidden;
            e.shortcut = QString::fromLatin1(r.shortcut);
            e.hint = QString::fromUtf8(r.hint);
            e.kind = r.kind;
            e.emptyMessage = QString::fromUtf8(r.emptyMessage);
            // Each parent comes before its children; a slip here is a fault of the table.
            Q_ASSERT(e.parentId.isEmpty() || out.index.contains(e.parentId));
            Q_ASSERT(!out.index.contains(e.id));
            out.index.insert(e.id, int(out.entries.size()));
            if (!e.parentId.isEmpty()) out.childCount[e.parentId] += 1;
            out.entries.push_back(e);
        }
        return out;
    }();
    return c;
}

}  // namespace

const std::vector<MenuEntry>& MenuCatalogue::entries() { return catalogue().entries; }

const MenuEntry* MenuCatalogue::find(const QString& id) {
    const Catalogue& c = catalogue();
    const auto it = c.index.constFind(id);
    return it == c.index.constEnd() ? nullptr : &c.entries[size_t(*it)];
}

int MenuCatalogue::depth(const MenuEntry& entry) {
    int d = 0;
    for (const MenuEntry* e = &entry; !e->parentId.isEmpty(); e = find(e->parentId)) ++d;
    return d;
}

bool MenuCatalogue::hasChildren(const QString& id) { return catalogue().childCount.value(id) > 0; }

std::optional<bool> MenuCatalogue::availability(const MenuEntry& entry, MenuRule rule) {
    const int d = depth(entry);
    if (rule == MenuRule::CommitteeOpened) {
        if (d == 0) return entry.tag == MenuEntry::CommitteeOpen ? std::optional<bool>(true) : std::nullopt;
        if (entry.tag == MenuEntry::CommitteeOpen) return true;
        if (entry.tag == MenuEntry::Disabled) return false;
        return std::nullopt;
    }
    // Deeper entries keep their state: they cannot be reached while an ancestor is disabled.
    if (d <= 1 && entry.tag > MenuEntry::Always) return false;
    return std::nullopt;
}
