#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "committee/committee_info_form.h"
#include "committee/committee_record.h"
#include "exchange/backup.h"
#include "frame_fixture.h"
#include "ledger/open_lists.h"
#include "shell/committee_commands_ui.h"
#include "shell/committee_select_form.h"
#include "shell/correct_filer_id_form.h"
#include "shell/file_dialogs.h"
#include "shell/frame_logic.h"
#include "shell/opt_data.h"
#include "shell/period_select_form.h"
#include "store/sql_text.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
const QString kFilerId = QStringLiteral("123-4567");
const QString kNoDash = QStringLiteral("1234567");
const QString kOther = QStringLiteral("222-3333");

void addName(TestEnv& env, const QString& filerId, int nameId, const QString& name) {
    env.exec(QStringLiteral("INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, STATE, "
                            "ZIP, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES (%1, %2, CURRENT_TIMESTAMP, 1, %3, "
                            "'1 ELM ST', 'TUCSON', 'AZ', '85701', CURRENT_TIMESTAMP, 'USER', 'F')")
                 .arg(SqlQuote(filerId), QString::number(nameId), SqlQuote(name)));
}

void addTransaction(TestEnv& env, const QString& filerId, int transId, int nameId, const QString& amount) {
    env.exec(QStringLiteral("INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, AMOUNT, NAMEID, "
                            "CREDITACCOUNTID, DEBITACCOUNTID, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES (%1, %2, "
                            "CURRENT_TIMESTAMP, %2, '03/15/2024', %4, %3, 100, 210, CURRENT_TIMESTAMP, 'USER', 'F')")
                 .arg(SqlQuote(filerId), QString::number(transId), QString::number(nameId), amount));
}

// A committee with two names and three transactions.
void addCommitteeWithData(TestEnv& env, const QString& filerId, const QString& name) {
    env.addCommittee(filerId, name);
    addName(env, filerId, 1, QStringLiteral("DOE, JANE"));
    addName(env, filerId, 2, QStringLiteral("ROE, RICHARD"));
    addTransaction(env, filerId, 1, 1, QStringLiteral("100"));
    addTransaction(env, filerId, 2, 2, QStringLiteral("250.5"));
    addTransaction(env, filerId, 3, 1, QStringLiteral("25"));
}

int count(TestEnv& env, const QString& table, const QString& filerId) {
    return env.value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE FILERID = %2").arg(table, SqlQuote(filerId))).toInt();
}

QStringList column(QTableWidget* grid, int col) {
    QStringList out;
    for (int row = 0; row < grid->rowCount(); ++row) out << grid->item(row, col)->text();
    return out;
}

// A click on a column title, as a person makes it.
void clickTitle(QTableWidget* grid, int col) {
    QHeaderView* header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}
}  // namespace

// The main window with the committee commands attached, as the program wires it.
class CommitteeCommandsTest : public FrameTest {
protected:
    void SetUp() override {
        FileDialogs::clearNextFileNames();
        FileDialogs::clearRequests();
        quietStart();
    }
    void TearDown() override {
        for (const QPointer<QTimer>& t : std::as_const(timers_))
            if (t) delete t.data();
        FileDialogs::clearNextFileNames();
    }

    std::unique_ptr<TMainForm> makeCommandForm() {
        auto form = makeForm();
        commands = RegisterCommitteeCommands(*form, dm());
        // A stand-in for the names list, so that the saving and reopening of windows can be seen.
        TMainForm* f = form.get();
        f->registerChildWindow(TMainForm::kNamesListForm, [f](int) {
            auto* w = new QWidget;
            w->setWindowTitle(QStringLiteral("Names"));
            f->addChildWindow(w, -1, TMainForm::kNamesListForm);
        });
        return form;
    }

    // Acts on the next modal window of type T once it runs; the act may arrange the next one.
    template <class T>
    void onNextModal(std::function<void(T*)> act) {
        auto* timer = new QTimer;
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
            auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!w || !w->isVisible()) return;
            timer->stop();
            timer->deleteLater();
            act(w);
            // A window the act meant to close but that stayed open would hold the test forever.
            if (w->isVisible()) {
                ADD_FAILURE() << "the window " << w->metaObject()->className() << " is still open";
                w->reject();
            }
        });
        timers_.append(timer);
        timer->start();
    }

    // Types a filer ID into the Correct Filer ID window and presses OK.
    static void enterFilerId(TCorrectFilerIdForm* w, const QString& digits) {
        w->edtFilerId()->setCursorPosition(0);
        QTest::keyClicks(w->edtFilerId(), digits);
        w->btnOk()->click();
    }

    TCommitteeCommands* commands = nullptr;

