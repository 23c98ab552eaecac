#pragma once

#include <QString>

// Rules for the fields that windows of names and of the committee have in common.

// Only the digits of a text, in order: "(602) 555-1212" -> "6025551212".
QString DigitsOf(const QString& text);

// The message shown when a zip code has neither five nor nine digits.
QString InvalidZipMessage();
