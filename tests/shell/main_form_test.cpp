#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>

#include "frame_fixture.h"
#include "committee/committee_record.h"
#include "shell/ledra_application.h"
#include "shell/notice_form.h"
#include "shell/opt_data.h"
#include "shell/splash_form.h"
#include "store/db_error.h"
#include "store/version_info.h"

namespace {
const QString kGeneral = QStringLiteral("General");
const QString kFilerId = QStringLiteral("123-4567");
const QString kReminder = QStringLiteral("Remember you're required to file on the next available filing date: 05/01/2024");
const QString kBackupQuestion =
    QStringLiteral("We recommend that you periodically backup your data.  Would you like to backup your data now?");

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}
}  // namespace

// --- Start-up --------------------------------------------------------------------------------

TEST_F(FrameTest, LastCommitteeIsOpenedWithItsCaption) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    quietStart();
    setGeneral(QStringLiteral("LastOrg"), QStringLiteral("  123-4567  "));
    auto form = makeForm();
    EXPECT_TRUE(form->started());
    EXPECT_TRUE(form->committeeOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance  Name: FRIENDS OF PAT  Filerid: 123-4567"));
    EXPECT_EQ(dm().currentFilerId(), kFilerId);
}

TEST_F(FrameTest, UnknownLastCommitteeStartsWithoutCommitteeSilentlyAndEmptiesSavedWindows) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    quietStart();
    setGeneral(QStringLiteral("LastOrg"), QStringLiteral("999-0000"));
    ini().writeInteger(QStringLiteral("Restore"), QStringLiteral("TNamesListForm"), 0);
    auto form = makeForm();
    EXPECT_TRUE(form->started());
    EXPECT_FALSE(form->committeeOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance"));
    EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(iniOnDisk().readSection(QStringLiteral("Restore")).isEmpty());
}

TEST_F(FrameTest, OpeningByFilerIdMatchesExactlyAndChangesNothingWhenUnknown) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    env.addCommittee(QStringLiteral("222-3333"), QStringLiteral("SECOND"));
    quietStart();
    auto form = makeForm();
    ASSERT_TRUE(form->openCommitteeByFilerId(QStringLiteral("222-3333")));
    for (const QString& id : {QString(), QStringLiteral("222-333"), QStringLiteral(" 222-3333"), QStringLiteral("123-456")})
        EXPECT_FALSE(form->openCommitteeByFilerId(id)) << id.toStdString();
    EXPECT_EQ(dm().currentFilerId(), QStringLiteral("222-3333"));
    EXPECT_EQ(form->committees().currentName(), QStringLiteral("SECOND"));

    form->enterNoCommitteeState();
    EXPECT_EQ(dm().currentFilerId(), QString());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Campaign Finance"));
    EXPECT_EQ(form->committees().position(), -1);
}

TEST_F(FrameTest, StatusBarShowsCurrentPeriodWithFilingPeriodEndingTheDayBeforeEndFilingDate) {
    quietStart();
    setGeneral(QStringLiteral("CurrentCycle"), QStringLiteral("2018"));
    setGeneral(QStringLiteral("CurrentPeriod"), QStringLiteral("8"));  // ENDFILINGDATE 04/17/2018
    auto form = makeForm();
    EXPECT_EQ(form->periodPanelText(), QStringLiteral("Current Period:  Jan 1, 2018 through Mar 31, 2018    "
                                                      "Filing Period:  Apr 1, 2018 through Apr 16, 2018"));

    // A period whose filing ends across a month boundary.
    dm().opt().CurrentCycle = 2022;
    dm().opt().CurrentPeriod = 11;  // ENDFILINGDATE 01/18/2023
    form->showCurrentPeriod();
    EXPECT_TRUE(form->periodPanelText().endsWith(QStringLiteral("Filing Period:  Jan 1, 2023 through Jan 17, 2023")));

    dm().opt().CurrentCycle = 0;
    form->showCurrentPeriod();
    EXPECT_EQ(form->periodPanelText(), QString());
}

TEST_F(FrameTest, FirstPanelTakesSeventyPercentOnEveryResize) {
    quietStart();
    auto form = makeForm();
    form->show();
    for (int width : {1000, 801, 640}) {
        form->resize(width, 500);
        QApplication::processEvents();
        EXPECT_EQ(form->periodPanel()->width(), form->width() * 70 / 100) << width;
    }
}

// --- Splash, notice, reminder ----------------------------------------------------------------

