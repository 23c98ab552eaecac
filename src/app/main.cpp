#include <QApplication>

#include "platform/message_box_prompter.h"
#include "store/tdm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Campaign Finance"));
    MessageBoxPrompter prompter;
    Tdm dm(prompter);
    if (!dm.open()) return 1;
    dm.readPreferences();
    return 0;
}
