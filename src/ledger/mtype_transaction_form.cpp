#include "ledger/mtype_transaction_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "names/add_name_from_list.h"
#include "platform/prompter.h"
#include "shell/main_form.h"
#include "shell/menu_catalogue.h"
#include "store/db_error.h"
#include "store/tdm.h"

namespace {

const QString kQuitQuestion = QStringLiteral("Data has been modified.  Do you want to quit without saving your changes?");
const QString kRowGone = QStringLiteral("The transaction is no longer in the database.");

// Wide enough for `chars` typical characters of the field's font.
void fitWidth(QWidget* w, int chars) {
    const QFontMetrics fm = w->fontMetrics();
    w->setFixedWidth(fm.averageCharWidth() * chars + fm.horizontalAdvance(QLatin1Char('M')) + 12);
}

QLabel* labelFor(const QString& caption, QWidget* field) {
    auto* l = new QLabel(caption);
    l->setBuddy(field);
    return l;
}

std::optional<QString> textOrNull(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    return t;
}

QString dateText(const std::optional<QDate>& date) {
    return date && date->isValid() ? date->toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

}  // namespace

TMTypeTransactionForm::TMTypeTransactionForm(Tdm& dm, int kind, QWidget* parent)
    : QDialog(parent), dm_(dm), entry_(dm, kind) {
    setObjectName(QStringLiteral("MTypeTransactionForm"));
    setWindowTitle(entry_.kind().title);
    name_.field = &TransactionFields::nameId;
    if (entry_.kind().nameScope == NameTypeScope::Listed) name_.types = entry_.kind().nameTypes;
    name_.singleType = entry_.kind().singleNameType;
    candidate_.field = &TransactionFields::candidateId;
    candidate_.types = {7};
    candidate_.singleType = 7;
    build();
    if (name_.box) fillLookup(name_);
    if (candidate_.box) fillLookup(candidate_);
    loadFields(false);
    focusFirstField();
}

TMTypeTransactionForm::~TMTypeTransactionForm() = default;

void TMTypeTransactionForm::openNew(Tdm& dm, int kind, QWidget* parent) {
    try {
        TMTypeTransactionForm form(dm, kind, parent);
        form.exec();
    } catch (const DbError& e) {
        dm.prompter().error(e.message());
    }
}

bool TMTypeTransactionForm::openEdit(Tdm& dm, int kind, int transId, QWidget* parent) {
    try {
        TMTypeTransactionForm form(dm, kind, parent);
        if (!form.startEdit(transId)) {
            dm.prompter().error(kRowGone);
            return false;
        }
        form.exec();
        return form.savedAny();
    } catch (const DbError& e) {
        dm.prompter().error(e.message());
        return false;
    }
}

bool TMTypeTransactionForm::startEdit(int transId) {
    if (!entry_.startEdit(transId)) return false;
    btnNext_->hide();
    btnNext_->setDefault(false);
    btnOk_->setDefault(true);
    loadFields(false);
    focusFirstField();
    return true;
}

QGroupBox* TMTypeTransactionForm::group(const QString& caption) const {
    for (QGroupBox* g : groups_)
        if (g->title() == caption) return g;
    return nullptr;
}

// --- Building -------------------------------------------------------------------------------------

void TMTypeTransactionForm::build() {
    const TransactionKind& kind = entry_.kind();
    auto* layout = new QVBoxLayout(this);

    if (!kind.instruction.isEmpty()) {
        lblInstruction_ = new QLabel(kind.instruction, this);
        lblInstruction_->setObjectName(QStringLiteral("lblInstruction"));
        QFont bold = lblInstruction_->font();
        bold.setBold(true);
        lblInstruction_->setFont(bold);
        layout->addWidget(lblInstruction_);
    }

    auto* fields = new QGridLayout;
    fields->setColumnStretch(3, 1);
    int row = 0;
    if (!kind.nameHidden) {
        QComboBox* box = makeLookup(name_);
        box->setObjectName(QStringLiteral("cbxName"));
        fitWidth(box, 44);
        fields->addWidget(labelFor(kind.nameCaption, box), row, 0);
        fields->addWidget(box, row++, 1, 1, 3, Qt::AlignLeft);
    }

    edtDate_ = makeDateField([](TransactionRow& r, const QDate& d) { r.transDate = d; });
    edtDate_->setObjectName(QStringLiteral("edtDate"));
    edtAmount_ = new QLineEdit;
    edtAmount_->setObjectName(QStringLiteral("edtAmount"));
    edtAmount_->setAlignment(Qt::AlignRight);
    edtAmount_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,9}(\\.[0-9]{0,2})?")), edtAmount_));
    fitWidth(edtAmount_, 13);
    connect(edtAmount_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Currency amount;
        if (!Currency::parse(text, &amount)) amount = Currency();
        entry_.row().amount = amount;
    });
    connect(edtAmount_, &QLineEdit::editingFinished, this, [this] {
        // Shown with its cents once typed; the value itself is unchanged.
        Currency amount;
        if (Currency::parse(edtAmount_->text(), &amount)) edtAmount_->setText(amount.toPlainString());
    });
    auto* dateLine = new QHBoxLayout;
    dateLine->addWidget(edtDate_);
    dateLine->addSpacing(16);
    dateLine->addWidget(labelFor(QStringLiteral("&Amount"), edtAmount_));
    dateLine->addWidget(edtAmount_);
    dateLine->addStretch(1);
    fields->addWidget(labelFor(kind.dateCaption, edtDate_), row, 0);
    fields->addLayout(dateLine, row++, 1, 1, 3);

    if (kind.hasGroup(FieldGroup::CheckNumber)) {
        edtCheckNo_ = makeTextField(10, &TransactionFields::refNo);
        edtCheckNo_->setObjectName(QStringLiteral("edtCheckNo"));
        fields->addWidget(labelFor(QStringLiteral("Check #"), edtCheckNo_), row, 0);
        fields->addWidget(edtCheckNo_, row++, 1, Qt::AlignLeft);
    }

    edtMemo_ = makeTextField(70, &TransactionFields::transMemo);
    edtMemo_->setObjectName(QStringLiteral("edtMemo"));
    fitWidth(edtMemo_, 56);
    edtMemo_->setEnabled(!kind.memoDisabled);
    fields->addWidget(labelFor(QStringLiteral("&Memo"), edtMemo_), row, 0);
    fields->addWidget(edtMemo_, row++, 1, 1, 3, Qt::AlignLeft);
    layout->addLayout(fields);

    auto addGroup = [&](FieldGroup g) {
        auto* box = new QGroupBox(FieldGroupCaption(g), this);
        groups_.append(box);
        layout->addWidget(box);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(5, 1);
        return grid;
    };
    auto advocacy = [&](QGridLayout* grid, int r) {
        rbBenefitted_ = new QRadioButton(QStringLiteral("&Benefitted"));
        rbOpposed_ = new QRadioButton(QStringLiteral("&Opposed"));
        auto* buttons = new QButtonGroup(this);
        buttons->addButton(rbBenefitted_);
        buttons->addButton(rbOpposed_);
        connect(rbBenefitted_, &QRadioButton::clicked, this, [this] { setBenefit(QStringLiteral("B")); });
        connect(rbOpposed_, &QRadioButton::clicked, this, [this] { setBenefit(QStringLiteral("O")); });
        auto* line = new QHBoxLayout;
        line->addWidget(rbBenefitted_);
        line->addWidget(rbOpposed_);
        line->addStretch(1);
        grid->addWidget(labelFor(QStringLiteral("&Advocacy"), rbBenefitted_), r, 0);
        grid->addLayout(line, r, 1, 1, 5);
    };

    if (kind.hasGroup(FieldGroup::AdditionalInfo)) {
        QGridLayout* grid = addGroup(FieldGroup::AdditionalInfo);
        edtReceiptNo_ = makeTextField(10, &TransactionFields::receiptNo);
        edtReceiptNo_->setObjectName(QStringLiteral("edtReceiptNo"));
        edtBatchNo_ = makeTextField(10, &TransactionFields::depositBatch);
        edtBatchNo_->setObjectName(QStringLiteral("edtBatchNo"));
        grid->addWidget(labelFor(QStringLiteral("Receipt #"), edtReceiptNo_), 0, 0);
        grid->addWidget(edtReceiptNo_, 0, 1);
        grid->addWidget(labelFor(QStringLiteral("Batch #"), edtBatchNo_), 0, 2);
        grid->addWidget(edtBatchNo_, 0, 3);
    }
    if (kind.hasGroup(FieldGroup::EventInfo)) {
        QGridLayout* grid = addGroup(FieldGroup::EventInfo);
        edtEvent_ = makeTextField(10, &TransactionFields::eventCode);
        edtEvent_->setObjectName(QStringLiteral("edtEvent"));
        edtEventDate_ = makeDateField([](TransactionRow& r, const QDate& d) {
            r.eventDate = d.isValid() ? std::optional<QDate>(d) : std::nullopt;
        });
        edtEventDate_->setObjectName(QStringLiteral("edtEventDate"));
        grid->addWidget(labelFor(QStringLiteral("&Event"), edtEvent_), 0, 0);
        grid->addWidget(edtEvent_, 0, 1);
        grid->addWidget(labelFor(QStringLiteral("Event Date"), edtEventDate_), 0, 2);
        grid->addWidget(edtEventDate_, 0, 3);
    }
    if (kind.hasGroup(FieldGroup::InKindInfo)) {
        QGridLayout* grid = addGroup(FieldGroup::InKindInfo);
        chkExpendImmediately_ = new QCheckBox(QStringLiteral("Expended Immediately"));
        chkExpendImmediately_->setObjectName(QStringLiteral("chkExpendImmediately"));
        chkExpendImmediately_->setChecked(true);
        connect(chkExpendImmediately_, &QCheckBox::toggled, this, [this](bool on) { entry_.setExpendImmediately(on); });
        grid->addWidget(chkExpendImmediately_, 0, 0, 1, 6);
    }
    if (kind.hasGroup(FieldGroup::IndependentExpenditureInfo)) {
        QGridLayout* grid = addGroup(FieldGroup::IndependentExpenditureInfo);
        advocacy(grid, 0);
        QComboBox* box = makeLookup(candidate_);
        box->setObjectName(QStringLiteral("cbxCandidate"));
        fitWidth(box, 40);
        grid->addWidget(labelFor(QStringLiteral("Candidate"), box), 1, 0);
        grid->addWidget(box, 1, 1, 1, 5, Qt::AlignLeft);
    }
    if (kind.hasGroup(FieldGroup::BallotMeasureInfo)) {
        QGridLayout* grid = addGroup(FieldGroup::BallotMeasureInfo);
        advocacy(grid, 0);
        edtBallotMeasureId_ = makeTextField(20, &TransactionFields::entityId);
        edtBallotMeasureId_->setObjectName(QStringLiteral("edtBallotMeasureId"));
        grid->addWidget(labelFor(QStringLiteral("Ballot Measure ID"), edtBallotMeasureId_), 1, 0);
        grid->addWidget(edtBallotMeasureId_, 1, 1, 1, 5, Qt::AlignLeft);
    }
    if (kind.hasGroup(FieldGroup::AdvertisingInfo)) {
        QGridLayout* grid = addGroup(FieldGroup::AdvertisingInfo);
        edtStartDate_ = makeDateField([](TransactionRow& r, const QDate& d) {
            r.startDate = d.isValid() ? std::optional<QDate>(d) : std::nullopt;
        });
        edtStartDate_->setObjectName(QStringLiteral("edtStartDate"));
        edtEndDate_ = makeDateField([](TransactionRow& r, const QDate& d) {
            r.endDate = d.isValid() ? std::optional<QDate>(d) : std::nullopt;
        });
        edtEndDate_->setObjectName(QStringLiteral("edtEndDate"));
        edtMediaType_ = makeTextField(30, &TransactionFields::mediaType);
        edtMediaType_->setObjectName(QStringLiteral("edtMediaType"));
        grid->addWidget(labelFor(QStringLiteral("Start Date"), edtStartDate_), 0, 0);
        grid->addWidget(edtStartDate_, 0, 1);
        grid->addWidget(labelFor(QStringLiteral("End Date"), edtEndDate_), 0, 2);
        grid->addWidget(edtEndDate_, 0, 3);
        grid->addWidget(labelFor(QStringLiteral("Media Type"), edtMediaType_), 1, 0);
        grid->addWidget(edtMediaType_, 1, 1, 1, 5, Qt::AlignLeft);
    }

    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnNext_ = new QPushButton(QStringLiteral("Next"), this);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    const std::pair<QPushButton*, const char*> hints[] = {
        {btnOk_, "Add this transaction and close window"},
        {btnNext_, "Add this transaction and prepare to enter next one"},
        {btnCancel_, "Cancel transaction and close window"},
    };
    for (const auto& [button, hint] : hints) {
        button->setToolTip(QString::fromLatin1(hint));
        button->setStatusTip(QString::fromLatin1(hint));
    }
    btnNext_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &TMTypeTransactionForm::btnOkClick);
    connect(btnNext_, &QPushButton::clicked, this, &TMTypeTransactionForm::btnNextClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TMTypeTransactionForm::btnCancelClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnNext_);
    buttons->addWidget(btnCancel_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QComboBox* TMTypeTransactionForm::makeLookup(Lookup& lookup) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(16);
    lookup.model = new QStandardItemModel(0, 2, box);
    // The drop-down shows each name with its type.
    auto* view = new QTreeView(box);
    view->setRootIsDecorated(false);
    view->setHeaderHidden(true);
    view->setAllColumnsShowFocus(true);
    view->setUniformRowHeights(true);
    box->setView(view);
    box->setModel(lookup.model);
    box->setModelColumn(0);
    // The name takes the room, the type keeps to the right.
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    auto* completer = new QCompleter(lookup.model, box);
    completer->setCompletionColumn(0);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    box->setCompleter(completer);
    lookup.box = box;
    Lookup* l = &lookup;
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, l] {
        l->pending = true;
        lookupTextChanged(*l);
    });
    connect(box, &QComboBox::currentIndexChanged, this, [this, l] { lookupTextChanged(*l); });
    connect(box, &QComboBox::editTextChanged, this, [this, l] { lookupTextChanged(*l); });
    box->installEventFilter(this);
    return box;
}

