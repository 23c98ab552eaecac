#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>

// Money: a signed count of ten-thousandths of a dollar, so that sums are exact. Amounts read
// from the database (stored as floating dollars) are converted once, on reading.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) {
        Currency c;
        c.raw_ = tenThousandths;
        return c;
    }
    static constexpr Currency fromCents(std::int64_t cents) { return fromRaw(cents * 100); }
    static constexpr Currency fromDollars(std::int64_t dollars) { return fromRaw(dollars * kScale); }
    // Rounds to the nearest ten-thousandth (halves away from zero).
    static Currency fromDouble(double dollars);
    // A database value: null or non-numeric gives 0.
    static Currency fromVariant(const QVariant& v);
    // Parses "1234.56", "1,234.56", "$1,234.56", "-$5.00", "(5.00)"; false when not a number.
    static bool parse(const QString& text, Currency* out);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    // Rounded to whole cents, halves away from zero.
    Currency roundedToCents() const;
    bool isZero() const { return raw_ == 0; }

    // "$,0.00": "$1,234.50", "-$1,234.50".
    QString formatted() const;
    // "$0.00": "$1234.50", "-$1234.50".
    QString formattedPlain() const;
    // "0.00" without sign of money or grouping: "1234.50", "-1234.50".
    QString toPlainString() const;

    constexpr Currency operator+(Currency o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Currency operator-(Currency o) const { return fromRaw(raw_ - o.raw_); }
    constexpr Currency operator-() const { return fromRaw(-raw_); }
    constexpr Currency operator*(std::int64_t n) const { return fromRaw(raw_ * n); }
    Currency& operator+=(Currency o) {
        raw_ += o.raw_;
        return *this;
    }
    Currency& operator-=(Currency o) {
        raw_ -= o.raw_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t raw_ = 0;
};
