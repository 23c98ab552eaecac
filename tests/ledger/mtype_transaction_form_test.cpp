#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "entry_fixture.h"
#include "ledger/kinds.h"
#include "ledger/mtype_transaction_form.h"
#include "names/name_entry_form.h"
#include "names/select_name_type_form.h"
#include "platform/document_opener.h"
#include "platform/printer_list.h"
#include "shell/main_form.h"
#include "shell/menu_catalogue.h"
#include "store/ini_file.h"
#include "store/tdm.h"

namespace {

const QString kQuitQuestion = QStringLiteral("Data has been modified.  Do you want to quit without saving your changes?");

class EntryFormTest : public EntryTest {
protected:
    void SetUp() override {
        EntryTest::SetUp();
        addEntryNames();
    }

    // Shown and active, so that the cursor moves between the fields as it does for a person.
    static void showActive(TMTypeTransactionForm& f) {
        f.show();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    }
    static void typeInto(QWidget* field, const QString& text) {
        ASSERT_NE(field, nullptr);
        field->setFocus(Qt::TabFocusReason);
        if (auto* e = qobject_cast<QLineEdit*>(field)) {
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Delete);
            e->setCursorPosition(0);
        } else if (auto* c = qobject_cast<QComboBox*>(field)) {
            c->lineEdit()->selectAll();
            QTest::keyClick(c, Qt::Key_Delete);
        }
        QTest::keyClicks(field, text);
    }
    // Leaves a field with the Tab key.
    static void tabOut(QWidget* field) { QTest::keyClick(field, Qt::Key_Tab); }

    // Fills the name entry window that AddNameFromList opens and stores the name.
    static bool storeNewName(QWidget* w, QString* title = nullptr, QString* shownName = nullptr) {
        auto* entry = qobject_cast<TNameEntryForm*>(w);
        if (!entry) return false;
        if (title) *title = entry->windowTitle();
        if (shownName) *shownName = qobject_cast<QLineEdit*>(entry->editor(QStringLiteral("NAME")))->text();
        for (const auto& [column, keys] : {std::pair{"ADDRESS1", "1 elm st"}, std::pair{"CITY", "tucson"},
                                           std::pair{"ZIP", "85701"}}) {
            auto* e = qobject_cast<QLineEdit*>(entry->editor(QString::fromLatin1(column)));
            e->setCursorPosition(0);
            QTest::keyClicks(e, QString::fromLatin1(keys));
        }
        entry->btnOk()->click();
        return true;
    }

    QString labelOf(QWidget* field) {
        for (QLabel* l : field->window()->findChildren<QLabel*>())
            if (l->buddy() == field) return l->text();
        return {};
    }
    QStringList groupCaptions(TMTypeTransactionForm& f) {
        QStringList out;
        for (QGroupBox* g : f.findChildren<QGroupBox*>()) out << g->title();
        return out;
    }
};

}  // namespace

