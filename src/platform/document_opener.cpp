#include "platform/document_opener.h"

#include <QDesktopServices>
#include <QUrl>

int SystemDocumentOpener::open(const QString& address) {
    // The desktop only says whether a handler took the address.
    return QDesktopServices::openUrl(QUrl::fromUserInput(address)) ? kOpened : kNoAssociation;
}