void TMTypeTransactionForm::fillLookup(Lookup& lookup) {
    lookup.names = ReadEntryNames(dm_, lookup.types);
    const bool wasLoading = loading_;
    loading_ = true;
    const QString text = lookup.box->currentText();
    lookup.model->removeRows(0, lookup.model->rowCount());
    for (const EntryName& n : lookup.names) {
        // Rows follow lookup.names, so that a row's index is its name's.
        lookup.model->appendRow({new QStandardItem(n.name), new QStandardItem(n.nameType)});
    }
    if (auto* view = qobject_cast<QTreeView*>(lookup.box->view())) {
        const QFontMetrics fm = view->fontMetrics();
        int nameWidth = 0;
        int typeWidth = 0;
        for (const EntryName& n : lookup.names) {
            nameWidth = std::max(nameWidth, fm.horizontalAdvance(n.name));
            typeWidth = std::max(typeWidth, fm.horizontalAdvance(n.nameType));
        }
        view->setMinimumWidth(nameWidth + typeWidth + fm.horizontalAdvance(QStringLiteral("MMMMM")));
    }
    lookup.box->setCurrentIndex(-1);
    lookup.box->setEditText(text);
    loading_ = wasLoading;
}

void TMTypeTransactionForm::showLookupName(Lookup& lookup, const std::optional<int>& nameId) {
    const bool wasLoading = loading_;
    loading_ = true;
    int index = -1;
    if (nameId && *nameId > 0)
        for (int i = 0; i < lookup.names.size(); ++i)
            if (lookup.names[i].nameId == *nameId) index = i;
    lookup.box->setCurrentIndex(index);
    if (index < 0) lookup.box->setEditText(QString());
    loading_ = wasLoading;
}

