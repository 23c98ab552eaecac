#pragma once

#include <QString>
#include <QVariant>

// Callers find every small shared routine here: the SQL literals and the version strings live in
// their own headers and come along.
#include "store/sql_text.h"
#include "store/version_info.h"

class Tdm;

// Small routines shared across the program: numbering new rows, personal names, the e-mail rule,
// the name-type codes and a few look-ups by key. Those that take a Tdm read through its
// connection; unless said otherwise, a database failure throws DbError.

// The next number for `column` of `table` within the open committee: the highest existing
// number plus 1, or 1 when the committee has no rows. Nothing reserves the number until the row
// is written, and a number freed by deleting the highest row is given out again.
// Used as NextID(dm, "NameList", "NameID") and NextID(dm, "Transact", "Transid").
// `table` and `column` are identifiers written in the code, never user input.
int NextID(Tdm& dm, const QString& table, const QString& column);

// Capitalises each word by the name rules: "MCDONALD" -> "McDonald", "MACK" -> "MacK",
// "VAN DYKE" -> "Van Dyke", "SMITH III JR" -> "Smith III Jr". A word starts at the beginning
// and after any character that is not an ASCII letter; only A-Z and a-z count as letters, so
// "PEÑA" becomes "PeÑA".
QString ProperCaseName(const QString& text);

// A person's name as it is stored: "LAST, FIRST MIDDLE, SUFFIX".
struct NameParts {
    QString last;
    QString first;
    QString middle;
    QString suffix;
};
// Splits a stored name; a text without a comma is all last name ("ACME PRINTING").
NameParts SplitName(const QString& fullName);

// Whether the whole text is an e-mail address by the filing office's rule. An empty text fails.
bool IsValidEmail(const QString& text);

// How many other names of the open committee (NAMEID other than `nameId`) carry exactly this
// name and type.
int DuplicateNameCount(Tdm& dm, const QString& name, int nameTypeId, int nameId);

// The codes of the name types 1..11: "I", "P", "B", "V", "C", "O", "CC", "PT", "PA", "CO", "LA";
// "U" for any other ID.
QString NameTypeCode(int nameTypeId);
// The name type of an exact, case-sensitive code ("PA" -> 9, "pa" -> -1); -1 when none matches.
int NameTypeFromCode(const QString& code);
// The caption of a name type 1..11 ("Individual" ... "Labor Organization"); "Name" for -1 (no
// particular type); empty for any other ID.
QString NameTypeName(int nameTypeId);

// Whether a committee with this filer ID exists.
bool FilerIDExists(Tdm& dm, const QString& filerId);

// The `resultColumn` of the first row of `table` whose `keyColumn` equals `keyValue` (numbers
// compare as numbers, other values as text without the blanks a CHAR column pads with); null
// when no row matches or the table cannot be read. Reads the whole table: meant for small
// reference tables.
QVariant LookupValue(Tdm& dm, const QString& table, const QString& keyColumn, const QVariant& keyValue,
                     const QString& resultColumn);

// The OFFICENAME of an office; empty text for an unknown office or an empty name. A failed read
// is shown as "OfficeLookup: " + the error and gives empty text.
QString OfficeLookup(Tdm& dm, int officeId);
// The OFFICETERM of an office in years; 0 for an unknown office or an empty term. A failed read
// is shown as "LookupTerm: " + the error and gives 0.
int LookupTerm(Tdm& dm, int officeId);
