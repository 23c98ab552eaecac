#pragma once

#include <QString>

class QWidget;
class Tdm;

// Adds a name that was typed into a name look-up but is not in the list: asks whether to add
// it (not when no text was typed), asks for the type when `nameType` is -1 (no particular type),
// then opens the name entry window for a new name of that type with the typed text in the name
// field. The NAMEID of the name stored, or -1 when the person declined or stored nothing. A failure
// to read the names is shown by the name entry window and thrown on as DbError.
int AddNameFromList(Tdm& dm, const QString& typedText, int nameType, QWidget* parent = nullptr);
