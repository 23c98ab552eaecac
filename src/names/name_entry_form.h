#pragma once

#include <QDialog>
#include <QHash>
#include <QList>

#include "names/names_store.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Tdm;

// The name entry window: the one place where a name of the open committee is created or
// changed. Its title is the caption of the name's type, and the groups of fields it shows depend
// on the type. "OK" checks and stores the name; the result is the NAMEID stored, or -1.
class TNameEntryForm : public QDialog {
    Q_OBJECT
public:
    // A new name of `nameType` (with `initialName` in the name field) when `nameId` is -1;
    // otherwise the committee's stored name with that NAMEID, whose own type then decides the
    // layout. When the name or the lists cannot be read the error is shown, prefixed with
    // "Exception opening names table in name entry: ", and the DbError is thrown on.
    TNameEntryForm(Tdm& dm, int nameType, int nameId, const QString& initialName,
                   QWidget* parent = nullptr);

    // Opens the window modally; the NAMEID stored, or -1 when nothing was stored.
    static int edit(Tdm& dm, int nameType, int nameId, const QString& initialName,
                    QWidget* parent = nullptr);

    int resultNameId() const { return resultNameId_; }
    int nameType() const { return record_.nameTypeId(); }
    const NameRecord& record() const { return record_; }
    bool isModified() const { return record_.isModified(); }

    // The field bound to a NAMELIST column, or null.
    QWidget* editor(const QString& column) const { return editors_.value(column.toUpper()); }
    // The group with this title, or null.
    QGroupBox* group(const QString& title) const;
    QLabel* nameHint() const { return nameHint_; }
    QPushButton* btnOk() const { return btnOk_; }
    QPushButton* btnCancel() const { return btnCancel_; }

    void btnOkClick();
    void btnCancelClick();
    // Escape and the window's close button go through btnCancelClick.
    void reject() override;

private:
    enum class Kind { Text, UpperText, Zip, Phone, State, Office, Year };
    struct Binding {
        QString column;
        Kind kind;
        QWidget* widget;
    };

    QLineEdit* textEdit(const QString& column, bool upperCase, int maxLength = 0);
    QLineEdit* zipEdit();
    QLineEdit* phoneEdit();
    QComboBox* stateCombo();
    QComboBox* officeCombo();
    QComboBox* yearCombo();
    void bind(const QString& column, Kind kind, QWidget* widget);
    void build();
    void loadValues();
    void store(const Binding& b);
    void storeAll();

    Tdm& dm_;
    NameRecord record_;
    QStringList states_;
    QList<std::pair<int, QString>> offices_;
    QList<Binding> bindings_;
    QHash<QString, QWidget*> editors_;
    QList<QGroupBox*> groups_;
    QLabel* nameHint_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    int resultNameId_ = -1;
    bool loading_ = false;
};
