#include "shell/committee_commands_ui.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include "committee/committee_info_form.h"
#include "committee/committee_record.h"
#include "exchange/backup.h"
#include "platform/prompter.h"
#include "shell/committee_select_form.h"
#include "shell/correct_filer_id_form.h"
#include "shell/file_dialogs.h"
#include "shell/main_form.h"
#include "shell/opt_data.h"
#include "shell/period_select_form.h"
#include "shell/progress_form.h"
#include "store/db_error.h"
#include "store/helpers.h"
#include "store/tdm.h"

namespace {
const QString kCorrectFilerId = QStringLiteral("file.actions.correctFilerId");
const QString kClearTransactions = QStringLiteral("file.actions.clearTransactions");
const QString kClearNamesAndTransactions = QStringLiteral("file.actions.clearNamesAndTransactions");

// The "Status" window for the length of one backup or restore: the operation's caption as its
// title, the step as its message line. It keeps the person out of the other windows while the
// work lets events run for repainting.
class ProgressWindow : public ProgressSink {
public:
    explicit ProgressWindow(QWidget* parent) : parent_(parent) {}
    ~ProgressWindow() override { finish(); }

    void setCaption(const QString& caption) override { window()->setWindowTitle(caption); }
    void setStep(const QString& step) override { window()->setMessage(step); }
    void setPosition(int percent) override { window()->setPosition(percent); }
    void finish() override {
        if (form_) delete form_.data();
    }

private:
    TProgressForm* window() {
        if (!form_) {
            form_ = new TProgressForm(parent_);
            form_->setWindowModality(Qt::ApplicationModal);
            form_->show();
        }
        return form_.data();
    }

    QWidget* parent_;
    QPointer<TProgressForm> form_;
};
}  // namespace

TCommitteeCommands::TCommitteeCommands(TMainForm& form, Tdm& dm) : QObject(&form), form_(form), dm_(dm) {
    setObjectName(QStringLiteral("CommitteeCommands"));
}

// --- CommitteeFrame ------------------------------------------------------------------------------

bool TCommitteeCommands::openCommitteeByFilerId(const QString& filerId) {
    return form_.openCommitteeByFilerId(filerId);
}

void TCommitteeCommands::enterNoCommitteeState() { form_.enterNoCommitteeState(); }

void TCommitteeCommands::reopenChildWindows() { form_.reopenChildWindows(); }

// --- Committees ----------------------------------------------------------------------------------

void TCommitteeCommands::newCommittee() {
    if (!form_.childWindows().isEmpty() &&
        !dm_.prompter().confirm(CommitteeText::kChangeClosesWindows, Prompter::Buttons::OkCancel,
                                Prompter::Kind::Confirmation))
        return;
    form_.closeAllChildWindows();
    CommitteeTable& orgs = form_.committees();
    // The table remembers where it stood and goes back there when the new record is dropped.
    orgs.append();
    bool stored = false;
    try {
        stored = TCommitteeInfoForm::execute(dm_, orgs, &form_);
    } catch (...) {
        orgs.cancel();
        throw;
    }
    if (!stored) {
        orgs.cancel();
        return;
    }
    if (openCommitteeByFilerId(orgs.filerId())) reopenChildWindows();
}

void TCommitteeCommands::openCommittee() {
    CommitteeTable& orgs = form_.committees();
    if (orgs.isEmpty()) {
        if (dm_.prompter().confirm(CommitteeText::kCreateOne, Prompter::Buttons::YesNo, Prompter::Kind::Information))
            newCommittee();
        return;
    }
    form_.saveChildWindows();
    form_.closeAllChildWindows();
    QString filerId;
    QString name;
    if (!TCommitteeSelectForm::choose(dm_, dm_.currentFilerId(), &form_, &filerId, &name)) return;
    // The list is read from the database; a committee added since start-up is not in the table yet.
    if (!orgs.contains(filerId)) orgs.reload();
    if (openCommitteeByFilerId(filerId)) reopenChildWindows();
}

void TCommitteeCommands::deleteCommittee() {
    CommitteeTable& orgs = form_.committees();
    Prompter& prompter = dm_.prompter();
    if (orgs.isEmpty()) {
        prompter.information(CommitteeText::kNoOrganizations);
        return;
    }
    if (!form_.childWindows().isEmpty() &&
        !prompter.confirm(CommitteeText::kDeleteClosesWindows, Prompter::Buttons::OkCancel,
                          Prompter::Kind::Confirmation))
        return;
    form_.saveChildWindows();
    form_.closeAllChildWindows();
    QString filerId;
    QString name;
    if (TCommitteeSelectForm::choose(dm_, dm_.currentFilerId(), &form_, &filerId, &name) &&
        prompter.confirm(CommitteeText::kDeleteSure, Prompter::Buttons::YesNo, Prompter::Kind::Confirmation)) {
        if (filerId == dm_.currentFilerId()) enterNoCommitteeState();
        // The table keeps standing on the open committee, if one is still open.
        if (DeleteCommitteeData(dm_, filerId, name)) orgs.reload();
    }
    form_.resetCaption();
}

