#include "names/names_list_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ledger/open_lists.h"
#include "names/add_name_from_list.h"
#include "names/name_entry_form.h"
#include "shell/db_error_browser_form.h"
#include "shell/main_form.h"
#include "store/db_error.h"
#include "store/tdm.h"

namespace {

std::function<void(const DbError&)>& openFailureHandler() {
    static std::function<void(const DbError&)> handler;
    return handler;
}

// The names list cannot work without its names: the engine's error is shown, then the program
// ends.
[[noreturn]] void endAfterEngineError(const DbError& e, QWidget* parent) {
    QList<DbErrorEntry> entries;
    for (const QString& line : e.message().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        entries.append({line.trimmed(), QStringLiteral("Engine"), e.nativeCode(), QString(), e.nativeCode()});
    TDbErrorBrowserForm::showAndEnd(entries, parent);
}

}  // namespace

TNamesListForm::TNamesListForm(Tdm& dm, QWidget* parent) : QWidget(parent), dm_(dm) {
    setObjectName(QStringLiteral("NamesListForm"));
    setWindowTitle(QStringLiteral("Names List"));

    model_ = new NamesListModel(dm, this);

    menuBar_ = new QMenuBar(this);
    QMenu* edit = menuBar_->addMenu(QStringLiteral("&Edit"));
    connect(edit->addAction(QStringLiteral("&New")), &QAction::triggered, this,
            &TNamesListForm::btnAddClick);
    connect(edit->addAction(QStringLiteral("&Properties")), &QAction::triggered, this,
            &TNamesListForm::btnEditClick);
    connect(edit->addAction(QStringLiteral("&Delete")), &QAction::triggered, this,
            &TNamesListForm::btnDeleteClick);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("tabNameTypes"));
    tabs_->setExpanding(false);
    tabs_->setDrawBase(false);
    for (const NamesList::Tab& t : NamesList::tabs()) tabs_->addTab(t.caption);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grdNames"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setAlternatingRowColors(true);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(NamesListModel::ColName, QHeaderView::Stretch);
    header->setSectionResizeMode(NamesListModel::ColType, QHeaderView::Interactive);
    // The type column holds captions of up to 25 characters.
    header->resizeSection(NamesListModel::ColType,
                          grid_->fontMetrics().horizontalAdvance(QString(25, QLatin1Char('n'))));
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(NamesListModel::ColName, Qt::AscendingOrder);
    header->setHighlightSections(false);
    grid_->installEventFilter(this);

    auto* caption = new QLabel(QStringLiteral("Names"), this);
    lblCount_ = new QLabel(this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    lblCount_->setMinimumWidth(
        lblCount_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));

