// The library's name and version. Plain macros: hosts, the gallery and resource scripts can use
// them without the framework.
#pragma once

#define MARLOW17_NAME "Marlow17"
#define MARLOW17_VERSION_MAJOR 1
#define MARLOW17_VERSION_MINOR 0
#define MARLOW17_VERSION_PATCH 0

#define MARLOW17_STRINGIZE_(x) #x
#define MARLOW17_STRINGIZE(x) MARLOW17_STRINGIZE_(x)
// "1.0.0"
#define MARLOW17_VERSION_STRING \
    MARLOW17_STRINGIZE(MARLOW17_VERSION_MAJOR) "." MARLOW17_STRINGIZE(MARLOW17_VERSION_MINOR) "." \
    MARLOW17_STRINGIZE(MARLOW17_VERSION_PATCH)