TEST_F(EntryFormTest, TheWindowIsConfiguredFromTheKind) {
    struct Case {
        int kind;
        const char* nameCaption;  // null: no name field
        const char* dateCaption;
        bool checkNumber;
        QStringList groups;
        const char* instruction;  // null: none
        bool memoEnabled;
    };
    const Case cases[] = {
        {0, "&From", "&Date of Contribution", true, {"Additional Info", "Event Info"}, nullptr, true},
        {2, nullptr, "&Date of Contribution", false, {}, "Enter the total of small contributions", true},
        {5, "&From", "&Date of Contribution", false, {"In-Kind Info"}, nullptr, true},
        {7, "Vendor", "&Date", false, {"Independent Expenditure Info", "Advertising Info"}, nullptr, true},
        {19, nullptr, "&Date", false, {}, nullptr, false},
        {25, "To", "&Date", false, {}, nullptr, true},
        {27, "Payee", "&Date of Expenditure", true, {}, "Enter expense", true},
        {36, "&From", "&Date of Contribution", true, {}, nullptr, true},
        {40, "Vendor", "&Date", false, {"Ballot Measure Info", "Advertising Info"}, nullptr, true},
        {48, nullptr, "&Date of Expenditure", true, {}, "Enter the total of small expenses", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TMTypeTransactionForm f(*dm, c.kind);
        EXPECT_EQ(f.windowTitle(), KindByNumber(c.kind).title);
        EXPECT_EQ(f.cbxName() != nullptr, c.nameCaption != nullptr);
        if (c.nameCaption) {
            EXPECT_EQ(labelOf(f.cbxName()), QString::fromLatin1(c.nameCaption));
        }
        EXPECT_EQ(labelOf(f.edtDate()), QString::fromLatin1(c.dateCaption));
        EXPECT_EQ(labelOf(f.edtAmount()), QStringLiteral("&Amount"));
        EXPECT_EQ(labelOf(f.edtMemo()), QStringLiteral("&Memo"));
        EXPECT_EQ(f.edtMemo()->maxLength(), 70);
        EXPECT_EQ(f.edtMemo()->isEnabled(), c.memoEnabled);
        EXPECT_EQ(f.edtCheckNo() != nullptr, c.checkNumber);
        if (f.edtCheckNo()) {
            EXPECT_EQ(labelOf(f.edtCheckNo()), QStringLiteral("Check #"));
            EXPECT_EQ(f.edtCheckNo()->maxLength(), 10);
        }
        EXPECT_EQ(groupCaptions(f), c.groups);
        EXPECT_EQ(f.lblInstruction() ? f.lblInstruction()->text() : QString(), QString::fromLatin1(c.instruction));
        // The cursor starts in the name field, or in the date field without one.
        EXPECT_EQ(f.focusWidget(), c.nameCaption ? static_cast<QWidget*>(f.cbxName()) : f.edtDate());
    }

    // The fields of the groups.
    TMTypeTransactionForm contribution(*dm, 0);
    EXPECT_EQ(labelOf(contribution.edtReceiptNo()), QStringLiteral("Receipt #"));
    EXPECT_EQ(contribution.edtReceiptNo()->maxLength(), 10);
    EXPECT_EQ(labelOf(contribution.edtBatchNo()), QStringLiteral("Batch #"));
    EXPECT_EQ(contribution.edtBatchNo()->maxLength(), 10);
    EXPECT_EQ(labelOf(contribution.edtEvent()), QStringLiteral("&Event"));
    EXPECT_EQ(contribution.edtEvent()->maxLength(), 10);
    EXPECT_EQ(labelOf(contribution.edtEventDate()), QStringLiteral("Event Date"));
    TMTypeTransactionForm inKind(*dm, 5);
    EXPECT_EQ(inKind.chkExpendImmediately()->text(), QStringLiteral("Expended Immediately"));
    EXPECT_TRUE(inKind.chkExpendImmediately()->isChecked());
    TMTypeTransactionForm independent(*dm, 7);
    EXPECT_EQ(independent.rbBenefitted()->text(), QStringLiteral("&Benefitted"));
    EXPECT_EQ(independent.rbOpposed()->text(), QStringLiteral("&Opposed"));
    EXPECT_EQ(labelOf(independent.rbBenefitted()), QStringLiteral("&Advocacy"));
    EXPECT_TRUE(independent.rbBenefitted()->isChecked());  // new rows of the kind benefit
    EXPECT_EQ(labelOf(independent.cbxCandidate()), QStringLiteral("Candidate"));
    EXPECT_EQ(labelOf(independent.edtStartDate()), QStringLiteral("Start Date"));
    EXPECT_EQ(labelOf(independent.edtEndDate()), QStringLiteral("End Date"));
    EXPECT_EQ(labelOf(independent.edtMediaType()), QStringLiteral("Media Type"));
    EXPECT_EQ(independent.edtMediaType()->maxLength(), 30);
    TMTypeTransactionForm ballot(*dm, 40);
    EXPECT_EQ(labelOf(ballot.edtBallotMeasureId()), QStringLiteral("Ballot Measure ID"));
    EXPECT_EQ(ballot.edtBallotMeasureId()->maxLength(), 20);
    EXPECT_FALSE(ballot.rbBenefitted()->isChecked());
    EXPECT_FALSE(ballot.rbOpposed()->isChecked());
}

TEST_F(EntryFormTest, TheNameListsOfferTheKindsTypesWithTheirType) {
    addName(5, 8, QStringLiteral("COUNTY PARTY"));
    addName(6, 1, QStringLiteral("OTHER, PERSON"), QString(), kOtherFiler);
    auto listed = [](QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i) + QLatin1Char('/') + box->model()->index(i, 1).data().toString();
        return out;
    };
    TMTypeTransactionForm transfer(*dm, 24);
    EXPECT_EQ(listed(transfer.cbxName()),
              (QStringList{"BUILDERS PAC/PAC", "COUNTY PARTY/Party", "JONES FOR COUNCIL/Candidate Committee"}));
    TMTypeTransactionForm individual(*dm, 0);
    EXPECT_EQ(listed(individual.cbxName()), QStringList{"SMITH, JOHN/Individual"});
    TMTypeTransactionForm other(*dm, 26);
    EXPECT_EQ(other.cbxName()->count(), 5);
    TMTypeTransactionForm independent(*dm, 7);
    EXPECT_EQ(listed(independent.cbxName()), QStringList{"ACME PRINTING/Vendor"});
    EXPECT_EQ(listed(independent.cbxCandidate()), QStringList{"JONES FOR COUNCIL/Candidate Committee"});
}

