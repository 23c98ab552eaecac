#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class Prompter;

// "Correct Filer ID": asks for the filer ID a committee is to have, as "000-0000".
class TCorrectFilerIdForm : public QDialog {
    Q_OBJECT
public:
    explicit TCorrectFilerIdForm(Prompter& prompter, QWidget* parent = nullptr);

    // Shows the window modally; true, with the value entered (dash included; empty when nothing
    // was typed), on OK.
    static bool ask(Prompter& prompter, QWidget* parent, QString* filerId);

    QLineEdit* edtFilerId() const { return edtFilerId_; }
    QPushButton* btnOk() const { return btnOk_; }
    QPushButton* btnCancel() const { return btnCancel_; }
    // The value entered, with its dash; empty when no digit was typed.
    QString value() const;

    // A partly typed number is refused here; an empty one goes to the caller, which asks again.
    void btnOkClick();

private:
    Prompter& prompter_;
    QLineEdit* edtFilerId_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
