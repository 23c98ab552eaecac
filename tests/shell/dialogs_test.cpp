#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "frame_fixture.h"
#include "shell/db_error_browser_form.h"
#include "shell/frame_logic.h"
#include "shell/opt_data.h"
#include "shell/preferences_form.h"
#include "shell/progress_form.h"
#include "shell/question_form.h"
#include "shell/status_form.h"

// --- Question box ----------------------------------------------------------------------------

TEST(QuestionBox, ClosedByItsFrameAnswersYes) {
    // Close the box as the window manager would, once it runs modally.
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    EXPECT_EQ(TQuestionForm::ask(QStringLiteral("Replace DOE, JANE?"), Prompter::QbNo | Prompter::QbNoToAll),
              Prompter::QrYes);
}

TEST(QuestionBox, ButtonsFollowTheBitsAndAnswerTheirResult) {
    TQuestionForm form(QStringLiteral("Replace?"), Prompter::QbYes | Prompter::QbNoToAll);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Question"));
    EXPECT_NE(form.button(Prompter::QrYes), nullptr);
    EXPECT_EQ(form.button(Prompter::QrNo), nullptr);
    EXPECT_EQ(form.button(Prompter::QrYesToAll), nullptr);
    ASSERT_NE(form.button(Prompter::QrNoToAll), nullptr);
    ASSERT_NE(form.button(Prompter::QrCancel), nullptr);  // always there
    EXPECT_EQ(form.button(Prompter::QrNoToAll)->text(), QStringLiteral("N&o to All"));
    form.open();
    form.button(Prompter::QrNoToAll)->click();
    EXPECT_EQ(form.answer(), Prompter::QrNoToAll);
    EXPECT_FALSE(form.isVisible());

    TQuestionForm all(QStringLiteral("Replace?"), 15);
    all.open();
    all.button(Prompter::QrCancel)->click();
    EXPECT_EQ(all.answer(), Prompter::QrCancel);
}

// --- Progress and status ---------------------------------------------------------------------

TEST(ProgressWindow, PositionMovesBarAndPercentage) {
    TProgressForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Status"));
    EXPECT_EQ(form.message(), QString());
    EXPECT_EQ(form.percentText(), QStringLiteral("0%"));
    form.setMessage(QStringLiteral("Writing names"));
    form.setPosition(37);
    EXPECT_EQ(form.message(), QStringLiteral("Writing names"));
    EXPECT_EQ(form.position(), 37);
    EXPECT_EQ(form.percentText(), QStringLiteral("37%"));
}

TEST(StatusDialog, CancelRunsTheRegisteredActionOrCloses) {
    TStatusForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Report Status"));
    form.open();
    int cancels = 0;
    form.setCancelAction([&] { ++cancels; });
    form.btnCancelClick();
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(form.isVisible());
    form.setCancelAction({});
    form.btnCancelClick();
    EXPECT_FALSE(form.isVisible());
}

TEST(DbErrorBrowser, StepsThroughEntriesWithinBounds) {
    const QList<DbErrorEntry> entries = {
        {QStringLiteral("violation of FOREIGN KEY constraint"), QStringLiteral("2"), QStringLiteral("335544466"),
         QStringLiteral("0"), QStringLiteral("-530")},
        {QStringLiteral("lock conflict"), QStringLiteral("1"), QStringLiteral("335544345"), QStringLiteral("0"),
         QStringLiteral("-901")},
    };
    TDbErrorBrowserForm form(entries);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Database Error Browser"));
    EXPECT_EQ(form.counterText(), QStringLiteral("Error 1 of 2"));
    EXPECT_EQ(form.codeText(), QStringLiteral("Code( 2; 335544466; 0; -530)"));
    form.btnPrevClick();
    EXPECT_EQ(form.current(), 0);
    form.btnNextClick();
    form.btnNextClick();
    EXPECT_EQ(form.current(), 1);
    EXPECT_EQ(form.counterText(), QStringLiteral("Error 2 of 2"));
    EXPECT_EQ(form.messageText(), QStringLiteral("lock conflict"));
}

// --- Preferences -----------------------------------------------------------------------------

