#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <functional>

#include "store/currency.h"

class Tdm;

// Contribution caps of the statutes and the checks of contributors against them. Every routine
// works on the open committee (Tdm::currentFilerId()) and the current cycle of the preferences,
// and reads the database afresh. Database failures throw DbError.

// The CONTRIBUTIONTYPE of the LIMITS row each contributor class is checked against.
constexpr int kIndividualContributionType = 1;
constexpr int kPACContributionType = 2;
constexpr int kSuperPACContributionType = 3;

enum class ContributorClass {
    Individual,  // NAMETYPEID 1, USER4 not "FAM"; accounts 210 and 500
    PAC,         // NAMETYPEID 2, USER4 not "SPAC"; accounts 220 and 500
    SuperPAC,    // NAMETYPEID 2, USER4 "SPAC"; accounts 220 and 500
};

// Which column of LIMITS applies to the committee's office.
enum class OfficeLevel { Other, Local, Statewide, Legislative };

// 1000-1999 local, 2000-2999 statewide, 3000-3999 legislative, anything else (0 for none) other.
OfficeLevel OfficeLevelOf(int candOfficeId);

// What the checks need of the open committee's ORGS row; zeros when no committee is open.
struct LimitCommittee {
    int committeeTypeId = 0;
    int candYear = 0;      // 0: empty
    int candOfficeId = 0;  // 0: empty
    bool cleanElections = false;  // CECDATE is set
};
LimitCommittee ReadLimitCommittee(Tdm& dm);

// First day of the limit window for the current cycle; an invalid date when the cycle the
// window starts in has no periods (then nothing bounds the window from below).
QDate LimitWindowStart(Tdm& dm, int currentCycle);
// The day after the last period of the current cycle; invalid when the cycle has no periods
// (then nothing is counted). Transactions count when start <= TRANSDATE < end.
QDate LimitWindowEnd(Tdm& dm, int currentCycle);

// The cap for a cycle, contribution type, clean-elections participation and office level;
// 0 when the row or the column is missing.
Currency LimitAmount(Tdm& dm, int cycle, int contributionType, bool cleanElections, OfficeLevel level);

// Whether the contributor stays within the cap once `amountToAdd` is added to what the committee
// received from them (less refunds) in the limit window. When not, `excess` (if given) receives
// the amount over the cap; otherwise 0.
bool CheckIndividualLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess = nullptr);
bool CheckPACLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess = nullptr);
bool CheckSuperPACLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess = nullptr);
// A committee contributor: a super PAC when its USER4 is "SPAC", otherwise a PAC.
bool CheckCommitteeLimit(Tdm& dm, int nameId, Currency amountToAdd, Currency* excess = nullptr);

// Whether entered contributions are checked against the caps: candidate committees only, unless
// the preference DisableOverlimitWarning is set.
bool OverlimitWarningApplies(Tdm& dm);

// The report callback of the committee-wide check: kind kLimitLogLine appends `text` as a log
// line in `colour` (an empty text appends an empty line), kind kLimitStatusLine shows it as the
// status line (an empty text clears it).
constexpr int kLimitLogLine = 1;
constexpr int kLimitStatusLine = 2;
using LimitReport = std::function<void(int kind, const QColor& colour, const QString& text)>;

// Checks every individual, PAC and super PAC with a transaction in the limit window; true when
// any of them is over the cap.
bool CheckLimitViolations(Tdm& dm, const LimitReport& report);