void TMTypeTransactionForm::lookupTextChanged(Lookup& lookup) {
    if (loading_) return;
    const QString text = lookup.box->currentText();
    std::optional<int> id;
    const int current = lookup.box->currentIndex();
    // A name picked from the list keeps its own row, also when another name is spelled alike.
    if (current >= 0 && current < lookup.names.size() &&
        lookup.names[current].name.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
        id = lookup.names[current].nameId;
    else if (const int found = FindEntryName(lookup.names, text); found >= 0)
        id = lookup.names[found].nameId;
    entry_.row().*lookup.field = id;
}

bool TMTypeTransactionForm::leavingLookup(Lookup& lookup, QEvent* event) const {
    if (event->type() != QEvent::FocusOut || inLookup_ || !isVisible()) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window coming up (a message, the drop-down, the completion list) is not leaving.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
    QWidget* next = QApplication::focusWidget();
    if (next == btnCancel_) return false;
    if (next && (next == lookup.box || lookup.box->isAncestorOf(next))) return false;
    if (next && lookup.box->completer() && next->window() == lookup.box->completer()->popup()) return false;
    return true;
}

bool TMTypeTransactionForm::eventFilter(QObject* watched, QEvent* event) {
    if (name_.box && watched == name_.box && leavingLookup(name_, event)) nameFieldExit();
    else if (candidate_.box && watched == candidate_.box && leavingLookup(candidate_, event)) candidateFieldExit();
    return QDialog::eventFilter(watched, event);
}

void TMTypeTransactionForm::nameFieldExit() {
    if (name_.box) runLookup(name_);
}

void TMTypeTransactionForm::candidateFieldExit() {
    if (candidate_.box) runLookup(candidate_);
}

void TMTypeTransactionForm::runLookup(Lookup& lookup) {
    lookup.pending = false;
    const QString text = lookup.box->currentText().trimmed();
    if (text.isEmpty() || FindEntryName(lookup.names, text) >= 0) return;
    inLookup_ = true;
    int nameId = -1;
    try {
        nameId = AddNameFromList(dm_, text, lookup.singleType, this);
    } catch (const DbError&) {
        // The name entry window has shown why it could not open.
    }
    if (nameId > 0) {
        try {
            fillLookup(lookup);
        } catch (const DbError& e) {
            dm_.prompter().error(e.message());
        }
        // A name of a type the kind does not offer (chosen in the type window) stays out of the row.
        const bool offered = std::any_of(lookup.names.cbegin(), lookup.names.cend(),
                                         [nameId](const EntryName& n) { return n.nameId == nameId; });
        if (offered) {
            showLookupName(lookup, nameId);
            entry_.row().*lookup.field = nameId;
        }
    }
    inLookup_ = false;
    // Back from the windows of the look-up: not every desktop gives the activation back by itself.
    activateWindow();
    lookup.box->setFocus(Qt::OtherFocusReason);
}

QLineEdit* TMTypeTransactionForm::makeDateField(std::function<void(TransactionRow&, const QDate&)> store) {
    auto* e = new QLineEdit;
    e->setInputMask(QStringLiteral("99/99/9999;_"));
    fitWidth(e, 10);
    connect(e, &QLineEdit::textEdited, this, [this, e, store] {
        QDate date;
        ParseEntryDate(e->displayText(), &date);
        store(entry_.row(), date);
    });
    dateFields_.append(e);
    return e;
}

QLineEdit* TMTypeTransactionForm::makeTextField(int maxLength, std::optional<QString> TransactionFields::*field) {
    auto* e = new QLineEdit;
    e->setMaxLength(maxLength);
    fitWidth(e, std::min(maxLength, 20));
    connect(e, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        // A value read with trailing blanks is not changed by showing it.
        std::optional<QString>& value = entry_.row().*field;
        if (value && value->trimmed() == text.trimmed()) return;
        value = textOrNull(text);
    });
    return e;
}