class SplashTest : public FrameTest {
protected:
    void SetUp() override {
        env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
        env.exec(QStringLiteral("UPDATE ORGS SET GENREPORTFLAG = 'Y', GENREPORTDATE = '05/01/2024'"));
        setGeneral(QStringLiteral("LastOrg"), kFilerId);
        QFile notice(programDir.filePath(QStringLiteral("Notice.rtf")));
        ASSERT_TRUE(notice.open(QIODevice::WriteOnly));
        notice.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Filing deadlines \\b changed\\b0 .\\par Read "
                     "them.\\par}");
    }
};

TEST_F(SplashTest, SplashThenNoticeAndReminder) {
    auto form = makeForm();
    ASSERT_NE(form->splash(), nullptr);
    EXPECT_EQ(form->splash()->versionLine(), QStringLiteral("Version ") + LongVersion());
    EXPECT_TRUE(form->splash()->loadingShown());
    EXPECT_TRUE(form->splash()->okButton()->isHidden());
    EXPECT_TRUE(form->splashTimerActive());

    form->splashTimerTimer();
    EXPECT_EQ(form->splash(), nullptr);
    EXPECT_FALSE(form->splashTimerActive());
    ASSERT_NE(form->notice(), nullptr);
    EXPECT_EQ(form->notice()->text(), QStringLiteral("Filing deadlines changed.\nRead them."));
    EXPECT_TRUE(env.prompter().saw(kReminder));

    // "Don't Show Again" and "Close" store the choice at once.
    form->notice()->dontShowAgain()->setChecked(true);
    form->notice()->findChild<QPushButton*>()->click();
    EXPECT_FALSE(dm().opt().ShowNotice);
    EXPECT_FALSE(iniOnDisk().readBool(kGeneral, QStringLiteral("ShowNotice"), true));
}

TEST_F(SplashTest, WithoutSplashNeitherNoticeNorReminder) {
    quietStart();
    auto form = makeForm();
    EXPECT_EQ(form->splash(), nullptr);
    EXPECT_FALSE(form->splashTimerActive());
    QApplication::processEvents();
    EXPECT_EQ(form->notice(), nullptr);
    EXPECT_FALSE(env.prompter().saw(kReminder));
    EXPECT_EQ(form->findChild<TNoticeForm*>(), nullptr);
}

TEST_F(SplashTest, NoticeTurnedOffShowsOnlyTheReminder) {
    setGeneral(QStringLiteral("ShowNotice"), QStringLiteral("0"));
    auto form = makeForm();
    form->splashTimerTimer();
    EXPECT_EQ(form->notice(), nullptr);
    EXPECT_TRUE(env.prompter().saw(kReminder));
}

// --- Child windows ---------------------------------------------------------------------------

TEST_F(FrameTest, RegisterPlacementIsKeptPerAccountWhateverRestoreWindowsSays) {
    quietStart();
    setGeneral(QStringLiteral("RestoreWindows"), QStringLiteral("0"));
    auto form = makeForm();
    form->resize(1000, 700);
    form->show();
    QMdiSubWindow* first = form->addChildWindow(new QWidget, 100, TMainForm::kRegisterForm);
    first->setGeometry(30, 40, 320, 210);
    first->close();
    QApplication::processEvents();
    const IniFile saved = iniOnDisk();
    EXPECT_EQ(saved.readInteger(QStringLiteral("Window_TRegisterForm_100"), QStringLiteral("Left"), -1), 30);
    EXPECT_EQ(saved.readInteger(QStringLiteral("Window_TRegisterForm_100"), QStringLiteral("Height"), -1), 210);

    QMdiSubWindow* again = form->addChildWindow(new QWidget, 100, TMainForm::kRegisterForm);
    EXPECT_EQ(again->geometry(), QRect(30, 40, 320, 210));
    QMdiSubWindow* other = form->addChildWindow(new QWidget, 101, TMainForm::kRegisterForm);
    EXPECT_NE(other->geometry(), QRect(30, 40, 320, 210));
}

