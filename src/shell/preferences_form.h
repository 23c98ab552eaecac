#pragma once

#include <QDialog>

class PrinterList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class TOptData;

// The "Preferences" window: shows the current values and stores them all on "OK".
class TPreferencesForm : public QDialog {
    Q_OBJECT
public:
    static inline const QString kDefaultPrinter = QStringLiteral("<Default Printer>");

    TPreferencesForm(TOptData& opt, const PrinterList& printers, QWidget* parent = nullptr);

    // Shows the window modally; true when the values were stored.
    static bool execute(TOptData& opt, const PrinterList& printers, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    QCheckBox* chkShowStatusBar() const { return chkShowStatusBar_; }
    QCheckBox* chkShowBalancesInLedger() const { return chkShowBalancesInLedger_; }
    QCheckBox* chkShowBalancesInAccounts() const { return chkShowBalancesInAccounts_; }
    QCheckBox* chkSounds() const { return chkSounds_; }
    QComboBox* cboPrinter() const { return cboPrinter_; }
    QCheckBox* chkShowSplash() const { return chkShowSplash_; }
    QCheckBox* chkRestoreWindows() const { return chkRestoreWindows_; }
    QCheckBox* chkDisableOverlimitWarning() const { return chkDisableOverlimitWarning_; }
    QCheckBox* chkDisablePeriodCheck() const { return chkDisablePeriodCheck_; }
    QCheckBox* chkDisableLimitViolationsCheck() const { return chkDisableLimitViolationsCheck_; }
    QLineEdit* edtFilingURL() const { return edtFilingURL_; }

    // Stores every value in the preferences (what "OK" does).
    void btnOKClick();

private:
    TOptData& opt_;
    QTabWidget* pages_ = nullptr;
    QCheckBox* chkShowStatusBar_ = nullptr;
    QCheckBox* chkShowBalancesInLedger_ = nullptr;
    QCheckBox* chkShowBalancesInAccounts_ = nullptr;
    QCheckBox* chkSounds_ = nullptr;
    QComboBox* cboPrinter_ = nullptr;
    QCheckBox* chkShowSplash_ = nullptr;
    QCheckBox* chkRestoreWindows_ = nullptr;
    QCheckBox* chkDisableOverlimitWarning_ = nullptr;
    QCheckBox* chkDisablePeriodCheck_ = nullptr;
    QCheckBox* chkDisableLimitViolationsCheck_ = nullptr;
    QLineEdit* edtFilingURL_ = nullptr;
};