void TMTypeTransactionForm::setBenefit(const QString& value) {
    if (!loading_) entry_.row().benefit = value;
}

// --- Showing the row ------------------------------------------------------------------------------

void TMTypeTransactionForm::loadFields(bool zeroAmountShown) {
    loading_ = true;
    const TransactionRow& r = entry_.row();
    if (name_.box) showLookupName(name_, r.nameId);
    if (candidate_.box) showLookupName(candidate_, r.candidateId);
    name_.pending = candidate_.pending = false;
    edtDate_->setText(dateText(r.transDate));
    const bool amountShown = entry_.mode() == TransactionEntry::Mode::Edit || zeroAmountShown || !r.amount.isZero();
    edtAmount_->setText(amountShown ? r.amount.toPlainString() : QString());
    const std::pair<QLineEdit*, const std::optional<QString>*> texts[] = {
        {edtCheckNo_, &r.refNo},       {edtMemo_, &r.transMemo},   {edtReceiptNo_, &r.receiptNo},
        {edtBatchNo_, &r.depositBatch}, {edtEvent_, &r.eventCode},  {edtBallotMeasureId_, &r.entityId},
        {edtMediaType_, &r.mediaType},
    };
    for (const auto& [edit, value] : texts)
        if (edit) edit->setText(value->value_or(QString()).trimmed());
    if (edtEventDate_) edtEventDate_->setText(dateText(r.eventDate));
    if (edtStartDate_) edtStartDate_->setText(dateText(r.startDate));
    if (edtEndDate_) edtEndDate_->setText(dateText(r.endDate));
    if (rbBenefitted_) {
        const QString benefit = r.benefit.value_or(QString()).trimmed();
        // Neither choice shows for a row without one.
        rbBenefitted_->group()->setExclusive(false);
        rbBenefitted_->setChecked(benefit == QLatin1String("B"));
        rbOpposed_->setChecked(benefit == QLatin1String("O"));
        rbBenefitted_->group()->setExclusive(true);
    }
    loading_ = false;
}

