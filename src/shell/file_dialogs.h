#pragma once

#include <QList>
#include <QString>

class QWidget;

// The open and save file dialogs of the program. Tests answer them in advance with
// setNextFileName, so that commands that ask for a file run without a window.
namespace FileDialogs {

// A dialog that was asked for.
struct Request {
    bool save = false;
    QString title;
    QString startName;      // the file the dialog starts with
    QString filter;         // "Description|*.EXT|All Files (*.*)|*.*"
    QString defaultSuffix;  // without the dot; empty for none
};

// A save dialog that does not ask about overwriting (the caller does). The chosen name gets
// `defaultSuffix` when it has no suffix of its own. Empty when cancelled.
QString getSaveFileName(QWidget* parent, const QString& title, const QString& startName, const QString& filter,
                        const QString& defaultSuffix = QString());
// An open dialog for an existing file. Empty when cancelled.
QString getOpenFileName(QWidget* parent, const QString& title, const QString& startName, const QString& filter);

// The filter as the dialogs take it: "Description (*.lbk *.LBK);;All Files (*.*)". The patterns
// are given in both cases, as the file names on disk may use either.
QString nameFilters(const QString& filter);
// `fileName` with ".suffix" added when it has no suffix; unchanged for an empty suffix.
QString withDefaultSuffix(const QString& fileName, const QString& suffix);

// For tests: the next dialog answers `fileName` without showing itself (an empty name answers
// Cancel). Answers queue up in order.
void setNextFileName(const QString& fileName);
void clearNextFileNames();
int pendingFileNames();
// Every dialog asked for since the last clearRequests().
const QList<Request>& requests();
void clearRequests();

}  // namespace FileDialogs
