#pragma once

#include <QWidget>
#include <functional>

#include "names/names_store.h"

class DbError;
class QLabel;
class QMenuBar;
class QPushButton;
class QTabBar;
class QTableView;
class TMainForm;
class Tdm;

// "Names List": the open committee's names by type, a child window of the main window (one at
// a time). Names are added, changed and deleted from here; every change anywhere re-reads it,
// keeping the same name selected.
class TNamesListForm : public QWidget {
    Q_OBJECT
public:
    // Reads the names of the first tab ("All Names"); a failing read throws DbError.
    explicit TNamesListForm(Tdm& dm, QWidget* parent = nullptr);

    // Brings the open names list of the frame to the front, or opens one. When the names cannot
    // be read the program ends after the error has been shown in the database error browser.
    static TNamesListForm* open(TMainForm& frame, Tdm& dm);
    // Tests: what happens instead of ending the program when opening fails; null restores it.
    static void setOpenFailureHandler(std::function<void(const DbError&)> handler);

    NamesListModel* model() const { return model_; }
    QTabBar* tabs() const { return tabs_; }
    QTableView* grid() const { return grid_; }
    QLabel* lblCount() const { return lblCount_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QPushButton* btnAdd() const { return btnAdd_; }
    QPushButton* btnEdit() const { return btnEdit_; }
    QPushButton* btnDelete() const { return btnDelete_; }
    QPushButton* btnClose() const { return btnClose_; }

    // The NAMEID of the selected name, or -1 when the list is empty.
    int currentNameId() const;
    // Selects the name; false when the list does not show it.
    bool selectNameId(int nameId);

    // Reads the names again, staying on the same NAMEID (on the first name when it is gone).
    // A failing read is reported and leaves the list as it was.
    void reread();
    // Shows the names of tab `index` (0 "All Names" ... 6 "Other").
    void setTab(int index);
    // Switches the name order between ascending and descending and reads the list again.
    void nameTitleClick();

    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnCloseClick();

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readList();
    void updateCount();

    Tdm& dm_;
    NamesListModel* model_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* lblCount_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QPushButton* btnAdd_ = nullptr;
    QPushButton* btnEdit_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

// Registers the names list with the frame (reopened from the saved child windows) and attaches
// it to Lists / "&Names".
void RegisterNamesWindows(TMainForm& frame, Tdm& dm);