// --- Saving and closing ---------------------------------------------------------------------------

bool TMTypeTransactionForm::datesReadable() {
    for (QLineEdit* e : dateFields_) {
        if (ParseEntryDate(e->displayText(), nullptr) != EntryDateText::Invalid) continue;
        dm_.prompter().information(InvalidDateMessage(e->displayText()));
        e->setFocus(Qt::OtherFocusReason);
        e->selectAll();
        return false;
    }
    return true;
}

void TMTypeTransactionForm::commit(bool closeAfter) {
    // A name typed and confirmed with Enter has not left its field yet.
    if (name_.box && name_.pending) runLookup(name_);
    if (candidate_.box && candidate_.pending) runLookup(candidate_);
    if (!datesReadable()) return;
    entry_.setExpendImmediately(!chkExpendImmediately_ || chkExpendImmediately_->isChecked());
    const QString shownName = name_.box ? name_.box->currentText().trimmed() : QString();
    const TransactionEntry::SaveOutcome outcome = entry_.save(shownName);
    switch (outcome.status) {
    case TransactionEntry::SaveStatus::Unchanged:
        done(savedAny_ ? QDialog::Accepted : QDialog::Rejected);
        return;
    case TransactionEntry::SaveStatus::Refused:
        focusField(outcome.focus);
        return;
    case TransactionEntry::SaveStatus::Failed:
        return;
    case TransactionEntry::SaveStatus::Saved:
        savedAny_ = true;
        if (closeAfter || entry_.mode() == TransactionEntry::Mode::Edit) {
            accept();
            return;
        }
        loadFields(true);
        focusFirstField();
        return;
    }
}

