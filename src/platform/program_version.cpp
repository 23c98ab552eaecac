#include "platform/program_version.h"

#include "platform/version.h"

ProgramVersion CurrentProgramVersion() {
    return ProgramVersion{LEDRA_VERSION_MAJOR + 0, LEDRA_VERSION_MINOR + 0,
                          LEDRA_VERSION_RELEASE + 0, LEDRA_VERSION_BUILD + 0, true};
}
