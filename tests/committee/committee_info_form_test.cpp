#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "committee/committee_info_form.h"
#include "committee/committee_record.h"
#include "platform/clock.h"
#include "shell/opt_data.h"
#include "support/test_env.h"

namespace {

const QDateTime kOldStamp(QDate(2020, 1, 2), QTime(3, 4, 5));

QLineEdit* lineEdit(TCommitteeInfoForm& f, const QString& column) {
    auto* e = qobject_cast<QLineEdit*>(f.editor(column));
    EXPECT_NE(e, nullptr) << column.toStdString();
    return e;
}

QComboBox* combo(TCommitteeInfoForm& f, const QString& column) {
    auto* c = qobject_cast<QComboBox*>(f.editor(column));
    EXPECT_NE(c, nullptr) << column.toStdString();
    return c;
}

// Replaces a field's text by typing, as a person does.
void typeInto(TCommitteeInfoForm& f, const QString& column, const QString& text) {
    QLineEdit* e = lineEdit(f, column);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    e->home(false);
    QTest::keyClicks(e, text);
}

void chooseById(TCommitteeInfoForm& f, const QString& column, int id) {
    QComboBox* c = combo(f, column);
    const int i = c->findData(id);
    ASSERT_GE(i, 0) << column.toStdString() << " " << id;
    c->setCurrentIndex(i);
}

void typeYear(TCommitteeInfoForm& f, const QString& year) {
    QComboBox* c = combo(f, "CANDYEAR");
    c->lineEdit()->clear();
    QTest::keyClicks(c->lineEdit(), year);
}

QString stored(TestEnv& env, const QString& column, const QString& filerId = "123-4567") {
    return env.value(QStringLiteral("SELECT %1 FROM ORGS WHERE FILERID = '%2'").arg(column, filerId)).toString();
}

QDateTime storedStamp(TestEnv& env) { return env.value("SELECT MODIFIED_DATE FROM ORGS WHERE FILERID = '123-4567'").toDateTime(); }

// A committee already stored, opened for change with the wizard.
struct ExistingCommittee {
    explicit ExistingCommittee(int type, const QString& extraSql = QString()) {
        env.addCommittee("123-4567", "FRIENDS OF THE DESERT", type);
        env.exec("UPDATE ORGS SET MODIFIED_DATE = '01/02/2020 03:04:05', OUTOFSTATE = 'F'");
        if (!extraSql.isEmpty()) env.exec(extraSql);
        dm = &env.openTdm();
        dm->opt().Sounds = true;
        EXPECT_TRUE(dm->orgs().locate("123-4567"));
        form = std::make_unique<TCommitteeInfoForm>(*dm, dm->orgs());
        form->setSuccessSound([this] { ++sounds; });
        // Neither accepted nor rejected yet.
        form->setResult(-1);
    }
    TestEnv env;
    Tdm* dm = nullptr;
    std::unique_ptr<TCommitteeInfoForm> form;
    int sounds = 0;
};

}  // namespace

