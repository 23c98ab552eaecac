#include "store/helpers.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <QByteArray>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <array>

#include "platform/prompter.h"
#include "store/db_error.h"
#include "store/tdm.h"

namespace {

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

const std::array<QString, 11> kNameTypeCodes = {
    QStringLiteral("I"),  QStringLiteral("P"),  QStringLiteral("B"),  QStringLiteral("V"),
    QStringLiteral("C"),  QStringLiteral("O"),  QStringLiteral("CC"), QStringLiteral("PT"),
    QStringLiteral("PA"), QStringLiteral("CO"), QStringLiteral("LA"),
};

const std::array<QString, 11> kNameTypeNames = {
    QStringLiteral("Individual"),
    QStringLiteral("PAC"),
    QStringLiteral("Bank"),
    QStringLiteral("Vendor"),
    QStringLiteral("Candidate/Family Member"),
    QStringLiteral("Other"),
    QStringLiteral("Candidate Committee"),
    QStringLiteral("Party"),
    QStringLiteral("Partnership"),
    QStringLiteral("Corporation/LLC"),
    QStringLiteral("Labor Organization"),
};

// The compiled e-mail rule, made on first use and kept for the run.
class EmailRule {
public:
    EmailRule() {
        // Perl syntax; \w is ASCII only because UCP is not requested. DOLLAR_ENDONLY keeps "$"
        // from accepting a trailing newline, so the rule covers the whole text.
        static const char kPattern[] =
            R"(^[a-zA-Z]([\w\.-]*[a-zA-Z0-9])*@[a-zA-Z0-9]+([\w\.-]*[a-zA-Z0-9])*\.[a-zA-Z][a-zA-Z\.]*[a-zA-Z]$)";
        int error = 0;
        PCRE2_SIZE offset = 0;
        code_ = pcre2_compile_8(reinterpret_cast<PCRE2_SPTR8>(kPattern), PCRE2_ZERO_TERMINATED,
                                PCRE2_UTF | PCRE2_DOLLAR_ENDONLY, &error, &offset, nullptr);
        context_ = pcre2_match_context_create_8(nullptr);
        // The nested repeats of the rule backtrack heavily on long near-misses; a bounded search
        // that gives up counts as no match.
        if (context_) pcre2_set_match_limit_8(context_, kMatchLimit);
    }
    ~EmailRule() {
        pcre2_match_context_free_8(context_);
        pcre2_code_free_8(code_);
    }
    EmailRule(const EmailRule&) = delete;
    EmailRule& operator=(const EmailRule&) = delete;

    bool matches(const QString& text) const {
        if (!code_) return false;
        const QByteArray subject = text.toUtf8();
        pcre2_match_data_8* data = pcre2_match_data_create_from_pattern_8(code_, nullptr);
        if (!data) return false;
        const int rc = pcre2_match_8(code_, reinterpret_cast<PCRE2_SPTR8>(subject.constData()),
                                     static_cast<PCRE2_SIZE>(subject.size()), 0, 0, data, context_);
        pcre2_match_data_free_8(data);
        return rc > 0;
    }

private:
    static constexpr uint32_t kMatchLimit = 1000000;
    pcre2_code_8* code_ = nullptr;
    pcre2_match_context_8* context_ = nullptr;
};

bool isNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

bool isIntegral(const QVariant& v) {
    return isNumber(v) && v.typeId() != QMetaType::Float && v.typeId() != QMetaType::Double;
}

QString withoutTrailingBlanks(QString s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' ')) --n;
    s.truncate(n);
    return s;
}

bool sameKey(const QVariant& column, const QVariant& key) {
    if (column.isNull() || key.isNull()) return false;
    if (isNumber(column) && isNumber(key)) {
        if (isIntegral(column) && isIntegral(key)) return column.toLongLong() == key.toLongLong();
        return !(column.toDouble() < key.toDouble()) && !(key.toDouble() < column.toDouble());
    }
    return withoutTrailingBlanks(column.toString()) == withoutTrailingBlanks(key.toString());
}

// The look-up itself; a failed read throws, so that the callers that report it can.
QVariant lookupValueOrThrow(Tdm& dm, const QString& table, const QString& keyColumn, const QVariant& keyValue,
                            const QString& resultColumn) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select * from ") + table + QLatin1Char(';'))) throw DbError::fromSql(q.lastError());
    const QSqlRecord record = q.record();
    const int keyIndex = record.indexOf(keyColumn);
    if (keyIndex < 0) throw DbError(QStringLiteral("Field '%1' not found").arg(keyColumn));
    const int resultIndex = record.indexOf(resultColumn);
    if (resultIndex < 0) throw DbError(QStringLiteral("Field '%1' not found").arg(resultColumn));
    while (q.next()) {
        if (sameKey(q.value(keyIndex), keyValue)) return q.value(resultIndex);
    }
    return {};
}

}  // namespace

int NextID(Tdm& dm, const QString& table, const QString& column) {
    const QString sql = QStringLiteral("select max(") + column + QStringLiteral(")\n") +
                        QStringLiteral("  from ") + table + QLatin1Char('\n') +
                        QStringLiteral(" where FilerID = ") + SqlQuote(dm.currentFilerId());
    const QVariant highest = dm.queryValue(sql);
    return highest.isNull() ? 1 : highest.toInt() + 1;
}

