#include "shell/ledra_application.h"

#include <exception>

#include "store/db_error.h"

LedraApplication::LedraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool LedraApplication::notify(QObject* receiver, QEvent* event) {
    return guarded([&] { return QApplication::notify(receiver, event); }, handler_);
}

bool LedraApplication::guarded(const std::function<bool()>& deliver, const ErrorHandler& handler) {
    QString message;
    try {
        return deliver();
    } catch (const DbError& e) {
        message = e.message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unknown exception");
    }
    if (handler) handler(message);
    else qWarning("App Exception: %s", qPrintable(message));
    return false;
}
