#include "shell/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <exception>

#include "committee/committee_record.h"
#include "platform/app_paths.h"
#include "platform/document_opener.h"
#include "platform/printer_list.h"
#include "platform/prompter.h"
#include "shell/child_placement.h"
#include "shell/frame_logic.h"
#include "shell/notice_form.h"
#include "shell/opt_data.h"
#include "shell/preferences_form.h"
#include "shell/splash_form.h"
#include "store/db_error.h"
#include "store/ini_file.h"
#include "store/tdm.h"

namespace {
TMainForm* g_mainForm = nullptr;
QHash<int, QCursor>& cursors() {
    static QHash<int, QCursor> c;
    return c;
}

constexpr int kSplashMilliseconds = 4000;
const QRect kDefaultGeometry(60, 40, 1000, 700);

// A magnifying glass, the cursor of zoomable previews.
QCursor makeZoomCursor() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(QRectF(3, 3, 16, 16));
    p.drawLine(QPointF(17, 17), QPointF(28, 28));
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QRectF(3, 3, 16, 16));
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(17, 17), QPointF(28, 28));
    p.end();
    return QCursor(pm, 11, 11);
}

QString exceptionMessage(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const DbError& x) {
        return x.message();
    } catch (const std::exception& x) {
        return QString::fromUtf8(x.what());
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}
}  // namespace

TMainForm* TMainForm::instance() { return g_mainForm; }

CommitteeTable& TMainForm::committees() { return dm_.orgs(); }

QCursor TMainForm::screenCursor(int number) { return cursors().value(number, QCursor(Qt::ArrowCursor)); }

TMainForm::TMainForm(Tdm& dm, const PrinterList& printers, DocumentOpener& opener, QWidget* parent)
    : QMainWindow(parent), dm_(dm), printers_(printers), opener_(opener), programFolder_(AppPaths::programFolder()) {
    g_mainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kApplicationTitle);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    periodPanel_ = new QLabel(this);
    periodPanel_->setObjectName(QStringLiteral("PeriodPanel"));
    secondPanel_ = new QLabel(this);
    statusBar()->addWidget(periodPanel_);
    statusBar()->addWidget(secondPanel_, 1);
    splashTimer_ = new QTimer(this);
    splashTimer_->setSingleShot(true);
    splashTimer_->setInterval(kSplashMilliseconds);
    connect(splashTimer_, &QTimer::timeout, this, &TMainForm::splashTimerTimer);
    buildMenus();
    attachStandardCommands();

    // 1. The data module has been created and opened by the caller.
    TOptData& opt = dm_.opt();
    connect(&opt, &TOptData::showStatusBarChanged, this, [this](bool on) { statusBar()->setVisible(on); });
    // 2.
    cursors().insert(1, makeZoomCursor());
    // 3.
    dm_.readPreferences();
    opt.Printer = ResolveStartupPrinter(opt.Printer, printers_.installedPrinters());
    // 4.
    if (opt.ShowSplash) {
        splash_ = new TSplashForm(TSplashForm::Mode::Loading, programFolder_, this);
        splash_->show();
        splash_->repaint();
        splashTimer_->start();
    }
    // 5.
    const MainWindowPlacement placement = ReadMainWindowPlacement(dm_.settings(), kDefaultGeometry);
    setGeometry(placement.geometry);
    if (placement.maximized) setWindowState(windowState() | Qt::WindowMaximized);
    // 6.
    statusBar()->setVisible(opt.showStatusBar());
    // 7.
    showCurrentPeriod();
    // 8.
    committees().reload();
    // 9.
    try {
        const QString last = opt.LastOrg.trimmed();
        if (last.isEmpty() || !openCommitteeByFilerId(last)) enterNoCommitteeState();
    } catch (...) {
        dm_.prompter().error(exceptionMessage(std::current_exception()));
        startupFailed_ = true;
        return;
    }
    // 10.
    dm_.log().write(QStringLiteral("Posting CheckforUpdates message."));
    QMetaObject::invokeMethod(this, &TMainForm::deferredStartup, Qt::QueuedConnection);
    // 11.
    started_ = true;
}

TMainForm::~TMainForm() {
    if (g_mainForm == this) g_mainForm = nullptr;
}

// --- Menus -----------------------------------------------------------------------------------

