#pragma once

#include <QString>
#include <QStringList>
#include <utility>

// The installed printers and the system's default printer. Qt's own PDF output counts as an
// installed printer named "PDF" on a system that lists no printer, so that reports can always be
// printed to a file.
class PrinterList {
public:
    static inline const QString kPdfPrinterName = QStringLiteral("PDF");

    virtual ~PrinterList() = default;
    virtual QStringList installedPrinters() const = 0;
    // Empty when the system names no default.
    virtual QString defaultPrinter() const = 0;
};

// A list given in advance (tests, tools).
class FixedPrinterList : public PrinterList {
public:
    explicit FixedPrinterList(QStringList printers = {}, QString defaultPrinter = {})
        : printers_(std::move(printers)), default_(std::move(defaultPrinter)) {}
    QStringList installedPrinters() const override { return printers_; }
    QString defaultPrinter() const override { return default_; }

private:
    QStringList printers_;
    QString default_;
};
