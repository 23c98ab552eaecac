#include "ledger/open_lists.h"

#include <QCursor>
#include <QGuiApplication>
#include <QList>
#include <QPointer>

namespace {
struct Entry {
    QPointer<QObject> owner;
    std::function<void()> reread;
};
QList<Entry>& entries() {
    static QList<Entry> list;
    return list;
}
}  // namespace

void OpenLists::add(QObject* owner, std::function<void()> reread) {
    remove(owner);
    entries().append({owner, std::move(reread)});
    QObject::connect(owner, &QObject::destroyed, [owner] { remove(owner); });
}

void OpenLists::remove(QObject* owner) {
    entries().removeIf([owner](const Entry& e) { return e.owner.isNull() || e.owner.data() == owner; });
}

int OpenLists::count() {
    entries().removeIf([](const Entry& e) { return e.owner.isNull(); });
    return int(entries().size());
}

void RefreshOpenLists(Tdm&) {
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // A copy: a re-read may open or close windows.
    const QList<Entry> current = entries();
    for (const Entry& e : current)
        if (!e.owner.isNull() && e.reread) e.reread();
    if (gui) QGuiApplication::restoreOverrideCursor();
}
