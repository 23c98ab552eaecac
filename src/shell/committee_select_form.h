#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;
class Tdm;

// "Committee Select": every committee, read fresh from the database, to pick one from.
class TCommitteeSelectForm : public QDialog {
    Q_OBJECT
public:
    enum Column { ColFilerId, ColName };

    // Reads the committees (a failing read throws DbError), sorted by name and standing on
    // `currentFilerId`.
    TCommitteeSelectForm(Tdm& dm, const QString& currentFilerId, QWidget* parent = nullptr);

    // Shows the window modally; true, with the chosen committee, when it was accepted.
    static bool choose(Tdm& dm, const QString& currentFilerId, QWidget* parent, QString* filerId, QString* name);

    QTableWidget* grid() const { return grid_; }
    QPushButton* btnOk() const { return btnOk_; }
    QPushButton* btnCancel() const { return btnCancel_; }

    // The selected committee; empty when none is selected.
    QString selectedFilerId() const;
    QString selectedName() const;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    // A click on a column title: sorts by that column, ascending first and then in turn,
    // keeping the selected committee.
    void titleClick(int column);
    void btnOkClick();

private:
    void sortBy(int column, Qt::SortOrder order);

    QTableWidget* grid_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    int sortColumn_ = ColName;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
