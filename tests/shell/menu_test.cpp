#include <QAction>
#include <QMenu>

#include "frame_fixture.h"
#include "committee/committee_record.h"
#include "shell/menu_catalogue.h"
#include "shell/opt_data.h"

namespace {
const QString kFilerId = QStringLiteral("123-4567");

bool enabled(const TMainForm& form, const QString& id) {
    QAction* a = form.menuAction(id);
    EXPECT_NE(a, nullptr) << id.toStdString();
    return a && a->isEnabled();
}

// Every catalogue entry below `id`, at any depth.
QStringList descendants(const QString& id) {
    QStringList out;
    for (const MenuEntry& e : MenuCatalogue::entries())
        for (const MenuEntry* p = &e; !p->parentId.isEmpty(); p = MenuCatalogue::find(p->parentId))
            if (p->parentId == id) {
                out << e.id;
                break;
            }
    return out;
}

const QStringList kCommitteeOnly = {QStringLiteral("lists"), QStringLiteral("transactions"), QStringLiteral("reports"),
                                    MenuId::kCommitteeProperties, MenuId::kCommitteeActions};
const QStringList kAlwaysAvailable = {
    MenuId::kNewCommittee, MenuId::kOpenCommittee, MenuId::kDeleteCommittee, MenuId::kSetCurrentPeriod,
    MenuId::kPreferences,  MenuId::kDatabase,      MenuId::kExit,            MenuId::kWindow,
    MenuId::kOnline,       MenuId::kHelp,          QStringLiteral("file")};
}  // namespace

class MenuTest : public FrameTest {
protected:
    void SetUp() override {
        env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
        quietStart();
    }
};

TEST_F(MenuTest, WithoutCommitteeOnlyCommitteeMenusAreDisabled) {
    auto form = makeForm();
    ASSERT_FALSE(form->committeeOpen());
    for (const QString& id : kCommitteeOnly) EXPECT_FALSE(enabled(*form, id)) << id.toStdString();
    for (const QString& id : kAlwaysAvailable) EXPECT_TRUE(enabled(*form, id)) << id.toStdString();
}

TEST_F(MenuTest, OpeningACommitteeEnablesCommitteeActionsExceptTheConversion) {
    auto form = makeForm();
    ASSERT_TRUE(form->openCommitteeByFilerId(kFilerId));
    for (const QString& id : kCommitteeOnly) EXPECT_TRUE(enabled(*form, id)) << id.toStdString();
    for (const QString& id : kAlwaysAvailable) EXPECT_TRUE(enabled(*form, id)) << id.toStdString();
    const QStringList below = descendants(MenuId::kCommitteeActions);
    ASSERT_GT(below.size(), 10);
    // Hidden entries can never be reached, so Qt keeps them disabled; the visible ones are all on.
    for (const QString& id : below) {
        if (MenuCatalogue::find(id)->hidden) continue;
        EXPECT_TRUE(enabled(*form, id)) << id.toStdString();
    }
    EXPECT_EQ(MenuCatalogue::availability(*MenuCatalogue::find(MenuId::kConvertExploratory), MenuRule::CommitteeOpened),
              std::optional<bool>(false));
}

TEST_F(MenuTest, LeavingTheCommitteeDisablesOnlyTheTopTwoLevels) {
    auto form = makeForm();
    ASSERT_TRUE(form->openCommitteeByFilerId(kFilerId));
    form->enterNoCommitteeState();
    EXPECT_FALSE(enabled(*form, MenuId::kCommitteeActions));
    EXPECT_FALSE(enabled(*form, QStringLiteral("lists")));
    // Second level under the menu bar: tagged entries are disabled too.
    EXPECT_FALSE(enabled(*form, QStringLiteral("lists.names")));
    // Deeper entries keep their state; they cannot be reached through the disabled parent.
    EXPECT_TRUE(enabled(*form, QStringLiteral("file.actions.export.names")));
    EXPECT_TRUE(enabled(*form, QStringLiteral("file.actions.import.names")));
    // Untagged entries below a committee menu are never touched.
    EXPECT_TRUE(enabled(*form, QStringLiteral("lists.campaignLimits")));
}

