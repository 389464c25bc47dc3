#pragma once
// The client's only way to the registry: each function opens a key below a hive, does one
// thing and closes it again; failures are silent, a failed read is an empty value.
// (Portable names for hives and types: not for files that include <windows.h>.)
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "util/Variant.h"

namespace tavimo {

using Hive = RegKey;
constexpr Hive HKEY_CLASSES_ROOT = reg::ClassesRoot;
constexpr Hive HKEY_CURRENT_USER = reg::CurrentUser;
constexpr Hive HKEY_LOCAL_MACHINE = reg::LocalMachine;

// The two value types the client writes and reads.
constexpr std::uint32_t REG_SZ = reg::Sz;
constexpr std::uint32_t REG_DWORD = reg::Dword;

// Writes a value into an existing key: REG_SZ as the value's text without terminator,
// REG_DWORD as its 32-bit number. A missing key, another type, or a value that is no number
// for REG_DWORD writes nothing.
void writeValue(Hive hive, const std::string& keyPath, const std::string& valueName,
                const Variant& value, std::uint32_t type);
// A REG_SZ value as its text plus the terminator the registry keeps (so "abc" reads as four
// characters), a REG_DWORD as its number; empty for anything missing or of another type.
Variant readValue(Hive hive, const std::string& keyPath, const std::string& valueName);
// What nearly every caller does with a string read: the text without its last character.
// An empty read gives "", a number its decimal text.
std::string readText(Hive hive, const std::string& keyPath, const std::string& valueName);
void deleteValue(Hive hive, const std::string& keyPath, const std::string& valueName);
// Deletes a key that has no subkeys; a key with subkeys stays.
void deleteKey(Hive hive, const std::string& keyPath);
// Deletes a key with all its subkeys and values, on every Windows family alike.
void deleteTree(Hive hive, const std::string& keyPath);
// Creates the key and the keys on the way to it.
void createKey(Hive hive, const std::string& keyPath);

// The names of the key's values that hold data (a value with empty data is left out), in the
// registry's order. Each call replaces its list; an unopened key leaves it empty.
const std::vector<std::string>& listValues(Hive hive, const std::string& keyPath);  // list A
const std::vector<std::string>& listBlockValues(Hive hive, const std::string& keyPath);  // list B
const std::vector<std::string>& valueList();  // list A as the last listValues left it
const std::vector<std::string>& blockValueList();  // list B as the last listBlockValues left it
// The names of the key's subkeys, in name order; empty when the key cannot be opened.
std::vector<std::string> listKeys(Hive hive, const std::string& keyPath);
// The names of all the key's values, whatever their type and data (an empty value included),
// in the registry's order; empty when the key cannot be opened.
std::vector<std::string> listValueNames(Hive hive, const std::string& keyPath);

// Writes one value into an open key; the status of the write, 0 for a type that is not
// written, 87 for a REG_DWORD value that is no number.
Status putValue(RegKey key, const std::string& valueName, std::uint32_t type, const Variant& value);
// Reads one value of an open key into value; the status of the read, or -1 for a type other
// than REG_SZ and REG_DWORD. On failure value stays as it was.
Status getValue(RegKey key, const std::string& valueName, Variant& value);

}  // namespace tavimo