TEST(CommitteeInfoForm, NewCommitteeIsTypedAndStored) {
    TestEnv env;
    Tdm& dm = env.openTdm();
    dm.opt().Sounds = false;
    CommitteeTable& orgs = dm.orgs();
    orgs.append();
    TCommitteeInfoForm f(dm, orgs);
    int sounds = 0;
    f.setSuccessSound([&] { ++sounds; });

    EXPECT_EQ(f.windowTitle(), "Committee Properties");
    EXPECT_TRUE(f.editor("FILERID")->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.editor("FILERID"));
    EXPECT_EQ(f.pages()->currentIndex(), TCommitteeInfoForm::PageCommittee);
    EXPECT_FALSE(f.btnPrev()->isEnabled());
    EXPECT_TRUE(f.btnNext()->isDefault());
    for (const char* c : {"STATE", "MAILSTATE", "SPONSORSTATE", "CHSTATE", "TRSTATE", "CANDSTATE", "DESIGNEESTATE"})
        EXPECT_EQ(combo(f, c)->currentText(), "AZ") << c;
    EXPECT_FALSE(qobject_cast<QCheckBox*>(f.editor("OUTOFSTATE"))->isChecked());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(f.editor("CANDINCUMBANT"))->isChecked());
    EXPECT_FALSE(f.candidatePageVisible());

    typeInto(f, "FILERID", "123-4567");
    chooseById(f, "COMMITTEETYPEID", 2);
    typeInto(f, "NAME", "friends of the desert");
    typeInto(f, "ADDRESS1", "12 saguaro way");
    typeInto(f, "CITY", "tucson");
    typeInto(f, "ZIP", "857011234");
    typeInto(f, "PHONE", "5205551234");
    typeInto(f, "EMAIL", "Info@Example.org");
    typeInto(f, "CHNAME", "doe, jane");
    typeInto(f, "TRNAME", "roe, richard");
    typeInto(f, "FINANCIALINSTITUTION1", "Desert Bank");

    EXPECT_EQ(lineEdit(f, "NAME")->text(), "FRIENDS OF THE DESERT");
    EXPECT_EQ(lineEdit(f, "ZIP")->text(), "85701-1234");
    EXPECT_EQ(lineEdit(f, "PHONE")->text(), "(520)555-1234");
    f.btnFinishClick();

    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join("|").toStdString();
    EXPECT_EQ(sounds, 0);
    EXPECT_EQ(stored(env, "NAME"), "FRIENDS OF THE DESERT");
    EXPECT_EQ(stored(env, "ADDRESS1"), "12 SAGUARO WAY");
    EXPECT_EQ(stored(env, "CITY"), "TUCSON");
    EXPECT_EQ(stored(env, "ZIP"), "857011234");
    EXPECT_EQ(stored(env, "PHONE"), "5205551234");
    EXPECT_EQ(stored(env, "EMAIL"), "Info@Example.org");
    EXPECT_EQ(stored(env, "CHNAME"), "DOE, JANE");
    EXPECT_EQ(stored(env, "FINANCIALINSTITUTION1"), "Desert Bank");
    EXPECT_EQ(stored(env, "COMMITTEETYPEID"), "2");
    EXPECT_EQ(stored(env, "DELETED"), "F");
    EXPECT_EQ(stored(env, "OUTOFSTATE"), "F");
    EXPECT_EQ(stored(env, "STATE"), "AZ");
    EXPECT_EQ(stored(env, "MODIFIED_USER"), "USER");
    EXPECT_EQ(orgs.filerId(), "123-4567");
}

TEST(CommitteeInfoForm, EditStoresUpperCaseValuesAndSounds) {
    ExistingCommittee c(2);
    TCommitteeInfoForm& f = *c.form;
    EXPECT_FALSE(f.editor("FILERID")->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.editor("ADDRESS1"));
    EXPECT_EQ(lineEdit(f, "ZIP")->text(), "85701-");

    Clock::setFixed(QDateTime(QDate(2026, 5, 6), QTime(7, 8, 9)));
    typeInto(f, "ADDRESS2", "suite 4");
    typeInto(f, "MAILCITY", "phoenix");
    typeInto(f, "CHEMAIL", "Jane.Doe@Example.org");
    typeInto(f, "TROCCUPATION", "accountant");
    typeInto(f, "SPONSORZIP", "85004");
    combo(f, "MAILSTATE")->setCurrentIndex(combo(f, "MAILSTATE")->findText("NM"));
    f.btnFinishClick();

    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(c.sounds, 1);
    EXPECT_EQ(stored(c.env, "ADDRESS2"), "SUITE 4");
    EXPECT_EQ(stored(c.env, "MAILCITY"), "PHOENIX");
    EXPECT_EQ(stored(c.env, "MAILSTATE"), "NM");
    EXPECT_EQ(stored(c.env, "CHEMAIL"), "Jane.Doe@Example.org");
    EXPECT_EQ(stored(c.env, "TROCCUPATION"), "ACCOUNTANT");
    EXPECT_EQ(stored(c.env, "SPONSORZIP"), "85004");
    EXPECT_EQ(storedStamp(c.env), QDateTime(QDate(2026, 5, 6), QTime(7, 8, 9)));
    EXPECT_EQ(c.dm->orgs().text("MailAddress3"), "PHOENIX, NM  ");
}