void TMTypeTransactionForm::btnOkClick() { commit(true); }

void TMTypeTransactionForm::btnNextClick() { commit(false); }

void TMTypeTransactionForm::btnCancelClick() { reject(); }

void TMTypeTransactionForm::reject() {
    if (entry_.isModified() && !dm_.prompter().confirm(kQuitQuestion)) return;
    done(savedAny_ ? QDialog::Accepted : QDialog::Rejected);
}

void TMTypeTransactionForm::focusField(EntryField field) {
    QWidget* w = nullptr;
    switch (field) {
    case EntryField::Name: w = name_.box; break;
    case EntryField::Date: w = edtDate_; break;
    case EntryField::Amount: w = edtAmount_; break;
    case EntryField::Memo: w = edtMemo_; break;
    case EntryField::Candidate: w = candidate_.box; break;
    case EntryField::None: break;
    }
    if (!w) return;
    inLookup_ = true;  // moving the cursor back is not leaving a name field
    w->setFocus(Qt::OtherFocusReason);
    inLookup_ = false;
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
}

void TMTypeTransactionForm::focusFirstField() {
    QWidget* w = name_.box ? static_cast<QWidget*>(name_.box) : edtDate_;
    inLookup_ = true;
    w->setFocus(Qt::OtherFocusReason);
    inLookup_ = false;
}

void RegisterTransactionEntry(TMainForm& frame, Tdm& dm) {
    for (const MenuEntry& e : MenuCatalogue::entries()) {
        if (e.kind < 0) continue;
        const int kind = e.kind;
        frame.setCommandHandler(e.id, [&frame, &dm, kind] { TMTypeTransactionForm::openNew(dm, kind, &frame); });
    }
}
