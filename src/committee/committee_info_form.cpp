#include "committee/committee_info_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "committee/committee_record.h"
#include "platform/prompter.h"
#include "shell/entry_fields_ui.h"
#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/entry_rules.h"
#include "store/tdm.h"

namespace {

const QString kNameNote = QStringLiteral("(Last, First MI)");

void playSystemBeep() { QApplication::beep(); }

// Fills a page: a label in the first column, its field beside it; further pairs of a row follow
// the first field in the same line.
class Grid {
public:
    explicit Grid(QWidget* page) : layout_(new QGridLayout(page)) { layout_->setColumnStretch(1, 1); }
    explicit Grid(QGroupBox* box) : layout_(new QGridLayout(box)) { layout_->setColumnStretch(1, 1); }

    // One field (and a note after it) on a row of its own.
    Grid& row(const QString& label, QWidget* field, QWidget* after = nullptr) {
        if (!after) {
            layout_->addWidget(BuddyLabel(label, field), row_, 0);
            layout_->addWidget(field, row_++, 1);
            return *this;
        }
        return pairs({{label, field}}, after);
    }
    // Several pairs side by side; fields of a fixed width keep it, the others share the rest.
    Grid& pairs(const QList<std::pair<QString, QWidget*>>& items, QWidget* after = nullptr) {
        AddFieldLine(layout_, row_++, items, after, 8);
        return *this;
    }
    Grid& widget(QWidget* w) {
        layout_->addWidget(w, row_++, 0, 1, 2);
        return *this;
    }
    void stretch() { layout_->setRowStretch(row_, 1); }

private:
    QGridLayout* layout_;
    int row_ = 0;
};

QList<std::pair<int, QString>> pairsOf(const QList<CommitteeLists::Item>& items) {
    QList<std::pair<int, QString>> out;
    for (const auto& i : items) out.append({i.id, i.text});
    return out;
}

}  // namespace

TCommitteeInfoForm::TCommitteeInfoForm(Tdm& dm, CommitteeTable& orgs, QWidget* parent)
    : QDialog(parent), dm_(dm), orgs_(orgs), successSound_(playSystemBeep) {
    setObjectName(QStringLiteral("CommitteeInfoForm"));
    setWindowTitle(QStringLiteral("Committee Properties"));

    states_ = CommitteeLists::states(dm);
    offices_ = pairsOf(CommitteeLists::offices(dm));
    counties_ = pairsOf(CommitteeLists::counties(dm));
    types_ = pairsOf(CommitteeLists::committeeTypes(dm));

    pages_ = new QTabWidget(this);
    buildPages();

    btnPrev_ = new QPushButton(QStringLiteral("&Prev"), this);
    btnNext_ = new QPushButton(QStringLiteral("&Next"), this);
    btnFinish_ = new QPushButton(QStringLiteral("&Finish"), this);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* b : {btnPrev_, btnNext_, btnFinish_, btnCancel_}) b->setAutoDefault(false);
    btnNext_->setDefault(true);
    connect(btnPrev_, &QPushButton::clicked, this, &TCommitteeInfoForm::btnPrevClick);
    connect(btnNext_, &QPushButton::clicked, this, &TCommitteeInfoForm::btnNextClick);
    connect(btnFinish_, &QPushButton::clicked, this, &TCommitteeInfoForm::btnFinishClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TCommitteeInfoForm::btnCancelClick);
    connect(pages_, &QTabWidget::currentChanged, this, &TCommitteeInfoForm::updateButtons);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {btnPrev_, btnNext_, btnFinish_, btnCancel_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    loadValues();
    showCandidatePageByType();
    pages_->setCurrentIndex(PageCommittee);
    updateButtons();

    QWidget* filerId = editor(QStringLiteral("FILERID"));
    if (orgs_.state() == CommitteeTable::State::Insert) {
        filerId->setEnabled(true);
        filerId->setFocus();
    } else {
        // The filer ID has a command of its own for corrections.
        filerId->setEnabled(false);
        editor(QStringLiteral("ADDRESS1"))->setFocus();
    }
}

bool TCommitteeInfoForm::execute(Tdm& dm, CommitteeTable& orgs, QWidget* parent) {
    TCommitteeInfoForm form(dm, orgs, parent);
    return form.exec() == QDialog::Accepted;
}

