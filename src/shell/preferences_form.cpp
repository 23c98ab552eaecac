#include "shell/preferences_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/printer_list.h"
#include "shell/opt_data.h"

namespace {
QCheckBox* checkBox(const QString& caption, bool checked, const QString& hint, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setChecked(checked);
    if (!hint.isEmpty()) {
        c->setToolTip(hint);
        c->setStatusTip(hint);
    }
    return c;
}

QWidget* page(const QList<QWidget*>& widgets) {
    auto* w = new QWidget;
    auto* layout = new QVBoxLayout(w);
    for (QWidget* c : widgets) layout->addWidget(c);
    layout->addStretch(1);
    return w;
}
}  // namespace

TPreferencesForm::TPreferencesForm(TOptData& opt, const PrinterList& printers, QWidget* parent)
    : QDialog(parent), opt_(opt) {
    setObjectName(QStringLiteral("PreferencesForm"));
    setWindowTitle(QStringLiteral("Preferences"));
    pages_ = new QTabWidget(this);

    chkShowStatusBar_ = checkBox(QStringLiteral("Show St&atus Bar"), opt.showStatusBar(),
                                 QStringLiteral("Display Status Bar"), this);
    chkShowBalancesInLedger_ =
        checkBox(QStringLiteral("Show Balances in Transaction Lists"), opt.showBalancesInLedger(), {}, this);
    chkShowBalancesInAccounts_ =
        checkBox(QStringLiteral("Show Balances in Account Lists"), opt.showBalancesInAccounts(), {}, this);
    chkSounds_ = checkBox(QStringLiteral("Confirmation Sounds"), opt.Sounds, {}, this);
    pages_->addTab(page({chkShowStatusBar_, chkShowBalancesInLedger_, chkShowBalancesInAccounts_, chkSounds_}),
                   QStringLiteral("&General"));

    cboPrinter_ = new QComboBox(this);
    cboPrinter_->addItem(kDefaultPrinter);
    const QStringList installed = printers.installedPrinters();
    cboPrinter_->addItems(installed);
    const int index = opt.Printer.isEmpty() ? 0 : int(installed.indexOf(opt.Printer)) + 1;
    cboPrinter_->setCurrentIndex(qMax(0, index));
    cboPrinter_->setEnabled(!installed.isEmpty());
    auto* lblPrinter = new QLabel(QStringLiteral("Default Prin&ter"), this);
    lblPrinter->setBuddy(cboPrinter_);
    pages_->addTab(page({lblPrinter, cboPrinter_}), QStringLiteral("&Printers"));

    chkShowSplash_ = checkBox(QStringLiteral("&Show Splash Screen"), opt.ShowSplash,
                              QStringLiteral("Show Splash Screen when program starts"), this);
    chkRestoreWindows_ =
        checkBox(QStringLiteral("&Restore size and position of windows"), opt.RestoreWindows,
                 QStringLiteral("Restore the size and position of all windows when program starts"), this);
    pages_->addTab(page({chkShowSplash_, chkRestoreWindows_}), QStringLiteral("&Startup"));

    chkDisableOverlimitWarning_ = checkBox(QStringLiteral("Disable warning if transaction will go over limit"),
                                           opt.DisableOverlimitWarning, {}, this);
    chkDisablePeriodCheck_ =
        checkBox(QStringLiteral("Disable period check on transaction entry"), opt.DisablePeriodCheck, {}, this);
    chkDisableLimitViolationsCheck_ = checkBox(QStringLiteral("Disable campaign limit violations check on exit"),
                                               opt.DisableLimitViolationsCheck, {}, this);
    pages_->addTab(page({chkDisableOverlimitWarning_, chkDisablePeriodCheck_, chkDisableLimitViolationsCheck_}),
                   QStringLiteral("&Warnings"));

    edtFilingURL_ = new QLineEdit(opt.FilingURL, this);
    auto* lblUrl = new QLabel(QStringLiteral("Electronic Filing URL"), this);
    lblUrl->setBuddy(edtFilingURL_);
    pages_->addTab(page({lblUrl, edtFilingURL_}), QStringLiteral("Internet"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        btnOKClick();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
    resize(440, 300);
}

void TPreferencesForm::btnOKClick() {
    opt_.setShowStatusBar(chkShowStatusBar_->isChecked());
    opt_.setShowBalancesInLedger(chkShowBalancesInLedger_->isChecked());
    opt_.setShowBalancesInAccounts(chkShowBalancesInAccounts_->isChecked());
    opt_.Sounds = chkSounds_->isChecked();
    if (cboPrinter_->isEnabled()) opt_.Printer = cboPrinter_->currentIndex() <= 0 ? QString() : cboPrinter_->currentText();
    opt_.ShowSplash = chkShowSplash_->isChecked();
    opt_.RestoreWindows = chkRestoreWindows_->isChecked();
    opt_.DisableOverlimitWarning = chkDisableOverlimitWarning_->isChecked();
    opt_.DisablePeriodCheck = chkDisablePeriodCheck_->isChecked();
    opt_.DisableLimitViolationsCheck = chkDisableLimitViolationsCheck_->isChecked();
    opt_.FilingURL = edtFilingURL_->text();
}

bool TPreferencesForm::execute(TOptData& opt, const PrinterList& printers, QWidget* parent) {
    TPreferencesForm form(opt, printers, parent);
    return form.exec() == QDialog::Accepted;
}
