#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <utility>

#include "limits/checkup_results_form.h"
#include "limits_fixture.h"
#include "store/tdm.h"

namespace {

using Line = std::pair<QColor, QString>;

// The log as the person sees it: each line with the colour of its text.
QList<Line> logLines(const TCheckupResultsForm& form) {
    QList<Line> out;
    for (QTextBlock b = form.memLog()->document()->begin(); b.isValid(); b = b.next()) {
        QTextCharFormat format = b.charFormat();
        if (b.begin() != b.end()) format = b.begin().fragment().charFormat();
        out.append({format.foreground().color(), b.text()});
    }
    return out;
}

QStringList texts(const QList<Line>& lines) {
    QStringList out;
    for (const Line& l : lines) out << l.second;
    return out;
}

const QString kChecking = QStringLiteral("Checking for limit violations");
const QString kDisclaimer = QStringLiteral(
    "The limit checks are the baseline limits established by statute and may not account for special "
    "circumstances of the contributions.  It is the committee's treasurer who must make the final determination "
    "if a limit is exceeded.");
const QString kAdamsViolation = QStringLiteral("Individual Contribution Limit Violation: Adams, Ann $250.00");

class CheckupResultsFormTest : public LimitsFixture {
protected:
    void addViolation() {
        addName(1, 1, QStringLiteral("Adams, Ann"), QStringLiteral("IND"));
        receive(1, QStringLiteral("7000"), 210);
    }

    // Shows the window and runs the check as its start timer would.
    void showAndCheck(TCheckupResultsForm& form) {
        form.show();
        EXPECT_FALSE(form.btnClose()->isEnabled());
        form.tmrStartTimer();
    }
};

TEST_F(CheckupResultsFormTest, AutomaticCheckThatFindsNothingClosesByItself) {
    addName(1, 1, QStringLiteral("Baker, Bob"), QStringLiteral("IND"));
    receive(1, QStringLiteral("100"), 210);
    TCheckupResultsForm form(*dm, true);
    // A window that never closes would hang the test: give up on it after a minute.
    bool stuck = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        stuck = true;
        form.done(QDialog::Rejected);
    });
    watchdog.start(60000);
    const int result = form.exec();
    EXPECT_FALSE(stuck);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(form.automatic());
    const QStringList lines = texts(logLines(form));
    EXPECT_EQ(lines.first(), kChecking);
    EXPECT_TRUE(lines.contains(QStringLiteral("No limit violations found")));
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(CheckupResultsFormTest, ManualCheckKeepsTheColouredLogAndEnablesClose) {
    TCheckupResultsForm form(*dm, false);
    form.show();
    // Not closable before the check has run.
    QTest::keyClick(&form, Qt::Key_Escape);
    form.close();
    EXPECT_TRUE(form.isVisible());

    form.tmrStartTimer();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.btnClose()->isEnabled());
    EXPECT_TRUE(form.btnClose()->isDefault());
    EXPECT_TRUE(form.statusText().isEmpty());
    const QList<Line> expected = {
        {Qt::black, kChecking},
        {Qt::black, QStringLiteral("Checking individual contribution limits")},
        {Qt::black, QStringLiteral("Checking PAC contribution limits")},
        {Qt::black, QStringLiteral("Checking Super PAC contribution limits")},
        {Qt::blue, QStringLiteral("No limit violations found")},
        {Qt::black, QString()},
        {Qt::black, kDisclaimer},
    };
    EXPECT_EQ(logLines(form), expected);

    // The timer firing later does not run the check a second time.
    form.tmrStartTimer();
    EXPECT_EQ(logLines(form).size(), expected.size());

    QTest::mouseClick(form.btnClose(), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(CheckupResultsFormTest, ViolationInAutomaticModeSwitchesToManual) {
    addViolation();
    TCheckupResultsForm form(*dm, true);
    showAndCheck(form);
    EXPECT_FALSE(form.automatic());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.btnClose()->isEnabled());
    const QList<Line> lines = logLines(form);
    EXPECT_TRUE(lines.contains(Line(Qt::red, kAdamsViolation)));
    EXPECT_FALSE(texts(lines).contains(QStringLiteral("No limit violations found")));
}

TEST_F(CheckupResultsFormTest, SwitchedOffOrNonCandidateChecksOnlyOnRequest) {
    addViolation();
    struct Case {
        int committeeType;
        bool disabled;
        bool automatic;
        bool closesItself;
        bool checks;
    };
    const Case cases[] = {
        {1, true, true, true, false},   // switched off: the automatic check only flashes the window
        {1, true, false, false, true},  // the menu still checks
        {2, false, true, true, false},  // not a candidate committee
        {2, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.committeeType << " disabled " << c.disabled << " automatic "
                                        << c.automatic);
        env.exec(QStringLiteral("UPDATE ORGS SET COMMITTEETYPEID = %1").arg(c.committeeType));
        dm->opt().DisableLimitViolationsCheck = c.disabled;
        TCheckupResultsForm form(*dm, c.automatic);
        showAndCheck(form);
        EXPECT_EQ(form.isVisible(), !c.closesItself);
        EXPECT_TRUE(form.mayClose());
        const QStringList lines = texts(logLines(form));
        if (c.checks) EXPECT_TRUE(lines.contains(kAdamsViolation));
        else EXPECT_EQ(lines, QStringList{kChecking});
    }
}

TEST_F(CheckupResultsFormTest, DatabaseErrorEndsTheCheckAsAnyEnd) {
    addViolation();
    for (const bool automatic : {true, false}) {
        SCOPED_TRACE(automatic ? "automatic" : "manual");
        env.prompter().clear();
        dm->db().close();
        TCheckupResultsForm form(*dm, automatic);
        showAndCheck(form);
        ASSERT_EQ(env.prompter().messages().size(), 1);
        EXPECT_TRUE(env.prompter().messages().first().text.startsWith(QStringLiteral("App Exception: ")));
        EXPECT_EQ(form.isVisible(), !automatic);
        EXPECT_EQ(form.btnClose()->isEnabled(), !automatic);
        EXPECT_EQ(texts(logLines(form)), QStringList{kChecking});
        dm->db().open();
    }
}

TEST_F(CheckupResultsFormTest, PrintLogPutsEveryLineOnNumberedPages) {
    addViolation();
    TCheckupResultsForm form(*dm, false);
    showAndCheck(form);
    // Enough lines for several pages.
    QTextCursor cursor(form.memLog()->document());
    cursor.movePosition(QTextCursor::End);
    for (int i = 1; i <= 150; ++i) {
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("Line %1 of the long log").arg(i));
    }

    const QString pdf = env.path(QStringLiteral("log.pdf"));
    int pages = 0;
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        pages = form.printLog(writer);
    }
    ASSERT_GT(pages, 1);
    ASSERT_GT(QFile(pdf).size(), 0);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed: only the page count was checked";
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    const QStringList pageTexts = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pageTexts.size(), pages);
    for (int i = 0; i < pages; ++i) {
        EXPECT_TRUE(pageTexts.at(i).contains(QStringLiteral("Checkup Results"))) << "page " << i + 1;
        EXPECT_TRUE(pageTexts.at(i).contains(QStringLiteral("Page: %1").arg(i + 1))) << "page " << i + 1;
    }
    EXPECT_TRUE(pageTexts.first().contains(kAdamsViolation));
    // No line is lost or printed twice at a page break.
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(text.count(QStringLiteral("Line %1 of the long log").arg(i)), 1) << "line " << i;
}

}  // namespace