TEST_F(MenuTest, MenusFollowTheCatalogue) {
    auto form = makeForm();
    // Hidden entries are never shown; the others are.
    for (const MenuEntry& e : MenuCatalogue::entries())
        EXPECT_EQ(form->menuAction(e.id)->isVisible(), !e.hidden) << e.id.toStdString();
    EXPECT_EQ(form->menuAction(MenuId::kExit)->shortcut(), QKeySequence(QStringLiteral("Alt+F4")));
    EXPECT_EQ(form->menuAction(MenuId::kExit)->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(form->menuAction(QStringLiteral("file.actions.clearNamesAndTransactions"))->text(),
              QStringLiteral("Clear All Names && Transactions"));
    EXPECT_EQ(form->menuAction(QStringLiteral("file.actions.export.names"))->statusTip(),
              QStringLiteral("Export All Data from Database"));
    // The submenu entries sit in their parent's menu, in order.
    QMenu* individual = form->menu(QStringLiteral("transactions.contributionsFrom.individual"));
    ASSERT_NE(individual, nullptr);
    ASSERT_EQ(individual->actions().size(), 2);
    EXPECT_EQ(individual->actions()[0]->text(), QStringLiteral("Receive"));
    EXPECT_EQ(individual->actions()[1]->text(), QStringLiteral("Refund"));
}

TEST_F(MenuTest, HandlersAreAttachedByIdentifier) {
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeForm();
    int runs = 0;
    // Unwired entries do nothing.
    form->menuAction(QStringLiteral("lists.names"))->trigger();
    form->runCommand(QStringLiteral("transactions.contributionsFrom.individual"));
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    form->setCommandHandler(QStringLiteral("lists.names"), [&] { ++runs; });
    form->menuAction(QStringLiteral("lists.names"))->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MenuTest, WebSiteFailuresShowTheMessageOfTheirCode) {
    auto form = makeForm();
    struct Case {
        int code;
        QString message;
    };
    const Case cases[] = {
        {DocumentOpener::kOpened, QString()},
        {2, QStringLiteral("The specified file was not found.")},
        {31, QStringLiteral("There is no application associated with the given filename extension.")},
        {0, QStringLiteral("The operating system is out of memory or resources.")},
        {12, QString()},  // a code without a message shows nothing
    };
    for (const Case& c : cases) {
        env.prompter().clear();
        opener.result = c.code;
        form->runCommand(MenuId::kWebSite);
        const QStringList expected = c.message.isEmpty() ? QStringList() : QStringList{c.message};
        EXPECT_EQ(env.prompter().texts(), expected) << c.code;
    }
    EXPECT_EQ(opener.opened.last(), QStringLiteral("http://") + DefaultAddresses::kMakerWebAddress);
    form->runCommand(MenuId::kHandbook);
    EXPECT_EQ(opener.opened.last(), DefaultAddresses::kManual);
}

TEST_F(MenuTest, TerminateIsNotImplemented) {
    auto form = makeForm();
    form->runCommand(MenuId::kTerminate);
    EXPECT_EQ(env.prompter().texts(), QStringList{QStringLiteral("Not yet implemented")});
}

TEST_F(MenuTest, ConvertingAnExploratoryCommitteeMakesItACandidateCommittee) {
    env.exec(QStringLiteral("UPDATE ORGS SET COMMITTEETYPEID = 2"));
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    auto form = makeForm();
    env.prompter().queueAnswer(Prompter::Answer::No);
    form->runCommand(MenuId::kConvertExploratory);
    EXPECT_EQ(env.value(QStringLiteral("SELECT COMMITTEETYPEID FROM ORGS")).toInt(), 2);
    form->runCommand(MenuId::kConvertExploratory);
    EXPECT_EQ(env.value(QStringLiteral("SELECT COMMITTEETYPEID FROM ORGS")).toInt(), 1);
    EXPECT_EQ(form->committees().value(QStringLiteral("COMMITTEETYPEID")).toInt(), 1);
    EXPECT_TRUE(env.prompter().saw(QStringLiteral("Committee has been converted.  Please print and file a new "
                                                  "Statement of Organization with the Secretary of State's office")));
}

TEST_F(MenuTest, BackupCommandRestartsTheReminderCountOnlyWhenABackupWasMade) {
    setGeneral(QStringLiteral("BackupCount"), QStringLiteral("7"));
    auto form = makeForm();
    bool made = false;
    form->setBackupRunner([&] { return made; });
    form->runCommand(MenuId::kBackup);
    EXPECT_EQ(dm().opt().BackupCount, 7);
    made = true;
    form->runCommand(MenuId::kBackup);
    EXPECT_EQ(dm().opt().BackupCount, 0);
    EXPECT_EQ(iniOnDisk().readInteger(QStringLiteral("General"), QStringLiteral("BackupCount"), -1), 0);
}
