#include "names/name_entry_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "committee/committee_record.h"
#include "platform/prompter.h"
#include "platform/sounds.h"
#include "shell/entry_fields_ui.h"
#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/entry_rules.h"
#include "store/helpers.h"
#include "store/tdm.h"

namespace {

// The characters of a masked field between two positions, with the unfilled places as blanks.
QString maskPart(const QLineEdit* e, int from, int length) {
    QString part = e->displayText().mid(from, length);
    part.replace(QLatin1Char('_'), QLatin1Char(' '));
    return part;
}

// A group's rows: a label in the first column and its field (or a line of fields) beside it.
class Rows {
public:
    explicit Rows(QGroupBox* box) : layout_(new QGridLayout(box)) {
        layout_->setColumnStretch(1, 1);
        // The same label column in every group, so that the fields line up.
        layout_->setColumnMinimumWidth(
            0, box->fontMetrics().horizontalAdvance(QStringLiteral("Committee ID")) + 8);
    }

    Rows& row(const QString& label, QWidget* field) { return line({{label, field}}); }
    // Several labelled fields side by side; fields of a fixed width keep it.
    Rows& line(const QList<std::pair<QString, QWidget*>>& items, QWidget* after = nullptr) {
        AddFieldLine(layout_, row_++, items, after, 10);
        return *this;
    }
    // A widget under the fields, in the field column.
    Rows& note(QWidget* w) {
        layout_->addWidget(w, row_++, 1);
        return *this;
    }

private:
    QGridLayout* layout_;
    int row_ = 0;
};

}  // namespace

TNameEntryForm::TNameEntryForm(Tdm& dm, int nameType, int nameId, const QString& initialName,
                               QWidget* parent)
    : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("NameEntryForm"));
    try {
        record_ = nameId < 0 ? NameRecord::create(nameType) : NameRecord::load(dm, nameId);
        states_ = CommitteeLists::states(dm);
        for (const CommitteeLists::Item& i : CommitteeLists::offices(dm))
            offices_.append({i.id, i.text});
    } catch (const DbError& e) {
        dm.prompter().error(QStringLiteral("Exception opening names table in name entry: ") +
                            e.message());
        throw;
    }
    setWindowTitle(NameTypeName(record_.nameTypeId()));
    build();
    loadValues();
    // What the fields show is the starting point: a stored zip or phone number in another
    // spelling does not count as a change until someone edits it.
    storeAll();
    record_.markUnchanged();
    if (record_.isNew() && !initialName.trimmed().isEmpty()) {
        auto* field = static_cast<QLineEdit*>(editor(QStringLiteral("NAME")));
        field->setText(initialName.trimmed().toUpper().left(field->maxLength()));
        storeAll();
    }
    editor(QStringLiteral("NAME"))->setFocus();
}

int TNameEntryForm::edit(Tdm& dm, int nameType, int nameId, const QString& initialName,
                         QWidget* parent) {
    TNameEntryForm form(dm, nameType, nameId, initialName, parent);
    form.exec();
    return form.resultNameId();
}

QGroupBox* TNameEntryForm::group(const QString& title) const {
    for (QGroupBox* g : groups_)
        if (g->title() == title) return g;
    return nullptr;
}

