#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The splash window: shown without a frame while the program starts, and modally with "OK"
// as the "About" box.
class TSplashForm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Loading, About };
    // The background picture "ledrasplash_full.bmp" is taken from `programFolder` when it exists.
    TSplashForm(Mode mode, const QString& programFolder, QWidget* parent = nullptr);

    QString versionLine() const;
    bool loadingShown() const;
    QPushButton* okButton() const { return btnOK_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblLoading_ = nullptr;
    QPushButton* btnOK_ = nullptr;
};
