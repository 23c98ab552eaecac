#pragma once

#include <QObject>
#include <functional>

class Tdm;

// The list windows that are open (names list, accounts list, registers) register a way to re-read
// themselves; every write to the committee's data re-reads them all.
namespace OpenLists {
// `owner` is the window; its registration ends when it is destroyed or removed.
void add(QObject* owner, std::function<void()> reread);
void remove(QObject* owner);
int count();
}  // namespace OpenLists

// Re-reads every open list window, each keeping its current row, with the wait cursor shown.
void RefreshOpenLists(Tdm& dm);
