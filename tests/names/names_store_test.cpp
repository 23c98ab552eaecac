#include "names/names_store.h"

#include <QObject>
#include <QSet>

#include "ledger/open_lists.h"
#include "names_fixture.h"
#include "store/db_error.h"

namespace {

using Status = NameSaveOutcome::Status;

QSet<int> typesOf(const QList<NamesList::Row>& rows) {
    QSet<int> out;
    for (const auto& r : rows) out.insert(r.nameTypeId);
    return out;
}

QStringList labelsOf(const QList<NamesList::Row>& rows) {
    QStringList out;
    for (const auto& r : rows) out << r.name + QLatin1Char('/') + r.nameType;
    return out;
}

NameRecord newName(int type, const QString& name,
                   const QString& address = QStringLiteral("1 MAIN ST"),
                   const QString& city = QStringLiteral("TUCSON"),
                   const QString& zip = QStringLiteral("85701")) {
    NameRecord r = NameRecord::create(type);
    r.setValue(QStringLiteral("NAME"), name);
    r.setValue(QStringLiteral("ADDRESS1"), address);
    r.setValue(QStringLiteral("CITY"), city);
    r.setValue(QStringLiteral("ZIP"), zip);
    return r;
}

}  // namespace

// --- The list ----------------------------------------------------------------------------------

