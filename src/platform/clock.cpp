#include "platform/clock.h"

#include <atomic>
#include <mutex>

namespace {
std::mutex g_mutex;
QDateTime g_fixed;
}  // namespace

QDateTime Clock::now() {
    std::lock_guard lock(g_mutex);
    return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime();
}

QDate Clock::today() { return now().date(); }

void Clock::setFixed(const QDateTime& instant) {
    std::lock_guard lock(g_mutex);
    g_fixed = instant;
}
