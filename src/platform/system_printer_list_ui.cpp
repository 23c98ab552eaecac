#include "platform/system_printer_list.h"

#include <QPrinterInfo>

QStringList SystemPrinterList::installedPrinters() const {
    QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty()) names << kPdfPrinterName;
    return names;
}

QString SystemPrinterList::defaultPrinter() const {
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty()) return name;
    return QPrinterInfo::availablePrinterNames().isEmpty() ? kPdfPrinterName : QString();
}
