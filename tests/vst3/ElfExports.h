// The names a shared object offers to the dynamic linker, read from its
// dynamic symbol table as the loader sees it.
#pragma once

#include <set>
#include <string>

namespace ModuleTest {

// Defined global and weak symbols of a 64-bit ELF file's .dynsym; throws
// std::runtime_error when the file cannot be read as one.
std::set<std::string> definedDynamicSymbols(const std::string& path);

} // namespace ModuleTest
