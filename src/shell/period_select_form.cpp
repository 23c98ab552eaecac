#include "shell/period_select_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>
#include <QVBoxLayout>

#include "store/db_error.h"
#include "store/tdm.h"

namespace {
QTableWidgetItem* item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* i = new QTableWidgetItem(text);
    i->setTextAlignment(alignment);
    return i;
}

QString shortDate(const QVariant& v) {
    const QDate d = v.toDate();
    return d.isValid() ? d.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}
}  // namespace

TPeriodSelectForm::TPeriodSelectForm(Tdm& dm, int cycle, int period, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PeriodSelectForm"));
    setWindowTitle(QStringLiteral("Period Selection"));

    grid_ = new QTableWidget(0, 5, this);
    grid_->setObjectName(QStringLiteral("grdPeriods"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Cycle"), QStringLiteral("Period"), QStringLiteral("Period Name"),
                                      QStringLiteral("Begin Date"), QStringLiteral("End Date")});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->setToolTip(QStringLiteral("Double click on period to select."));
    grid_->setStatusTip(grid_->toolTip());

    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM PERIODS ORDER BY CYCLE, PERIODID"))) throw DbError::fromSql(q.lastError());
    const QSqlRecord columns = q.record();
    const int cCycle = columns.indexOf(QStringLiteral("CYCLE"));
    const int cPeriod = columns.indexOf(QStringLiteral("PERIODID"));
    const int cName = columns.indexOf(QStringLiteral("PERIODNAME"));
    const int cBegin = columns.indexOf(QStringLiteral("BEGINDATE"));
    const int cEnd = columns.indexOf(QStringLiteral("ENDDATE"));
    int found = -1;
    while (q.next()) {
        const int row = grid_->rowCount();
        grid_->insertRow(row);
        const int rowCycle = q.value(cCycle).toInt();
        const int rowPeriod = q.value(cPeriod).toInt();
        grid_->setItem(row, ColCycle, item(QString::number(rowCycle), Qt::AlignRight | Qt::AlignVCenter));
        grid_->setItem(row, ColPeriod, item(QString::number(rowPeriod), Qt::AlignRight | Qt::AlignVCenter));
        grid_->setItem(row, ColPeriodName, item(q.value(cName).toString().trimmed()));
        grid_->setItem(row, ColBeginDate, item(shortDate(q.value(cBegin))));
        grid_->setItem(row, ColEndDate, item(shortDate(q.value(cEnd))));
        if (rowCycle == cycle && rowPeriod == period) found = row;
    }
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setStretchLastSection(true);

    btnSelect_ = new QPushButton(QStringLiteral("Select"), this);
    btnSelect_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSelect_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { btnSelectClick(); });
    connect(btnSelect_, &QPushButton::clicked, this, &TPeriodSelectForm::btnSelectClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    if (found < 0) found = grid_->rowCount() - 1;
    if (found >= 0) {
        grid_->setCurrentCell(found, ColCycle);
        grid_->scrollToItem(grid_->item(found, ColCycle), QAbstractItemView::PositionAtCenter);
    }
    grid_->setFocus();
}

bool TPeriodSelectForm::choose(Tdm& dm, int currentCycle, int currentPeriod, QWidget* parent, int* cycle,
                               int* period) {
    TPeriodSelectForm form(dm, currentCycle, currentPeriod, parent);
    if (form.exec() != QDialog::Accepted) return false;
    *cycle = form.selectedCycle();
    *period = form.selectedPeriod();
    return true;
}

int TPeriodSelectForm::selectedCycle() const {
    const int row = grid_->currentRow();
    return row >= 0 ? grid_->item(row, ColCycle)->text().toInt() : 0;
}

int TPeriodSelectForm::selectedPeriod() const {
    const int row = grid_->currentRow();
    return row >= 0 ? grid_->item(row, ColPeriod)->text().toInt() : 0;
}

void TPeriodSelectForm::btnSelectClick() {
    if (grid_->currentRow() < 0) return;
    accept();
}
