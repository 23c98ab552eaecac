#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QPlainTextEdit;

// The notice shown after the splash: a read-only text, "Don't Show Again" and "Close".
class TNoticeForm : public QDialog {
    Q_OBJECT
public:
    // `onClose` receives whether the notice is to be shown again; the window frees itself.
    TNoticeForm(const QString& text, std::function<void(bool showAgain)> onClose, QWidget* parent = nullptr);

    QString text() const;
    QCheckBox* dontShowAgain() const { return chkDontShow_; }

    // The notice text of an RTF file, or empty when the file cannot be read.
    static QString readNoticeFile(const QString& path);

private:
    void btnCloseClick();

    std::function<void(bool)> onClose_;
    QPlainTextEdit* memo_ = nullptr;
    QCheckBox* chkDontShow_ = nullptr;
};
