#pragma once

// The program's four-part version (major, minor, release, build), as a file version resource
// would give it. A part missing from the build's version counts as 0.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
    bool present = false;  // false: the program carries no version at all
};

ProgramVersion CurrentProgramVersion();
