#pragma once

#include <QString>
#include <mutex>
#include <thread>

// The program's daily log: one file a day, "ledra" + yyyymmdd + ".LOG", in the log folder.
// Entries are appended under a lock, so any thread may log; a failed write is ignored.
class Log {
public:
    Log() = default;
    ~Log();
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    // Points the log at a folder (created when missing) and starts removing, in the background,
    // the log files older than 30 days.
    void setFolder(const QString& folder);
    const QString& folder() const { return folder_; }

    void write(const QString& text);
    // The file today's entries go to.
    QString currentFileName() const;

    // Removes the log files older than 30 days now (the background task calls this).
    static void purge(const QString& folder);
    // Waits for the background purge (tests, shutdown).
    void waitForPurge();

private:
    QString folder_;
    std::mutex mutex_;
    std::thread purgeThread_;
};