void TMainForm::buildMenus() {
    for (const MenuEntry& e : MenuCatalogue::entries()) {
        QMenu* parentMenu = e.parentId.isEmpty() ? nullptr : menus_.value(e.parentId);
        QAction* action = nullptr;
        if (MenuCatalogue::hasChildren(e.id)) {
            QMenu* m = parentMenu ? parentMenu->addMenu(e.caption) : menuBar()->addMenu(e.caption);
            m->setObjectName(e.id);
            menus_.insert(e.id, m);
            action = m->menuAction();
        } else {
            action = parentMenu ? parentMenu->addAction(e.caption) : menuBar()->addAction(e.caption);
            const QString id = e.id;
            connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        }
        action->setObjectName(e.id);
        if (!e.shortcut.isEmpty()) action->setShortcut(QKeySequence(e.shortcut, QKeySequence::PortableText));
        if (!e.hint.isEmpty()) {
            action->setStatusTip(e.hint);
            action->setToolTip(e.hint);
        }
        if (e.hidden) action->setVisible(false);
        actions_.insert(e.id, action);
    }
    if (QMenu* window = menus_.value(MenuId::kWindow)) {
        window->addSeparator();
        connect(window, &QMenu::aboutToShow, this, &TMainForm::updateWindowMenu);
    }
}

void TMainForm::updateWindowMenu() {
    QMenu* window = menus_.value(MenuId::kWindow);
    for (QAction* a : std::as_const(windowListActions_)) {
        window->removeAction(a);
        a->deleteLater();
    }
    windowListActions_.clear();
    const QList<QMdiSubWindow*> windows = childWindows();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        QString title = w->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString caption = (i < 9 ? QStringLiteral("&") : QString()) + QString::number(i + 1) +
                                QLatin1Char(' ') + title;
        QAction* a = window->addAction(caption);
        a->setCheckable(true);
        a->setChecked(w == mdiArea_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { mdiArea_->setActiveSubWindow(w); });
        windowListActions_.append(a);
    }
}

QAction* TMainForm::menuAction(const QString& id) const { return actions_.value(id); }

QMenu* TMainForm::menu(const QString& id) const { return menus_.value(id); }

void TMainForm::setCommandHandler(const QString& id, std::function<void()> handler) {
    handlers_.insert(id, std::move(handler));
}

void TMainForm::runCommand(const QString& id) {
    const auto it = handlers_.constFind(id);
    if (it != handlers_.constEnd() && *it) (*it)();
}

void TMainForm::attachStandardCommands() {
    setCommandHandler(MenuId::kExit, [this] { close(); });
    setCommandHandler(MenuId::kPreferences, [this] { TPreferencesForm::execute(dm_.opt(), printers_, this); });
    setCommandHandler(MenuId::kBackup, [this] {
        if (!runBackup()) return;
        dm_.opt().BackupCount = 0;
        dm_.settings().writeInteger(QStringLiteral("General"), QStringLiteral("BackupCount"), 0);
    });
    setCommandHandler(MenuId::kTerminate, [this] { dm_.prompter().information(QStringLiteral("Not yet implemented")); });
    setCommandHandler(MenuId::kConvertExploratory, [this] { convertExploratory(); });
    setCommandHandler(MenuId::kCascade, [this] { mdiArea_->cascadeSubWindows(); });
    setCommandHandler(MenuId::kTile, [this] { mdiArea_->tileSubWindows(); });
    setCommandHandler(MenuId::kArrangeIcons, [this] { arrangeIcons(); });
    setCommandHandler(MenuId::kCloseAll, [this] { closeAllChildWindows(); });
    setCommandHandler(MenuId::kWebSite, [this] { openWebSite(); });
    setCommandHandler(MenuId::kHandbook, [this] { openHandbook(); });
    setCommandHandler(MenuId::kAbout, [this] { showAbout(); });
}

void TMainForm::applyMenuRule(MenuRule rule) {
    for (const MenuEntry& e : MenuCatalogue::entries()) {
        const std::optional<bool> enable = MenuCatalogue::availability(e, rule);
        if (!enable) continue;
        if (QAction* a = actions_.value(e.id)) a->setEnabled(*enable);
    }
}