QString ProperCaseName(const QString& text) {
    const qsizetype n = text.size();
    QString out;
    out.reserve(n);
    bool wordStart = true;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (wordStart) {
            // The length tests look at the whole text, not at what is left of it.
            const QString two = text.mid(i, 2).toUpper();
            const QString three = text.mid(i, 3).toUpper();
            if (n > 1 && two == QLatin1String("MC")) {
                out += QLatin1String("Mc");
                i += 2;
                continue;
            }
            if (n > 2 && three == QLatin1String("MAC")) {
                out += QLatin1String("Mac");
                i += 3;
                continue;
            }
            if (n > 2 && three == QLatin1String("VAN")) {
                out += QLatin1String("Van");
                i += 3;
                wordStart = false;
                continue;
            }
            if (n > 2 && three == QLatin1String("III")) {
                out += QLatin1String("III");
                i += 3;
                continue;
            }
            // Only the last two characters of the text can be "II" or "IV" here.
            if (n > 2 && (three == QLatin1String("II") || three == QLatin1String("IV"))) {
                out += three;
                i += 2;
                continue;
            }
            if (isAsciiLetter(c)) {
                out += c.toUpper();
                wordStart = false;
                ++i;
                continue;
            }
        } else if (isAsciiLetter(c)) {
            out += c.toLower();
            ++i;
            continue;
        }
        out += c;
        wordStart = true;
        ++i;
    }
    return out;
}

NameParts SplitName(const QString& fullName) {
    NameParts parts;
    const QString text = fullName.trimmed();
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0) {
        parts.last = text;
        return parts;
    }
    parts.last = text.left(comma).trimmed();
    const QString rest = text.mid(comma + 1).trimmed();
    const qsizetype secondComma = rest.indexOf(QLatin1Char(','));
    if (secondComma >= 0) {
        parts.first = rest.left(secondComma).trimmed();
        parts.suffix = rest.mid(secondComma + 1).trimmed();
    } else {
        parts.first = rest;
    }
    const qsizetype blank = parts.first.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        parts.middle = parts.first.mid(blank + 1).trimmed();
        parts.first = parts.first.left(blank).trimmed();
    }
    return parts;
}

bool IsValidEmail(const QString& text) {
    if (text.isEmpty()) return false;
    static const EmailRule rule;
    return rule.matches(text);
}

int DuplicateNameCount(Tdm& dm, const QString& name, int nameTypeId, int nameId) {
    const QString sql = QStringLiteral("select count(*)\n") + QStringLiteral("from namelist\n") +
                        QStringLiteral("where filerid = ") + SqlQuote(dm.currentFilerId()) + QLatin1Char('\n') +
                        QStringLiteral("AND NAME = ") + SqlQuote(name) + QLatin1Char('\n') +
                        QStringLiteral("AND NAMETYPEID = ") + QString::number(nameTypeId) + QLatin1Char('\n') +
                        QStringLiteral("AND NAMEID <> ") + QString::number(nameId);
    return dm.queryValue(sql).toInt();
}

QString NameTypeCode(int nameTypeId) {
    if (nameTypeId < 1 || nameTypeId > 11) return QStringLiteral("U");
    return kNameTypeCodes[static_cast<size_t>(nameTypeId - 1)];
}

int NameTypeFromCode(const QString& code) {
    for (size_t i = 0; i < kNameTypeCodes.size(); ++i) {
        if (kNameTypeCodes[i] == code) return static_cast<int>(i) + 1;
    }
    return -1;
}

QString NameTypeName(int nameTypeId) {
    if (nameTypeId == -1) return QStringLiteral("Name");
    if (nameTypeId < 1 || nameTypeId > 11) return QString();
    return kNameTypeNames[static_cast<size_t>(nameTypeId - 1)];
}

bool FilerIDExists(Tdm& dm, const QString& filerId) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select * from Orgs where filerid = ") + SqlQuote(filerId)))
        throw DbError::fromSql(q.lastError());
    return q.next();
}

QVariant LookupValue(Tdm& dm, const QString& table, const QString& keyColumn, const QVariant& keyValue,
                     const QString& resultColumn) {
    try {
        return lookupValueOrThrow(dm, table, keyColumn, keyValue, resultColumn);
    } catch (const DbError&) {
        return {};
    }
}

QString OfficeLookup(Tdm& dm, int officeId) {
    try {
        const QVariant name = lookupValueOrThrow(dm, QStringLiteral("OFFCODE"), QStringLiteral("OFFICEID"), officeId,
                                                 QStringLiteral("OFFICENAME"));
        return name.isNull() ? QString() : name.toString();
    } catch (const DbError& e) {
        dm.prompter().error(QStringLiteral("OfficeLookup: ") + e.message());
        return QString();
    }
}

int LookupTerm(Tdm& dm, int officeId) {
    try {
        const QVariant term = lookupValueOrThrow(dm, QStringLiteral("OFFCODE"), QStringLiteral("OFFICEID"), officeId,
                                                 QStringLiteral("OFFICETERM"));
        return term.isNull() ? 0 : term.toInt();
    } catch (const DbError& e) {
        dm.prompter().error(QStringLiteral("LookupTerm: ") + e.message());
        return 0;
    }
}
