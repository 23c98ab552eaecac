#pragma once

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

#include "ledger/transaction_entry.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStandardItemModel;
class TMainForm;
class Tdm;

// The generic entry window: one design configured per transaction kind (0 to 48). In new mode
// it adds rows one after another ("Next"); in edit mode it changes one stored row. The checks
// and the write are TransactionEntry's; this class shows the fields and moves the cursor.
class TMTypeTransactionForm : public QDialog {
    Q_OBJECT
public:
    // A window in new mode for the kind; reading the name lists may throw DbError.
    TMTypeTransactionForm(Tdm& dm, int kind, QWidget* parent = nullptr);
    ~TMTypeTransactionForm() override;

    // Adds rows of the kind until the person closes the window.
    static void openNew(Tdm& dm, int kind, QWidget* parent = nullptr);
    // Changes the stored row; true when it was saved.
    static bool openEdit(Tdm& dm, int kind, int transId, QWidget* parent = nullptr);

    // Switches to edit mode on the committee's row; false when there is no such row. Throws
    // DbError when it cannot be read.
    bool startEdit(int transId);

    TransactionEntry& entry() { return entry_; }
    // Whether a row has been written from this window.
    bool savedAny() const { return savedAny_; }

    // The fields; null when the kind does not show them.
    QLabel* lblInstruction() const { return lblInstruction_; }
    QComboBox* cbxName() const { return name_.box; }
    QLineEdit* edtDate() const { return edtDate_; }
    QLineEdit* edtAmount() const { return edtAmount_; }
    QLineEdit* edtCheckNo() const { return edtCheckNo_; }
    QLineEdit* edtMemo() const { return edtMemo_; }
    QLineEdit* edtReceiptNo() const { return edtReceiptNo_; }
    QLineEdit* edtBatchNo() const { return edtBatchNo_; }
    QLineEdit* edtEvent() const { return edtEvent_; }
    QLineEdit* edtEventDate() const { return edtEventDate_; }
    QCheckBox* chkExpendImmediately() const { return chkExpendImmediately_; }
    QRadioButton* rbBenefitted() const { return rbBenefitted_; }
    QRadioButton* rbOpposed() const { return rbOpposed_; }
    QComboBox* cbxCandidate() const { return candidate_.box; }
    QLineEdit* edtBallotMeasureId() const { return edtBallotMeasureId_; }
    QLineEdit* edtStartDate() const { return edtStartDate_; }
    QLineEdit* edtEndDate() const { return edtEndDate_; }
    QLineEdit* edtMediaType() const { return edtMediaType_; }
    // The frame of a field group by its caption ("Additional Info" ...), or null.
    QGroupBox* group(const QString& caption) const;
    QPushButton* btnOk() const { return btnOk_; }
    QPushButton* btnNext() const { return btnNext_; }
    QPushButton* btnCancel() const { return btnCancel_; }

    void btnOkClick();
    void btnNextClick();
    void btnCancelClick();
    // Escape and the window's close button ask before unsaved changes are dropped.
    void reject() override;

    // Leaving the name (candidate) field with a name that is not in the list offers to add it.
    void nameFieldExit();
    void candidateFieldExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A name look-up: an editable list of the committee's names of some types.
    struct Lookup {
        QComboBox* box = nullptr;
        QStandardItemModel* model = nullptr;
        QList<EntryName> names;
        QList<int> types;     // empty: every type
        int singleType = -1;  // the type a name added from here gets; -1 asks for it
        std::optional<int> TransactionFields::*field = nullptr;
        bool pending = false;  // typed into since the last look-up
    };

    void build();
    QComboBox* makeLookup(Lookup& lookup);
    void fillLookup(Lookup& lookup);
    void showLookupName(Lookup& lookup, const std::optional<int>& nameId);
    void lookupTextChanged(Lookup& lookup);
    // The look-up of a typed name that is not in the list; focus back in the field afterwards.
    void runLookup(Lookup& lookup);
    bool leavingLookup(Lookup& lookup, QEvent* event) const;
    QLineEdit* makeDateField(std::function<void(TransactionRow&, const QDate&)> store);
    QLineEdit* makeTextField(int maxLength, std::optional<QString> TransactionFields::*field);
    void setBenefit(const QString& value);
    // Shows the pending row in the fields.
    void loadFields(bool zeroAmountShown);
    // A date field holding something that is no date: the message and the cursor; false.
    bool datesReadable();
    void commit(bool closeAfter);
    void focusField(EntryField field);
    void focusFirstField();

    Tdm& dm_;
    TransactionEntry entry_;
    bool loading_ = false;
    bool inLookup_ = false;
    bool savedAny_ = false;

    Lookup name_;
    Lookup candidate_;
    QLabel* lblInstruction_ = nullptr;
    QLineEdit* edtDate_ = nullptr;
    QLineEdit* edtAmount_ = nullptr;
    QLineEdit* edtCheckNo_ = nullptr;
    QLineEdit* edtMemo_ = nullptr;
    QLineEdit* edtReceiptNo_ = nullptr;
    QLineEdit* edtBatchNo_ = nullptr;
    QLineEdit* edtEvent_ = nullptr;
    QLineEdit* edtEventDate_ = nullptr;
    QCheckBox* chkExpendImmediately_ = nullptr;
    QRadioButton* rbBenefitted_ = nullptr;
    QRadioButton* rbOpposed_ = nullptr;
    QLineEdit* edtBallotMeasureId_ = nullptr;
    QLineEdit* edtStartDate_ = nullptr;
    QLineEdit* edtEndDate_ = nullptr;
    QLineEdit* edtMediaType_ = nullptr;
    QList<QGroupBox*> groups_;
    QList<QLineEdit*> dateFields_;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnNext_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

// Attaches every Transactions menu entry that opens a kind in new mode to the entry window.
void RegisterTransactionEntry(TMainForm& frame, Tdm& dm);
