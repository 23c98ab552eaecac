#include "shell/committee_select_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>

#include "store/db_error.h"
#include "store/tdm.h"

TCommitteeSelectForm::TCommitteeSelectForm(Tdm& dm, const QString& currentFilerId, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CommitteeSelectForm"));
    setWindowTitle(QStringLiteral("Committee Select"));

    grid_ = new QTableWidget(0, 2, this);
    grid_->setObjectName(QStringLiteral("grdOrgs"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("ID#"), QStringLiteral("Name")});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(ColFilerId, 110);

    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT FILERID,NAME FROM ORGS"))) throw DbError::fromSql(q.lastError());
    while (q.next()) {
        const int row = grid_->rowCount();
        grid_->insertRow(row);
        auto* id = new QTableWidgetItem(q.value(0).toString().trimmed());
        id->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(row, ColFilerId, id);
        grid_->setItem(row, ColName, new QTableWidgetItem(q.value(1).toString().trimmed()));
    }

    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(480, 360);

    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &TCommitteeSelectForm::titleClick);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { btnOkClick(); });
    connect(btnOk_, &QPushButton::clicked, this, &TCommitteeSelectForm::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    sortBy(ColName, Qt::AscendingOrder);
    for (int row = 0; row < grid_->rowCount(); ++row) {
        if (grid_->item(row, ColFilerId)->text() == currentFilerId.trimmed()) {
            grid_->selectRow(row);
            grid_->setCurrentCell(row, ColName);
            break;
        }
    }
    if (grid_->currentRow() < 0 && grid_->rowCount() > 0) grid_->setCurrentCell(0, ColName);
    grid_->setFocus();
}

bool TCommitteeSelectForm::choose(Tdm& dm, const QString& currentFilerId, QWidget* parent, QString* filerId,
                                  QString* name) {
    TCommitteeSelectForm form(dm, currentFilerId, parent);
    if (form.exec() != QDialog::Accepted) return false;
    *filerId = form.selectedFilerId();
    *name = form.selectedName();
    return !filerId->isEmpty();
}

QString TCommitteeSelectForm::selectedFilerId() const {
    const int row = grid_->currentRow();
    return row >= 0 ? grid_->item(row, ColFilerId)->text() : QString();
}

QString TCommitteeSelectForm::selectedName() const {
    const int row = grid_->currentRow();
    return row >= 0 ? grid_->item(row, ColName)->text() : QString();
}

void TCommitteeSelectForm::titleClick(int column) {
    if (column != ColFilerId && column != ColName) return;
    const Qt::SortOrder order = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                                           : Qt::AscendingOrder;
    sortBy(column, order);
}

void TCommitteeSelectForm::sortBy(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    // The items move with the sort, so the current row stays on the same committee.
    grid_->sortItems(column, order);
    grid_->horizontalHeader()->setSortIndicator(column, order);
    if (QTableWidgetItem* current = grid_->currentItem()) grid_->scrollToItem(current);
}

void TCommitteeSelectForm::btnOkClick() {
    if (selectedFilerId().isEmpty()) return;
    accept();
}