TEST(CommitteeInfoForm, CandidateCommitteeNeedsYearThenOffice) {
    ExistingCommittee c(1);
    TCommitteeInfoForm& f = *c.form;
    ASSERT_TRUE(f.candidatePageVisible());
    typeInto(f, "CANDNAME", "smith, ann");

    f.btnFinishClick();
    EXPECT_EQ(c.env.prompter().texts(), QStringList{"Candidate year MUST be specified"});
    EXPECT_EQ(f.pages()->currentIndex(), TCommitteeInfoForm::PageCandidate);
    EXPECT_EQ(f.focusWidget(), f.editor("CANDYEAR"));
    EXPECT_NE(f.result(), QDialog::Accepted);

    c.env.prompter().clear();
    typeYear(f, "2024");
    f.btnFinishClick();
    EXPECT_EQ(c.env.prompter().texts(), QStringList{"Candidate Office MUST be specified"});
    EXPECT_EQ(f.pages()->currentIndex(), TCommitteeInfoForm::PageCandidate);
    EXPECT_EQ(f.focusWidget(), f.editor("CANDOFFICEID"));
    EXPECT_TRUE(stored(c.env, "CANDNAME").isEmpty());
    EXPECT_EQ(storedStamp(c.env), kOldStamp);
    EXPECT_EQ(c.sounds, 0);

    c.env.prompter().clear();
    chooseById(f, "CANDOFFICEID", 1);
    f.btnFinishClick();
    EXPECT_TRUE(c.env.prompter().messages().isEmpty());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(stored(c.env, "CANDYEAR"), "2024");
    EXPECT_EQ(stored(c.env, "CANDOFFICEID"), "1");
    EXPECT_EQ(stored(c.env, "CANDNAME"), "SMITH, ANN");
}

TEST(CommitteeInfoForm, FinishWithoutChangesWritesNothing) {
    ExistingCommittee c(1, "UPDATE ORGS SET CANDYEAR = 2024, CANDOFFICEID = 1");
    TCommitteeInfoForm& f = *c.form;
    // Looking through the pages changes nothing.
    for (int i = 0; i < 5; ++i) f.btnNextClick();
    EXPECT_EQ(f.pages()->currentIndex(), TCommitteeInfoForm::PageDesignee);
    f.btnNextClick();  // Next on the last page finishes

    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(c.env.prompter().messages().isEmpty());
    EXPECT_EQ(c.sounds, 0);
    EXPECT_EQ(storedStamp(c.env), kOldStamp);
    EXPECT_EQ(c.dm->orgs().state(), CommitteeTable::State::Browse);
}

TEST(CommitteeInfoForm, CancelAsksOnlyWhenSomethingChanged) {
    {
        ExistingCommittee c(2);
        c.form->btnCancelClick();
        EXPECT_EQ(c.form->result(), QDialog::Rejected);
        EXPECT_TRUE(c.env.prompter().messages().isEmpty());
    }
    {
        ExistingCommittee c(2);
        TCommitteeInfoForm& f = *c.form;
        typeInto(f, "CITY", "flagstaff");
        c.env.prompter().queueAnswer(Prompter::Answer::No);
        f.btnCancelClick();
        EXPECT_EQ(c.env.prompter().texts(),
                  QStringList{"Are you sure you want to cancel changes to Organization Data ?"});
        EXPECT_EQ(f.result(), -1);
        EXPECT_EQ(c.dm->orgs().text("CITY"), "FLAGSTAFF");

        // Escape takes the same way; Yes drops the change.
        c.env.prompter().queueAnswer(Prompter::Answer::Yes);
        f.reject();
        EXPECT_EQ(f.result(), QDialog::Rejected);
        EXPECT_EQ(c.env.prompter().messages().size(), 2);
        EXPECT_EQ(c.dm->orgs().text("CITY"), "TUCSON");
        EXPECT_EQ(stored(c.env, "CITY"), "TUCSON");
    }
    {
        // A new committee nobody typed into goes without a question, and is dropped.
        TestEnv env;
        env.addCommittee("999-9999", "OPEN BEFORE");
        Tdm& dm = env.openTdm();
        ASSERT_TRUE(dm.orgs().locate("999-9999"));
        dm.orgs().append();
        TCommitteeInfoForm f(dm, dm.orgs());
        f.setResult(-1);
        f.btnCancelClick();
        EXPECT_EQ(f.result(), QDialog::Rejected);
        EXPECT_TRUE(env.prompter().messages().isEmpty());
        EXPECT_EQ(dm.orgs().filerId(), "999-9999");
    }
}

