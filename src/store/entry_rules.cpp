#include "store/entry_rules.h"

QString DigitsOf(const QString& text) {
    QString out;
    for (const QChar c : text)
        if (c.isDigit()) out += c;
    return out;
}

QString InvalidZipMessage() {
    return QStringLiteral("Invalid Zip code. Enter five digits, or five digits, a dash and four digits.");
}
