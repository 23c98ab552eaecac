#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

// "Select Name Type": the type of a name about to be added, chosen from the eleven name types.
class TSelectNameTypeForm : public QDialog {
    Q_OBJECT
public:
    explicit TSelectNameTypeForm(QWidget* parent = nullptr);

    // Shows the window modally; the NAMETYPEID chosen with "Ok", or -1 for "Cancel".
    static int choose(QWidget* parent = nullptr);

    // The NAMETYPEID selected in the drop-down (1 to 11).
    int selectedType() const;
    void setSelectedType(int nameTypeId);

    QComboBox* cbxNameType() const { return cbxNameType_; }
    QPushButton* btnOk() const { return btnOk_; }
    QPushButton* btnCancel() const { return btnCancel_; }

private:
    QComboBox* cbxNameType_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
