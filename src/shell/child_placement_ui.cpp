#include "shell/child_placement.h"

#include <QEvent>
#include <QMdiSubWindow>

#include "shell/opt_data.h"
#include "store/ini_file.h"

namespace {
const char* const kClassProperty = "ledraClassName";
const char* const kNumberProperty = "ledraNumber";

// Saves the window's placement when it closes.
class PlacementSaver : public QObject {
public:
    PlacementSaver(QMdiSubWindow* window, IniFile& ini) : QObject(window), window_(window), ini_(ini) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Close) {
            // A maximised or minimised child keeps the placement it had when it was last normal.
            if (!(window_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
                WindowPlacement::save(ini_, ChildWindowPlacement::className(window_),
                                      ChildWindowPlacement::number(window_), window_->geometry());
        }
        return false;
    }

private:
    QMdiSubWindow* window_;
    IniFile& ini_;
};
}  // namespace

void ChildWindowPlacement::attach(QMdiSubWindow* window, IniFile& ini, const QString& name, int number) {
    window->setProperty(kClassProperty, name);
    window->setProperty(kNumberProperty, number);
    // Without a saved placement the frame places the window itself.
    if (ini.sectionExists(WindowPlacement::sectionName(name, number)))
        window->setGeometry(WindowPlacement::restore(ini, name, number, window->geometry()));
    window->installEventFilter(new PlacementSaver(window, ini));
}

QString ChildWindowPlacement::className(const QMdiSubWindow* window) {
    return window->property(kClassProperty).toString();
}

int ChildWindowPlacement::number(const QMdiSubWindow* window) {
    const QVariant v = window->property(kNumberProperty);
    return v.isValid() ? v.toInt() : -1;
}