TEST_F(FrameTest, OpenChildWindowsAreSavedInFrameOrderAndReopenedThroughTheirOpeners) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    quietStart();
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    {
        auto form = makeForm();
        form->addChildWindow(new QWidget, -1, TMainForm::kNamesListForm);
        form->addChildWindow(new QWidget, 100, TMainForm::kRegisterForm);
        form->addChildWindow(new QWidget, 205, TMainForm::kRegisterForm);
        form->close();
    }
    const auto restore = iniOnDisk().readSectionValues(QStringLiteral("Restore"));
    const QList<QPair<QString, QString>> expected = {{QStringLiteral("TNamesListForm"), QStringLiteral("0")},
                                                     {QStringLiteral("TRegisterForm0"), QStringLiteral("100")},
                                                     {QStringLiteral("TRegisterForm1"), QStringLiteral("205")}};
    EXPECT_EQ(restore, expected);

    // A value that is not a number opens the register of account 100; unknown keys are ignored.
    ini().writeString(QStringLiteral("Restore"), QStringLiteral("TRegisterForm2"), QStringLiteral("x"));
    ini().writeString(QStringLiteral("Restore"), QStringLiteral("TSomethingElse"), QStringLiteral("0"));
    QStringList opened;
    auto form = makeForm();
    form->registerChildWindow(TMainForm::kNamesListForm, [&](int) { opened << QStringLiteral("names"); });
    form->registerChildWindow(
        TMainForm::kRegisterForm, [&](int account) { opened << QStringLiteral("register %1").arg(account); }, 100);
    form->show();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("names"), QStringLiteral("register 100"),
                                   QStringLiteral("register 205"), QStringLiteral("register 100")}));
}

TEST_F(FrameTest, RestoreWindowsOffReopensNothing) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    quietStart();
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    setGeneral(QStringLiteral("RestoreWindows"), QStringLiteral("0"));
    ini().writeInteger(QStringLiteral("Restore"), QStringLiteral("TNamesListForm"), 0);
    int opened = 0;
    auto form = makeForm();
    form->registerChildWindow(TMainForm::kNamesListForm, [&](int) { ++opened; });
    form->show();
    EXPECT_EQ(opened, 0);
}

// --- Main window placement and shutdown ------------------------------------------------------

TEST_F(FrameTest, MaximisedMainWindowComesBackMaximisedWithoutPositionKeys) {
    quietStart();
    {
        auto form = makeForm();
        form->showMaximized();
        QApplication::processEvents();
        form->close();
    }
    const IniFile saved = iniOnDisk();
    EXPECT_TRUE(saved.readBool(QStringLiteral("Window"), QStringLiteral("Maximized"), false));
    for (const char* key : {"Left", "Top", "Width", "Height"})
        EXPECT_FALSE(saved.valueExists(QStringLiteral("Window"), QString::fromLatin1(key))) << key;
    auto again = makeForm();
    EXPECT_TRUE(again->windowState() & Qt::WindowMaximized);
}

TEST_F(FrameTest, NormalMainWindowPlacementRoundTrips) {
    quietStart();
    {
        auto form = makeForm();
        form->setGeometry(70, 80, 900, 600);
        form->show();
        QApplication::processEvents();
        form->close();
    }
    EXPECT_FALSE(iniOnDisk().readBool(QStringLiteral("Window"), QStringLiteral("Maximized"), true));
    auto again = makeForm();
    EXPECT_FALSE(again->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(again->geometry(), QRect(70, 80, 900, 600));
}

TEST_F(FrameTest, SettingsWrittenAtCloseHoldGeneralUpdaterAndWindow) {
    quietStart();
    auto form = makeForm();
    form->close();
    const QString text = readFile(dm().settingsFilePath());
    for (const char* section : {"[General]", "[UPDATER]", "[Window]"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(section))) << section << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("BackupCount=1")));
    EXPECT_TRUE(text.contains(QStringLiteral("ShowSplash=0")));
}

TEST_F(FrameTest, BackupQuestionComesAtTheTwelfthClose) {
    quietStart();
    int backups = 0;
    for (int close = 1; close <= 12; ++close) {
        auto form = makeForm();
        form->setBackupRunner([&] {
            ++backups;
            return true;
        });
        form->close();
        const int count = iniOnDisk().readInteger(kGeneral, QStringLiteral("BackupCount"), -1);
        if (close < 12) {
            EXPECT_EQ(count, close);
            EXPECT_FALSE(env.prompter().saw(kBackupQuestion)) << "close " << close;
        } else {
            EXPECT_EQ(count, 0);
            EXPECT_TRUE(env.prompter().saw(kBackupQuestion));
        }
    }
    EXPECT_EQ(backups, 1);
}

TEST_F(FrameTest, BackupQuestionAnsweredNoStillRestartsTheCount) {
    quietStart();
    setGeneral(QStringLiteral("BackupCount"), QStringLiteral("11"));
    env.prompter().queueAnswer(Prompter::Answer::No);
    int backups = 0;
    auto form = makeForm();
    form->setBackupRunner([&] { return ++backups > 0; });
    form->close();
    EXPECT_TRUE(env.prompter().saw(kBackupQuestion));
    EXPECT_EQ(backups, 0);
    EXPECT_EQ(iniOnDisk().readInteger(kGeneral, QStringLiteral("BackupCount"), -1), 0);
}