TEST_F(NamesTest, EachTabShowsItsTypesOfTheOpenCommitteeOnly) {
    for (int type = 1; type <= 11; ++type) {
        addName(type, type, QStringLiteral("OURS %1").arg(type));
        addName(type, type, QStringLiteral("THEIRS %1").arg(type), kOtherFiler);
        addName(20 + type, type, QStringLiteral("THEIRS ALSO %1").arg(type), kOtherFiler);
    }
    const QList<NamesList::Tab>& tabs = NamesList::tabs();
    ASSERT_EQ(tabs.size(), 7);
    const QList<std::pair<QString, QSet<int>>> expected = {
        {QStringLiteral("All Names"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {QStringLiteral("Individuals"), {1}},
        {QStringLiteral("Committees"), {2}},
        {QStringLiteral("Banks"), {3}},
        {QStringLiteral("Vendors"), {4}},
        {QStringLiteral("Candidates"), {5}},
        {QStringLiteral("Other"), {6}},
    };
    for (int i = 0; i < tabs.size(); ++i) {
        SCOPED_TRACE(tabs[i].caption.toStdString());
        EXPECT_EQ(tabs[i].caption, expected[i].first);
        const auto rows = NamesList::read(*dm, tabs[i].lowType, tabs[i].highType, false);
        EXPECT_EQ(typesOf(rows), expected[i].second);
        EXPECT_EQ(rows.size(), expected[i].second.size());
        for (const auto& r : rows)
            EXPECT_TRUE(r.name.startsWith(QStringLiteral("OURS"))) << r.name.toStdString();
    }
}

TEST_F(NamesTest, ListIsSortedByNameThenTypeCaptionInEitherDirection) {
    addName(1, 4, QStringLiteral("BAKER"));
    addName(2, 1, QStringLiteral("ADAMS"));
    addName(3, 1, QStringLiteral("BAKER"));
    addName(4, 3, QStringLiteral("CLARK"));
    EXPECT_EQ(labelsOf(NamesList::read(*dm, 1, 99, false)),
              (QStringList{"ADAMS/Individual", "BAKER/Individual", "BAKER/Vendor", "CLARK/Bank"}));
    EXPECT_EQ(labelsOf(NamesList::read(*dm, 1, 99, true)),
              (QStringList{"CLARK/Bank", "BAKER/Individual", "BAKER/Vendor", "ADAMS/Individual"}));
}

// --- Saving ------------------------------------------------------------------------------------

TEST_F(NamesTest, SameNameIsRefusedWithinItsTypeOnly) {
    addName(1, 1, QStringLiteral("SMITH, JOHN"));
    struct Case {
        int type;
        bool saved;
    };
    for (const Case c : {Case{1, false}, Case{4, true}}) {
        SCOPED_TRACE(c.type);
        env.prompter().clear();
        NameRecord r = newName(c.type, QStringLiteral("SMITH, JOHN"));
        const NameSaveOutcome o = SaveName(*dm, r);
        if (c.saved) {
            EXPECT_EQ(o.status, Status::Saved);
            EXPECT_TRUE(env.prompter().messages().isEmpty());
            EXPECT_EQ(stored(o.nameId, QStringLiteral("NAMETYPEID")).toInt(), c.type);
        } else {
            EXPECT_EQ(o.status, Status::Refused);
            EXPECT_EQ(o.focusColumn, QStringLiteral("NAME"));
            ASSERT_EQ(env.prompter().messages().size(), 1);
            EXPECT_EQ(env.prompter().messages()[0].kind, Prompter::Kind::Error);
            EXPECT_EQ(env.prompter().messages()[0].text, QStringLiteral("Duplicate name entered"));
        }
    }
    EXPECT_EQ(nameCount(), 2);
}

TEST_F(NamesTest, NewNameChecksComeInOrderAndStoreNothing) {
    addName(1, 1, QStringLiteral("SMITH, JOHN"));
    struct Case {
        const char* name;
        const char* address;
        const char* city;
        const char* zip;
        const char* phone;
        const char* message;
        const char* column;
    };
    const Case cases[] = {
        {"SMITH, JOHN", "", "", "", "", "Duplicate name entered", "NAME"},
        {"DOE, JANE", "   ", "", "", "", "Address must be specified", "ADDRESS1"},
        {"DOE, JANE", "1 ELM", "", "", "", "City must be specified", "CITY"},
        {"DOE, JANE", "1 ELM", "TUCSON", "", "", "Zip must be specified", "ZIP"},
        {"DOE, JANE", "1 ELM", "TUCSON", "8570", "",
         "Invalid Zip code. Enter five digits, or five digits, a dash and four digits.", "ZIP"},
        {"DOE, JANE", "1 ELM", "TUCSON", "85701-12", "",
         "Invalid Zip code. Enter five digits, or five digits, a dash and four digits.", "ZIP"},
        {"DOE, JANE", "1 ELM", "TUCSON", "85701", "(52 )555-1234",
         "Invalid phone number. Enter seven digits, with the three digits of the area code before "
         "them if wanted.",
         "PHONE"},
        {"", "1 ELM", "TUCSON", "85701", "", "Field 'NAME' must have a value", "NAME"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        env.prompter().clear();
        NameRecord r = newName(1, c.name, c.address, c.city, c.zip);
        r.setValue(QStringLiteral("PHONE"), QString::fromLatin1(c.phone));
        const NameSaveOutcome o = SaveName(*dm, r);
        EXPECT_EQ(o.status, Status::Refused);
        EXPECT_EQ(o.nameId, -1);
        EXPECT_EQ(o.focusColumn, QString::fromLatin1(c.column));
        EXPECT_EQ(env.prompter().texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(r.isNew());
    }
    EXPECT_EQ(nameCount(), 1);
}

TEST_F(NamesTest, NewNameGetsTheCommitteesNextIdStampsAndRereadsTheOpenLists) {
    addName(1, 1, QStringLiteral("ADAMS"));
    addName(2, 1, QStringLiteral("BAKER"));
    // The other committee's numbers do not count.
    addName(30, 1, QStringLiteral("CLARK"), kOtherFiler);
    QObject list;
    int rereads = 0;
    OpenLists::add(&list, [&] { ++rereads; });

    NameRecord r = newName(2, QStringLiteral("FRIENDS OF DESERT PAC"), QStringLiteral("9 PINE"),
                           QStringLiteral("PHOENIX"), QStringLiteral("85001-2345"));
    r.setValue(QStringLiteral("PHONE"), QStringLiteral("(   )555-1234"));
    r.setValue(QStringLiteral("PACID"), QStringLiteral("PAC-77"));
    const NameSaveOutcome o = SaveName(*dm, r);
    ASSERT_EQ(o.status, Status::Saved) << env.prompter().texts().join('|').toStdString();
    EXPECT_EQ(o.nameId, 3);
    EXPECT_EQ(r.nameId(), 3);
    EXPECT_FALSE(r.isModified());
    EXPECT_EQ(rereads, 1);

    EXPECT_EQ(stored(3, "NAMETYPEID").toInt(), 2);
    EXPECT_EQ(stored(3, "NAME").toString(), QStringLiteral("FRIENDS OF DESERT PAC"));
    EXPECT_EQ(stored(3, "STATE").toString(), QStringLiteral("AZ"));
    EXPECT_EQ(stored(3, "ZIP").toString(), QStringLiteral("85001-2345"));
    EXPECT_EQ(stored(3, "PHONE").toString(), QStringLiteral("(   )555-1234"));
    EXPECT_EQ(stored(3, "PACID").toString(), QStringLiteral("PAC-77"));
    EXPECT_TRUE(stored(3, "OCCUPATION").isNull());
    EXPECT_EQ(stored(3, "NAMETS").toDateTime(), kNow);
    EXPECT_EQ(stored(3, "MODIFIED_DATE").toDateTime(), kNow);
    EXPECT_EQ(stored(3, "MODIFIED_USER").toString(), QStringLiteral("USER"));
    EXPECT_EQ(stored(3, "DELETED").toString(), QStringLiteral("F"));
    EXPECT_EQ(nameCount(kOtherFiler), 1);
}

TEST_F(NamesTest, ExistingNameWithARequiredColumnEmptiedIsRefusedNamingTheColumn) {
    addName(1, 1, QStringLiteral("SMITH, JOHN"));
    for (const QString& column :
         {QStringLiteral("CITY"), QStringLiteral("ADDRESS1"), QStringLiteral("ZIP"),
          QStringLiteral("STATE"), QStringLiteral("NAME")}) {
        SCOPED_TRACE(column.toStdString());
        env.prompter().clear();
        NameRecord r = NameRecord::load(*dm, 1);
        r.setValue(column, QString());
        const NameSaveOutcome o = SaveName(*dm, r);
        EXPECT_EQ(o.status, Status::Refused);
        EXPECT_EQ(o.focusColumn, column);
        EXPECT_EQ(env.prompter().texts(),
                  QStringList{QStringLiteral("Field '") + column + "' must have a value"});
        // The write itself refuses such a row too.
        EXPECT_THROW(r.write(*dm), DbError);
    }
    EXPECT_EQ(stored(1, "CITY").toString(), QStringLiteral("TUCSON"));
    EXPECT_EQ(stored(1, "MODIFIED_DATE").toDateTime(),
              QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
}

TEST_F(NamesTest, ExistingNameIsOnlyCheckedForRepeatsAndKeepsWhatTheWindowDoesNotEdit) {
    addName(1, 1, QStringLiteral("SMITH, JOHN"));
    addName(2, 1, QStringLiteral("DOE, JANE"));
    addName(3, 4, QStringLiteral("ACME"));
    env.exec(QStringLiteral("UPDATE NAMELIST SET USER4 = 'FAM', COUNTYID = 7 WHERE NAMEID = 1"));

    // Its own name is no repeat.
    NameRecord r = NameRecord::load(*dm, 1);
    EXPECT_EQ(r.nameTypeId(), 1);
    r.setValue(QStringLiteral("OCCUPATION"), QStringLiteral("TEACHER"));
    EXPECT_EQ(SaveName(*dm, r).status, Status::Saved);
    EXPECT_EQ(stored(1, "OCCUPATION").toString(), QStringLiteral("TEACHER"));
    EXPECT_EQ(stored(1, "MODIFIED_DATE").toDateTime(), kNow);
    EXPECT_EQ(stored(1, "NAMETS").toDateTime(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    EXPECT_EQ(stored(1, "USER4").toString(), QStringLiteral("FAM"));
    EXPECT_EQ(stored(1, "COUNTYID").toInt(), 7);

    // Another individual's name is; a vendor's is not.
    r.setValue(QStringLiteral("NAME"), QStringLiteral("DOE, JANE"));
    EXPECT_EQ(SaveName(*dm, r).status, Status::Refused);
    EXPECT_TRUE(env.prompter().saw(QStringLiteral("Duplicate name entered")));
    r.setValue(QStringLiteral("NAME"), QStringLiteral("ACME"));
    EXPECT_EQ(SaveName(*dm, r).status, Status::Saved);
    EXPECT_EQ(stored(1, "NAME").toString(), QStringLiteral("ACME"));
    EXPECT_EQ(stored(1, "NAMETYPEID").toInt(), 1);

    // Nothing changed: nothing written.
    Clock::setFixed(kNow.addDays(1));
    NameRecord same = NameRecord::load(*dm, 1);
    EXPECT_EQ(SaveName(*dm, same).status, Status::Unchanged);
    EXPECT_EQ(stored(1, "MODIFIED_DATE").toDateTime(), kNow);
}

TEST_F(NamesTest, AnotherCommitteesNameCannotBeOpened) {
    addName(5, 1, QStringLiteral("THEIRS"), kOtherFiler);
    EXPECT_THROW(NameRecord::load(*dm, 5), DbError);
}

// --- Deleting ----------------------------------------------------------------------------------

TEST_F(NamesTest, NameUsedInTransactionsIsNotDeleted) {
    addName(1, 1, QStringLiteral("SMITH, JOHN"));
    addTransaction(1, 1);
    EXPECT_FALSE(NamesList::deleteName(*dm, 1, QStringLiteral("SMITH, JOHN")));
    ASSERT_EQ(env.prompter().messages().size(), 1);
    EXPECT_EQ(env.prompter().messages()[0].kind, Prompter::Kind::Information);
    EXPECT_EQ(env.prompter().messages()[0].text,
              QStringLiteral("Name <SMITH, JOHN> is used in transactions. Cannot delete."));
    EXPECT_EQ(nameCount(), 1);
}

TEST_F(NamesTest, UnusedNameIsDeletedAfterConfirmation) {
    // Used only as a candidate here, and as a name only in the other committee.
    addName(2, 5, QStringLiteral("JONES, PAT"));
    addName(2, 1, QStringLiteral("JONES, PAT"), kOtherFiler);
    addTransaction(1, 2, true);
    addTransaction(1, 2, false, kOtherFiler);
    EXPECT_EQ(NamesList::transactionCount(*dm, 2), 0);
    QObject list;
    int rereads = 0;
    OpenLists::add(&list, [&] { ++rereads; });

    env.prompter().queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(NamesList::deleteName(*dm, 2, QStringLiteral("JONES, PAT")));
    EXPECT_EQ(nameCount(), 1);
    EXPECT_EQ(rereads, 0);

    env.prompter().queueAnswer(Prompter::Answer::Yes);
    EXPECT_TRUE(NamesList::deleteName(*dm, 2, QStringLiteral("JONES, PAT")));
    EXPECT_EQ(nameCount(), 0);
    EXPECT_EQ(nameCount(kOtherFiler), 1);
    EXPECT_EQ(rereads, 1);
    EXPECT_EQ(env.prompter().texts(),
              (QStringList{QStringLiteral("Are you sure you want to delete this name ?"),
                           QStringLiteral("Are you sure you want to delete this name ?")}));
    EXPECT_EQ(env.prompter().messages()[0].buttons, Prompter::Buttons::YesNo);
}