void TMainForm::openWebSite() {
    const int code = opener_.open(QStringLiteral("http://") + DefaultAddresses::kMakerWebAddress);
    if (code > 32) return;
    const QString message = ShellOpenErrorMessage(code);
    if (!message.isEmpty()) dm_.prompter().error(message);
}

void TMainForm::openHandbook() { opener_.open(DefaultAddresses::kManual); }

void TMainForm::showAbout() {
    TSplashForm about(TSplashForm::Mode::About, programFolder_, this);
    about.exec();
}

void TMainForm::convertExploratory() {
    if (!committeeOpen()) return;
    if (!dm_.prompter().confirm(QStringLiteral("Are you sure?"))) return;
    CommitteeTable& orgs = committees();
    try {
        orgs.setValue(QStringLiteral("COMMITTEETYPEID"), 1);
        orgs.post();
    } catch (const DbError& e) {
        orgs.cancel();
        dm_.prompter().error(QStringLiteral("Error updating org table\r\n") + e.message());
        return;
    }
    applyMenuRule(MenuRule::CommitteeOpened);
    dm_.prompter().information(
        QStringLiteral("Committee has been converted.  Please print and file a new Statement of Organization with "
                       "the Secretary of State's office"));
}

// --- Committee ---------------------------------------------------------------------------------

bool TMainForm::openCommitteeByFilerId(const QString& filerId) {
    if (filerId.isEmpty()) return false;
    if (!committees().locate(filerId)) return false;
    applyMenuRule(MenuRule::CommitteeOpened);
    dm_.opt().LastOrg = filerId.trimmed();
    resetCaption();
    return true;
}

void TMainForm::enterNoCommitteeState() {
    saveChildWindows();
    closeAllChildWindows();
    applyMenuRule(MenuRule::NoCommittee);
    dm_.opt().LastOrg.clear();
    committees().setPosition(-1);
    resetCaption();
}

bool TMainForm::committeeOpen() const { return !dm_.currentFilerId().isEmpty(); }

void TMainForm::resetCaption() {
    const QString filerId = dm_.currentFilerId();
    CommitteeTable& orgs = committees();
    const QString name = !filerId.isEmpty() && orgs.filerId() == filerId ? orgs.currentName() : QString();
    setWindowTitle(MainCaption(name, filerId));
}

// --- Status bar --------------------------------------------------------------------------------

void TMainForm::showCurrentPeriod() { periodPanel_->setText(CurrentPeriodPanelText(dm_)); }

QString TMainForm::periodPanelText() const { return periodPanel_->text(); }

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    periodPanel_->setFixedWidth(width() * 70 / 100);
}

// --- Child windows -----------------------------------------------------------------------------

void TMainForm::registerChildWindow(const QString& className, ChildWindowOpener opener, int defaultNumber) {
    for (ChildWindowKind& k : childKinds_) {
        if (k.className == className) {
            k.opener = std::move(opener);
            k.defaultNumber = defaultNumber;
            return;
        }
    }
    childKinds_.append({className, std::move(opener), defaultNumber});
}

QMdiSubWindow* TMainForm::addChildWindow(QWidget* form, int number, const QString& className) {
    const QString name = className.isEmpty() ? QString::fromLatin1(form->metaObject()->className()) : className;
    QMdiSubWindow* window = mdiArea_->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    ChildWindowPlacement::attach(window, dm_.settings(), name, number);
    window->show();
    return window;
}

QMdiSubWindow* TMainForm::findChildWindow(const QString& className, int number) const {
    for (QMdiSubWindow* w : childWindows())
        if (ChildWindowPlacement::className(w) == className && ChildWindowPlacement::number(w) == number) return w;
    return nullptr;
}

QList<QMdiSubWindow*> TMainForm::childWindows() const {
    return mdiArea_->subWindowList(QMdiArea::CreationOrder);
}

void TMainForm::saveChildWindows() {
    QList<ChildWindowRef> open;
    for (QMdiSubWindow* w : childWindows())
        open.append({ChildWindowPlacement::className(w), ChildWindowPlacement::number(w)});
    SaveChildWindowList(dm_.settings(), open);
}