void TCommitteeInfoForm::buildPages() {
    // Committee
    {
        auto* page = new QWidget;
        Grid g(page);
        auto* filerId = textEdit(QStringLiteral("FILERID"), false);
        filerId->setToolTip(QStringLiteral("FilerID - include any dashes"));
        filerId->setStatusTip(filerId->toolTip());
        FixWidthFor(filerId, QStringLiteral("000-0000-0000"));
        auto* type = lookupCombo(QStringLiteral("COMMITTEETYPEID"), types_, false);
        type->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        g.pairs({{QStringLiteral("Filer ID #"), filerId}, {QStringLiteral("Type"), type}});
        g.row(QStringLiteral("&Name"), textEdit(QStringLiteral("NAME"), true));
        auto addressBox = [this](const QString& title, const QString& prefix) {
            auto* box = new QGroupBox(title);
            Grid b(box);
            b.row(QStringLiteral("Address &1"), textEdit(prefix + QStringLiteral("ADDRESS1"), true));
            b.row(QStringLiteral("Address &2"), textEdit(prefix + QStringLiteral("ADDRESS2"), true));
            b.row(QStringLiteral("&City"), textEdit(prefix + QStringLiteral("CITY"), true));
            b.pairs({{QStringLiteral("&St"), stateCombo(prefix + QStringLiteral("STATE"))},
                     {QStringLiteral("&Zip"), zipEdit(prefix + QStringLiteral("ZIP"))}});
            return box;
        };
        auto* boxes = new QWidget;
        auto* h = new QHBoxLayout(boxes);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(addressBox(QStringLiteral("Physical Address"), QString()));
        h->addWidget(addressBox(QStringLiteral("Mailing Address"), QStringLiteral("MAIL")));
        g.widget(boxes);
        g.pairs({{QStringLiteral("&Phone"), phoneEdit(QStringLiteral("PHONE"))},
                 {QStringLiteral("&Fax"), phoneEdit(QStringLiteral("FAXPHONE"))}});
        g.row(QStringLiteral("Email"), textEdit(QStringLiteral("EMAIL"), false));
        g.stretch();
        pages_->addTab(page, QStringLiteral("&Committee"));
    }
    // Continued
    {
        auto* page = new QWidget;
        Grid g(page);
        g.widget(checkBox(QStringLiteral("OUTOFSTATE"), QStringLiteral("Out of State Committee"), Kind::CheckYN));
        g.row(QStringLiteral("Sponsor"), textEdit(QStringLiteral("SPONSOR"), true));
        g.row(QStringLiteral("Address &1"), textEdit(QStringLiteral("SPONSORADDRESS1"), true));
        g.pairs({{QStringLiteral("&City"), textEdit(QStringLiteral("SPONSORCITY"), true)},
                 {QStringLiteral("&St"), stateCombo(QStringLiteral("SPONSORSTATE"))},
                 {QStringLiteral("&Zip"), zipEdit(QStringLiteral("SPONSORZIP"))}});
        g.row(QStringLiteral("Sponsor Relationship"), textEdit(QStringLiteral("SPONSORRELATIONSHIP"), true));
        g.row(QStringLiteral("Financial Institution 1"), textEdit(QStringLiteral("FINANCIALINSTITUTION1"), false));
        g.row(QStringLiteral("Financial Institution 2"), textEdit(QStringLiteral("FINANCIALINSTITUTION2"), false));
        g.row(QStringLiteral("Financial Institution 3"), textEdit(QStringLiteral("FINANCIALINSTITUTION3"), false));
        g.stretch();
        pages_->addTab(page, QStringLiteral("Continued"));
    }
    // Chairman and Treasurer
    for (const auto& [prefix, title] : {std::pair{QStringLiteral("CH"), QStringLiteral("Chairman")},
                                        std::pair{QStringLiteral("TR"), QStringLiteral("Treasurer")}}) {
        auto* page = new QWidget;
        Grid g(page);
        g.row(QStringLiteral("&Name"), textEdit(prefix + QStringLiteral("NAME"), true), new QLabel(kNameNote));
        g.row(QStringLiteral("Addr &1"), textEdit(prefix + QStringLiteral("ADDRESS1"), true));
        g.row(QStringLiteral("Addr &2"), textEdit(prefix + QStringLiteral("ADDRESS2"), true));
        g.pairs({{QStringLiteral("&City"), textEdit(prefix + QStringLiteral("CITY"), true)},
                 {QStringLiteral("&St"), stateCombo(prefix + QStringLiteral("STATE"))},
                 {QStringLiteral("&Zip"), zipEdit(prefix + QStringLiteral("ZIP"))}});
        g.pairs({{QStringLiteral("&Phone"), phoneEdit(prefix + QStringLiteral("PHONE"))},
                 {QStringLiteral("Fax"), phoneEdit(prefix + QStringLiteral("FAXPHONE"))}});
        g.row(QStringLiteral("&Occup"), textEdit(prefix + QStringLiteral("OCCUPATION"), true));
        g.row(QStringLiteral("&Empl"), textEdit(prefix + QStringLiteral("EMPLOYER"), true));
        g.row(QStringLiteral("Email"), textEdit(prefix + QStringLiteral("EMAIL"), false));
        g.stretch();
        pages_->addTab(page, title);
    }
    // Candidate
    {
        auto* page = new QWidget;
        Grid g(page);
        g.row(QStringLiteral("&Name"), textEdit(QStringLiteral("CANDNAME"), true), new QLabel(kNameNote));
        g.row(QStringLiteral("Address&1"), textEdit(QStringLiteral("CANDADDRESS1"), true));
        g.row(QStringLiteral("Address&2"), textEdit(QStringLiteral("CANDADDRESS2"), true));
        g.pairs({{QStringLiteral("&City"), textEdit(QStringLiteral("CANDCITY"), true)},
                 {QStringLiteral("State"), stateCombo(QStringLiteral("CANDSTATE"))},
                 {QStringLiteral("Zip"), zipEdit(QStringLiteral("CANDZIP"))}});
        g.pairs({{QStringLiteral("Phone"), phoneEdit(QStringLiteral("CANDPHONE"))},
                 {QStringLiteral("Fax"), phoneEdit(QStringLiteral("CANDFAXPHONE"))}});
        g.row(QStringLiteral("Email"), textEdit(QStringLiteral("CANDEMAIL"), false));
        g.row(QStringLiteral("Party"), textEdit(QStringLiteral("CANDPARTY"), true));
        g.row(QStringLiteral("Office"), lookupCombo(QStringLiteral("CANDOFFICEID"), offices_, true));
        g.row(QStringLiteral("County"), lookupCombo(QStringLiteral("CANDCOUNTYID"), counties_, true));
        g.pairs({{QStringLiteral("Year"), yearCombo(QStringLiteral("CANDYEAR"))}});
        g.widget(checkBox(QStringLiteral("CANDINCUMBANT"), QStringLiteral("Incumbant"), Kind::CheckTF));
        g.stretch();
        pages_->addTab(page, QStringLiteral("Candidate"));
    }
    // Designee
    {
        auto* page = new QWidget;
        Grid g(page);
        g.row(QStringLiteral("&Name"), textEdit(QStringLiteral("DESIGNEENAME"), true), new QLabel(kNameNote));
        g.row(QStringLiteral("Address&1"), textEdit(QStringLiteral("DESIGNEEADDRESS1"), true));
        g.row(QStringLiteral("Address&2"), textEdit(QStringLiteral("DESIGNEEADDRESS2"), true));
        g.pairs({{QStringLiteral("&City"), textEdit(QStringLiteral("DESIGNEECITY"), true)},
                 {QStringLiteral("State"), stateCombo(QStringLiteral("DESIGNEESTATE"))},
                 {QStringLiteral("Zip"), zipEdit(QStringLiteral("DESIGNEEZIP"))}});
        g.pairs({{QStringLiteral("Phone"), phoneEdit(QStringLiteral("DESIGNEEPHONE"))},
                 {QStringLiteral("Fax"), phoneEdit(QStringLiteral("DESIGNEEFAXPHONE"))}});
        g.row(QStringLiteral("Email"), textEdit(QStringLiteral("DESIGNEEEMAIL"), false));
        g.stretch();
        pages_->addTab(page, QStringLiteral("Designee"));
    }
}

