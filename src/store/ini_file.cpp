#include "store/ini_file.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

IniFile::IniFile(const QString& path) : path_(path) { reload(); }

void IniFile::reload() {
    sections_.clear();
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    const QString content = QString::fromUtf8(f.readAll());
    Section* current = nullptr;
    for (QString line : content.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) continue;
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            const QString name = t.mid(1, t.size() - 2).trimmed();
            current = find(name);
            if (!current) {
                sections_.append({name, {}});
                current = &sections_.last();
            }
            continue;
        }
        if (!current) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        bool replaced = false;
        for (auto& e : current->entries) {
            if (e.first.compare(key, Qt::CaseInsensitive) == 0) {
                e.second = value;
                replaced = true;
                break;
            }
        }
        if (!replaced) current->entries.append({key, value});
    }
}

IniFile::Section* IniFile::find(const QString& section) {
    for (auto& s : sections_)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

const IniFile::Section* IniFile::find(const QString& section) const {
    for (const auto& s : sections_)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

bool IniFile::sectionExists(const QString& section) const { return find(section) != nullptr; }

bool IniFile::valueExists(const QString& section, const QString& key) const {
    const Section* s = find(section);
    if (!s) return false;
    for (const auto& e : s->entries)
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const Section* s = find(section);
    if (!s) return def;
    for (const auto& e : s->entries)
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) return e.second;
    return def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
    const QString v = readString(section, key, QString()).trimmed();
    if (v.isEmpty()) return def;
    bool ok = false;
    int n = v.toInt(&ok);
    if (ok) return n;
    // Hexadecimal as "$1F" or "0x1F" is read as well.
    if (v.startsWith(QLatin1Char('$'))) n = v.mid(1).toInt(&ok, 16);
    else if (v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) n = v.mid(2).toInt(&ok, 16);
    return ok ? n : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

QStringList IniFile::readSection(const QString& section) const {
    QStringList out;
    if (const Section* s = find(section))
        for (const auto& e : s->entries) out << e.first;
    return out;
}

QList<QPair<QString, QString>> IniFile::readSectionValues(const QString& section) const {
    const Section* s = find(section);
    return s ? s->entries : QList<QPair<QString, QString>>();
}

QStringList IniFile::sections() const {
    QStringList out;
    for (const auto& s : sections_) out << s.name;
    return out;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section* s = find(section);
    if (!s) {
        sections_.append({section, {}});
        s = &sections_.last();
    }
    bool found = false;
    for (auto& e : s->entries) {
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) {
            e.second = value;
            found = true;
            break;
        }
    }
    if (!found) s->entries.append({key, value});
    save();
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::deleteKey(const QString& section, const QString& key) {
    Section* s = find(section);
    if (!s) return;
    for (qsizetype i = 0; i < s->entries.size(); ++i) {
        if (s->entries[i].first.compare(key, Qt::CaseInsensitive) == 0) {
            s->entries.removeAt(i);
            save();
            return;
        }
    }
}

void IniFile::eraseSection(const QString& section) {
    for (qsizetype i = 0; i < sections_.size(); ++i) {
        if (sections_[i].name.compare(section, Qt::CaseInsensitive) == 0) {
            sections_.removeAt(i);
            save();
            return;
        }
    }
}

void IniFile::endUpdate() {
    if (batch_ > 0) --batch_;
    if (batch_ == 0 && dirty_) save();
}

void IniFile::save() {
    if (batch_ > 0) {
        dirty_ = true;
        return;
    }
    dirty_ = false;
    QString out;
    for (const auto& s : sections_) {
        out += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const auto& e : s.entries) out += e.first + QLatin1Char('=') + e.second + QStringLiteral("\r\n");
        out += QStringLiteral("\r\n");
    }
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(out.toUtf8());
    f.commit();
}
