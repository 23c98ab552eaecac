#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A Windows-style INI file: "[Section]" headings and "key=value" lines. Section and key names
// are compared without regard to case; values are kept exactly as written. Every change is
// written to the file at once; a file that cannot be written is not reported.
class IniFile {
public:
    explicit IniFile(const QString& path);

    const QString& path() const { return path_; }
    // Reads the file again (changes made by someone else).
    void reload();

    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Unreadable values give the default.
    int readInteger(const QString& section, const QString& key, int def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;
    // Key names of a section, in file order.
    QStringList readSection(const QString& section) const;
    // "key=value" lines of a section, in file order.
    QList<QPair<QString, QString>> readSectionValues(const QString& section) const;
    QStringList sections() const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void deleteKey(const QString& section, const QString& key);
    void eraseSection(const QString& section);

    // Several changes written once at the end.
    void beginUpdate() { ++batch_; }
    void endUpdate();

private:
    struct Section {
        QString name;
        QList<QPair<QString, QString>> entries;
    };
    Section* find(const QString& section);
    const Section* find(const QString& section) const;
    void save();

    QString path_;
    QList<Section> sections_;
    int batch_ = 0;
    bool dirty_ = false;
};