TEST_F(EntryFormTest, ButtonsAndTheirDefaultFollowTheMode) {
    TMTypeTransactionForm fresh(*dm, 0);
    EXPECT_EQ(fresh.btnOk()->text(), QStringLiteral("OK"));
    EXPECT_EQ(fresh.btnNext()->text(), QStringLiteral("Next"));
    EXPECT_EQ(fresh.btnCancel()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(fresh.btnOk()->toolTip(), QStringLiteral("Add this transaction and close window"));
    EXPECT_EQ(fresh.btnNext()->toolTip(), QStringLiteral("Add this transaction and prepare to enter next one"));
    EXPECT_EQ(fresh.btnCancel()->toolTip(), QStringLiteral("Cancel transaction and close window"));
    EXPECT_TRUE(fresh.btnNext()->isDefault());
    EXPECT_FALSE(fresh.btnOk()->isDefault());
    EXPECT_FALSE(fresh.btnNext()->isHidden());

    addRow(101, 1, 210, 100, "500");
    TMTypeTransactionForm edit(*dm, 0);
    ASSERT_TRUE(edit.startEdit(101));
    EXPECT_TRUE(edit.btnNext()->isHidden());
    EXPECT_TRUE(edit.btnOk()->isDefault());
    EXPECT_FALSE(edit.btnNext()->isDefault());
    // The stored row in the fields.
    EXPECT_EQ(edit.cbxName()->currentText(), QStringLiteral("SMITH, JOHN"));
    EXPECT_EQ(edit.edtDate()->text(), QStringLiteral("02/14/2025"));
    EXPECT_EQ(edit.edtAmount()->text(), QStringLiteral("500.00"));
    EXPECT_EQ(edit.edtMemo()->text(), QStringLiteral("STORED"));
    EXPECT_FALSE(edit.entry().isModified());
}

TEST_F(EntryFormTest, NextOnAnUntouchedWindowClosesSilently) {
    TMTypeTransactionForm f(*dm, 0);
    showActive(f);
    f.btnNext()->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(EntryFormTest, ATypedContributionIsStoredWithItsStampsAndNextPreparesTheFollowingOne) {
    TMTypeTransactionForm f(*dm, 0);
    showActive(f);
    typeInto(f.cbxName(), QStringLiteral("smith, john"));
    tabOut(f.cbxName());
    EXPECT_EQ(f.focusWidget(), f.edtDate());
    typeInto(f.edtDate(), QStringLiteral("02142025"));
    typeInto(f.edtAmount(), QStringLiteral("250.5"));
    typeInto(f.edtCheckNo(), QStringLiteral("1001"));
    typeInto(f.edtMemo(), QStringLiteral("Dinner"));
    typeInto(f.edtReceiptNo(), QStringLiteral("R-7"));
    typeInto(f.edtBatchNo(), QStringLiteral("B-2"));
    typeInto(f.edtEvent(), QStringLiteral("GALA"));
    typeInto(f.edtEventDate(), QStringLiteral("02012025"));
    EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join('|').toStdString();

    f.btnNext()->click();
    ASSERT_TRUE(f.isVisible()) << env.prompter().texts().join('|').toStdString();
    EXPECT_EQ(rowCount(), 1);
    const std::pair<const char*, QVariant> expected[] = {
        {"MASTERTRANSID", 1},
        {"NAMEID", 1},
        {"DEBITACCOUNTID", 210},
        {"CREDITACCOUNTID", 100},
        {"AMOUNT", 250.5},
        {"TRANSDATE", QDateTime(QDate(2025, 2, 14), QTime(0, 0))},
        {"REFNO", "1001"},
        {"TRANSMEMO", "Dinner"},
        {"RECEIPTNO", "R-7"},
        {"DEPOSITBATCH", "B-2"},
        {"EVENTCODE", "GALA"},
        {"EVENTDATE", QDateTime(QDate(2025, 2, 1), QTime(0, 0))},
        {"TRANSTS", kNow},
        {"MODIFIED_DATE", kNow},
        {"MODIFIED_USER", "USER"},
        {"DELETED", "F"},
    };
    for (const auto& [name, value] : expected) {
        QVariant stored = column(1, QString::fromLatin1(name));
        if (stored.typeId() == QMetaType::QString) stored = stored.toString().trimmed();
        EXPECT_EQ(stored.toString(), value.toString()) << name;
    }
    EXPECT_EQ(sounds.tones, 1);

    // The next row: the same date, an amount of 0, nothing else; the cursor in the name field.
    EXPECT_EQ(f.cbxName()->currentText(), QString());
    EXPECT_EQ(f.edtDate()->text(), QStringLiteral("02/14/2025"));
    EXPECT_EQ(f.edtAmount()->text(), QStringLiteral("0.00"));
    EXPECT_EQ(f.edtMemo()->text(), QString());
    EXPECT_EQ(f.edtCheckNo()->text(), QString());
    EXPECT_EQ(f.edtEventDate()->displayText(), QStringLiteral("__/__/____"));
    EXPECT_EQ(f.focusWidget(), f.cbxName());
    EXPECT_FALSE(f.entry().isModified());

    // A second one with "OK", then the window closes.
    typeInto(f.cbxName(), QStringLiteral("SMITH, JOHN"));
    tabOut(f.cbxName());
    typeInto(f.edtAmount(), QStringLiteral("20"));
    f.btnOk()->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(column(2, "TRANSDATE").toDate(), QDate(2025, 2, 14));
    EXPECT_EQ(column(2, "AMOUNT").toDouble(), 20.0);
    EXPECT_EQ(column(2, "MASTERTRANSID").toInt(), 2);
    EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join('|').toStdString();
}

TEST_F(EntryFormTest, ARefusedSaveShowsWhyAndPutsTheCursorInTheField) {
    struct Case {
        const char* what;
        const char* name;
        const char* date;
        const char* amount;
        const char* message;
        QLineEdit* (TMTypeTransactionForm::*field)() const;
    };
    const Case cases[] = {
        {"no amount", "SMITH, JOHN", "02142025", "", "Amount must be entered and must be positive",
         &TMTypeTransactionForm::edtAmount},
        {"no date", "SMITH, JOHN", "", "5", "Date must be entered", &TMTypeTransactionForm::edtDate},
        {"not a date", "SMITH, JOHN", "02302025", "5", "'02/30/2025' is not a valid date",
         &TMTypeTransactionForm::edtDate},
        {"half a date", "SMITH, JOHN", "0214", "5", "'02/14/____' is not a valid date", &TMTypeTransactionForm::edtDate},
        {"outside the period", "SMITH, JOHN", "04012025", "5", "Date not in period", &TMTypeTransactionForm::edtDate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.prompter().clear();
        TMTypeTransactionForm f(*dm, 0);
        showActive(f);
        typeInto(f.cbxName(), QString::fromLatin1(c.name));
        typeInto(f.edtDate(), QString::fromLatin1(c.date));
        typeInto(f.edtAmount(), QString::fromLatin1(c.amount));
        typeInto(f.edtMemo(), QStringLiteral("x"));
        f.btnOk()->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(env.prompter().texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(f.focusWidget(), (f.*c.field)());
        EXPECT_EQ(f.edtMemo()->text(), QStringLiteral("x"));
        f.hide();
    }
    // Without a name: the name field.
    env.prompter().clear();
    TMTypeTransactionForm f(*dm, 0);
    showActive(f);
    typeInto(f.edtAmount(), QStringLiteral("5"));
    f.btnOk()->click();
    EXPECT_EQ(env.prompter().texts(), QStringList{QStringLiteral("Name must be specified")});
    EXPECT_EQ(f.focusWidget(), f.cbxName());
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(EntryFormTest, ANewVendorIsAddedWithoutAskingForItsType) {
    TMTypeTransactionForm f(*dm, 21);
    showActive(f);
    QString title;
    QString shownName;
    ModalDriver driver([&](QWidget* w) { return storeNewName(w, &title, &shownName); });
    typeInto(f.cbxName(), QStringLiteral("Quick Print"));
    tabOut(f.cbxName());

    EXPECT_EQ(env.prompter().texts(), QStringList{QStringLiteral("Quick Print not in Vendor list. Add to list?")});
    EXPECT_EQ(env.prompter().messages().value(0).buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(driver.seen, QStringList{QStringLiteral("TNameEntryForm")});
    EXPECT_EQ(title, QStringLiteral("Vendor"));
    EXPECT_EQ(shownName, QStringLiteral("QUICK PRINT"));
    const int newId = env.value(QStringLiteral("SELECT NAMEID FROM NAMELIST WHERE NAME = 'QUICK PRINT'")).toInt();
    ASSERT_GT(newId, 4);
    EXPECT_EQ(env.value(QStringLiteral("SELECT NAMETYPEID FROM NAMELIST WHERE NAMEID = %1").arg(newId)).toInt(), 4);
    // The row takes the new name, the list shows it, and the cursor is back in the name field.
    EXPECT_EQ(f.entry().row().nameId, newId);
    EXPECT_EQ(f.cbxName()->currentText(), QStringLiteral("QUICK PRINT"));
    EXPECT_EQ(f.cbxName()->count(), 2);
    EXPECT_EQ(f.focusWidget(), f.cbxName());

    // Leaving it again asks nothing more.
    tabOut(f.cbxName());
    EXPECT_EQ(env.prompter().messages().size(), 1);
}

TEST_F(EntryFormTest, ANewNameOfATransferAsksForItsTypeFirst) {
    TMTypeTransactionForm f(*dm, 24);
    showActive(f);
    QString title;
    ModalDriver driver([&](QWidget* w) {
        if (auto* types = qobject_cast<TSelectNameTypeForm*>(w)) {
            types->setSelectedType(8);
            types->btnOk()->click();
            return true;
        }
        return storeNewName(w, &title);
    });
    typeInto(f.cbxName(), QStringLiteral("COUNTY PARTY"));
    tabOut(f.cbxName());

    EXPECT_EQ(env.prompter().texts(), QStringList{QStringLiteral("COUNTY PARTY not in Name list. Add to list?")});
    EXPECT_EQ(driver.seen, (QStringList{QStringLiteral("TSelectNameTypeForm"), QStringLiteral("TNameEntryForm")}));
    EXPECT_EQ(title, QStringLiteral("Party"));
    const int newId = env.value(QStringLiteral("SELECT NAMEID FROM NAMELIST WHERE NAME = 'COUNTY PARTY'")).toInt();
    EXPECT_EQ(env.value(QStringLiteral("SELECT NAMETYPEID FROM NAMELIST WHERE NAMEID = %1").arg(newId)).toInt(), 8);
    EXPECT_EQ(f.entry().row().nameId, newId);
    EXPECT_EQ(f.cbxName()->currentText(), QStringLiteral("COUNTY PARTY"));
}

TEST_F(EntryFormTest, ANewNameOfATypeTheKindDoesNotOfferIsNotTaken) {
    TMTypeTransactionForm f(*dm, 24);
    showActive(f);
    ModalDriver driver([&](QWidget* w) {
        if (auto* types = qobject_cast<TSelectNameTypeForm*>(w)) {
            types->setSelectedType(1);  // an individual: no committee to transfer from
            types->btnOk()->click();
            return true;
        }
        return storeNewName(w);
    });
    typeInto(f.cbxName(), QStringLiteral("DOE, JANE"));
    tabOut(f.cbxName());
    EXPECT_EQ(driver.seen, (QStringList{QStringLiteral("TSelectNameTypeForm"), QStringLiteral("TNameEntryForm")}));
    EXPECT_EQ(env.value(QStringLiteral("SELECT NAMETYPEID FROM NAMELIST WHERE NAME = 'DOE, JANE'")).toInt(), 1);
    EXPECT_FALSE(f.entry().row().nameId.has_value());
    EXPECT_EQ(f.cbxName()->currentText(), QStringLiteral("DOE, JANE"));
    EXPECT_EQ(f.cbxName()->count(), 2);  // BUILDERS PAC, JONES FOR COUNCIL
}

TEST_F(EntryFormTest, ANameNotAddedLeavesTheRowWithoutOne) {
    TMTypeTransactionForm f(*dm, 0);
    showActive(f);
    ModalDriver driver([](QWidget* w) {
        auto* entry = qobject_cast<TNameEntryForm*>(w);
        if (entry) entry->done(QDialog::Rejected);
        return entry != nullptr;
    });

    typeInto(f.edtAmount(), QStringLiteral("5"));
    // Towards "Cancel" nothing is asked.
    typeInto(f.cbxName(), QStringLiteral("NOBODY"));
    f.btnCancel()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    EXPECT_TRUE(driver.seen.isEmpty());

    // Declined: no name entry window; the cursor goes back to the name.
    env.prompter().queueAnswer(Prompter::Answer::Cancel);
    f.cbxName()->setFocus(Qt::TabFocusReason);
    tabOut(f.cbxName());
    EXPECT_EQ(env.prompter().texts(), QStringList{QStringLiteral("NOBODY not in Individual list. Add to list?")});
    EXPECT_TRUE(driver.seen.isEmpty());
    EXPECT_FALSE(f.entry().row().nameId.has_value());
    EXPECT_EQ(f.focusWidget(), f.cbxName());

    // A name typed and confirmed with Enter is looked up before the save; the name entry window
    // closed without saving leaves no name.
    env.prompter().clear();
    typeInto(f.cbxName(), QStringLiteral("NOBODY ELSE"));
    QTest::keyClick(f.cbxName(), Qt::Key_Return);
    EXPECT_EQ(env.prompter().texts(), (QStringList{QStringLiteral("NOBODY ELSE not in Individual list. Add to list?"),
                                                   QStringLiteral("Name must be specified")}));
    EXPECT_EQ(driver.seen, QStringList{QStringLiteral("TNameEntryForm")});
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.focusWidget(), f.cbxName());
    EXPECT_EQ(rowCount(), 0);

    // Cancel closes after the question, without writing.
    env.prompter().clear();
    env.prompter().queueAnswer(Prompter::Answer::Yes);
    f.btnCancel()->click();
    EXPECT_EQ(env.prompter().texts(), QStringList{kQuitQuestion});
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(env.value(QStringLiteral("SELECT COUNT(*) FROM NAMELIST")).toInt(), 4);
}

TEST_F(EntryFormTest, ClosingAsksOnlyWhenSomethingChanged) {
    TMTypeTransactionForm untouched(*dm, 0);
    showActive(untouched);
    untouched.btnCancel()->click();
    EXPECT_FALSE(untouched.isVisible());
    EXPECT_TRUE(env.prompter().messages().isEmpty());

    TMTypeTransactionForm f(*dm, 0);
    showActive(f);
    typeInto(f.edtAmount(), QStringLiteral("12"));
    env.prompter().queueAnswer(Prompter::Answer::No);
    QTest::keyClick(f.edtAmount(), Qt::Key_Escape);
    EXPECT_EQ(env.prompter().texts(), QStringList{kQuitQuestion});
    EXPECT_EQ(env.prompter().messages().value(0).buttons, Prompter::Buttons::YesNo);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.edtAmount()->text(), QStringLiteral("12"));

    env.prompter().queueAnswer(Prompter::Answer::Yes);
    f.close();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(env.prompter().messages().size(), 2);
    EXPECT_EQ(rowCount(), 0);

    // After a save the fresh row is no change either.
    env.prompter().clear();
    TMTypeTransactionForm next(*dm, 2);
    showActive(next);
    typeInto(next.edtDate(), QStringLiteral("02142025"));
    typeInto(next.edtAmount(), QStringLiteral("40"));
    next.btnNext()->click();
    ASSERT_EQ(rowCount(), 1) << env.prompter().texts().join('|').toStdString();
    next.btnCancel()->click();
    EXPECT_FALSE(next.isVisible());
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    EXPECT_EQ(column(1, "NAMEID").toInt(), 0);
}

TEST_F(EntryFormTest, AnInKindContributionExpendedAtOnceIsAPairAndEditingItWritesOnlyTheChange) {
    TMTypeTransactionForm f(*dm, 5);
    showActive(f);
    typeInto(f.cbxName(), QStringLiteral("ACME PRINTING"));
    tabOut(f.cbxName());
    typeInto(f.edtDate(), QStringLiteral("02142025"));
    typeInto(f.edtAmount(), QStringLiteral("300"));
    typeInto(f.edtMemo(), QStringLiteral("Printing"));
    ASSERT_TRUE(f.chkExpendImmediately()->isChecked());
    f.btnOk()->click();
    ASSERT_FALSE(f.isVisible()) << env.prompter().texts().join('|').toStdString();
    ASSERT_EQ(rowCount(), 2);
    EXPECT_EQ(column(1, "DEBITACCOUNTID").toInt(), 500);
    EXPECT_EQ(column(1, "CREDITACCOUNTID").toInt(), 100);
    EXPECT_EQ(column(1, "MASTERTRANSID").toInt(), 1);
    EXPECT_EQ(column(2, "DEBITACCOUNTID").toInt(), 100);
    EXPECT_EQ(column(2, "CREDITACCOUNTID").toInt(), 510);
    EXPECT_EQ(column(2, "MASTERTRANSID").toInt(), 1);
    EXPECT_EQ(column(2, "AMOUNT").toDouble(), 300.0);
    EXPECT_EQ(column(2, "TRANSMEMO").toString(), QStringLiteral("Printing"));

    // Later, edited with the box still checked: only the contribution changes.
    Clock::setFixed(kNow.addDays(1));
    TMTypeTransactionForm edit(*dm, 5);
    ASSERT_TRUE(edit.startEdit(1));
    showActive(edit);
    EXPECT_TRUE(edit.chkExpendImmediately()->isChecked());
    typeInto(edit.edtAmount(), QStringLiteral("350"));
    edit.btnOk()->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(rowCount(), 2);
    EXPECT_EQ(column(1, "AMOUNT").toDouble(), 350.0);
    EXPECT_EQ(column(1, "MODIFIED_DATE").toDateTime(), kNow.addDays(1));
    EXPECT_EQ(column(2, "AMOUNT").toDouble(), 300.0);
    EXPECT_EQ(column(2, "MODIFIED_DATE").toDateTime(), kNow);

    // Not expended: the contribution alone.
    TMTypeTransactionForm single(*dm, 5);
    showActive(single);
    typeInto(single.cbxName(), QStringLiteral("ACME PRINTING"));
    tabOut(single.cbxName());
    typeInto(single.edtDate(), QStringLiteral("02152025"));
    typeInto(single.edtAmount(), QStringLiteral("10"));
    single.chkExpendImmediately()->click();
    single.btnOk()->click();
    EXPECT_EQ(rowCount(), 3);
    EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join('|').toStdString();
}

TEST_F(EntryFormTest, AnIndependentExpenditureNeedsItsCandidateAndStoresTheAdvocacy) {
    TMTypeTransactionForm f(*dm, 7);
    showActive(f);
    typeInto(f.cbxName(), QStringLiteral("ACME PRINTING"));
    typeInto(f.edtDate(), QStringLiteral("02142025"));
    typeInto(f.edtAmount(), QStringLiteral("80"));
    f.btnOk()->click();
    EXPECT_EQ(env.prompter().texts(), QStringList{QStringLiteral("Candidate must be specified")});
    EXPECT_EQ(f.focusWidget(), f.cbxCandidate());

    env.prompter().clear();
    typeInto(f.cbxCandidate(), QStringLiteral("jones for council"));
    f.rbOpposed()->click();
    typeInto(f.edtStartDate(), QStringLiteral("02012025"));
    typeInto(f.edtMediaType(), QStringLiteral("RADIO"));
    f.btnOk()->click();
    ASSERT_FALSE(f.isVisible()) << env.prompter().texts().join('|').toStdString();
    EXPECT_EQ(column(1, "CANDIDATEID").toInt(), 4);
    EXPECT_EQ(column(1, "BENEFIT").toString(), QStringLiteral("O"));
    EXPECT_EQ(column(1, "STARTDATE").toDate(), QDate(2025, 2, 1));
    EXPECT_TRUE(column(1, "ENDDATE").isNull());
    EXPECT_EQ(column(1, "MEDIATYPE").toString(), QStringLiteral("RADIO"));
}

namespace {

class NoOpener : public DocumentOpener {
public:
    int open(const QString&) override { return kOpened; }
};

}  // namespace

TEST_F(EntryFormTest, EveryMenuEntryOfAKindOpensTheEntryWindowForIt) {
    dm->settings().writeString(QStringLiteral("General"), QStringLiteral("ShowSplash"), QStringLiteral("0"));
    FixedPrinterList printers{{QStringLiteral("PDF")}};
    NoOpener opener;
    TMainForm frame(*dm, printers, opener);
    dm->opt().CurrentCycle = 2026;
    dm->opt().CurrentPeriod = 1;
    ASSERT_TRUE(frame.openCommitteeByFilerId(kFiler));
    RegisterTransactionEntry(frame, *dm);

    QStringList titles;
    ModalDriver driver([&](QWidget* w) {
        auto* entry = qobject_cast<TMTypeTransactionForm*>(w);
        titles << (entry ? entry->windowTitle() + QLatin1Char('|') +
                               QString::number(entry->entry().kind().number)
                         : QStringLiteral("?"));
        return false;
    });
    QStringList expected;
    int entries = 0;
    for (const MenuEntry& e : MenuCatalogue::entries()) {
        if (e.kind < 0) continue;
        ++entries;
        QAction* action = frame.menuAction(e.id);
        ASSERT_NE(action, nullptr) << e.id.toStdString();
        if (e.hidden) {
            frame.runCommand(e.id);
        } else {
            ASSERT_TRUE(action->isEnabled()) << e.id.toStdString();
            action->trigger();
        }
        expected << KindByNumber(e.kind).title + QLatin1Char('|') + QString::number(e.kind);
    }
    EXPECT_GE(entries, 20);
    EXPECT_EQ(titles, expected);
    EXPECT_TRUE(titles.contains(QStringLiteral("Receive Individual/Personal/Family Contribution|0")));
}
