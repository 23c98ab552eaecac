#pragma once

#include <QString>

// The folders the running program works in. Both end with "/".
namespace AppPaths {
// The per-installation data folder: the writable generic data location followed by
// "Quorvane/Ledra7/". Not created here.
QString applicationFolder();
// TEMP (or the system temporary folder) followed by "ledra/". Not created here.
QString temporaryFolder();

// Tests and tools point the folders elsewhere; an empty text returns to the default.
void setApplicationFolderOverride(const QString& folder);
void setTemporaryFolderOverride(const QString& folder);

// Folder of the program file (for files shipped beside it).
QString programFolder();

// Makes sure a folder text ends with exactly one "/".
QString withTrailingSlash(const QString& folder);
}  // namespace AppPaths
