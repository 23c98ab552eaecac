#pragma once

#include "platform/printer_list.h"

// The printers the operating system knows (through Qt's print support).
class SystemPrinterList : public PrinterList {
public:
    QStringList installedPrinters() const override;
    QString defaultPrinter() const override;
};
