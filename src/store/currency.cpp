#include "store/currency.h"

#include <cmath>
#include <cstdlib>

Currency Currency::fromDouble(double dollars) {
    return fromRaw(static_cast<std::int64_t>(std::llround(dollars * static_cast<double>(kScale))));
}

Currency Currency::fromVariant(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return {};
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? fromDouble(d) : Currency();
}

bool Currency::parse(const QString& text, Currency* out) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    if (t.startsWith(QLatin1Char('-'))) {
        negative = !negative;
        t = t.mid(1).trimmed();
    }
    if (t.startsWith(QLatin1Char('$'))) t = t.mid(1).trimmed();
    if (t.startsWith(QLatin1Char('-'))) {
        negative = !negative;
        t = t.mid(1).trimmed();
    }
    t.remove(QLatin1Char(','));
    if (t.isEmpty()) return false;
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? t : t.left(dot);
    QString frac = dot < 0 ? QString() : t.mid(dot + 1);
    if (whole.isEmpty() && frac.isEmpty()) return false;
    for (QChar c : whole + frac)
        if (!c.isDigit()) return false;
    if (whole.size() > 14) return false;
    std::int64_t value = whole.isEmpty() ? 0 : whole.toLongLong() * kScale;
    // Digits past the fourth decimal round the last kept one, halves away from zero.
    bool roundUp = false;
    if (frac.size() > 4) {
        roundUp = frac.at(4).digitValue() >= 5;
        frac = frac.left(4);
    }
    while (frac.size() < 4) frac += QLatin1Char('0');
    value += frac.toLongLong() + (roundUp ? 1 : 0);
    *out = fromRaw(negative ? -value : value);
    return true;
}

Currency Currency::roundedToCents() const {
    const std::int64_t unit = kScale / 100;
    const std::int64_t mag = std::llabs(raw_);
    const std::int64_t rounded = (mag + unit / 2) / unit * unit;
    return fromRaw(raw_ < 0 ? -rounded : rounded);
}

namespace {
QString format(const Currency& c, bool grouping, bool dollarSign) {
    const std::int64_t cents = c.roundedToCents().raw() / (Currency::kScale / 100);
    const bool negative = cents < 0;
    const std::int64_t mag = std::llabs(cents);
    QString whole = QString::number(mag / 100);
    if (grouping) {
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, QLatin1Char(','));
    }
    const QString fraction = QStringLiteral("%1").arg(mag % 100, 2, 10, QLatin1Char('0'));
    QString out;
    if (negative) out += QLatin1Char('-');
    if (dollarSign) out += QLatin1Char('$');
    return out + whole + QLatin1Char('.') + fraction;
}
}  // namespace

QString Currency::formatted() const { return format(*this, true, true); }
QString Currency::formattedPlain() const { return format(*this, false, true); }
QString Currency::toPlainString() const { return format(*this, false, false); }
