#include "limits/campaign_limits_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>

#include "store/currency.h"
#include "store/db_error.h"
#include "store/tdm.h"

namespace {

enum Column { colDescription, colLocal, colLegislative, colStatewide, colCount };

QString amountText(const QVariant& v) { return v.isNull() ? QString() : Currency::fromVariant(v).formatted(); }

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment, const QColor& background) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setBackground(background);
    return item;
}

}  // namespace

TCampaignLimitsForm::TCampaignLimitsForm(Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("CampaignLimitsForm"));
    setWindowTitle(QStringLiteral("Campaign Limits"));
    setModal(true);

    grdLimits_ = new QTableWidget(0, colCount, this);
    grdLimits_->setObjectName(QStringLiteral("grdLimits"));
    grdLimits_->setHorizontalHeaderLabels({QStringLiteral("Description\nCycle"),
                                           QStringLiteral("Local\nApplying Statute"), QStringLiteral("Legislative"),
                                           QStringLiteral("Statewide")});
    grdLimits_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLimits_->setSelectionMode(QAbstractItemView::NoSelection);
    grdLimits_->setFocusPolicy(Qt::NoFocus);
    grdLimits_->verticalHeader()->hide();
    grdLimits_->setWordWrap(false);
    // Records are told apart by their shading: a grid would cut each record in two.
    grdLimits_->setShowGrid(false);
    grdLimits_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdLimits_->verticalHeader()->setDefaultSectionSize(grdLimits_->fontMetrics().height() + 6);
    QHeaderView* header = grdLimits_->horizontalHeader();
    header->setSectionResizeMode(colDescription, QHeaderView::Stretch);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = colLocal; c < colCount; ++c) {
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        grdLimits_->setColumnWidth(c, 120);
    }

    auto* btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdLimits_, 1);
    layout->addLayout(buttons);
    resize(820, 460);
}

void TCampaignLimitsForm::FormCreate() {
    QSqlQuery q(dm_.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select * from Limits order by Cycle desc, ContributionType")))
        throw DbError::fromSql(q.lastError());

    grdLimits_->setRowCount(0);
    const QColor shades[] = {grdLimits_->palette().color(QPalette::Base),
                             grdLimits_->palette().color(QPalette::AlternateBase)};
    int record = 0;
    while (q.next()) {
        const QSqlRecord r = q.record();
        const QColor& shade = shades[record % 2];
        const int row = record * 2;
        grdLimits_->setRowCount(row + 2);
        grdLimits_->setItem(row, colDescription, cell(r.value(QStringLiteral("DESCRIPTION")).toString().trimmed(),
                                                      Qt::AlignLeft, shade));
        grdLimits_->setItem(row, colLocal, cell(amountText(r.value(QStringLiteral("LOCALLIMIT"))), Qt::AlignRight, shade));
        grdLimits_->setItem(row, colLegislative,
                            cell(amountText(r.value(QStringLiteral("LEGLIMIT"))), Qt::AlignRight, shade));
        grdLimits_->setItem(row, colStatewide,
                            cell(amountText(r.value(QStringLiteral("STATEWIDELIMIT"))), Qt::AlignRight, shade));
        grdLimits_->setItem(row + 1, colDescription,
                            cell(r.value(QStringLiteral("CYCLE")).toString(), Qt::AlignLeft, shade));
        grdLimits_->setItem(row + 1, colLocal,
                            cell(r.value(QStringLiteral("STATUTES")).toString().trimmed(), Qt::AlignLeft, shade));
        grdLimits_->setSpan(row + 1, colLocal, 1, colCount - colLocal);
        ++record;
    }
}

int TCampaignLimitsForm::recordCount() const { return grdLimits_->rowCount() / 2; }

void TCampaignLimitsForm::run(Tdm& dm, QWidget* parent) {
    TCampaignLimitsForm form(dm, parent);
    try {
        form.FormCreate();
    } catch (const DbError& e) {
        dm.reportAppException(e.message());
        return;
    } catch (const std::exception& e) {
        dm.reportAppException(QString::fromLocal8Bit(e.what()));
        return;
    }
    form.exec();
}
