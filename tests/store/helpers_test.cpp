#include <gtest/gtest.h>

#include "platform/recording_prompter.h"
#include "shell/opt_data.h"
#include "store/helpers.h"
#include "support/test_env.h"

namespace {

struct TextCase {
    const char* text;
    const char* expected;
};

TEST(ProperCaseName, FollowsTheNameRules) {
    const TextCase cases[] = {
        {"MCDONALD", "McDonald"},
        {"MACDONALD", "MacDonald"},
        {"MACK", "MacK"},
        {"VANDYKE", "Vandyke"},
        {"VAN DYKE", "Van Dyke"},
        {"o'malley-mcneil", "O'Malley-McNeil"},
        {"SMITH III JR", "Smith III Jr"},
        {"SMITH II", "Smith II"},
        {"HENRY IV", "Henry IV"},
        {"IVAN", "Ivan"},
        {"II SMITH", "Ii Smith"},
        // The length tests look at the whole text: a two-letter text is never a numeral.
        {"IV", "Iv"},
        {"MC", "Mc"},
        {"", ""},
        // Only ASCII letters are letters: anything else starts a new word.
        {"PE\u00d1A", "Pe\u00d1A"},
        {"JOHN  SMITH", "John  Smith"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProperCaseName(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.text;
}

TEST(SplitName, SplitsLastFirstMiddleAndSuffix) {
    struct Case {
        const char* text;
        NameParts expected;
    };
    const Case cases[] = {
        {"SMITH, JOHN Q, JR", {"SMITH", "JOHN", "Q", "JR"}},
        {"DOE, JANE", {"DOE", "JANE", "", ""}},
        {"  DOE ,  JANE  ANN , SR  ", {"DOE", "JANE", "ANN", "SR"}},
        {"ACME PRINTING", {"ACME PRINTING", "", "", ""}},
        {"DOE,", {"DOE", "", "", ""}},
        {"", {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        const NameParts p = SplitName(QString::fromUtf8(c.text));
        EXPECT_EQ(p.last, c.expected.last) << c.text;
        EXPECT_EQ(p.first, c.expected.first) << c.text;
        EXPECT_EQ(p.middle, c.expected.middle) << c.text;
        EXPECT_EQ(p.suffix, c.expected.suffix) << c.text;
    }
}

TEST(NameTypes, CodesAndCaptions) {
    const struct {
        int id;
        const char* code;
        const char* caption;
    } types[] = {
        {1, "I", "Individual"},
        {2, "P", "PAC"},
        {3, "B", "Bank"},
        {4, "V", "Vendor"},
        {5, "C", "Candidate/Family Member"},
        {6, "O", "Other"},
        {7, "CC", "Candidate Committee"},
        {8, "PT", "Party"},
        {9, "PA", "Partnership"},
        {10, "CO", "Corporation/LLC"},
        {11, "LA", "Labor Organization"},
    };
    for (const auto& t : types) {
        EXPECT_EQ(NameTypeCode(t.id), QString::fromUtf8(t.code));
        EXPECT_EQ(NameTypeFromCode(QString::fromUtf8(t.code)), t.id);
        EXPECT_EQ(NameTypeName(t.id), QString::fromUtf8(t.caption));
    }
    for (int id : {0, 12, -1}) EXPECT_EQ(NameTypeCode(id), QStringLiteral("U")) << id;
    EXPECT_EQ(NameTypeName(-1), QStringLiteral("Name"));
    EXPECT_EQ(NameTypeName(0), QString());
    // Codes match exactly, case included.
    for (const char* code : {"pt", "U", "", "P ", "c", "CCC"})
        EXPECT_EQ(NameTypeFromCode(QString::fromUtf8(code)), -1) << code;
}

TEST(IsValidEmail, AppliesTheRuleToTheWholeText) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"a@b.cd", true},
        {"john.q_public-1@mail.example.org", true},
        {"J@B2.AZ.US", true},
        {"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz.abcdefghij@abcdefghijklmnopqrstuvwxyzabcdefghijkl"
         "mnop.qrstuvwxyzabcdefghij.com",
         true},
        {"", false},
        {"1a@b.cd", false},     // begins with a digit
        {"a@bcd", false},       // domain without a dot
        {"a@b.c", false},       // final label of one letter
        {"a@.b.cd", false},     // domain begins with a dot
        {"a.@b.cd", false},     // local part ends with a dot
        {"a@b.cd.", false},     // ends with a dot
        {"a b@c.de", false},
        {"a@b.cd\n", false},    // a trailing newline is not the end of the text
        {" a@b.cd", false},
        {"a@b.cd x", false},
        {"\u00e9@b.cd", false}, // \w is ASCII only
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidEmail(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(IsValidEmail, GivesUpOnPathologicalText) {
    // A long near-miss makes the nested repeats backtrack; the answer is still "no".
    EXPECT_FALSE(IsValidEmail(QString(60, QLatin1Char('a')) + QStringLiteral("@") + QString(60, QLatin1Char('b')) +
                              QStringLiteral("!")));
}

TEST(SqlQuote, DoublesQuotesInside) {
    const TextCase cases[] = {
        {"", "''"},
        {"O'Brien", "'O''Brien'"},
        {"''", "''''''"},
        {"PLAIN", "'PLAIN'"},
    };
    for (const auto& c : cases) EXPECT_EQ(SqlQuote(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.text;
}

// A data module on a fresh database with two committees, the first one open.
class HelpersDb : public ::testing::Test {
protected:
    void SetUp() override {
        env.addCommittee(kFiler, QStringLiteral("FRIENDS OF SMITH"));
        env.addCommittee(kOther, QStringLiteral("OTHER COMMITTEE"));
        dm = &env.openTdm();
        dm->opt().LastOrg = kFiler;
    }

    void addName(const QString& filerId, int nameId, int type, const QString& name) {
        env.exec(QStringLiteral("INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, STATE, "
                                "ZIP, MODIFIED_DATE, MODIFIED_USER) VALUES (") +
                 SqlQuote(filerId) + QStringLiteral(", ") + QString::number(nameId) +
                 QStringLiteral(", CURRENT_TIMESTAMP, ") + QString::number(type) + QStringLiteral(", ") +
                 SqlQuote(name) + QStringLiteral(", '1 MAIN ST', 'TUCSON', 'AZ', '85701', CURRENT_TIMESTAMP, 'USER')"));
    }

    void addTransaction(const QString& filerId, int transId) {
        env.exec(QStringLiteral("INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, AMOUNT, "
                                "CREDITACCOUNTID, DEBITACCOUNTID, MODIFIED_DATE, MODIFIED_USER) VALUES (") +
                 SqlQuote(filerId) + QStringLiteral(", ") + QString::number(transId) +
                 QStringLiteral(", CURRENT_TIMESTAMP, ") + QString::number(transId) +
                 QStringLiteral(", '07/01/2024', 10, 100, 210, CURRENT_TIMESTAMP, 'USER')"));
    }

    static inline const QString kFiler = QStringLiteral("123-4567");
    static inline const QString kOther = QStringLiteral("765-4321");
    TestEnv env;
    Tdm* dm = nullptr;
};

TEST_F(HelpersDb, NextIdCountsWithinTheOpenCommittee) {
    const QString transact = QStringLiteral("Transact");
    const QString transId = QStringLiteral("Transid");
    EXPECT_EQ(NextID(*dm, transact, transId), 1);

    for (int id = 1; id <= 5; ++id) addTransaction(kOther, id);
    EXPECT_EQ(NextID(*dm, transact, transId), 1) << "another committee's rows do not count";

    for (int id = 1; id <= 3; ++id) addTransaction(kFiler, id);
    EXPECT_EQ(NextID(*dm, transact, transId), 4);

    // The number of a deleted highest row is given out again; a gap below it is not filled.
    env.exec(QStringLiteral("DELETE FROM TRANSACT WHERE FILERID = '123-4567' AND TRANSID = 3"));
    EXPECT_EQ(NextID(*dm, transact, transId), 3);
    env.exec(QStringLiteral("DELETE FROM TRANSACT WHERE FILERID = '123-4567' AND TRANSID = 1"));
    EXPECT_EQ(NextID(*dm, transact, transId), 3);

    dm->opt().LastOrg = kOther;
    EXPECT_EQ(NextID(*dm, transact, transId), 6);

    addName(kOther, 7, 1, QStringLiteral("DOE, JANE"));
    EXPECT_EQ(NextID(*dm, QStringLiteral("NameList"), QStringLiteral("NameID")), 8);
}

TEST_F(HelpersDb, QuotesInNamesAndFilerIdsReachTheRightRows) {
    const QString quoted = QStringLiteral("12'-4567");
    env.addCommittee(quoted, QStringLiteral("O'BRIEN FOR SHERIFF"));
    addName(quoted, 4, 1, QStringLiteral("O'BRIEN, PAT"));
    dm->opt().LastOrg = quoted;

    EXPECT_TRUE(FilerIDExists(*dm, quoted));
    EXPECT_EQ(NextID(*dm, QStringLiteral("NameList"), QStringLiteral("NameID")), 5);
    EXPECT_EQ(DuplicateNameCount(*dm, QStringLiteral("O'BRIEN, PAT"), 1, 0), 1);
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(HelpersDb, DuplicateNameCountCountsOtherNamesOfTheSameType) {
    const QString obrien = QStringLiteral("O'BRIEN, PAT");
    addName(kFiler, 1, 1, obrien);
    addName(kFiler, 2, 1, obrien);
    addName(kFiler, 3, 4, obrien);
    addName(kOther, 1, 1, obrien);

    const struct {
        QString name;
        int type;
        int nameId;
        int expected;
    } cases[] = {
        {obrien, 1, 0, 2},  // a new name: both rows of the type count
        {obrien, 1, 1, 1},  // the name being edited does not count itself
        {obrien, 4, 3, 0},
        {obrien, 2, 0, 0},
        {QStringLiteral("o'brien, pat"), 1, 0, 0},  // the name compares exactly
    };
    for (const auto& c : cases)
        EXPECT_EQ(DuplicateNameCount(*dm, c.name, c.type, c.nameId), c.expected) << c.name.toStdString() << " " << c.type;
}

TEST_F(HelpersDb, FilerIdExists) {
    EXPECT_TRUE(FilerIDExists(*dm, kFiler));
    EXPECT_TRUE(FilerIDExists(*dm, kOther));
    EXPECT_FALSE(FilerIDExists(*dm, QStringLiteral("999-9999")));
    EXPECT_FALSE(FilerIDExists(*dm, QStringLiteral("123-456")));
    EXPECT_FALSE(FilerIDExists(*dm, QStringLiteral("' or ''='")));
}

TEST_F(HelpersDb, OfficeLookUps) {
    EXPECT_EQ(OfficeLookup(*dm, 5701), QStringLiteral("Sheriff"));
    EXPECT_EQ(LookupTerm(*dm, 5701), 4);
    EXPECT_EQ(OfficeLookup(*dm, 5708), QStringLiteral("Clerk of the Superior Court"));
    EXPECT_EQ(LookupTerm(*dm, 5601), 2);

    env.exec(QStringLiteral("INSERT INTO OFFCODE (OFFICEID) VALUES (9999)"));
    EXPECT_EQ(OfficeLookup(*dm, 9999), QString()) << "an office without a name";
    EXPECT_EQ(LookupTerm(*dm, 9999), 0) << "an office without a term";
    EXPECT_EQ(OfficeLookup(*dm, 123456), QString());
    EXPECT_EQ(LookupTerm(*dm, 123456), 0);
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(HelpersDb, LookupValueMatchesNumbersAndTexts) {
    EXPECT_EQ(LookupValue(*dm, QStringLiteral("NAMETYPE"), QStringLiteral("NAMETYPE"), QStringLiteral("Vendor"),
                          QStringLiteral("NAMETYPEID"))
                  .toInt(),
              4);
    EXPECT_EQ(LookupValue(*dm, QStringLiteral("NAMETYPE"), QStringLiteral("NAMETYPEID"), 11,
                          QStringLiteral("NAMETYPE"))
                  .toString(),
              QStringLiteral("Labor Organization"));
    // The filer ID column is CHAR(20): the padding does not stop the match.
    EXPECT_EQ(LookupValue(*dm, QStringLiteral("ORGS"), QStringLiteral("FILERID"), kOther, QStringLiteral("NAME"))
                  .toString(),
              QStringLiteral("OTHER COMMITTEE"));
    EXPECT_TRUE(LookupValue(*dm, QStringLiteral("NAMETYPE"), QStringLiteral("NAMETYPEID"), 42,
                            QStringLiteral("NAMETYPE"))
                    .isNull());
    // A table or column that cannot be read gives null, without a message.
    EXPECT_TRUE(LookupValue(*dm, QStringLiteral("NO_SUCH_TABLE"), QStringLiteral("ID"), 1, QStringLiteral("X")).isNull());
    EXPECT_TRUE(LookupValue(*dm, QStringLiteral("NAMETYPE"), QStringLiteral("NAMETYPEID"), 1, QStringLiteral("NOPE"))
                    .isNull());
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST(OfficeLookUps, ReportAFailedRead) {
    // Without the office table the read fails in the engine, with its message.
    TestEnv env;
    env.exec(QStringLiteral("DROP TABLE OFFCODE"));
    Tdm& dm = env.openTdm();
    env.prompter().clear();
    EXPECT_EQ(OfficeLookup(dm, 5701), QString());
    EXPECT_EQ(LookupTerm(dm, 5701), 0);
    const QStringList texts = env.prompter().texts();
    ASSERT_EQ(texts.size(), 2) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("OfficeLookup: "))) << texts[0].toStdString();
    EXPECT_TRUE(texts[0].contains(QStringLiteral("OFFCODE"))) << texts[0].toStdString();
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("LookupTerm: "))) << texts[1].toStdString();
    EXPECT_EQ(env.prompter().messages().first().kind, Prompter::Kind::Error);
}

}  // namespace
