#pragma once

#include <QApplication>
#include <functional>

// The program's application object. Every exception that reaches the event loop is handed to the
// error handler (which logs and shows it); the program goes on.
class LedraApplication : public QApplication {
public:
    using ErrorHandler = std::function<void(const QString& message)>;

    LedraApplication(int& argc, char** argv);
    void setErrorHandler(ErrorHandler handler) { handler_ = std::move(handler); }

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs `deliver`; an exception it throws goes to `handler` with its message and the result is
    // false.
    static bool guarded(const std::function<bool()>& deliver, const ErrorHandler& handler);

private:
    ErrorHandler handler_;
};