void TCommitteeInfoForm::bind(const QString& column, Kind kind, QWidget* widget) {
    widget->setObjectName(column);
    bindings_.append({column, kind, widget});
    editors_.insert(column, widget);
}

QLineEdit* TCommitteeInfoForm::textEdit(const QString& column, bool upperCase) {
    auto* e = new QLineEdit;
    e->setMaxLength(CommitteeTable::columnWidth(column));
    if (upperCase) e->setValidator(new UpperCaseValidator(e));
    const Kind kind = upperCase ? Kind::UpperText : Kind::Text;
    bind(column, kind, e);
    const Binding b = bindings_.last();
    connect(e, &QLineEdit::textEdited, this, [this, b] { write(b); });
    return e;
}

QLineEdit* TCommitteeInfoForm::zipEdit(const QString& column) {
    auto* e = new QLineEdit;
    // Five digits, then four more if wanted; the dash is shown, never stored.
    e->setInputMask(QStringLiteral("99999-0000;_"));
    FixWidthFor(e, QStringLiteral("00000-0000"));
    bind(column, Kind::Zip, e);
    const Binding b = bindings_.last();
    connect(e, &QLineEdit::textEdited, this, [this, b] { write(b); });
    return e;
}

QLineEdit* TCommitteeInfoForm::phoneEdit(const QString& column) {
    auto* e = new QLineEdit;
    // The punctuation is shown, only the ten digits are stored.
    e->setInputMask(QStringLiteral("(000)000-0000;_"));
    FixWidthFor(e, QStringLiteral("(000)000-0000"));
    bind(column, Kind::Phone, e);
    const Binding b = bindings_.last();
    connect(e, &QLineEdit::textEdited, this, [this, b] { write(b); });
    return e;
}