TEST(CommitteeInfoForm, TypeChangeHidesCandidatePageAndKeepsCandidateValues) {
    ExistingCommittee c(1,
                        "UPDATE ORGS SET CANDNAME = 'SMITH, ANN', CANDYEAR = 2022, CANDOFFICEID = 1, "
                        "CANDINCUMBANT = 'T', CANDZIP = '857051234'");
    TCommitteeInfoForm& f = *c.form;
    ASSERT_TRUE(f.candidatePageVisible());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(f.editor("CANDINCUMBANT"))->isChecked());

    chooseById(f, "COMMITTEETYPEID", 2);
    EXPECT_FALSE(f.candidatePageVisible());
    chooseById(f, "COMMITTEETYPEID", 1);
    EXPECT_TRUE(f.candidatePageVisible());
    chooseById(f, "COMMITTEETYPEID", 9);
    EXPECT_FALSE(f.candidatePageVisible());

    // Next skips the hidden page.
    f.pages()->setCurrentIndex(TCommitteeInfoForm::PageTreasurer);
    f.btnNextClick();
    EXPECT_EQ(f.pages()->currentIndex(), TCommitteeInfoForm::PageDesignee);
    f.btnPrevClick();
    EXPECT_EQ(f.pages()->currentIndex(), TCommitteeInfoForm::PageTreasurer);
    EXPECT_TRUE(f.btnPrev()->isEnabled());

    f.btnFinishClick();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(stored(c.env, "COMMITTEETYPEID"), "9");
    EXPECT_EQ(stored(c.env, "CANDNAME"), "SMITH, ANN");
    EXPECT_EQ(stored(c.env, "CANDYEAR"), "2022");
    EXPECT_EQ(stored(c.env, "CANDOFFICEID"), "1");
    EXPECT_EQ(stored(c.env, "CANDINCUMBANT"), "T");
    EXPECT_EQ(stored(c.env, "CANDZIP"), "857051234");
}

TEST(CommitteeInfoForm, CheckBoxLetters) {
    // Either letter of a pair shows as ticked.
    struct Case {
        const char* outOfState;
        const char* incumbent;
        bool outOfStateTicked;
        bool incumbentTicked;
    };
    for (const Case& k : {Case{"Y", "T", true, true}, Case{"T", "Y", true, true}, Case{"N", "F", false, false},
                          Case{"F", "N", false, false}}) {
        ExistingCommittee c(1, QStringLiteral("UPDATE ORGS SET OUTOFSTATE = '%1', CANDINCUMBANT = '%2'")
                                   .arg(QLatin1String(k.outOfState), QLatin1String(k.incumbent)));
        EXPECT_EQ(qobject_cast<QCheckBox*>(c.form->editor("OUTOFSTATE"))->isChecked(), k.outOfStateTicked)
            << k.outOfState;
        EXPECT_EQ(qobject_cast<QCheckBox*>(c.form->editor("CANDINCUMBANT"))->isChecked(), k.incumbentTicked)
            << k.incumbent;
    }

    // Touching "Out of State" and clearing it again stores "N"; ticking the incumbent stores "T".
    ExistingCommittee c(1, "UPDATE ORGS SET CANDYEAR = 2024, CANDOFFICEID = 1");
    c.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.form.get()));
    c.form->pages()->setCurrentIndex(TCommitteeInfoForm::PageContinued);
    auto* outOfState = qobject_cast<QCheckBox*>(c.form->editor("OUTOFSTATE"));
    const QPoint indicator(6, outOfState->height() / 2);
    QTest::mouseClick(outOfState, Qt::LeftButton, {}, indicator);
    EXPECT_TRUE(outOfState->isChecked());
    QTest::mouseClick(outOfState, Qt::LeftButton, {}, indicator);
    EXPECT_FALSE(outOfState->isChecked());
    qobject_cast<QCheckBox*>(c.form->editor("CANDINCUMBANT"))->click();
    c.form->btnFinishClick();
    EXPECT_EQ(c.form->result(), QDialog::Accepted);
    EXPECT_EQ(stored(c.env, "OUTOFSTATE"), "N");
    EXPECT_EQ(stored(c.env, "CANDINCUMBANT"), "T");
}

