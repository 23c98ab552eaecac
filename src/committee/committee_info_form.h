#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <functional>

class CommitteeTable;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Tdm;

// "Committee Properties": the wizard in which a committee is created or changed. It works on
// the committee record set as the caller left it: appending a new record (the filer ID can be
// typed) or standing on the open committee (the filer ID is fixed). Every value typed goes into
// the record at once; Finish stores it, Cancel drops it.
class TCommitteeInfoForm : public QDialog {
    Q_OBJECT
public:
    enum Page { PageCommittee, PageContinued, PageChairman, PageTreasurer, PageCandidate, PageDesignee };

    // Reads the state, office, county and committee-type lists; a failing read throws DbError.
    TCommitteeInfoForm(Tdm& dm, CommitteeTable& orgs, QWidget* parent = nullptr);

    // Shows the wizard modally; true when it closed with OK (the record is then stored).
    static bool execute(Tdm& dm, CommitteeTable& orgs, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    QPushButton* btnNext() const { return btnNext_; }
    QPushButton* btnPrev() const { return btnPrev_; }
    QPushButton* btnFinish() const { return btnFinish_; }
    QPushButton* btnCancel() const { return btnCancel_; }
    // The entry field bound to an ORGS column (nullptr when the wizard does not show it).
    QWidget* editor(const QString& column) const { return editors_.value(column.toUpper()); }
    bool candidatePageVisible() const;

    // What is given after a successful store when sounds are on; the system beep unless set.
    void setSuccessSound(std::function<void()> sound) { successSound_ = std::move(sound); }

    void btnNextClick();
    void btnPrevClick();
    void btnFinishClick();
    void btnCancelClick();

    // Escape and the window's close button go through btnCancelClick.
    void reject() override;

private:
    enum class Kind { Text, UpperText, Zip, Phone, State, Lookup, Year, CheckYN, CheckTF };
    struct Binding {
        QString column;
        Kind kind;
        QWidget* widget;
    };

    QLineEdit* textEdit(const QString& column, bool upperCase);
    QLineEdit* zipEdit(const QString& column);
    QLineEdit* phoneEdit(const QString& column);
    QComboBox* stateCombo(const QString& column);
    QComboBox* lookupCombo(const QString& column, const QList<std::pair<int, QString>>& items, bool allowEmpty);
    QComboBox* yearCombo(const QString& column);
    QCheckBox* checkBox(const QString& column, const QString& caption, Kind kind);
    void bind(const QString& column, Kind kind, QWidget* widget);

    void buildPages();
    void loadValues();
    void write(const Binding& b);
    void showCandidatePageByType();
    void goToPage(int page);
    void updateButtons();
    // A ZIP with some but not all of its digits; false (after saying so) when one is found.
    bool zipCodesComplete();

    Tdm& dm_;
    CommitteeTable& orgs_;
    QStringList states_;
    QList<std::pair<int, QString>> offices_;
    QList<std::pair<int, QString>> counties_;
    QList<std::pair<int, QString>> types_;

    QTabWidget* pages_ = nullptr;
    QPushButton* btnPrev_ = nullptr;
    QPushButton* btnNext_ = nullptr;
    QPushButton* btnFinish_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QList<Binding> bindings_;
    QHash<QString, QWidget*> editors_;
    bool loading_ = false;
    std::function<void()> successSound_;
};