TEST_F(FrameTest, ClosingForAnUpdateCountsButNeverAsksNorChecksLimits) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    quietStart();
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    setGeneral(QStringLiteral("BackupCount"), QStringLiteral("11"));
    int limitChecks = 0;
    auto form = makeForm();
    form->setCloseLimitCheck([&] { ++limitChecks; });
    dm().resetChangeCutoff();  // every row counts as changed
    dm().setClosingForUpdate(true);
    form->close();
    EXPECT_FALSE(env.prompter().saw(kBackupQuestion));
    EXPECT_EQ(iniOnDisk().readInteger(kGeneral, QStringLiteral("BackupCount"), -1), 12);
    EXPECT_EQ(limitChecks, 0);
}

TEST_F(FrameTest, LimitCheckAtCloseRunsOnlyWhenTheCommitteesDataChanged) {
    env.addCommittee(kFilerId, QStringLiteral("FRIENDS OF PAT"));
    quietStart();
    setGeneral(QStringLiteral("LastOrg"), kFilerId);
    for (bool changed : {false, true}) {
        int limitChecks = 0;
        auto form = makeForm();
        form->setCloseLimitCheck([&] { ++limitChecks; });
        if (changed)
            env.exec(QStringLiteral("INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, "
                                    "CITY, STATE, ZIP, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES ('123-4567', "
                                    "1, CURRENT_TIMESTAMP, 1, 'DOE, JANE', '1 ELM', 'TUCSON', 'AZ', '85701', "
                                    "CURRENT_TIMESTAMP + 1, 'USER', 'F')"));
        form->close();
        EXPECT_EQ(limitChecks, changed ? 1 : 0) << changed;
    }
}

TEST_F(FrameTest, ExceptionsReachingTheEventLoopAreLoggedAndShown) {
    Tdm& d = dm();
    const bool delivered = LedraApplication::guarded(
        []() -> bool { throw DbError(QStringLiteral("lock conflict on no wait transaction")); },
        [&](const QString& m) { d.reportAppException(m); });
    EXPECT_FALSE(delivered);
    EXPECT_TRUE(env.prompter().saw(QStringLiteral("App Exception: lock conflict on no wait transaction")));
    const QString log = readFile(d.log().currentFileName());
    EXPECT_TRUE(log.contains(QStringLiteral("App Exception: lock conflict on no wait transaction")));
}

TEST_F(FrameTest, DeferredStartupRunsOnceFromTheEventQueueRepairBeforeUpdateCheck) {
    quietStart();
    QStringList steps;
    auto form = makeForm();
    form->setFilerIdRepair([&] { steps << QStringLiteral("repair"); });
    form->setStartupUpdateCheck([&] { steps << QStringLiteral("update"); });
    EXPECT_TRUE(steps.isEmpty());  // posted, not run during creation
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(steps, (QStringList{QStringLiteral("repair"), QStringLiteral("update")}));
    EXPECT_TRUE(readFile(dm().log().currentFileName()).contains(QStringLiteral("Posting CheckforUpdates message.")));
}

TEST_F(FrameTest, WindowMenuListsAndClosesTheChildWindows) {
    quietStart();
    auto form = makeForm();
    form->show();
    auto* names = new QWidget;
    names->setWindowTitle(QStringLiteral("Names List"));
    auto* reg = new QWidget;
    reg->setWindowTitle(QStringLiteral("Cash & Checking"));
    form->addChildWindow(names, -1, TMainForm::kNamesListForm);
    form->addChildWindow(reg, 100, TMainForm::kRegisterForm);
    QMenu* window = form->menu(MenuId::kWindow);
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    QStringList texts;
    for (QAction* a : window->actions())
        if (!a->isSeparator()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Cascade"), QStringLiteral("&Tile"), QStringLiteral("Arrange &Icons"),
                                  QStringLiteral("Close &All"), QStringLiteral("&1 Names List"),
                                  QStringLiteral("&2 Cash && Checking")}));
    EXPECT_EQ(form->findChildWindow(TMainForm::kRegisterForm, 100)->widget(), reg);
    form->runCommand(MenuId::kCloseAll);
    EXPECT_TRUE(form->childWindows().isEmpty());
}
