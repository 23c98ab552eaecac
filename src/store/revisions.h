#pragma once

#include <QList>
#include <QStringList>

// The reference-data revisions of the database and the county office refresh.
namespace Revisions {

constexpr int kCurrentRevision = 55;

struct Step {
    int number = 0;
    // Each inner list runs in one transaction of its own, in order.
    QList<QStringList> transactions;
};

// Every step, in ascending order of number.
const QList<Step>& steps();

// "DELETE FROM OFFCODE WHERE OFFICEID >= 5000" followed by the 85 office inserts.
const QStringList& officeRefreshStatements();

}  // namespace Revisions
