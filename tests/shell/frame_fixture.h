#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "platform/document_opener.h"
#include "platform/printer_list.h"
#include "shell/main_form.h"
#include "store/ini_file.h"
#include "support/test_env.h"

// Records the addresses the program asks the desktop to open and answers with a fixed code.
class RecordingOpener : public DocumentOpener {
public:
    int open(const QString& address) override {
        opened << address;
        return result;
    }
    QStringList opened;
    int result = kOpened;
};

// A fresh application folder and database, with the main window made on demand.
class FrameTest : public ::testing::Test {
protected:
    Tdm& dm() {
        if (!opened_) {
            env.openTdm();
            opened_ = true;
        }
        return env.dm();
    }
    IniFile& ini() { return dm().settings(); }
    void setGeneral(const QString& key, const QString& value) { ini().writeString(QStringLiteral("General"), key, value); }
    // No splash, so that no timer and no extra window come into play.
    void quietStart() { setGeneral(QStringLiteral("ShowSplash"), QStringLiteral("0")); }

    std::unique_ptr<TMainForm> makeForm() {
        auto form = std::make_unique<TMainForm>(dm(), printers, opener);
        form->setProgramFolder(programDir.path() + QLatin1Char('/'));
        return form;
    }
    // The settings file as it stands on disk.
    IniFile iniOnDisk() { return IniFile(dm().settingsFilePath()); }

    TestEnv env;
    FixedPrinterList printers{{QStringLiteral("PDF")}};
    RecordingOpener opener;
    QTemporaryDir programDir;

private:
    bool opened_ = false;
};
