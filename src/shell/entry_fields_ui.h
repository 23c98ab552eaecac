#pragma once

#include <QList>
#include <QString>
#include <QValidator>
#include <QVariant>
#include <utility>

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

// Pieces of the entry windows that edit names and the committee.

// Turns letters into capitals as they are typed (or pasted).
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override;
};

// Wide enough for the longest value the mask lets through.
void FixWidthFor(QWidget* w, const QString& sample);

// A label whose mnemonic moves the focus to `field`.
QLabel* BuddyLabel(const QString& text, QWidget* field);

// Puts several labelled fields side by side in `row` of `grid`: the first label in column 0,
// the fields and further labels (`spacing` apart) in one line in column 1, then `after`. Fields
// of a fixed width keep it, the others share the rest; with none to stretch, the line is pushed
// to the left.
void AddFieldLine(QGridLayout* grid, int row, const QList<std::pair<QString, QWidget*>>& items,
                  QWidget* after, int spacing);

// An editable year combo shows the stored year, picked from its list when the list holds it and
// typed in otherwise; null leaves it empty.
void ShowYear(QComboBox* combo, const QVariant& year);
// The year typed or picked, or null when the text is not a number.
QVariant YearOf(const QComboBox* combo);
