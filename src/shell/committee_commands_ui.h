#pragma once

#include <QObject>

#include "shell/committee_commands.h"

class TMainForm;
class Tdm;

// The committee, period, backup and restore commands of the main window.
class TCommitteeCommands : public QObject, public CommitteeFrame {
    Q_OBJECT
public:
    TCommitteeCommands(TMainForm& form, Tdm& dm);

    void newCommittee();
    void openCommittee();
    void deleteCommittee();
    void committeeProperties();
    void setCurrentPeriod();
    void correctFilerId();
    void repairFilerId();
    void clear(ClearScope scope);
    // Asks for a file and writes the backup; true when one was written.
    bool backup();
    void restore();

    // CommitteeFrame
    bool openCommitteeByFilerId(const QString& filerId) override;
    void enterNoCommitteeState() override;
    void reopenChildWindows() override;

private:
    TMainForm& form_;
    Tdm& dm_;
};

// Attaches the commands to the main window's menu entries and seams (filer-ID repair after
// start-up, the backup of the reminders). The commands live as long as the window.
TCommitteeCommands* RegisterCommitteeCommands(TMainForm& form, Tdm& dm);