void TMainForm::reopenChildWindows() {
    QList<KnownChildWindow> known;
    for (const ChildWindowKind& k : std::as_const(childKinds_)) known.append({k.className, k.defaultNumber});
    for (const ChildWindowRef& ref : ReadChildWindowList(dm_.settings(), known)) {
        for (const ChildWindowKind& k : std::as_const(childKinds_)) {
            if (k.className == ref.className && k.opener) {
                k.opener(ref.number);
                break;
            }
        }
    }
}

void TMainForm::closeAllChildWindows() {
    mdiArea_->closeAllSubWindows();
    QCoreApplication::processEvents();
}

void TMainForm::arrangeIcons() {
    // Minimised windows in a row along the bottom of the frame's client area.
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    for (QMdiSubWindow* w : childWindows()) {
        if (!w->isMinimized()) continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        w->move(x, y - size.height());
        x += size.width();
    }
}

// --- Start-up and shutdown ---------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShowDone_) return;
    firstShowDone_ = true;
    if (dm_.opt().RestoreWindows && committeeOpen()) reopenChildWindows();
}

void TMainForm::deferredStartup() {
    if (filerIdRepair_) filerIdRepair_();
    if (startupUpdateCheck_) startupUpdateCheck_();
}

TSplashForm* TMainForm::splash() const { return splash_.data(); }

TNoticeForm* TMainForm::notice() const { return notice_.data(); }

bool TMainForm::splashTimerActive() const { return splashTimer_->isActive(); }

void TMainForm::splashTimerTimer() {
    splashTimer_->stop();
    if (splash_) delete splash_.data();
    const QString noticeFile = programFolder_ + QStringLiteral("Notice.rtf");
    if (dm_.opt().ShowNotice && QFileInfo::exists(noticeFile)) {
        TOptData& opt = dm_.opt();
        IniFile& ini = dm_.settings();
        notice_ = new TNoticeForm(
            TNoticeForm::readNoticeFile(noticeFile),
            [&opt, &ini](bool showAgain) {
                opt.ShowNotice = showAgain;
                ini.writeBool(QStringLiteral("General"), QStringLiteral("ShowNotice"), showAgain);
            },
            this);
        notice_->show();
    }
    QCoreApplication::processEvents();
    showFilingReminder();
}

void TMainForm::showFilingReminder() {
    // A report is due when the open committee's flag is "Y" with a date; the zero date of old
    // data counts as no date.
    CommitteeTable& orgs = committees();
    if (orgs.position() < 0 || orgs.text(QStringLiteral("GENREPORTFLAG")) != QLatin1String("Y")) return;
    const QDate due = orgs.value(QStringLiteral("GENREPORTDATE")).toDate();
    if (!due.isValid() || due == QDate(1899, 12, 30)) return;
    dm_.prompter().information(QStringLiteral("Remember you're required to file on the next available filing date: ") +
                               due.toString(QStringLiteral("MM/dd/yyyy")));
}

bool TMainForm::runBackup() { return backupRunner_ ? backupRunner_() : false; }

void TMainForm::guarded(const std::function<void()>& step) {
    // Closing goes on whatever happens in one of its steps.
    try {
        step();
    } catch (...) {
        dm_.reportAppException(exceptionMessage(std::current_exception()));
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        formCloseQuery();
        if (started_) formClose();
    }
    event->accept();
}

void TMainForm::formCloseQuery() {
    guarded([this] { saveChildWindows(); });
    if (dm_.closingForUpdate() || !closeLimitCheck_ || !committeeOpen()) return;
    guarded([this] {
        if (dm_.changedSinceCutoff()) closeLimitCheck_();
    });
}

void TMainForm::formClose() {
    TOptData& opt = dm_.opt();
    // 1.
    if (CountRunForBackupReminder(opt, dm_.closingForUpdate()) == BackupReminder::Ask) {
        if (dm_.prompter().confirm(QStringLiteral(
                "We recommend that you periodically backup your data.  Would you like to backup your data now?")))
            guarded([this] { runBackup(); });
        opt.BackupCount = 0;
    }
    // 2.
    dm_.writePreferences();
    // 3.
    WindowShowState state = WindowShowState::Normal;
    if (isMinimized()) state = WindowShowState::Minimized;
    else if (isMaximized()) state = WindowShowState::Maximized;
    WriteMainWindowPlacement(dm_.settings(), state, geometry());
    // 4.
    closeAllChildWindows();
}
