#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "shell/menu_catalogue.h"

class CommitteeTable;
class DocumentOpener;
class PrinterList;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class TNoticeForm;
class TSplashForm;
class Tdm;

// The main window: a multiple-document frame holding the lists and registers, with the menu bar,
// the status bar, the start-up steps (in the constructor) and the closing steps.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kNamesListForm = QStringLiteral("TNamesListForm");
    static inline const QString kAccountsListForm = QStringLiteral("TAccountsListForm");
    static inline const QString kRegisterForm = QStringLiteral("TRegisterForm");

    // Runs the start-up steps on an opened data module. When `startupFailed()` is true afterwards
    // the reason has been shown and the program is to end.
    TMainForm(Tdm& dm, const PrinterList& printers, DocumentOpener& opener, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The one main window of the run, or null.
    static TMainForm* instance();

    Tdm& dm() { return dm_; }
    // The committee record set of the data module, standing on the open committee.
    CommitteeTable& committees();
    QMdiArea* mdiArea() const { return mdiArea_; }
    const PrinterList& printers() const { return printers_; }
    bool started() const { return started_; }
    bool startupFailed() const { return startupFailed_; }

    // --- Open committee -------------------------------------------------------------------
    // Positions the committee table on the committee, applies the menu rule and the caption.
    // False, with nothing changed, for an empty or unknown filer ID.
    bool openCommitteeByFilerId(const QString& filerId);
    // Saves and closes the child windows, disables the committee menus, clears the filer ID.
    void enterNoCommitteeState();
    bool committeeOpen() const;
    void resetCaption();
    void applyMenuRule(MenuRule rule);

    // --- Status bar -------------------------------------------------------------------------
    // Shows the current period of the preferences in the first panel.
    void showCurrentPeriod();
    QString periodPanelText() const;
    QLabel* periodPanel() const { return periodPanel_; }

    // --- Commands ---------------------------------------------------------------------------
    // The menu entry (for a submenu: the entry that opens it), or null for an unknown id.
    QAction* menuAction(const QString& id) const;
    QMenu* menu(const QString& id) const;
    // Attaches the work of an entry; replaces what was attached before. Entries without work
    // do nothing.
    void setCommandHandler(const QString& id, std::function<void()> handler);
    void runCommand(const QString& id);

    // --- Child windows ----------------------------------------------------------------------
    using ChildWindowOpener = std::function<void(int number)>;
    // How a window saved in section "Restore" is opened again: a saved key containing
    // `className` calls `opener` with the saved number (`defaultNumber` when the value is not a
    // number).
    void registerChildWindow(const QString& className, ChildWindowOpener opener, int defaultNumber = 0);
    // Puts a form into the frame as a child window, with its saved placement; `number` is the
    // item of windows that exist once per item (a register's account). The class name defaults
    // to the form's own.
    QMdiSubWindow* addChildWindow(QWidget* form, int number = -1, const QString& className = QString());
    QMdiSubWindow* findChildWindow(const QString& className, int number = -1) const;
    QList<QMdiSubWindow*> childWindows() const;
    // Section "Restore" from the open child windows, in the frame's order.
    void saveChildWindows();
    void reopenChildWindows();
    // Closes every child window and lets pending events run.
    void closeAllChildWindows();
    void arrangeIcons();

    // --- Seams filled by other parts of the program ------------------------------------------
    // Deferred start-up: the repair of a filer ID stored without its dash, then the update check.
    void setFilerIdRepair(std::function<void()> step) { filerIdRepair_ = std::move(step); }
    void setStartupUpdateCheck(std::function<void()> step) { startupUpdateCheck_ = std::move(step); }
    // The limit check in closing mode; called only when the open committee's data changed during
    // the run and the program is not closing for an update.
    void setCloseLimitCheck(std::function<void()> check) { closeLimitCheck_ = std::move(check); }
    // Makes a backup; true when one was written.
    void setBackupRunner(std::function<bool()> backup) { backupRunner_ = std::move(backup); }
    // Runs the backup (nothing when no backup is attached); true when one was written.
    bool runBackup();

    // --- Splash, notice, reminder --------------------------------------------------------------
    // Where "Notice.rtf" and "ledrasplash_full.bmp" are looked for (the program's folder).
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    TSplashForm* splash() const;
    TNoticeForm* notice() const;
    bool splashTimerActive() const;
    // The splash timer's work: splash away, notice, filing reminder.
    void splashTimerTimer();
    void showAbout();

    // Cursors registered by number (1: the zoom cursor of previews).
    static QCursor screenCursor(int number);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void attachStandardCommands();
    void updateWindowMenu();
    void deferredStartup();
    void formCloseQuery();
    void formClose();
    void showFilingReminder();
    void openWebSite();
    void openHandbook();
    void convertExploratory();
    void guarded(const std::function<void()>& step);

    Tdm& dm_;
    const PrinterList& printers_;
    DocumentOpener& opener_;
    QMdiArea* mdiArea_ = nullptr;
    QLabel* periodPanel_ = nullptr;
    QLabel* secondPanel_ = nullptr;
    QTimer* splashTimer_ = nullptr;
    QPointer<TSplashForm> splash_;
    QPointer<TNoticeForm> notice_;
    QString programFolder_;

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, std::function<void()>> handlers_;
    QList<QAction*> windowListActions_;

    struct ChildWindowKind {
        QString className;
        ChildWindowOpener opener;
        int defaultNumber = 0;
    };
    QList<ChildWindowKind> childKinds_;

    std::function<void()> filerIdRepair_;
    std::function<void()> startupUpdateCheck_;
    std::function<void()> closeLimitCheck_;
    std::function<bool()> backupRunner_;

    bool started_ = false;
    bool startupFailed_ = false;
    bool firstShowDone_ = false;
    bool closed_ = false;
};
