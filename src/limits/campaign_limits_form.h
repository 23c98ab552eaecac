#pragma once

#include <QDialog>

class QTableWidget;
class Tdm;

// "Campaign Limits": the caps of every cycle, read-only, each row on two lines (description and
// the three caps; the cycle and the statute).
class TCampaignLimitsForm : public QDialog {
    Q_OBJECT
public:
    explicit TCampaignLimitsForm(Tdm& dm, QWidget* parent = nullptr);

    // Reads the caps and shows the window modally; a database error is reported and nothing is
    // shown.
    static void run(Tdm& dm, QWidget* parent = nullptr);

    // Reads "select * from Limits ..." into the list; throws DbError.
    void FormCreate();
    QTableWidget* grdLimits() const { return grdLimits_; }
    // The number of LIMITS rows shown.
    int recordCount() const;

private:
    Tdm& dm_;
    QTableWidget* grdLimits_ = nullptr;
};