TEST_F(FrameTest, PreferencesShowTheValuesAndStoreThemOnOk) {
    quietStart();
    setGeneral(QStringLiteral("Printer"), QStringLiteral("Office"));
    printers = FixedPrinterList({QStringLiteral("HP LaserJet"), QStringLiteral("Office")});
    auto form = makeForm();
    form->show();
    ASSERT_TRUE(form->statusBar()->isVisible());
    TPreferencesForm prefs(dm().opt(), printers, form.get());
    EXPECT_EQ(prefs.windowTitle(), QStringLiteral("Preferences"));
    QStringList tabs;
    for (int i = 0; i < prefs.pages()->count(); ++i) tabs << prefs.pages()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{QStringLiteral("&General"), QStringLiteral("&Printers"), QStringLiteral("&Startup"),
                                 QStringLiteral("&Warnings"), QStringLiteral("Internet")}));
    ASSERT_EQ(prefs.cboPrinter()->count(), 3);
    EXPECT_EQ(prefs.cboPrinter()->itemText(0), QStringLiteral("<Default Printer>"));
    EXPECT_EQ(prefs.cboPrinter()->currentText(), QStringLiteral("Office"));
    EXPECT_TRUE(prefs.chkShowSplash()->isChecked() == false);

    prefs.chkShowStatusBar()->setChecked(false);
    prefs.chkDisablePeriodCheck()->setChecked(true);
    prefs.cboPrinter()->setCurrentIndex(0);
    prefs.edtFilingURL()->setText(QStringLiteral("filing.example.net/"));
    prefs.btnOKClick();
    EXPECT_FALSE(form->statusBar()->isVisible());  // at once
    EXPECT_TRUE(dm().opt().DisablePeriodCheck);
    EXPECT_EQ(dm().opt().FilingURL, QStringLiteral("filing.example.net/"));  // as typed
    dm().writePreferences();
    EXPECT_FALSE(iniOnDisk().valueExists(QStringLiteral("General"), QStringLiteral("Printer")));
}

TEST_F(FrameTest, PreferencesCancelLeavesTheValues) {
    quietStart();
    auto form = makeForm();
    QTimer::singleShot(0, [] {
        auto* prefs = qobject_cast<TPreferencesForm*>(QApplication::activeModalWidget());
        if (!prefs) return;
        prefs->chkSounds()->setChecked(false);
        prefs->reject();
    });
    EXPECT_FALSE(TPreferencesForm::execute(dm().opt(), printers, form.get()));
    EXPECT_TRUE(dm().opt().Sounds);
}

TEST_F(FrameTest, PrinterListIsDisabledWithoutPrintersAndStartupKeepsOnlyAnInstalledPrinter) {
    setGeneral(QStringLiteral("Printer"), QStringLiteral("Gone Printer"));
    quietStart();
    printers = FixedPrinterList({QStringLiteral("PDF")});
    auto form = makeForm();
    EXPECT_EQ(dm().opt().Printer, QString());  // the system default is in use

    FixedPrinterList none;
    TPreferencesForm prefs(dm().opt(), none);
    EXPECT_FALSE(prefs.cboPrinter()->isEnabled());
    EXPECT_EQ(prefs.cboPrinter()->currentText(), QStringLiteral("<Default Printer>"));
}

// --- Notice text ---------------------------------------------------------------------------

TEST(NoticeText, RtfControlWordsAreRemoved) {
    struct Case {
        const char* rtf;
        QString text;
    };
    const Case cases[] = {
        {"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
         "\\pard\\f0\\fs20 First line\\par Second \\b bold\\b0  word\\par}",
         QStringLiteral("First line\nSecond bold word")},
        {"{\\rtf1 Caf\\'e9 \\{braces\\} and \\\\ slash\\tab end}", QStringLiteral("Caf\u00e9 {braces} and \\ slash\tend")},
        {"{\\rtf1{\\*\\generator Riched20;}\\uc1 Pe\\u241?a}", QStringLiteral("Pe\u00f1a")},
        {"{\\rtf1{\\info{\\title Secret}}Visible}", QStringLiteral("Visible")},
    };
    for (const Case& c : cases) EXPECT_EQ(RtfToPlainText(QString::fromLatin1(c.rtf)), c.text) << c.rtf;
}