void TNameEntryForm::build() {
    const int type = record_.nameTypeId();
    auto* layout = new QVBoxLayout(this);
    auto addGroup = [&](const QString& title) {
        auto* g = new QGroupBox(title, this);
        groups_.append(g);
        layout->addWidget(g);
        return g;
    };

    QGroupBox* required = addGroup(QStringLiteral("Reportable Information (Required)"));
    QLineEdit* name = textEdit(QStringLiteral("NAME"), true);
    name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 24);
    nameHint_ = new QLabel(NameEntryHint(type));
    nameHint_->setObjectName(QStringLiteral("lblNameHint"));
    QFont small = nameHint_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    nameHint_->setFont(small);
    nameHint_->setForegroundRole(QPalette::PlaceholderText);
    QLineEdit* city = textEdit(QStringLiteral("CITY"), true);
    auto* priv = new QLabel(QStringLiteral("(Private)"));
    Rows(required)
        .row(QStringLiteral("&Name"), name)
        .note(nameHint_)
        .row(QStringLiteral("&Address"), textEdit(QStringLiteral("ADDRESS1"), true))
        .row(QStringLiteral("Address&2"), textEdit(QStringLiteral("ADDRESS2"), true))
        .line({{QStringLiteral("&City"), city},
               {QStringLiteral("&St"), stateCombo()},
               {QStringLiteral("&Zip"), zipEdit()}})
        .line({{QStringLiteral("&Phone"), phoneEdit()}}, priv);

    for (const QString& title : NameEntryGroups(type)) {
        QGroupBox* g = addGroup(title);
        if (title == QLatin1String("Individual Info")) {
            Rows(g)
                .row(QStringLiteral("&Employer"), textEdit(QStringLiteral("EMPLOYER"), true))
                .row(QStringLiteral("&Occupation"), textEdit(QStringLiteral("OCCUPATION"), true));
        } else if (title == QLatin1String("Extra Info")) {
            QLineEdit* fax = textEdit(QStringLiteral("FAXPHONE"), false);
            FixWidthFor(fax, QStringLiteral("(000)000-00000"));
            QList<std::pair<QString, QWidget*>> users;
            for (const QString& c :
                 {QStringLiteral("USER1"), QStringLiteral("USER2"), QStringLiteral("USER3")}) {
                QLineEdit* u = textEdit(c, false);
                FixWidthFor(u, QStringLiteral("MMMMMMMMM"));
                users.append({QStringLiteral("User ") + c.right(1), u});
            }
            QLineEdit* affiliation = textEdit(QStringLiteral("AFFILIATION"), true);
            FixWidthFor(affiliation, QStringLiteral("MMMMMMMMMMMMMMM"));
            Rows(g)
                .line({{QStringLiteral("&Fax"), fax},
                       {QStringLiteral("Emai&l"), textEdit(QStringLiteral("EMAIL"), false)}})
                .line(users)
                .row(QStringLiteral("Affiliation"), affiliation);
        } else if (title == QLatin1String("PAC Info") ||
                   title == QLatin1String("Corporation Commission Info")) {
            QLineEdit* id = textEdit(QStringLiteral("PACID"), true, 10);
            FixWidthFor(id, QStringLiteral("MMMMMMMMMM"));
            Rows(g).row(title == QLatin1String("PAC Info") ? QStringLiteral("Committee ID")
                                                           : QStringLiteral("ID"),
                        id);
        } else if (title == QLatin1String("Candidate Info")) {
            Rows(g).line({{QStringLiteral("Office"), officeCombo()},
                          {QStringLiteral("Elec Year"), yearCombo()}});
        }
    }

    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnOk_->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOk_, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel_, QDialogButtonBox::RejectRole);
    connect(btnOk_, &QPushButton::clicked, this, &TNameEntryForm::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TNameEntryForm::btnCancelClick);
    layout->addStretch(1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* TNameEntryForm::textEdit(const QString& column, bool upperCase, int maxLength) {
    auto* e = new QLineEdit;
    e->setMaxLength(maxLength > 0 ? maxLength : NameRecord::columnWidth(column));
    if (upperCase) e->setValidator(new UpperCaseValidator(e));
    bind(column, upperCase ? Kind::UpperText : Kind::Text, e);
    const Binding b = bindings_.last();
    connect(e, &QLineEdit::textChanged, this, [this, b] { store(b); });
    return e;
}

QLineEdit* TNameEntryForm::zipEdit() {
    auto* e = new QLineEdit;
    // Five digits, then four more if wanted; stored with the dash only when they are there.
    e->setInputMask(QStringLiteral("99999-0000;_"));
    FixWidthFor(e, QStringLiteral("00000-0000"));
    bind(QStringLiteral("ZIP"), Kind::Zip, e);
    const Binding b = bindings_.last();
    connect(e, &QLineEdit::textChanged, this, [this, b] { store(b); });
    return e;
}

QLineEdit* TNameEntryForm::phoneEdit() {
    auto* e = new QLineEdit;
    // The area code may be left out; the number is stored with its punctuation.
    e->setInputMask(QStringLiteral("(000)999-9999;_"));
    FixWidthFor(e, QStringLiteral("(000)000-0000"));
    bind(QStringLiteral("PHONE"), Kind::Phone, e);
    const Binding b = bindings_.last();
    connect(e, &QLineEdit::textChanged, this, [this, b] { store(b); });
    return e;
}

QComboBox* TNameEntryForm::stateCombo() {
    auto* c = new QComboBox;
    c->addItems(states_);
    c->setFixedWidth(c->sizeHint().width());
    bind(QStringLiteral("STATE"), Kind::State, c);
    const Binding b = bindings_.last();
    connect(c, &QComboBox::currentIndexChanged, this, [this, b] { store(b); });
    return c;
}

QComboBox* TNameEntryForm::officeCombo() {
    auto* c = new QComboBox;
    c->addItem(QString(), QVariant());
    for (const auto& [id, text] : offices_) c->addItem(text, id);
    c->setMinimumContentsLength(24);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    bind(QStringLiteral("OFFICEID"), Kind::Office, c);
    const Binding b = bindings_.last();
    connect(c, &QComboBox::currentIndexChanged, this, [this, b] { store(b); });
    return c;
}

QComboBox* TNameEntryForm::yearCombo() {
    auto* c = new QComboBox;
    c->setEditable(true);
    for (int year : CommitteeLists::electionYears()) c->addItem(QString::number(year));
    c->lineEdit()->setValidator(new QIntValidator(1, 9999, c));
    // Room for four digits and the drop-down arrow.
    FixWidthFor(c, QStringLiteral("0000000"));
    bind(QStringLiteral("CANDYEAR"), Kind::Year, c);
    const Binding b = bindings_.last();
    connect(c, &QComboBox::currentTextChanged, this, [this, b] { store(b); });
    return c;
}

void TNameEntryForm::bind(const QString& column, Kind kind, QWidget* widget) {
    widget->setObjectName(column);
    bindings_.append({column, kind, widget});
    editors_.insert(column, widget);
}

void TNameEntryForm::loadValues() {
    loading_ = true;
    for (const Binding& b : std::as_const(bindings_)) {
        const QVariant v = record_.value(b.column);
        const QString s = v.toString();
        switch (b.kind) {
            case Kind::Text:
            case Kind::UpperText:
            case Kind::Zip:
                static_cast<QLineEdit*>(b.widget)->setText(s);
                break;
            case Kind::Phone: {
                // A number stored without its area code fills the places after the parentheses.
                const QString digits = DigitsOf(s);
                static_cast<QLineEdit*>(b.widget)->setText(
                    digits.size() == 7 ? QStringLiteral("   ") + digits : s);
                break;
            }
            case Kind::State: {
                auto* c = static_cast<QComboBox*>(b.widget);
                int i = c->findText(s);
                // A code the list does not hold is still shown as it is.
                if (i < 0 && !s.isEmpty()) {
                    c->addItem(s);
                    i = c->count() - 1;
                }
                c->setCurrentIndex(i);
                break;
            }
            case Kind::Office: {
                auto* c = static_cast<QComboBox*>(b.widget);
                const int i = v.isNull() ? 0 : c->findData(v.toInt());
                c->setCurrentIndex(i < 0 ? 0 : i);
                break;
            }
            case Kind::Year:
                ShowYear(static_cast<QComboBox*>(b.widget), v);
                break;
        }
    }
    loading_ = false;
}

void TNameEntryForm::store(const Binding& b) {
    if (loading_) return;
    QVariant v;
    switch (b.kind) {
        case Kind::Text:
        case Kind::UpperText:
            v = static_cast<QLineEdit*>(b.widget)->text();
            break;
        case Kind::Zip: {
            const auto* e = static_cast<QLineEdit*>(b.widget);
            const QString first = maskPart(e, 0, 5).trimmed();
            const QString extension = maskPart(e, 6, 4).trimmed();
            v = extension.isEmpty() ? first : first + QLatin1Char('-') + extension;
            break;
        }
        case Kind::Phone: {
            const auto* e = static_cast<QLineEdit*>(b.widget);
            const QString area = maskPart(e, 1, 3);
            const QString exchange = maskPart(e, 5, 3);
            const QString line = maskPart(e, 9, 4);
            if (!(area + exchange + line).trimmed().isEmpty())
                v = QLatin1Char('(') + area + QLatin1Char(')') + exchange + QLatin1Char('-') + line;
            break;
        }
        case Kind::State:
            v = static_cast<QComboBox*>(b.widget)->currentText();
            break;
        case Kind::Office:
            v = static_cast<QComboBox*>(b.widget)->currentData();
            break;
        case Kind::Year:
            v = YearOf(static_cast<QComboBox*>(b.widget));
            break;
    }
    record_.setValue(b.column, v);
}

void TNameEntryForm::storeAll() {
    for (const Binding& b : std::as_const(bindings_)) store(b);
}

void TNameEntryForm::btnOkClick() {
    storeAll();
    const NameSaveOutcome outcome = SaveName(dm_, record_);
    switch (outcome.status) {
        case NameSaveOutcome::Status::Unchanged:
            QDialog::accept();
            break;
        case NameSaveOutcome::Status::Refused:
            if (QWidget* field = editor(outcome.focusColumn)) {
                field->setFocus();
                if (auto* e = qobject_cast<QLineEdit*>(field)) e->selectAll();
            }
            break;
        case NameSaveOutcome::Status::Saved:
            resultNameId_ = outcome.nameId;
            QDialog::accept();
            Sounds::success(dm_.opt().Sounds);
            break;
    }
}

void TNameEntryForm::btnCancelClick() {
    storeAll();
    if (record_.isModified() &&
        !dm_.prompter().confirm(
            QStringLiteral("Data has been modified.  Do you want to quit without saving?")))
        return;
    QDialog::reject();
}

void TNameEntryForm::reject() {
    btnCancelClick();
}
