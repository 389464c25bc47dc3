#pragma once
// What regsvr32 writes for the library's two classes, and its exact removal, so that an
// installer can register and unregister the library without leaving anything behind.
#include <windows.h>

namespace tavimo::flexolo::com {

// Writes the programmatic identifiers, class identifiers and in-process server entries.
// On a failure nothing of it is left behind.
HRESULT registerClasses();
// Removes every value that registerClasses wrote (when it still holds what was written),
// then every key of it that has become empty. Values and keys of others stay, and so does a
// class that another copy of the library has registered since (its server is not this file).
HRESULT unregisterClasses();

}  // namespace tavimo::flexolo::com
