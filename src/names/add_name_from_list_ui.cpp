#include "names/add_name_from_list.h"
#include "names/name_entry_form.h"
#include "names/select_name_type_form.h"
#include "platform/prompter.h"
#include "store/helpers.h"
#include "store/tdm.h"

int AddNameFromList(Tdm& dm, const QString& typedText, int nameType, QWidget* parent) {
    // Without typed text there is nothing missing from a list to ask about ("&Add" of the names
    // list): the person goes straight to the type and the entry window.
    if (!typedText.isEmpty() &&
        !dm.prompter().confirm(typedText + QStringLiteral(" not in ") + NameTypeName(nameType) +
                                   QStringLiteral(" list. Add to list?"),
                               Prompter::Buttons::OkCancel, Prompter::Kind::Information))
        return -1;
    if (nameType == -1) {
        nameType = TSelectNameTypeForm::choose(parent);
        if (nameType == -1) return -1;
    }
    return TNameEntryForm::edit(dm, nameType, -1, typedText, parent);
}