private:
    QList<QPointer<QTimer>> timers_;
};

// --- Filer-ID repair after start-up -------------------------------------------------------------

TEST_F(CommitteeCommandsTest, RepairInsertsTheDashAndNamesAndTransactionsFollow) {
    addCommitteeWithData(env, kNoDash, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kNoDash);
    auto form = makeCommandForm();
    form->addChildWindow(new QWidget, -1, TMainForm::kNamesListForm);
    ASSERT_EQ(dm().currentFilerId(), kNoDash);

    QApplication::processEvents();  // the deferred start-up step

    EXPECT_EQ(dm().currentFilerId(), kFilerId);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance  Name: FRIENDS OF PAT  Filerid: 123-4567"));
    EXPECT_EQ(env.value(QStringLiteral("SELECT COUNT(*) FROM ORGS")).toInt(), 1);
    EXPECT_EQ(count(env, QStringLiteral("ORGS"), kFilerId), 1);
    EXPECT_EQ(count(env, QStringLiteral("NAMELIST"), kFilerId), 2);
    EXPECT_EQ(count(env, QStringLiteral("TRANSACT"), kFilerId), 3);
    EXPECT_EQ(count(env, QStringLiteral("TRANSACT"), kNoDash), 0);
    EXPECT_TRUE(form->committees().contains(kFilerId));
    EXPECT_FALSE(form->committees().contains(kNoDash));
    // The window open before the change is open again afterwards.
    ASSERT_EQ(form->childWindows().size(), 1);
    EXPECT_EQ(form->childWindows().constFirst()->widget()->windowTitle(), QStringLiteral("Names"));
    EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join('|').toStdString();
}

TEST_F(CommitteeCommandsTest, RepairLeavesEverythingAsItIsWhenNotNeededOrNotPossible) {
    struct Case {
        QString stored;
        QString alsoExisting;  // another committee already there
        QString message;       // what the person is told; empty for nothing
    };
    const QList<Case> cases = {
        {kNoDash, kFilerId,
         QStringLiteral("Attempt to correct format of Filerid '1234567' to include dash in 4th postion but that id "
                        "already exists: '123-4567'")},
        {QStringLiteral("123"), {}, {}},
        {QStringLiteral("12"), {}, {}},
        {QStringLiteral("1234-567"), {}, {}},
        {QStringLiteral("-1234567"), {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        TestEnv caseEnv;
        caseEnv.addCommittee(c.stored, QStringLiteral("STORED"));
        addName(caseEnv, c.stored, 1, QStringLiteral("DOE, JANE"));
        addTransaction(caseEnv, c.stored, 1, 1, QStringLiteral("10"));
        if (!c.alsoExisting.isEmpty()) caseEnv.addCommittee(c.alsoExisting, QStringLiteral("ALREADY THERE"));
        Tdm& caseDm = caseEnv.openTdm();
        caseDm.settings().writeString(QStringLiteral("General"), QStringLiteral("ShowSplash"), QStringLiteral("0"));
        caseDm.settings().writeString(QStringLiteral("General"), QStringLiteral("LastOrg"), c.stored);
        {
            TMainForm form(caseDm, printers, opener);
            RegisterCommitteeCommands(form, caseDm);
            QApplication::processEvents();
            EXPECT_EQ(caseDm.currentFilerId(), c.stored);
        }
        EXPECT_EQ(count(caseEnv, QStringLiteral("ORGS"), c.stored), 1);
        EXPECT_EQ(count(caseEnv, QStringLiteral("NAMELIST"), c.stored), 1);
        EXPECT_EQ(count(caseEnv, QStringLiteral("TRANSACT"), c.stored), 1);
        EXPECT_EQ(caseEnv.value(QStringLiteral("SELECT COUNT(*) FROM ORGS")).toInt(), c.alsoExisting.isEmpty() ? 1 : 2);
        if (c.message.isEmpty())
            EXPECT_TRUE(caseEnv.prompter().messages().isEmpty()) << caseEnv.prompter().texts().join('|').toStdString();
        else
            EXPECT_EQ(caseEnv.prompter().texts(), QStringList{c.message});
    }
}

// --- Correct Filer ID ---------------------------------------------------------------------------

TEST_F(CommitteeCommandsTest, CorrectFilerIdAsksAgainUntilANewFreeIdIsGiven) {
    addCommitteeWithData(env, kFilerId, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();

    QStringList seen;
    onNextModal<TCorrectFilerIdForm>([this, &seen](TCorrectFilerIdForm* w) {
        seen << w->windowTitle();
        onNextModal<TCorrectFilerIdForm>([this](TCorrectFilerIdForm* w2) {
            onNextModal<TCorrectFilerIdForm>([](TCorrectFilerIdForm* w3) { enterFilerId(w3, QStringLiteral("5551234")); });
            w2->btnOk()->click();  // nothing typed
        });
        enterFilerId(w, QStringLiteral("1234567"));  // the ID the committee already has
    });
    form->runCommand(QStringLiteral("file.actions.correctFilerId"));

    EXPECT_EQ(seen, QStringList{QStringLiteral("Correct Filer ID")});
    EXPECT_EQ(env.prompter().texts(),
              (QStringList{QStringLiteral("FilerID '123-4567' already exists."), QStringLiteral("Filerid is required.")}));
    EXPECT_EQ(dm().currentFilerId(), QStringLiteral("555-1234"));
    EXPECT_EQ(count(env, QStringLiteral("NAMELIST"), QStringLiteral("555-1234")), 2);
    EXPECT_EQ(count(env, QStringLiteral("TRANSACT"), QStringLiteral("555-1234")), 3);
    EXPECT_EQ(count(env, QStringLiteral("ORGS"), kFilerId), 0);
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral("Filerid: 555-1234")));
}

TEST_F(CommitteeCommandsTest, CorrectFilerIdCancelledOrPartlyTypedChangesNothing) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();

    bool stayedOpen = false;
    onNextModal<TCorrectFilerIdForm>([&stayedOpen](TCorrectFilerIdForm* w) {
        enterFilerId(w, QStringLiteral("55"));
        stayedOpen = w->isVisible();
        EXPECT_EQ(w->edtFilerId()->text(), QStringLiteral("55-"));
        w->btnCancel()->click();
    });
    form->runCommand(QStringLiteral("file.actions.correctFilerId"));

    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(env.prompter().texts(),
              QStringList{QStringLiteral("Enter the Filer ID as three digits, a dash and four digits.")});
    EXPECT_EQ(dm().currentFilerId(), kFilerId);
    EXPECT_EQ(count(env, QStringLiteral("ORGS"), kFilerId), 1);
}

