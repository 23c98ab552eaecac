#pragma once

#include <QDate>
#include <QDateTime>

// "Now" and "today" for the whole program come from here, so that tests can fix them.
namespace Clock {
QDateTime now();
QDate today();
// Tests: a fixed instant (an invalid value returns to the system clock).
void setFixed(const QDateTime& instant);
}  // namespace Clock
