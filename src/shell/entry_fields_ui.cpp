#include "shell/entry_fields_ui.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    return Acceptable;
}

void FixWidthFor(QWidget* w, const QString& sample) {
    w->setFixedWidth(w->fontMetrics().horizontalAdvance(sample) + 24);
}

QLabel* BuddyLabel(const QString& text, QWidget* field) {
    auto* l = new QLabel(text);
    l->setBuddy(field);
    return l;
}

void AddFieldLine(QGridLayout* grid, int row, const QList<std::pair<QString, QWidget*>>& items,
                  QWidget* after, int spacing) {
    auto* line = new QHBoxLayout;
    bool stretches = false;
    for (int i = 0; i < items.size(); ++i) {
        const auto& [label, field] = items[i];
        if (i == 0)
            grid->addWidget(BuddyLabel(label, field), row, 0);
        else {
            line->addSpacing(spacing);
            line->addWidget(BuddyLabel(label, field));
        }
        const bool fixed = field->maximumWidth() < QWIDGETSIZE_MAX;
        line->addWidget(field, fixed ? 0 : 1);
        stretches = stretches || !fixed;
    }
    if (after) line->addWidget(after);
    if (!stretches) line->addStretch(1);
    grid->addLayout(line, row, 1);
}

void ShowYear(QComboBox* combo, const QVariant& year) {
    const QString s = year.isNull() ? QString() : QString::number(year.toInt());
    const int i = combo->findText(s);
    if (i >= 0)
        combo->setCurrentIndex(i);
    else {
        combo->setCurrentIndex(-1);
        combo->setEditText(s);
    }
}

QVariant YearOf(const QComboBox* combo) {
    bool ok = false;
    const int year = combo->currentText().trimmed().toInt(&ok);
    return ok ? QVariant(year) : QVariant();
}
