#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>

#include "ledger/open_lists.h"
#include "names/add_name_from_list.h"
#include "names/name_entry_form.h"
#include "names/names_list_form.h"
#include "names/select_name_type_form.h"
#include "names_fixture.h"
#include "platform/document_opener.h"
#include "platform/printer_list.h"
#include "shell/main_form.h"
#include "store/db_error.h"
#include "store/ini_file.h"

namespace {

const QString kDuplicate = QStringLiteral("Duplicate name entered");
const QString kQuitQuestion =
    QStringLiteral("Data has been modified.  Do you want to quit without saving?");

QLineEdit* lineEdit(TNameEntryForm& f, const QString& column) {
    auto* e = qobject_cast<QLineEdit*>(f.editor(column));
    EXPECT_NE(e, nullptr) << column.toStdString();
    return e;
}

// Types into a field as a person does: from its start, over what it held.
void typeInto(TNameEntryForm& f, const QString& column, const QString& text, int cursor = 0) {
    QLineEdit* e = lineEdit(f, column);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    e->setCursorPosition(cursor);
    QTest::keyClicks(e, text);
}

void fillRequired(TNameEntryForm& f) {
    typeInto(f, QStringLiteral("ADDRESS1"), QStringLiteral("1 elm st"));
    typeInto(f, QStringLiteral("CITY"), QStringLiteral("tucson"));
    typeInto(f, QStringLiteral("ZIP"), QStringLiteral("85701"));
}

QStringList visibleGroups(TNameEntryForm& f) {
    QStringList out;
    for (QGroupBox* g : f.findChildren<QGroupBox*>())
        if (!g->isHidden()) out << g->title();
    return out;
}

QStringList shownNames(TNamesListForm& f) {
    QStringList out;
    for (int i = 0; i < f.model()->rowCount(); ++i) out << f.model()->rowAt(i).name;
    return out;
}

QString labelOf(QWidget* field) {
    for (QLabel* l : field->window()->findChildren<QLabel*>())
        if (l->buddy() == field) return l->text();
    return {};
}

}  // namespace

// --- Name entry window
// ----------------------------------------------------------------------------