void TCommitteeCommands::committeeProperties() {
    if (!form_.committeeOpen()) return;
    CommitteeTable& orgs = form_.committees();
    if (!orgs.locate(dm_.currentFilerId())) return;
    TCommitteeInfoForm::execute(dm_, orgs, &form_);
    // The committee type may have changed.
    form_.applyMenuRule(MenuRule::CommitteeOpened);
    form_.resetCaption();
}

void TCommitteeCommands::setCurrentPeriod() {
    TOptData& opt = dm_.opt();
    int cycle = 0;
    int period = 0;
    if (!TPeriodSelectForm::choose(dm_, opt.CurrentCycle, opt.CurrentPeriod, &form_, &cycle, &period)) return;
    QCoreApplication::processEvents();
    opt.CurrentCycle = cycle;
    opt.CurrentPeriod = period;
    form_.showCurrentPeriod();
}

void TCommitteeCommands::correctFilerId() {
    if (!form_.committeeOpen()) return;
    Prompter& prompter = dm_.prompter();
    for (;;) {
        QString filerId;
        if (!TCorrectFilerIdForm::ask(prompter, &form_, &filerId)) return;
        filerId = filerId.trimmed();
        if (filerId.isEmpty()) {
            prompter.warning(CommitteeText::kFilerIdRequired);
            continue;
        }
        if (FilerIDExists(dm_, filerId)) {
            prompter.warning(CommitteeText::filerIdExists(filerId));
            continue;
        }
        if (ChangeFilerId(dm_, *this, filerId)) return;
    }
}

void TCommitteeCommands::repairFilerId() { RepairFilerId(dm_, *this); }

void TCommitteeCommands::clear(ClearScope scope) {
    if (!form_.committeeOpen()) return;
    ClearCommitteeData(dm_, scope, [this] { return form_.runBackup(); });
}

// --- Backup and restore --------------------------------------------------------------------------

bool TCommitteeCommands::backup() {
    const TOptData& opt = dm_.opt();
    QString start = opt.BackupFile.isEmpty() ? BackupFormat::kDefaultBackupFile : opt.BackupFile;
    QString path;
    for (;;) {
        path = FileDialogs::getSaveFileName(&form_, BackupFormat::kBackupDialogTitle, start, BackupFormat::kFileFilter,
                                            BackupFormat::kDefaultExtension);
        if (path.isEmpty()) return false;
        if (!QFileInfo::exists(path) || dm_.prompter().confirm(BackupFormat::kOverwriteQuestion)) break;
        start = path;
    }
    ProgressWindow progress(&form_);
    return WriteBackupFile(dm_, path, &progress);
}

void TCommitteeCommands::restore() {
    if (!ConfirmRestore(dm_.prompter())) return;
    const TOptData& opt = dm_.opt();
    const QString start = opt.BackupFile.isEmpty() ? BackupFormat::kDefaultRestoreFile : opt.BackupFile;
    const QString path =
        FileDialogs::getOpenFileName(&form_, BackupFormat::kRestoreDialogTitle, start, BackupFormat::kFileFilter);
    if (path.isEmpty()) return;
    bool closed = false;
    {
        ProgressWindow progress(&form_);
        RestoreBackupFile(dm_, path, &progress, [this, &closed] {
            closed = true;
            enterNoCommitteeState();
        });
    }
    // A file refused before anything changed leaves the open committee as it was.
    if (!closed) return;
    CommitteeTable& orgs = form_.committees();
    orgs.reload();
    if (orgs.count() == 1) {
        orgs.setPosition(0);
        openCommitteeByFilerId(orgs.filerId());
    }
}

// --- Attaching -----------------------------------------------------------------------------------

TCommitteeCommands* RegisterCommitteeCommands(TMainForm& form, Tdm& dm) {
    auto* c = new TCommitteeCommands(form, dm);
    form.setCommandHandler(MenuId::kNewCommittee, [c] { c->newCommittee(); });
    form.setCommandHandler(MenuId::kOpenCommittee, [c] { c->openCommittee(); });
    form.setCommandHandler(MenuId::kDeleteCommittee, [c] { c->deleteCommittee(); });
    form.setCommandHandler(MenuId::kCommitteeProperties, [c] { c->committeeProperties(); });
    form.setCommandHandler(MenuId::kSetCurrentPeriod, [c] { c->setCurrentPeriod(); });
    form.setCommandHandler(kCorrectFilerId, [c] { c->correctFilerId(); });
    form.setCommandHandler(kClearTransactions, [c] { c->clear(ClearScope::Transactions); });
    form.setCommandHandler(kClearNamesAndTransactions, [c] { c->clear(ClearScope::NamesAndTransactions); });
    form.setCommandHandler(MenuId::kRestore, [c] { c->restore(); });
    form.setFilerIdRepair([c] { c->repairFilerId(); });
    // The menu's "Backup ..." runs this through the frame, which then starts the reminder count
    // again; the reminder at close and the offers before risky work run it too.
    form.setBackupRunner([c] { return c->backup(); });
    return c;
}
