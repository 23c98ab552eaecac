#include <gtest/gtest.h>

#include <QTableWidget>

#include "limits/campaign_limits_form.h"
#include "limits_fixture.h"
#include "store/tdm.h"

namespace {

class CampaignLimitsFormTest : public LimitsFixture {};

QString cellText(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

TEST_F(CampaignLimitsFormTest, ListsEveryCapNewestCycleFirstOnTwoLines) {
    env.exec(QStringLiteral("INSERT INTO LIMITS VALUES (2026, 3, 'Candidate Committee', '01/01/2025', 13500, "
                            "1234567.5, 'A.R.S. 16-905(G)', 11000, 0, 0)"));
    TCampaignLimitsForm form(*dm);
    form.FormCreate();
    QTableWidget* grid = form.grdLimits();
    EXPECT_EQ(form.recordCount(), env.value(QStringLiteral("select count(*) from LIMITS")).toInt());
    EXPECT_EQ(grid->rowCount(), form.recordCount() * 2);

    // Cycle 2026, types 1, 2, 3 come first.
    EXPECT_EQ(cellText(grid, 0, 0), QStringLiteral("Individual contribution to a candidate"));
    EXPECT_EQ(cellText(grid, 0, 1), QStringLiteral("$6,750.00"));
    EXPECT_EQ(cellText(grid, 0, 2), QStringLiteral("$5,500.00"));
    EXPECT_EQ(cellText(grid, 0, 3), QStringLiteral("$5,500.00"));
    EXPECT_EQ(cellText(grid, 1, 0), QStringLiteral("2026"));
    EXPECT_EQ(cellText(grid, 1, 1), QStringLiteral("A.R.S. 16-905(A)(1)&(A)(2)&(B)(1)"));
    EXPECT_EQ(grid->columnSpan(1, 1), 3);
    EXPECT_EQ(cellText(grid, 4, 0), QStringLiteral("Candidate Committee"));
    EXPECT_EQ(cellText(grid, 4, 3), QStringLiteral("$1,234,567.50"));
    EXPECT_EQ(cellText(grid, 6, 0), QStringLiteral("Individual contribution to a candidate"));
    EXPECT_EQ(cellText(grid, 7, 0), QStringLiteral("2024"));
    // Read-only.
    EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);
}

}  // namespace