// --- Delete, New, Open ----------------------------------------------------------------------------

TEST_F(CommitteeCommandsTest, DeletingTheOpenCommitteeLeavesNoCommitteeWithCommitteeMenusDisabled) {
    addCommitteeWithData(env, kFilerId, QStringLiteral("FRIENDS OF PAT"));
    addCommitteeWithData(env, kOther, QStringLiteral("SECOND"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();
    form->addChildWindow(new QWidget, -1, TMainForm::kNamesListForm);
    ASSERT_TRUE(form->menuAction(MenuId::kCommitteeProperties)->isEnabled());

    QString offered;
    onNextModal<TCommitteeSelectForm>([&offered](TCommitteeSelectForm* w) {
        offered = w->selectedFilerId();  // stands on the open committee
        w->btnOk()->click();
    });
    form->runCommand(MenuId::kDeleteCommittee);

    EXPECT_EQ(offered, kFilerId);
    EXPECT_EQ(env.prompter().texts(),
              (QStringList{QStringLiteral("Changing organizations will close all windows and close committee. Do you "
                                          "want to continue ?"),
                           QStringLiteral("Are you SURE you want to delete this committee.  THIS IS UNRECOVERABLE !!"),
                           QStringLiteral("Deleted organization\r\nFRIENDS OF PAT ('123-4567').")}));
    EXPECT_FALSE(form->committeeOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance"));
    EXPECT_TRUE(form->childWindows().isEmpty());
    for (const QString& id : {MenuId::kCommitteeProperties, MenuId::kCommitteeActions, MenuId::kLists,
                              MenuId::kTransactions})
        EXPECT_FALSE(form->menuAction(id)->isEnabled()) << id.toStdString();
    EXPECT_TRUE(form->menuAction(MenuId::kOpenCommittee)->isEnabled());
    for (const QString& table : {QStringLiteral("ORGS"), QStringLiteral("NAMELIST"), QStringLiteral("TRANSACT")}) {
        EXPECT_EQ(count(env, table, kFilerId), 0) << table.toStdString();
        EXPECT_GT(count(env, table, kOther), 0) << table.toStdString();
    }
    // Opening by the deleted ID finds nothing any more.
    EXPECT_FALSE(form->openCommitteeByFilerId(kFilerId));
    EXPECT_EQ(form->committees().count(), 1);
}

TEST_F(CommitteeCommandsTest, DeletingAnotherCommitteeKeepsTheOpenOne) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    env.addCommittee(kOther, QStringLiteral("SECOND"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();

    onNextModal<TCommitteeSelectForm>([](TCommitteeSelectForm* w) {
        const int row = int(column(w->grid(), TCommitteeSelectForm::ColFilerId).indexOf(kOther));
        w->grid()->setCurrentCell(row, TCommitteeSelectForm::ColName);
        w->btnOk()->click();
    });
    form->runCommand(MenuId::kDeleteCommittee);

    EXPECT_EQ(count(env, QStringLiteral("ORGS"), kOther), 0);
    EXPECT_EQ(dm().currentFilerId(), kFilerId);
    EXPECT_EQ(form->committees().currentName(), QStringLiteral("FRIENDS OF PAT"));
    EXPECT_TRUE(form->menuAction(MenuId::kCommitteeProperties)->isEnabled());
    EXPECT_TRUE(env.prompter().saw(QStringLiteral("Deleted organization\r\nSECOND ('222-3333').")));
}

TEST_F(CommitteeCommandsTest, NewCommitteeIsOpenedAndCancelReturnsToTheOpenOne) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();

    // Cancel: no new row, the open committee stays.
    onNextModal<TCommitteeInfoForm>([](TCommitteeInfoForm* w) {
        EXPECT_TRUE(w->editor(QStringLiteral("FILERID"))->isEnabled());
        EXPECT_TRUE(w->editor(QStringLiteral("COMMITTEETYPEID"))->isEnabled());
        w->btnCancelClick();
    });
    form->runCommand(MenuId::kNewCommittee);
    EXPECT_EQ(env.value(QStringLiteral("SELECT COUNT(*) FROM ORGS")).toInt(), 1);
    EXPECT_EQ(dm().currentFilerId(), kFilerId);
    EXPECT_EQ(form->committees().filerId(), kFilerId);
    EXPECT_EQ(form->committees().currentName(), QStringLiteral("FRIENDS OF PAT"));

    // OK: the new committee is open. With a window open the person is asked first.
    form->addChildWindow(new QWidget, -1, TMainForm::kNamesListForm);
    onNextModal<TCommitteeInfoForm>([](TCommitteeInfoForm* w) {
        auto type = [w](const QString& column, const QString& text) {
            auto* e = qobject_cast<QLineEdit*>(w->editor(column));
            ASSERT_NE(e, nullptr) << column.toStdString();
            e->home(false);
            QTest::keyClicks(e, text);
        };
        type(QStringLiteral("FILERID"), QStringLiteral("777-0001"));
        type(QStringLiteral("NAME"), QStringLiteral("new neighbours"));
        type(QStringLiteral("ADDRESS1"), QStringLiteral("5 oak st"));
        type(QStringLiteral("CITY"), QStringLiteral("tucson"));
        type(QStringLiteral("ZIP"), QStringLiteral("857011234"));
        type(QStringLiteral("CHNAME"), QStringLiteral("doe, jane"));
        type(QStringLiteral("TRNAME"), QStringLiteral("roe, richard"));
        auto* kind = qobject_cast<QComboBox*>(w->editor(QStringLiteral("COMMITTEETYPEID")));
        ASSERT_NE(kind, nullptr);
        kind->setCurrentIndex(kind->findData(2));
        w->btnFinishClick();
    });
    form->runCommand(MenuId::kNewCommittee);
    EXPECT_EQ(env.prompter().texts(),
              QStringList{QStringLiteral("Changing organizations will close all windows.\r\nDo you want to continue ?")});
    EXPECT_EQ(dm().currentFilerId(), QStringLiteral("777-0001"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance  Name: NEW NEIGHBOURS  Filerid: 777-0001"));
    EXPECT_EQ(count(env, QStringLiteral("ORGS"), QStringLiteral("777-0001")), 1);
}

TEST_F(CommitteeCommandsTest, OpenCommitteeWithoutCommitteesOffersToCreateOne) {
    auto form = makeCommandForm();
    env.prompter().queueAnswer(Prompter::Answer::No);
    form->runCommand(MenuId::kOpenCommittee);
    ASSERT_EQ(env.prompter().messages().size(), 1);
    EXPECT_EQ(env.prompter().messages().constFirst().text,
              QStringLiteral("No organizations exist.\r\nDo you want to create one ?"));
    EXPECT_EQ(env.prompter().messages().constFirst().buttons, Prompter::Buttons::YesNo);
    EXPECT_FALSE(form->committeeOpen());
}

TEST_F(CommitteeCommandsTest, OpenCommitteeOpensTheChosenOneWithTheSameWindows) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    env.addCommittee(kOther, QStringLiteral("SECOND"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();
    form->addChildWindow(new QWidget, -1, TMainForm::kNamesListForm);

    onNextModal<TCommitteeSelectForm>([](TCommitteeSelectForm* w) {
        const int row = int(column(w->grid(), TCommitteeSelectForm::ColFilerId).indexOf(kOther));
        const QPoint at = w->grid()->visualItemRect(w->grid()->item(row, TCommitteeSelectForm::ColName)).center();
        QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w->grid()->viewport(), Qt::LeftButton, {}, at);
    });
    form->runCommand(MenuId::kOpenCommittee);

    EXPECT_EQ(dm().currentFilerId(), kOther);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance  Name: SECOND  Filerid: 222-3333"));
    ASSERT_EQ(form->childWindows().size(), 1);
    EXPECT_EQ(form->childWindows().constFirst()->widget()->windowTitle(), QStringLiteral("Names"));
}

// --- Committee Select and Period Selection ---------------------------------------------------------

TEST_F(CommitteeCommandsTest, CommitteeSelectSortsByTheClickedTitleKeepingTheSelection) {
    // Filer IDs in the opposite order of the names, so that the two sorts differ both ways.
    env.addCommittee(QStringLiteral("100-0001"), QStringLiteral("ZED"));
    env.addCommittee(QStringLiteral("200-0002"), QStringLiteral("MIDDLE"));
    env.addCommittee(QStringLiteral("300-0003"), QStringLiteral("ABLE"));
    env.addCommittee(QStringLiteral("400-0004"), QStringLiteral("BAKER"));
    TCommitteeSelectForm w(dm(), QStringLiteral("200-0002"));
    w.resize(480, 360);
    w.show();
    QApplication::processEvents();
    QTableWidget* grid = w.grid();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Committee Select"));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("ID#"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Name"));
    EXPECT_EQ(grid->item(0, 0)->textAlignment(), int(Qt::AlignCenter));

    struct Step {
        int title;  // -1: as the window opens
        QStringList names;
    };
    const QList<Step> steps = {
        {-1, {"ABLE", "BAKER", "MIDDLE", "ZED"}},
        {TCommitteeSelectForm::ColName, {"ZED", "MIDDLE", "BAKER", "ABLE"}},
        {TCommitteeSelectForm::ColName, {"ABLE", "BAKER", "MIDDLE", "ZED"}},
        {TCommitteeSelectForm::ColFilerId, {"ZED", "MIDDLE", "ABLE", "BAKER"}},
        {TCommitteeSelectForm::ColFilerId, {"BAKER", "ABLE", "MIDDLE", "ZED"}},
        {TCommitteeSelectForm::ColName, {"ABLE", "BAKER", "MIDDLE", "ZED"}},
    };
    for (int i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        if (steps[i].title >= 0) clickTitle(grid, steps[i].title);
        EXPECT_EQ(column(grid, TCommitteeSelectForm::ColName), steps[i].names);
        EXPECT_EQ(w.selectedFilerId(), QStringLiteral("200-0002"));
        EXPECT_EQ(w.selectedName(), QStringLiteral("MIDDLE"));
        EXPECT_EQ(grid->selectionModel()->selectedRows().size(), 1);
    }
}

TEST_F(CommitteeCommandsTest, PeriodSelectionStandsOnTheCurrentPeriodOrTheLastRow) {
    const int periods = env.value(QStringLiteral("SELECT COUNT(*) FROM PERIODS")).toInt();
    const int lastCycle = env.value(QStringLiteral("SELECT MAX(CYCLE) FROM PERIODS")).toInt();
    const int lastPeriod =
        env.value(QStringLiteral("SELECT MAX(PERIODID) FROM PERIODS WHERE CYCLE = %1").arg(lastCycle)).toInt();
    {
        TPeriodSelectForm w(dm(), 2018, 8);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Period Selection"));
        EXPECT_EQ(w.grid()->rowCount(), periods);
        QStringList titles;
        for (int c = 0; c < w.grid()->columnCount(); ++c) titles << w.grid()->horizontalHeaderItem(c)->text();
        EXPECT_EQ(titles, (QStringList{"Cycle", "Period", "Period Name", "Begin Date", "End Date"}));
        EXPECT_EQ(w.grid()->toolTip(), QStringLiteral("Double click on period to select."));
        EXPECT_EQ(w.selectedCycle(), 2018);
        EXPECT_EQ(w.selectedPeriod(), 8);
        const int row = w.grid()->currentRow();
        EXPECT_EQ(w.grid()->item(row, TPeriodSelectForm::ColBeginDate)->text(), QStringLiteral("01/01/2018"));
        EXPECT_EQ(w.grid()->item(row, TPeriodSelectForm::ColEndDate)->text(), QStringLiteral("03/31/2018"));
    }
    for (const auto& [cycle, period] : {std::pair{0, 0}, std::pair{2018, 99}, std::pair{1990, 1}}) {
        TPeriodSelectForm w(dm(), cycle, period);
        EXPECT_EQ(w.grid()->currentRow(), periods - 1) << cycle << "/" << period;
        EXPECT_EQ(w.selectedCycle(), lastCycle);
        EXPECT_EQ(w.selectedPeriod(), lastPeriod);
    }
}

TEST_F(CommitteeCommandsTest, SetCurrentPeriodTakesTheChosenRowIntoTheStatusBar) {
    setGeneral(QStringLiteral("CurrentCycle"), QStringLiteral("2018"));
    setGeneral(QStringLiteral("CurrentPeriod"), QStringLiteral("8"));
    auto form = makeCommandForm();
    const QString before = form->periodPanelText();

    // Cancel changes nothing; Select takes the row the window stands on.
    onNextModal<TPeriodSelectForm>([](TPeriodSelectForm* w) { w->btnCancel()->click(); });
    form->runCommand(MenuId::kSetCurrentPeriod);
    EXPECT_EQ(form->periodPanelText(), before);

    int chosenCycle = 0;
    int chosenPeriod = 0;
    onNextModal<TPeriodSelectForm>([&](TPeriodSelectForm* w) {
        w->grid()->setCurrentCell(w->grid()->currentRow() + 1, 0);  // the period after 2018/8
        chosenCycle = w->grid()->item(w->grid()->currentRow(), TPeriodSelectForm::ColCycle)->text().toInt();
        chosenPeriod = w->grid()->item(w->grid()->currentRow(), TPeriodSelectForm::ColPeriod)->text().toInt();
        w->btnSelect()->click();
    });
    form->runCommand(MenuId::kSetCurrentPeriod);
    ASSERT_NE(chosenCycle, 0);
    EXPECT_FALSE(chosenCycle == 2018 && chosenPeriod == 8);
    EXPECT_EQ(dm().opt().CurrentCycle, chosenCycle);
    EXPECT_EQ(dm().opt().CurrentPeriod, chosenPeriod);
    EXPECT_NE(form->periodPanelText(), before);
    EXPECT_EQ(form->periodPanelText(), CurrentPeriodPanelText(dm()));
}

// --- Clearing -------------------------------------------------------------------------------------

TEST_F(CommitteeCommandsTest, ClearingRemovesOnlyTheOpenCommitteesData) {
    struct Case {
        QString command;
        int namesLeft;
    };
    for (const Case& c : {Case{QStringLiteral("file.actions.clearTransactions"), 2},
                          Case{QStringLiteral("file.actions.clearNamesAndTransactions"), 0}}) {
        SCOPED_TRACE(c.command.toStdString());
        TestEnv caseEnv;
        addCommitteeWithData(caseEnv, kFilerId, QStringLiteral("FRIENDS OF PAT"));
        addCommitteeWithData(caseEnv, kOther, QStringLiteral("SECOND"));
        Tdm& caseDm = caseEnv.openTdm();
        caseDm.settings().writeString(QStringLiteral("General"), QStringLiteral("ShowSplash"), QStringLiteral("0"));
        caseDm.settings().writeString(QStringLiteral("General"), QStringLiteral("LastOrg"), kFilerId);
        TMainForm form(caseDm, printers, opener);
        RegisterCommitteeCommands(form, caseDm);
        int refreshed = 0;
        QObject list;
        OpenLists::add(&list, [&refreshed] { ++refreshed; });

        // Asked twice: Yes to the clearing, No to the backup.
        caseEnv.prompter().queueAnswer(Prompter::Answer::Yes);
        caseEnv.prompter().queueAnswer(Prompter::Answer::No);
        form.runCommand(c.command);

        EXPECT_EQ(caseEnv.prompter().texts(),
                  (QStringList{QStringLiteral("This will delete all transactions from the current committee.\rAre you sure?"),
                               QStringLiteral("We recommend that you backup your data prior to this operation.\rWould "
                                              "you like to backup your data now?")}));
        EXPECT_EQ(count(caseEnv, QStringLiteral("TRANSACT"), kFilerId), 0);
        EXPECT_EQ(count(caseEnv, QStringLiteral("NAMELIST"), kFilerId), c.namesLeft);
        EXPECT_EQ(count(caseEnv, QStringLiteral("ORGS"), kFilerId), 1);
        EXPECT_EQ(count(caseEnv, QStringLiteral("TRANSACT"), kOther), 3);
        EXPECT_EQ(count(caseEnv, QStringLiteral("NAMELIST"), kOther), 2);
        EXPECT_EQ(refreshed, 1);
        EXPECT_TRUE(FileDialogs::requests().isEmpty());
    }
}

TEST_F(CommitteeCommandsTest, ClearingWithABackupWritesItFirstAndStopsWhenNoneWasWritten) {
    addCommitteeWithData(env, kFilerId, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();

    // Yes, Yes, and the save dialog cancelled: the data stays.
    FileDialogs::setNextFileName(QString());
    form->runCommand(QStringLiteral("file.actions.clearTransactions"));
    EXPECT_EQ(FileDialogs::requests().size(), 1);
    EXPECT_EQ(count(env, QStringLiteral("TRANSACT"), kFilerId), 3);

    // Yes, Yes, and a file: the backup holds the transactions that are then removed.
    const QString file = env.path(QStringLiteral("before-clear.lbk"));
    FileDialogs::setNextFileName(file);
    form->runCommand(QStringLiteral("file.actions.clearTransactions"));
    EXPECT_EQ(count(env, QStringLiteral("TRANSACT"), kFilerId), 0);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("\r\nTRANSACT\t"), 3);
}

// --- Backup and restore ---------------------------------------------------------------------------

TEST_F(CommitteeCommandsTest, BackupCommandWritesTheFileAndStartsTheReminderCountAgain) {
    addCommitteeWithData(env, kFilerId, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    setGeneral(QStringLiteral("BackupCount"), QStringLiteral("7"));
    auto form = makeCommandForm();
    ASSERT_EQ(dm().opt().BackupCount, 7);
    const QString existing = env.path(QStringLiteral("old.lbk"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    const QString chosen = env.path(QStringLiteral("copy"));  // the default extension is added

    // The existing file is refused at the question; the dialog comes again.
    env.prompter().queueAnswer(Prompter::Answer::No);
    FileDialogs::setNextFileName(existing);
    FileDialogs::setNextFileName(chosen);
    form->runCommand(MenuId::kBackup);

    ASSERT_EQ(FileDialogs::requests().size(), 2);
    const FileDialogs::Request first = FileDialogs::requests().at(0);
    EXPECT_TRUE(first.save);
    EXPECT_EQ(first.title, QStringLiteral("Backup data file"));
    EXPECT_EQ(first.startName, QStringLiteral("ledradata.lbk"));
    EXPECT_EQ(first.defaultSuffix, QStringLiteral("lbk"));
    EXPECT_EQ(first.filter, QStringLiteral("Campaign Finance Backup (*.lbk)|*.LBK|All Files (*.*)|*.*"));
    EXPECT_EQ(FileDialogs::requests().at(1).startName, existing);
    EXPECT_EQ(env.prompter().texts(),
              (QStringList{QStringLiteral("File exists.  Do you want to overwrite?"),
                           QStringLiteral("Data backed up successfully. This file is for your security and is not "
                                          "intended to be used for electronic filing.")}));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("keep me"));
    EXPECT_TRUE(QFile::exists(chosen + QStringLiteral(".lbk")));
    EXPECT_EQ(dm().opt().BackupCount, 0);
    EXPECT_EQ(iniOnDisk().readInteger(QStringLiteral("General"), QStringLiteral("BackupCount"), -1), 0);
    EXPECT_EQ(dm().opt().BackupFile, chosen + QStringLiteral(".lbk"));

    // Cancelled: no backup, the count stays.
    dm().opt().BackupCount = 4;
    FileDialogs::setNextFileName(QString());
    form->runCommand(MenuId::kBackup);
    EXPECT_EQ(FileDialogs::requests().last().startName, chosen + QStringLiteral(".lbk"));
    EXPECT_EQ(dm().opt().BackupCount, 4);
}

TEST_F(CommitteeCommandsTest, ReminderAtCloseRunsTheBackupCommand) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    setGeneral(QStringLiteral("BackupCount"), QStringLiteral("11"));
    auto form = makeCommandForm();
    const QString file = env.path(QStringLiteral("at-close.lbk"));
    FileDialogs::setNextFileName(file);
    form->close();
    EXPECT_TRUE(env.prompter().saw(
        QStringLiteral("We recommend that you periodically backup your data.  Would you like to backup your data now?")));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(iniOnDisk().readInteger(QStringLiteral("General"), QStringLiteral("BackupCount"), -1), 0);
}

TEST_F(CommitteeCommandsTest, RestoreOpensTheSingleRestoredCommittee) {
    addCommitteeWithData(env, kFilerId, QStringLiteral("FRIENDS OF PAT"));
    const QString file = env.path(QStringLiteral("one.lbk"));
    ASSERT_TRUE(WriteBackupFile(dm(), file));
    env.exec(QStringLiteral("DELETE FROM TRANSACT"));
    env.exec(QStringLiteral("DELETE FROM NAMELIST"));
    env.exec(QStringLiteral("DELETE FROM ORGS"));
    env.addCommittee(kOther, QStringLiteral("SECOND"));
    env.addCommittee(QStringLiteral("333-4444"), QStringLiteral("THIRD"));
    dm().orgs().reload();
    dm().opt().BackupFile.clear();
    env.prompter().clear();
    setGeneral(QStringLiteral("LastOrg"), kOther);
    auto form = makeCommandForm();
    form->addChildWindow(new QWidget, -1, TMainForm::kNamesListForm);
    ASSERT_EQ(dm().currentFilerId(), kOther);

    // No at the question: nothing is asked for or changed.
    env.prompter().queueAnswer(Prompter::Answer::No);
    form->runCommand(MenuId::kRestore);
    EXPECT_TRUE(FileDialogs::requests().isEmpty());
    EXPECT_EQ(dm().currentFilerId(), kOther);

    FileDialogs::setNextFileName(file);
    form->runCommand(MenuId::kRestore);

    ASSERT_EQ(FileDialogs::requests().size(), 1);
    EXPECT_FALSE(FileDialogs::requests().constFirst().save);
    EXPECT_EQ(FileDialogs::requests().constFirst().title, QStringLiteral("Restore data file"));
    EXPECT_EQ(FileDialogs::requests().constFirst().startName, QStringLiteral("ledra2data.lbk"));
    const QString question = QStringLiteral(
        "Restoring data will delete all data from your current database. Are you sure you want to continue?");
    EXPECT_EQ(env.prompter().texts(), (QStringList{question, question}));
    EXPECT_EQ(dm().currentFilerId(), kFilerId);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance  Name: FRIENDS OF PAT  Filerid: 123-4567"));
    EXPECT_TRUE(form->childWindows().isEmpty());
    EXPECT_EQ(form->committees().count(), 1);
    EXPECT_EQ(count(env, QStringLiteral("TRANSACT"), kFilerId), 3);
    EXPECT_EQ(count(env, QStringLiteral("ORGS"), kOther), 0);
    EXPECT_TRUE(form->menuAction(MenuId::kTransactions)->isEnabled());
}

TEST_F(CommitteeCommandsTest, RestoreOfARefusedFileKeepsTheOpenCommittee) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeCommandForm();
    const QString file = env.path(QStringLiteral("not-a-backup.lbk"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("hello\r\nworld\r\n");
    }
    FileDialogs::setNextFileName(file);
    form->runCommand(MenuId::kRestore);
    EXPECT_TRUE(env.prompter().saw(QStringLiteral("Error: invalid backup file")));
    EXPECT_EQ(dm().currentFilerId(), kFilerId);
    EXPECT_EQ(count(env, QStringLiteral("ORGS"), kFilerId), 1);
}
