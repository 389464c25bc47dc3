#pragma once
// The library's version, in one place for the about box and the file's version resource
// (plain defines, so that the resource compiler reads it too).
#define FLEXOLO_VERSION_MAJOR 1
#define FLEXOLO_VERSION_MINOR 0