QComboBox* TCommitteeInfoForm::stateCombo(const QString& column) {
    auto* c = new QComboBox;
    c->addItem(QString());
    c->addItems(states_);
    c->setFixedWidth(c->sizeHint().width());
    bind(column, Kind::State, c);
    const Binding b = bindings_.last();
    connect(c, &QComboBox::currentIndexChanged, this, [this, b] { write(b); });
    return c;
}

QComboBox* TCommitteeInfoForm::lookupCombo(const QString& column, const QList<std::pair<int, QString>>& items,
                                           bool allowEmpty) {
    auto* c = new QComboBox;
    if (allowEmpty) c->addItem(QString(), QVariant());
    for (const auto& [id, text] : items) c->addItem(text, id);
    bind(column, Kind::Lookup, c);
    const Binding b = bindings_.last();
    connect(c, &QComboBox::currentIndexChanged, this, [this, b] { write(b); });
    return c;
}

QComboBox* TCommitteeInfoForm::yearCombo(const QString& column) {
    auto* c = new QComboBox;
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setValidator(new QIntValidator(1, 9999, c));
    for (int y : CommitteeLists::electionYears()) c->addItem(QString::number(y));
    c->setFixedWidth(c->sizeHint().width() + 16);
    bind(column, Kind::Year, c);
    const Binding b = bindings_.last();
    connect(c, &QComboBox::currentTextChanged, this, [this, b] { write(b); });
    return c;
}

QCheckBox* TCommitteeInfoForm::checkBox(const QString& column, const QString& caption, Kind kind) {
    auto* c = new QCheckBox(caption);
    bind(column, kind, c);
    const Binding b = bindings_.last();
    connect(c, &QCheckBox::toggled, this, [this, b] { write(b); });
    return c;
}

void TCommitteeInfoForm::loadValues() {
    loading_ = true;
    for (const Binding& b : bindings_) {
        const QVariant v = orgs_.value(b.column);
        switch (b.kind) {
        case Kind::Text:
        case Kind::UpperText:
        case Kind::Zip:
        case Kind::Phone:
            static_cast<QLineEdit*>(b.widget)->setText(v.toString());
            break;
        case Kind::State: {
            auto* c = static_cast<QComboBox*>(b.widget);
            const QString s = v.toString();
            int i = c->findText(s);
            // A code the list does not hold is still shown as it is.
            if (i < 0) {
                c->addItem(s);
                i = c->count() - 1;
            }
            c->setCurrentIndex(i);
            break;
        }
        case Kind::Lookup: {
            auto* c = static_cast<QComboBox*>(b.widget);
            c->setCurrentIndex(v.isNull() ? (c->itemData(0).isValid() ? -1 : 0) : c->findData(v.toInt()));
            break;
        }
        case Kind::Year:
            ShowYear(static_cast<QComboBox*>(b.widget), v);
            break;
        case Kind::CheckYN:
        case Kind::CheckTF: {
            const QString s = v.toString();
            static_cast<QCheckBox*>(b.widget)->setChecked(s == QLatin1String("Y") || s == QLatin1String("T"));
            break;
        }
        }
    }
    loading_ = false;
}

