#include <exception>
#include <memory>

#include "ledger/posting.h"
#include "ledger/mtype_transaction_form.h"
#include "limits/campaign_limits_form.h"
#include "limits/checkup_results_form.h"
#include "names/names_list_form.h"
#include "platform/document_opener.h"
#include "platform/message_box_prompter.h"
#include "platform/sounds.h"
#include "platform/system_printer_list.h"
#include "shell/committee_commands_ui.h"
#include "shell/db_error_browser_form.h"
#include "shell/frame_logic.h"
#include "shell/ledra_application.h"
#include "shell/main_form.h"
#include "store/db_error.h"
#include "store/tdm.h"

namespace {
// The work of the menu entries and the child windows of the other parts of the program is
// attached here, once the main window exists.
void wireFrame(TMainForm& form, Tdm& dm) {
    // A refused post shows the engine's entries, then the poster's own message; the program goes
    // on so that the person can correct the row instead of losing it.
    SetEngineErrorHandler([&form](const DbError& e) {
        QList<DbErrorEntry> entries;
        for (const QString& line : e.message().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            entries.append({line.trimmed(), QStringLiteral("Engine"), e.nativeCode(), QString(), e.nativeCode()});
        TDbErrorBrowserForm browser(entries, &form);
        browser.exec();
    });
    form.setCommandHandler(QStringLiteral("file.actions.limitCheck"),
                           [&form, &dm] { TCheckupResultsForm::run(dm, false, &form); });
    form.setCommandHandler(QStringLiteral("lists.campaignLimits"), [&form, &dm] { TCampaignLimitsForm::run(dm, &form); });
    form.setCloseLimitCheck([&form, &dm] { TCheckupResultsForm::run(dm, true, &form); });
    RegisterCommitteeCommands(form, dm);
    RegisterNamesWindows(form, dm);
    RegisterTransactionEntry(form, dm);
}
}  // namespace

int main(int argc, char** argv) {
    LedraApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    Sounds::setSystemBeep(&QApplication::beep);
    MessageBoxPrompter prompter;
    auto dm = std::make_unique<Tdm>(prompter);
    app.setErrorHandler([&dm](const QString& message) {
        if (dm) dm->reportAppException(message);
    });
    if (!dm->open()) return 1;

    SystemPrinterList printers;
    SystemDocumentOpener opener;
    int result = 0;
    {
        std::unique_ptr<TMainForm> form;
        try {
            form = std::make_unique<TMainForm>(*dm, printers, opener);
        } catch (const DbError& e) {
            dm->reportAppException(e.message());
            return 1;
        } catch (const std::exception& e) {
            dm->reportAppException(QString::fromUtf8(e.what()));
            return 1;
        }
        if (form->startupFailed()) return 1;
        wireFrame(*form, *dm);
        form->show();
        result = app.exec();
    }
    // The data module goes last: the main window's closing steps still use it.
    dm.reset();
    return result;
}
