#include "limits/checkup_results_form.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>
#include <memory>

#include "limits/limits.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/tdm.h"

TCheckupResultsForm::TCheckupResultsForm(Tdm& dm, bool automatic, QWidget* parent)
    : QDialog(parent), dm_(dm), automatic_(automatic) {
    setObjectName(QStringLiteral("CheckupResultsForm"));
    setWindowTitle(QStringLiteral("Checkup Results"));
    setModal(true);

    auto* grpMessages = new QGroupBox(QStringLiteral("Messages"), this);
    memLog_ = new QTextEdit(grpMessages);
    memLog_->setObjectName(QStringLiteral("memLog"));
    memLog_->setReadOnly(true);
    memLog_->setLineWrapMode(QTextEdit::WidgetWidth);
    auto* messagesLayout = new QVBoxLayout(grpMessages);
    messagesLayout->addWidget(memLog_);

    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setFrameShape(QFrame::StyledPanel);
    lblStatus_->setFrameShadow(QFrame::Sunken);
    lblStatus_->setMinimumHeight(lblStatus_->fontMetrics().height() + 6);

    btnClose_ = new QPushButton(QStringLiteral("Close"), this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setDefault(true);
    btnClose_->setEnabled(false);
    btnPrintLog_ = new QPushButton(QStringLiteral("Print Log"), this);
    btnPrintLog_->setObjectName(QStringLiteral("btnPrintLog"));
    btnPrintLog_->setAutoDefault(false);
    connect(btnClose_, &QPushButton::clicked, this, &TCheckupResultsForm::btnCloseClick);
    connect(btnPrintLog_, &QPushButton::clicked, this, &TCheckupResultsForm::btnPrintLogClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnPrintLog_);
    buttons->addWidget(btnClose_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpMessages, 1);
    layout->addLayout(buttons);
    layout->addWidget(lblStatus_);
    resize(620, 420);

    tmrStart_ = new QTimer(this);
    tmrStart_->setSingleShot(true);
    tmrStart_->setInterval(kStartDelayMs);
    connect(tmrStart_, &QTimer::timeout, this, &TCheckupResultsForm::tmrStartTimer);
}

void TCheckupResultsForm::run(Tdm& dm, bool automatic, QWidget* parent) {
    TCheckupResultsForm form(dm, automatic, parent);
    form.exec();
}

QString TCheckupResultsForm::statusText() const { return lblStatus_->text(); }

void TCheckupResultsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!started_) tmrStart_->start();
}

void TCheckupResultsForm::closeEvent(QCloseEvent* event) {
    if (!mayClose_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TCheckupResultsForm::reject() {
    if (mayClose_) QDialog::reject();
}

void TCheckupResultsForm::addLogLine(const QColor& colour, const QString& text) {
    QTextCursor cursor(memLog_->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(colour);
    if (lineCount_ > 0) cursor.insertBlock(QTextBlockFormat(), format);
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
    ++lineCount_;
    memLog_->verticalScrollBar()->setValue(memLog_->verticalScrollBar()->maximum());
}

void TCheckupResultsForm::setStatus(const QString& text) { lblStatus_->setText(text); }

void TCheckupResultsForm::tmrStartTimer() {
    tmrStart_->stop();
    if (started_) return;
    started_ = true;
    mayClose_ = false;
    btnClose_->setEnabled(false);

    addLogLine(Qt::black, QStringLiteral("Checking for limit violations"));
    // Repaint after every line so that a long scan shows its progress; user input waits until
    // the check has ended.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    try {
        const bool checks = !dm_.opt().DisableLimitViolationsCheck || !automatic_;
        if (checks && ReadLimitCommittee(dm_).committeeTypeId == 1) {
            const bool found = CheckLimitViolations(dm_, [this](int kind, const QColor& colour, const QString& text) {
                if (kind == kLimitStatusLine) setStatus(text);
                else addLogLine(colour, text);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
            if (found) automatic_ = false;
        }
    } catch (const DbError& e) {
        setStatus(QString());
        dm_.reportAppException(e.message());
    } catch (const std::exception& e) {
        setStatus(QString());
        dm_.reportAppException(QString::fromLocal8Bit(e.what()));
    }
    finishCheck();
}

void TCheckupResultsForm::finishCheck() {
    mayClose_ = true;
    if (automatic_) {
        accept();
        return;
    }
    btnClose_->setEnabled(true);
    btnClose_->setFocus();
}

void TCheckupResultsForm::btnCloseClick() {
    if (mayClose_) accept();
}

void TCheckupResultsForm::btnPrintLogClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!dm_.opt().Printer.isEmpty()) printer.setPrinterName(dm_.opt().Printer);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (printLog(printer) == 0) dm_.prompter().error(QStringLiteral("The log could not be printed."));
}

int TCheckupResultsForm::printLog(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return 0;

    const double dpi = device.logicalDpiY();
    const double width = device.width();
    const double height = device.height();
    const double bandHeight = dpi * 0.6;
    const double footHeight = dpi * 0.4;
    const double gap = dpi * 0.15;

    QFont titleFont(QStringLiteral("Helvetica"), 14, QFont::Bold);
    QFont smallFont(QStringLiteral("Helvetica"), 9);
    QFont textFont(QStringLiteral("Helvetica"), 10);

    std::unique_ptr<QTextDocument> doc(memLog_->document()->clone());
    doc->documentLayout()->setPaintDevice(&device);
    doc->setDefaultFont(textFont);
    doc->setDocumentMargin(0);
    const QRectF body(0, bandHeight + gap, width, height - bandHeight - footHeight - 2 * gap);
    doc->setTextWidth(body.width());
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    layout->documentSize();  // lays the text out

    // Whole lines go on each page, so that a line at a page break is neither cut nor printed
    // twice.
    struct PrintLine {
        QTextLine line;
        QPointF blockPosition;
    };
    struct Page {
        double top = 0;
        QList<PrintLine> lines;
    };
    QList<Page> pageList{Page{}};
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QPointF position = layout->blockBoundingRect(block).topLeft();
        const QTextLayout* blockLayout = block.layout();
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            const double top = position.y() + line.y();
            Page* page = &pageList.last();
            if (page->lines.isEmpty()) page->top = top;
            else if (top + line.height() - page->top > body.height()) {
                pageList.append(Page{top, {}});
                page = &pageList.last();
            }
            page->lines.append({line, position});
        }
    }
    const int pages = static_cast<int>(pageList.size());

    const QString printed = Clock::today().toString(QStringLiteral("MM/dd/yyyy"));
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();

        // Title band.
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        const QRectF band(0, 0, width, bandHeight);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
        painter.setFont(smallFont);
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, printed);
        painter.setPen(QPen(Qt::black, dpi / 72.0));
        painter.drawLine(QPointF(0, bandHeight), QPointF(width, bandHeight));

        // The lines of this page.
        painter.save();
        painter.translate(body.left(), body.top() - pageList.at(page).top);
        painter.setPen(Qt::black);
        for (const PrintLine& l : pageList.at(page).lines) l.line.draw(&painter, l.blockPosition);
        painter.restore();

        // Foot.
        painter.setPen(Qt::black);
        painter.setFont(smallFont);
        painter.drawText(QRectF(0, height - footHeight, width, footHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page: ") + QString::number(page + 1));
    }
    painter.end();
    return pages;
}
