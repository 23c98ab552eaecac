#include "names/select_name_type_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/helpers.h"

TSelectNameTypeForm::TSelectNameTypeForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SelectNameTypeForm"));
    setWindowTitle(QStringLiteral("Select Name Type"));
    auto* prompt = new QLabel(QStringLiteral("Select name type and then press OK"), this);
    cbxNameType_ = new QComboBox(this);
    cbxNameType_->setObjectName(QStringLiteral("cbxNameType"));
    for (int type = 1; type <= 11; ++type) cbxNameType_->addItem(NameTypeName(type), type);
    cbxNameType_->setMaxVisibleItems(11);
    setSelectedType(1);

    btnOk_ = new QPushButton(QStringLiteral("Ok"), this);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(cbxNameType_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Room for the title.
    cbxNameType_->setMinimumWidth(240);
    cbxNameType_->setFocus();
}

int TSelectNameTypeForm::choose(QWidget* parent) {
    TSelectNameTypeForm form(parent);
    return form.exec() == QDialog::Accepted ? form.selectedType() : -1;
}

int TSelectNameTypeForm::selectedType() const {
    return cbxNameType_->currentData().toInt();
}

void TSelectNameTypeForm::setSelectedType(int nameTypeId) {
    const int i = cbxNameType_->findData(nameTypeId);
    if (i >= 0) cbxNameType_->setCurrentIndex(i);
}