TEST_F(NamesTest, EntryWindowLayoutFollowsTheType) {
    struct Case {
        int type;
        const char* title;
        const char* hint;
        QStringList groups;
    };
    const QString req = QStringLiteral("Reportable Information (Required)");
    const Case cases[] = {
        {1, "Individual", "LAST, FIRST MI", {req, "Individual Info", "Extra Info"}},
        {2, "PAC", "Committee Name", {req, "PAC Info"}},
        {3, "Bank", "Name", {req}},
        {4, "Vendor", "Name", {req}},
        {5, "Candidate/Family Member", "LAST, FIRST MI", {req, "Candidate Info"}},
        {6, "Other", "LAST, FIRST MI", {req}},
        {7, "Candidate Committee", "Committee Name", {req, "PAC Info"}},
        {8, "Party", "Name", {req}},
        {9, "Partnership", "Name", {req}},
        {10, "Corporation/LLC", "Name", {req, "Corporation Commission Info"}},
        {11, "Labor Organization", "Name", {req, "Corporation Commission Info"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TNameEntryForm f(*dm, c.type, -1, QString());
        EXPECT_EQ(f.windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(f.nameHint()->text(), QString::fromLatin1(c.hint));
        EXPECT_EQ(visibleGroups(f), c.groups);
        EXPECT_EQ(f.editor("EMPLOYER") != nullptr, c.type == 1);
        EXPECT_EQ(f.editor("EMAIL") != nullptr, c.type == 1);
        EXPECT_EQ(f.editor("OFFICEID") != nullptr, c.type == 5);
        if (QWidget* id = f.editor("PACID")) {
            EXPECT_EQ(labelOf(id), (c.type == 2 || c.type == 7) ? QStringLiteral("Committee ID")
                                                                : QStringLiteral("ID"));
            EXPECT_EQ(qobject_cast<QLineEdit*>(id)->maxLength(), 10);
        } else {
            EXPECT_TRUE(c.type != 2 && c.type != 7 && c.type != 10 && c.type != 11);
        }
        EXPECT_EQ(labelOf(f.editor("NAME")), QStringLiteral("&Name"));
        EXPECT_EQ(labelOf(f.editor("ADDRESS2")), QStringLiteral("Address&2"));
        EXPECT_EQ(qobject_cast<QComboBox*>(f.editor("STATE"))->currentText(), QStringLiteral("AZ"));
    }
}

TEST_F(NamesTest, TypedValuesAreStoredAsTheFieldsShapeThem) {
    dm->opt().Sounds = true;
    struct Case {
        const char* name;
        const char* zipKeys;
        const char* phoneKeys;
        int phoneCursor;
        const char* zip;
        const char* phone;
    };
    const Case cases[] = {
        {"smith, john", "857011234", "5205551234", 0, "85701-1234", "(520)555-1234"},
        {"doe, jane", "85701", "5551234", 5, "85701", "(   )555-1234"},
        {"roe, ann", "85701", "", 0, "85701", nullptr},
    };
    int expectedId = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TNameEntryForm f(*dm, 1, -1, QString());
        typeInto(f, "NAME", c.name);
        typeInto(f, "ADDRESS1", "1 elm st");
        typeInto(f, "CITY", "tucson");
        typeInto(f, "ZIP", c.zipKeys);
        typeInto(f, "PHONE", c.phoneKeys, c.phoneCursor);
        typeInto(f, "EMAIL", "John.Smith@Example.com");
        typeInto(f, "USER1", "abc");
        typeInto(f, "OCCUPATION", "teacher");
        EXPECT_EQ(lineEdit(f, "NAME")->text(), QString::fromLatin1(c.name).toUpper());
        f.btnOk()->click();
        ASSERT_EQ(f.result(), QDialog::Accepted) << env.prompter().texts().join('|').toStdString();
        EXPECT_EQ(f.resultNameId(), ++expectedId);
        const int id = f.resultNameId();
        EXPECT_EQ(stored(id, "NAME").toString(), QString::fromLatin1(c.name).toUpper());
        EXPECT_EQ(stored(id, "ADDRESS1").toString(), QStringLiteral("1 ELM ST"));
        EXPECT_EQ(stored(id, "CITY").toString(), QStringLiteral("TUCSON"));
        EXPECT_EQ(stored(id, "STATE").toString(), QStringLiteral("AZ"));
        EXPECT_EQ(stored(id, "ZIP").toString(), QString::fromLatin1(c.zip));
        if (c.phone)
            EXPECT_EQ(stored(id, "PHONE").toString(), QString::fromLatin1(c.phone));
        else
            EXPECT_TRUE(stored(id, "PHONE").isNull());
        EXPECT_EQ(stored(id, "EMAIL").toString(), QStringLiteral("John.Smith@Example.com"));
        EXPECT_EQ(stored(id, "USER1").toString(), QStringLiteral("abc"));
        EXPECT_EQ(stored(id, "OCCUPATION").toString(), QStringLiteral("TEACHER"));
    }
    // Two tones after each save.
    EXPECT_EQ(sounds.tones.size(), 3 * 2);
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(NamesTest, RefusedSaveKeepsTheWindowOpenWithTheCursorInTheField) {
    addName(1, 1, QStringLiteral("SMITH, JOHN"));
    dm->opt().Sounds = true;
    struct Case {
        int nameId;
        const char* nameKeys;
        const char* emptied;  // a field cleared after filling
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {-1, "smith, john", nullptr, "Duplicate name entered", "NAME"},
        {-1, "doe, jane", "CITY", "City must be specified", "CITY"},
        {-1, "doe, jane", "ADDRESS1", "Address must be specified", "ADDRESS1"},
        {1, nullptr, "CITY", "Field 'CITY' must have a value", "CITY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        env.prompter().clear();
        TNameEntryForm f(*dm, 1, c.nameId, QString());
        f.show();
        if (c.nameId < 0) {
            typeInto(f, "NAME", c.nameKeys);
            fillRequired(f);
        }
        if (c.emptied) typeInto(f, c.emptied, QString());
        f.setResult(-1);
        f.btnOk()->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.result(), -1);
        EXPECT_EQ(f.resultNameId(), -1);
        EXPECT_EQ(env.prompter().texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(f.focusWidget(), f.editor(c.focus));
        f.hide();
    }
    EXPECT_EQ(nameCount(), 1);
    EXPECT_EQ(stored(1, "CITY").toString(), QStringLiteral("TUCSON"));
    EXPECT_TRUE(sounds.tones.isEmpty());
}

TEST_F(NamesTest, CancelAsksOnlyWhenSomethingChanged) {
    // A stored zip and phone number without punctuation are shown in the fields' shape; that
    // alone is no change.
    addName(1, 1, QStringLiteral("SMITH, JOHN"));
    env.exec(QStringLiteral("UPDATE NAMELIST SET ZIP = '857011234'"));
    {
        TNameEntryForm f(*dm, 1, 1, QString());
        EXPECT_EQ(lineEdit(f, "ZIP")->text(), QStringLiteral("85701-1234"));
        EXPECT_EQ(lineEdit(f, "PHONE")->text(), QStringLiteral("(520)555-1234"));
        f.show();
        f.btnCancel()->click();
        EXPECT_FALSE(f.isVisible());
        EXPECT_TRUE(env.prompter().messages().isEmpty());
    }
    {
        TNameEntryForm f(*dm, 1, 1, QString());
        f.show();
        typeInto(f, "CITY", "phoenix");
        env.prompter().queueAnswer(Prompter::Answer::No);
        QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
        env.prompter().queueAnswer(Prompter::Answer::Yes);
        f.btnCancel()->click();
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(f.resultNameId(), -1);
        EXPECT_EQ(env.prompter().texts(), (QStringList{kQuitQuestion, kQuitQuestion}));
        EXPECT_EQ(env.prompter().messages()[0].buttons, Prompter::Buttons::YesNo);
    }
    EXPECT_EQ(stored(1, "CITY").toString(), QStringLiteral("TUCSON"));
    EXPECT_EQ(stored(1, "ZIP").toString(), QStringLiteral("857011234"));
}

TEST_F(NamesTest, EntryWindowForANameOfAnotherCommitteeReportsAndThrows) {
    addName(4, 1, QStringLiteral("THEIRS"), kOtherFiler);
    EXPECT_THROW(TNameEntryForm(*dm, 1, 4, QString()), DbError);
    ASSERT_EQ(env.prompter().messages().size(), 1);
    EXPECT_TRUE(env.prompter().messages()[0].text.startsWith(
        QStringLiteral("Exception opening names table in name entry: ")));
}

// --- Names list window ------------------------------------------------------------------------

TEST_F(NamesTest, ListTabsShowTheirTypesAndTheCount) {
    addName(1, 1, QStringLiteral("ADAMS"));
    addName(2, 2, QStringLiteral("DESERT PAC"));
    addName(3, 7, QStringLiteral("FRIENDS OF LEE"));
    addName(4, 8, QStringLiteral("GREEN PARTY"));
    addName(5, 2, QStringLiteral("THEIR PAC"), kOtherFiler);
    TNamesListForm f(*dm);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Names List"));
    ASSERT_EQ(f.tabs()->count(), 7);
    EXPECT_EQ(shownNames(f), (QStringList{"ADAMS", "DESERT PAC", "FRIENDS OF LEE", "GREEN PARTY"}));
    EXPECT_EQ(f.lblCount()->text(), QStringLiteral("4"));
    EXPECT_EQ(f.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    EXPECT_EQ(f.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Type"));
    EXPECT_EQ(f.model()->index(2, 1).data().toString(), QStringLiteral("Candidate Committee"));

    f.tabs()->setCurrentIndex(2);
    EXPECT_EQ(f.tabs()->tabText(2), QStringLiteral("Committees"));
    EXPECT_EQ(shownNames(f), QStringList{"DESERT PAC"});
    EXPECT_EQ(f.lblCount()->text(), QStringLiteral("1"));
    // Re-reading after a change keeps to the tab's types.
    addName(6, 7, QStringLiteral("ANOTHER CANDIDATE COMMITTEE"));
    RefreshOpenLists(*dm);
    EXPECT_EQ(shownNames(f), QStringList{"DESERT PAC"});

    f.tabs()->setCurrentIndex(4);
    EXPECT_TRUE(shownNames(f).isEmpty());
    EXPECT_EQ(f.lblCount()->text(), QStringLiteral("0"));
    EXPECT_FALSE(f.btnEdit()->isEnabled());
    EXPECT_FALSE(f.btnDelete()->isEnabled());
}

TEST_F(NamesTest, ListKeepsTheSelectedNameThroughRereads) {
    addName(1, 1, QStringLiteral("BAKER"));
    addName(2, 1, QStringLiteral("CLARK"));
    addName(3, 1, QStringLiteral("DAVIS"));
    TNamesListForm f(*dm);
    EXPECT_EQ(f.currentNameId(), 1);
    ASSERT_TRUE(f.selectNameId(2));

    // A new name sorting before it moves its row, not the selection.
    NameRecord r = NameRecord::create(1);
    r.setValue("NAME", "ADAMS");
    r.setValue("ADDRESS1", "1 ELM");
    r.setValue("CITY", "TUCSON");
    r.setValue("ZIP", "85701");
    ASSERT_EQ(SaveName(*dm, r).status, NameSaveOutcome::Status::Saved);
    EXPECT_EQ(shownNames(f), (QStringList{"ADAMS", "BAKER", "CLARK", "DAVIS"}));
    EXPECT_EQ(f.currentNameId(), 2);
    EXPECT_EQ(f.grid()->currentIndex().row(), 2);

    // So does reversing the order.
    f.nameTitleClick();
    EXPECT_EQ(shownNames(f), (QStringList{"DAVIS", "CLARK", "BAKER", "ADAMS"}));
    EXPECT_EQ(f.currentNameId(), 2);
    EXPECT_EQ(f.grid()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

    // When the name is gone the first row is selected.
    env.exec("DELETE FROM NAMELIST WHERE NAMEID = 2");
    RefreshOpenLists(*dm);
    EXPECT_EQ(shownNames(f), (QStringList{"DAVIS", "BAKER", "ADAMS"}));
    EXPECT_EQ(f.currentNameId(), 3);
}

TEST_F(NamesTest, DeleteKeyDeletesOnlyUnusedNamesAndShiftDeleteNothing) {
    addName(1, 1, QStringLiteral("ADAMS"));
    addName(2, 1, QStringLiteral("BAKER"));
    addTransaction(1, 1);
    TNamesListForm f(*dm);
    f.selectNameId(1);
    QTest::keyClick(f.grid(), Qt::Key_Delete);
    EXPECT_EQ(env.prompter().texts(),
              QStringList{"Name <ADAMS> is used in transactions. Cannot delete."});

    env.prompter().clear();
    f.selectNameId(2);
    QTest::keyClick(f.grid(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(env.prompter().messages().isEmpty());

    env.prompter().queueAnswer(Prompter::Answer::Yes);
    QTest::keyClick(f.grid(), Qt::Key_Delete);
    EXPECT_EQ(env.prompter().texts(), QStringList{"Are you sure you want to delete this name ?"});
    EXPECT_EQ(shownNames(f), QStringList{"ADAMS"});
    EXPECT_EQ(f.lblCount()->text(), QStringLiteral("1"));
    EXPECT_EQ(nameCount(), 1);
}

TEST_F(NamesTest, EditOpensTheSelectedNameAndTheListShowsTheChange) {
    addName(1, 1, QStringLiteral("ADAMS"));
    addName(2, 4, QStringLiteral("BAKER SUPPLY"));
    TNamesListForm f(*dm);
    f.selectNameId(2);
    QString title;
    WhenShown<TNameEntryForm> entry([&](TNameEntryForm* w) {
        title = w->windowTitle();
        typeInto(*w, "NAME", "ACME SUPPLY");
        w->btnOk()->click();
    });
    QTest::keyClick(f.grid(), Qt::Key_Return);
    EXPECT_TRUE(entry.done());
    EXPECT_EQ(title, QStringLiteral("Vendor"));
    EXPECT_EQ(shownNames(f), (QStringList{"ACME SUPPLY", "ADAMS"}));
    EXPECT_EQ(f.currentNameId(), 2);
}

// --- Adding a name from a look-up
// ------------------------------------------------------------------

TEST_F(NamesTest, AddingWithoutATypeAsksForTheTypeFirst) {
    QStringList captions;
    QString preselected;
    QString prompt;
    WhenShown<TSelectNameTypeForm> chooser([&](TSelectNameTypeForm* w) {
        for (int i = 0; i < w->cbxNameType()->count(); ++i)
            captions << w->cbxNameType()->itemText(i);
        preselected = w->cbxNameType()->currentText();
        for (QLabel* l : w->findChildren<QLabel*>()) prompt += l->text();
        w->cbxNameType()->setCurrentIndex(3);
        EXPECT_EQ(w->btnOk()->text(), QStringLiteral("Ok"));
        w->btnOk()->click();
    });
    QString title;
    QString nameShown;
    WhenShown<TNameEntryForm> entry([&](TNameEntryForm* w) {
        title = w->windowTitle();
        nameShown = lineEdit(*w, "NAME")->text();
        fillRequired(*w);
        w->btnOk()->click();
    });
    const int id = AddNameFromList(*dm, QStringLiteral("Acme Printing"), -1);
    EXPECT_TRUE(chooser.done());
    EXPECT_TRUE(entry.done());
    EXPECT_EQ(captions,
              (QStringList{"Individual", "PAC", "Bank", "Vendor", "Candidate/Family Member",
                           "Other", "Candidate Committee", "Party", "Partnership",
                           "Corporation/LLC", "Labor Organization"}));
    EXPECT_EQ(preselected, QStringLiteral("Individual"));
    EXPECT_EQ(prompt, QStringLiteral("Select name type and then press OK"));
    EXPECT_EQ(title, QStringLiteral("Vendor"));
    EXPECT_EQ(nameShown, QStringLiteral("ACME PRINTING"));
    ASSERT_EQ(id, 1);
    EXPECT_EQ(stored(1, "NAMETYPEID").toInt(), 4);
    EXPECT_EQ(stored(1, "NAME").toString(), QStringLiteral("ACME PRINTING"));
    ASSERT_EQ(env.prompter().messages().size(), 1);
    const auto& question = env.prompter().messages()[0];
    EXPECT_EQ(question.text, QStringLiteral("Acme Printing not in Name list. Add to list?"));
    EXPECT_EQ(question.kind, Prompter::Kind::Information);
    EXPECT_EQ(question.buttons, Prompter::Buttons::OkCancel);
}

TEST_F(NamesTest, AddingIsAbandonedByEachCancel) {
    // Cancel in the type window.
    WhenShown<TSelectNameTypeForm> chooser([](TSelectNameTypeForm* w) { w->btnCancel()->click(); });
    EXPECT_EQ(AddNameFromList(*dm, QStringLiteral("ACME"), -1), -1);
    EXPECT_TRUE(chooser.done());

    // Cancel to the question: no window at all.
    env.prompter().clear();
    env.prompter().queueAnswer(Prompter::Answer::Cancel);
    EXPECT_EQ(AddNameFromList(*dm, QStringLiteral("ACME"), -1), -1);
    EXPECT_EQ(env.prompter().texts(), QStringList{"ACME not in Name list. Add to list?"});

    // A known type goes straight to the entry window; the typed name is data the person is
    // asked about before it is dropped.
    env.prompter().clear();
    QString title;
    WhenShown<TNameEntryForm> entry([&](TNameEntryForm* w) {
        title = w->windowTitle();
        env.prompter().queueAnswer(Prompter::Answer::Yes);
        w->btnCancel()->click();
    });
    EXPECT_EQ(AddNameFromList(*dm, QStringLiteral("Lee, Ann"), 1), -1);
    EXPECT_TRUE(entry.done());
    EXPECT_EQ(title, QStringLiteral("Individual"));
    EXPECT_EQ(env.prompter().texts(),
              (QStringList{"Lee, Ann not in Individual list. Add to list?", kQuitQuestion}));
    EXPECT_EQ(nameCount(), 0);
}

TEST_F(NamesTest, AddButtonGoesStraightToTheTypeAndSelectsTheNewName) {
    addName(1, 1, QStringLiteral("ZIMMER"));
    TNamesListForm f(*dm);
    WhenShown<TSelectNameTypeForm> chooser([](TSelectNameTypeForm* w) { w->btnOk()->click(); });
    WhenShown<TNameEntryForm> entry([&](TNameEntryForm* w) {
        typeInto(*w, "NAME", "adams, ann");
        fillRequired(*w);
        w->btnOk()->click();
    });
    f.btnAdd()->click();
    EXPECT_TRUE(entry.done());
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    EXPECT_EQ(shownNames(f), (QStringList{"ADAMS, ANN", "ZIMMER"}));
    EXPECT_EQ(f.currentNameId(), 2);
}

// --- In the frame
// ---------------------------------------------------------------------------------

namespace {
class NoOpener : public DocumentOpener {
public:
    int open(const QString&) override { return kOpened; }
};
}  // namespace

TEST_F(NamesTest, FrameOpensOneNamesListAndKeepsItsPlacementWhateverRestoreWindowsSays) {
    addName(1, 1, QStringLiteral("ADAMS"));
    IniFile& ini = dm->settings();
    ini.writeString("General", "ShowSplash", "0");
    ini.writeString("General", "RestoreWindows", "0");
    ini.writeString("General", "LastOrg", kFiler);
    FixedPrinterList printers{{QStringLiteral("PDF")}};
    NoOpener opener;
    auto frame = std::make_unique<TMainForm>(*dm, printers, opener);
    RegisterNamesWindows(*frame, *dm);
    frame->resize(1000, 700);
    frame->show();

    frame->runCommand("lists.names");
    frame->runCommand("lists.names");
    ASSERT_EQ(frame->childWindows().size(), 1);
    QMdiSubWindow* w = frame->findChildWindow(TMainForm::kNamesListForm);
    ASSERT_NE(w, nullptr);
    auto* list = qobject_cast<TNamesListForm*>(w->widget());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(shownNames(*list), QStringList{"ADAMS"});

    w->setGeometry(20, 30, 400, 300);
    list->btnClose()->click();
    QApplication::processEvents();
    EXPECT_TRUE(frame->childWindows().isEmpty());
    const IniFile saved(dm->settingsFilePath());
    EXPECT_EQ(saved.readInteger("Window_TNamesListForm", "Left", -1), 20);
    EXPECT_EQ(saved.readInteger("Window_TNamesListForm", "Width", -1), 400);

    frame->runCommand("lists.names");
    ASSERT_EQ(frame->childWindows().size(), 1);
    EXPECT_EQ(frame->childWindows()[0]->geometry(), QRect(20, 30, 400, 300));
}

TEST_F(NamesTest, ListThatCannotBeReadIsNotOpened) {
    IniFile& ini = dm->settings();
    ini.writeString("General", "ShowSplash", "0");
    ini.writeString("General", "RestoreWindows", "0");
    ini.writeString("General", "LastOrg", kFiler);
    FixedPrinterList printers;
    NoOpener opener;
    TMainForm frame(*dm, printers, opener);
    QString failure;
    TNamesListForm::setOpenFailureHandler([&](const DbError& e) { failure = e.message(); });
    dm->db().close();
    EXPECT_EQ(TNamesListForm::open(frame, *dm), nullptr);
    TNamesListForm::setOpenFailureHandler(nullptr);
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_TRUE(frame.childWindows().isEmpty());
}