    btnAdd_ = new QPushButton(QStringLiteral("&Add"), this);
    btnEdit_ = new QPushButton(QStringLiteral("&Edit"), this);
    btnDelete_ = new QPushButton(QStringLiteral("&Delete"), this);
    btnClose_ = new QPushButton(QStringLiteral("&Close"), this);
    btnEdit_->setDefault(true);
    for (QPushButton* b : {btnAdd_, btnEdit_, btnDelete_, btnClose_}) b->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(caption);
    bottom->addSpacing(6);
    bottom->addWidget(lblCount_);
    bottom->addStretch(1);
    bottom->addWidget(btnAdd_);
    bottom->addWidget(btnEdit_);
    bottom->addWidget(btnDelete_);
    bottom->addSpacing(12);
    bottom->addWidget(btnClose_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addWidget(tabs_);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    layout->addSpacing(6);
    layout->addLayout(bottom);

    readList();
    if (model_->rowCount() > 0) grid_->selectRow(0);
    updateCount();

    connect(tabs_, &QTabBar::currentChanged, this, &TNamesListForm::setTab);
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == NamesListModel::ColName)
            nameTitleClick();
        else
            grid_->horizontalHeader()->setSortIndicator(
                NamesListModel::ColName,
                model_->descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    connect(grid_, &QTableView::doubleClicked, this, &TNamesListForm::btnEditClick);
    connect(btnAdd_, &QPushButton::clicked, this, &TNamesListForm::btnAddClick);
    connect(btnEdit_, &QPushButton::clicked, this, &TNamesListForm::btnEditClick);
    connect(btnDelete_, &QPushButton::clicked, this, &TNamesListForm::btnDeleteClick);
    connect(btnClose_, &QPushButton::clicked, this, &TNamesListForm::btnCloseClick);

    OpenLists::add(this, [this] { reread(); });
}

TNamesListForm* TNamesListForm::open(TMainForm& frame, Tdm& dm) {
    if (QMdiSubWindow* w = frame.findChildWindow(TMainForm::kNamesListForm)) {
        if (w->isMinimized()) w->showNormal();
        frame.mdiArea()->setActiveSubWindow(w);
        return qobject_cast<TNamesListForm*>(w->widget());
    }
    TNamesListForm* form = nullptr;
    try {
        form = new TNamesListForm(dm);
    } catch (const DbError& e) {
        if (openFailureHandler()) {
            openFailureHandler()(e);
            return nullptr;
        }
        endAfterEngineError(e, &frame);
    }
    frame.addChildWindow(form, -1, TMainForm::kNamesListForm);
    form->grid()->setFocus();
    return form;
}

void TNamesListForm::setOpenFailureHandler(std::function<void(const DbError&)> handler) {
    openFailureHandler() = std::move(handler);
}

QSize TNamesListForm::sizeHint() const {
    // Wide enough for every tab without scroll arrows.
    const int tabsWidth = tabs_->tabRect(tabs_->count() - 1).right() + 32;
    return {std::max(520, tabsWidth), 440};
}

int TNamesListForm::currentNameId() const {
    const QModelIndex i = grid_->currentIndex();
    if (!i.isValid() || i.row() >= model_->rowCount()) return -1;
    return model_->rowAt(i.row()).nameId;
}

bool TNamesListForm::selectNameId(int nameId) {
    const int row = model_->rowOfNameId(nameId);
    if (row < 0) return false;
    grid_->selectRow(row);
    grid_->scrollTo(model_->index(row, 0));
    return true;
}

void TNamesListForm::readList() {
    model_->reload();
}

void TNamesListForm::reread() {
    const int keep = currentNameId();
    try {
        readList();
    } catch (const DbError& e) {
        dm_.reportAppException(e.message());
        return;
    }
    if (!selectNameId(keep) && model_->rowCount() > 0) grid_->selectRow(0);
    updateCount();
}

void TNamesListForm::updateCount() {
    lblCount_->setText(QString::number(model_->rowCount()));
    const bool any = model_->rowCount() > 0;
    btnEdit_->setEnabled(any);
    btnDelete_->setEnabled(any);
}

void TNamesListForm::setTab(int index) {
    if (index < 0 || index >= NamesList::tabs().size()) return;
    if (tabs_->currentIndex() != index) {
        // The tab bar's signal comes back here.
        tabs_->setCurrentIndex(index);
        return;
    }
    const NamesList::Tab& t = NamesList::tabs().at(index);
    model_->setTypeRange(t.lowType, t.highType);
    reread();
}

void TNamesListForm::nameTitleClick() {
    model_->setDescending(!model_->descending());
    grid_->horizontalHeader()->setSortIndicator(
        NamesListModel::ColName, model_->descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    reread();
}

void TNamesListForm::btnAddClick() {
    const int nameId = AddNameFromList(dm_, QString(), -1, this);
    if (nameId >= 0) selectNameId(nameId);
    grid_->setFocus();
}

void TNamesListForm::btnEditClick() {
    const QModelIndex i = grid_->currentIndex();
    if (!i.isValid()) return;
    const NamesList::Row row = model_->rowAt(i.row());
    TNameEntryForm::edit(dm_, row.nameTypeId, row.nameId, QString(), this);
    grid_->setFocus();
}

void TNamesListForm::btnDeleteClick() {
    const QModelIndex i = grid_->currentIndex();
    if (!i.isValid()) return;
    const NamesList::Row row = model_->rowAt(i.row());
    NamesList::deleteName(dm_, row.nameId, row.name);
    grid_->setFocus();
}

void TNamesListForm::btnCloseClick() {
    // Closing the frame's window records its placement.
    if (auto* w = qobject_cast<QMdiSubWindow*>(parentWidget()))
        w->close();
    else
        close();
}

bool TNamesListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && !(key->modifiers() & Qt::ShiftModifier)) {
            btnDeleteClick();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnEditClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RegisterNamesWindows(TMainForm& frame, Tdm& dm) {
    frame.registerChildWindow(TMainForm::kNamesListForm,
                              [&frame, &dm](int) { TNamesListForm::open(frame, dm); });
    frame.setCommandHandler(QStringLiteral("lists.names"),
                            [&frame, &dm] { TNamesListForm::open(frame, dm); });
}
