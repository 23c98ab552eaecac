#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;
class Tdm;

// "Period Selection": every reporting period of every cycle, to pick the current period from.
class TPeriodSelectForm : public QDialog {
    Q_OBJECT
public:
    enum Column { ColCycle, ColPeriod, ColPeriodName, ColBeginDate, ColEndDate };

    // Reads the periods (a failing read throws DbError) and stands on the given period, or on
    // the last row when it is not there.
    TPeriodSelectForm(Tdm& dm, int cycle, int period, QWidget* parent = nullptr);

    // Shows the window modally; true, with the chosen cycle and period, when it was accepted.
    static bool choose(Tdm& dm, int currentCycle, int currentPeriod, QWidget* parent, int* cycle, int* period);

    QTableWidget* grid() const { return grid_; }
    QPushButton* btnSelect() const { return btnSelect_; }
    QPushButton* btnCancel() const { return btnCancel_; }
    // The row the window stands on: its cycle and period; 0 when none.
    int selectedCycle() const;
    int selectedPeriod() const;

    void btnSelectClick();

private:
    QTableWidget* grid_ = nullptr;
    QPushButton* btnSelect_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
