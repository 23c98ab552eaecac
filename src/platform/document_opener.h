#pragma once

#include <QString>

// Opens a web address or a document with the program the system associates with it.
class DocumentOpener {
public:
    // Result codes as the original desktop shell gives them: above 32 means success; 31 means
    // that no program is associated with the address. Other codes name other failures.
    static constexpr int kOpened = 42;
    static constexpr int kNoAssociation = 31;

    virtual ~DocumentOpener() = default;
    virtual int open(const QString& address) = 0;
};

// The desktop's own handler (QDesktopServices).
class SystemDocumentOpener : public DocumentOpener {
public:
    int open(const QString& address) override;
};
