#include "shell/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <deque>

namespace {
std::deque<QString>& nextNames() {
    static std::deque<QString> names;
    return names;
}

QList<FileDialogs::Request>& requestList() {
    static QList<FileDialogs::Request> list;
    return list;
}

// The pre-answered name, when there is one.
bool takeNextName(QString* name) {
    if (nextNames().empty()) return false;
    *name = nextNames().front();
    nextNames().pop_front();
    return true;
}

QString run(QWidget* parent, const FileDialogs::Request& r) {
    requestList().append(r);
    QString answer;
    if (!takeNextName(&answer)) {
        QFileDialog dialog(parent, r.title, QString(), FileDialogs::nameFilters(r.filter));
        dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
        if (!r.startName.isEmpty()) {
            const QFileInfo start(r.startName);
            dialog.setDirectory(start.absolutePath());
            dialog.selectFile(start.fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        answer = dialog.selectedFiles().constFirst();
    }
    if (answer.isEmpty()) return {};
    return r.save ? FileDialogs::withDefaultSuffix(answer, r.defaultSuffix) : answer;
}
}  // namespace

namespace FileDialogs {

QString getSaveFileName(QWidget* parent, const QString& title, const QString& startName, const QString& filter,
                        const QString& defaultSuffix) {
    return run(parent, Request{true, title, startName, filter, defaultSuffix});
}

QString getOpenFileName(QWidget* parent, const QString& title, const QString& startName, const QString& filter) {
    return run(parent, Request{false, title, startName, filter, QString()});
}

QString nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        // The patterns shown in the description are replaced by the ones that apply.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')'))) description = description.left(open).trimmed();
        QStringList patterns;
        for (const QString& p : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& variant : {p.trimmed().toLower(), p.trimmed().toUpper()})
                if (!patterns.contains(variant)) patterns << variant;
        }
        out << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString withDefaultSuffix(const QString& fileName, const QString& suffix) {
    if (suffix.isEmpty() || fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty()) return fileName;
    return fileName + QLatin1Char('.') + suffix;
}

void setNextFileName(const QString& fileName) { nextNames().push_back(fileName); }
void clearNextFileNames() { nextNames().clear(); }
int pendingFileNames() { return int(nextNames().size()); }
const QList<Request>& requests() { return requestList(); }
void clearRequests() { requestList().clear(); }

}  // namespace FileDialogs