void TCommitteeInfoForm::write(const Binding& b) {
    if (loading_) return;
    QVariant v;
    switch (b.kind) {
    case Kind::Text:
    case Kind::UpperText:
        v = static_cast<QLineEdit*>(b.widget)->text();
        if (b.column == QLatin1String("FILERID")) v = v.toString().trimmed();
        break;
    case Kind::Zip:
    case Kind::Phone:
        v = DigitsOf(static_cast<QLineEdit*>(b.widget)->text());
        break;
    case Kind::State:
        v = static_cast<QComboBox*>(b.widget)->currentText();
        break;
    case Kind::Lookup:
        v = static_cast<QComboBox*>(b.widget)->currentData();
        break;
    case Kind::Year:
        v = YearOf(static_cast<QComboBox*>(b.widget));
        break;
    case Kind::CheckYN:
        v = static_cast<QCheckBox*>(b.widget)->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
        break;
    case Kind::CheckTF:
        v = static_cast<QCheckBox*>(b.widget)->isChecked() ? QStringLiteral("T") : QStringLiteral("F");
        break;
    }
    orgs_.setValue(b.column, v);
    if (b.column == QLatin1String("COMMITTEETYPEID")) showCandidatePageByType();
}

bool TCommitteeInfoForm::candidatePageVisible() const { return pages_->isTabVisible(PageCandidate); }

void TCommitteeInfoForm::showCandidatePageByType() {
    pages_->setTabVisible(PageCandidate, orgs_.isCandidateCommittee());
    updateButtons();
}

void TCommitteeInfoForm::goToPage(int page) {
    pages_->setCurrentIndex(page);
    updateButtons();
}

void TCommitteeInfoForm::updateButtons() { btnPrev_->setEnabled(pages_->currentIndex() > PageCommittee); }

void TCommitteeInfoForm::btnNextClick() {
    const int current = pages_->currentIndex();
    if (current == PageDesignee) {
        btnFinishClick();
        return;
    }
    for (int i = current + 1; i < pages_->count(); ++i)
        if (pages_->isTabVisible(i)) {
            goToPage(i);
            return;
        }
}

void TCommitteeInfoForm::btnPrevClick() {
    for (int i = pages_->currentIndex() - 1; i >= 0; --i)
        if (pages_->isTabVisible(i)) {
            goToPage(i);
            return;
        }
}

bool TCommitteeInfoForm::zipCodesComplete() {
    for (const Binding& b : bindings_) {
        if (b.kind != Kind::Zip) continue;
        const qsizetype n = orgs_.text(b.column).size();
        if (n == 0 || n == 5 || n == 9) continue;
        dm_.prompter().warning(InvalidZipMessage());
        for (QWidget* p = b.widget; p; p = p->parentWidget()) {
            const int page = pages_->indexOf(p);
            if (page >= 0) {
                goToPage(page);
                break;
            }
        }
        b.widget->setFocus();
        return false;
    }
    return true;
}

void TCommitteeInfoForm::btnFinishClick() {
    btnFinish_->setFocus();
    if (orgs_.isCandidateCommittee()) {
        if (orgs_.value(QStringLiteral("CANDYEAR")).isNull()) {
            dm_.prompter().warning(QStringLiteral("Candidate year MUST be specified"));
            goToPage(PageCandidate);
            editor(QStringLiteral("CANDYEAR"))->setFocus();
            return;
        }
        if (orgs_.value(QStringLiteral("CANDOFFICEID")).isNull()) {
            dm_.prompter().warning(QStringLiteral("Candidate Office MUST be specified"));
            goToPage(PageCandidate);
            editor(QStringLiteral("CANDOFFICEID"))->setFocus();
            return;
        }
    }
    const bool appending = orgs_.state() == CommitteeTable::State::Insert;
    const bool changed = orgs_.state() == CommitteeTable::State::Edit && orgs_.isModified();
    if (!appending && !changed) {
        // An edit that changed nothing leaves the row as it is.
        orgs_.cancel();
        QDialog::accept();
        return;
    }
    if (!zipCodesComplete()) return;
    try {
        if (appending) orgs_.setValue(QStringLiteral("DELETED"), QStringLiteral("F"));
        orgs_.post();
    } catch (const DbError& e) {
        dm_.prompter().error(QStringLiteral("Error posting data: ") + e.message());
        return;
    }
    if (dm_.opt().Sounds && successSound_) successSound_();
    QDialog::accept();
}

void TCommitteeInfoForm::btnCancelClick() {
    btnCancel_->setFocus();
    if (orgs_.state() != CommitteeTable::State::Browse && orgs_.isModified() &&
        !dm_.prompter().confirm(QStringLiteral("Are you sure you want to cancel changes to Organization Data ?"),
                                Prompter::Buttons::YesNo, Prompter::Kind::Confirmation))
        return;
    orgs_.cancel();
    QDialog::reject();
}

void TCommitteeInfoForm::reject() { btnCancelClick(); }