TEST(CommitteeInfoForm, RefusedStoreKeepsTheWizardOpenWithTheTypedValues) {
    TestEnv env;
    env.addCommittee("123-4567", "TAKEN");
    Tdm& dm = env.openTdm();
    dm.opt().Sounds = true;
    dm.orgs().append();
    TCommitteeInfoForm f(dm, dm.orgs());
    int sounds = 0;
    f.setSuccessSound([&] { ++sounds; });
    f.setResult(-1);

    typeInto(f, "FILERID", "123-4567");
    chooseById(f, "COMMITTEETYPEID", 2);
    typeInto(f, "ADDRESS1", "1 elm st");
    typeInto(f, "CITY", "yuma");
    typeInto(f, "ZIP", "85364");
    typeInto(f, "CHNAME", "doe, jane");
    typeInto(f, "TRNAME", "roe, richard");

    // No name.
    f.btnFinishClick();
    EXPECT_EQ(env.prompter().texts(), QStringList{"Error posting data: Field 'Name' must have a value"});
    EXPECT_EQ(f.result(), -1);

    // A filer ID already taken: the database's own words.
    env.prompter().clear();
    typeInto(f, "NAME", "second committee");
    f.btnFinishClick();
    ASSERT_EQ(env.prompter().messages().size(), 1);
    EXPECT_TRUE(env.prompter().texts()[0].startsWith("Error posting data: "));
    EXPECT_TRUE(env.prompter().texts()[0].contains("PK_ORGS")) << env.prompter().texts()[0].toStdString();
    EXPECT_EQ(f.result(), -1);
    EXPECT_EQ(lineEdit(f, "NAME")->text(), "SECOND COMMITTEE");
    EXPECT_EQ(dm.orgs().text("CITY"), "YUMA");
    EXPECT_EQ(env.value("SELECT COUNT(*) FROM ORGS").toInt(), 1);
    EXPECT_EQ(stored(env, "NAME"), "TAKEN");
    EXPECT_EQ(sounds, 0);

    // Corrected, it goes through.
    env.prompter().clear();
    typeInto(f, "FILERID", "123-4568");
    f.btnFinishClick();
    EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join("|").toStdString();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(stored(env, "NAME", "123-4568"), "SECOND COMMITTEE");
    EXPECT_EQ(sounds, 1);
}

TEST(CommitteeInfoForm, IncompleteZipIsRefused) {
    ExistingCommittee c(2);
    TCommitteeInfoForm& f = *c.form;
    typeInto(f, "CHZIP", "857");
    f.btnFinishClick();
    ASSERT_EQ(c.env.prompter().messages().size(), 1);
    EXPECT_TRUE(c.env.prompter().texts()[0].contains("Zip"));
    EXPECT_EQ(f.pages()->currentIndex(), TCommitteeInfoForm::PageChairman);
    EXPECT_EQ(f.focusWidget(), f.editor("CHZIP"));
    EXPECT_EQ(f.result(), -1);
    EXPECT_TRUE(stored(c.env, "CHZIP").isEmpty());
    EXPECT_EQ(storedStamp(c.env), kOldStamp);
}
