#pragma once

#include <QString>

// The program version in its three written forms; empty (or 0) when the program carries none.
QString ShortVersion();   // "7.1.0.1"
QString LongVersion();    // "7.1 Rel 0 Bld 1"
int VersionNumber();      // major*1000000 + minor*10000 + release*100 + build
