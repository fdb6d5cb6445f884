#include "ElfExports.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace ModuleTest {

namespace {

template <typename T>
T readAt(const std::vector<char>& file, size_t offset)
{
	if (offset + sizeof(T) > file.size())
		throw std::runtime_error("truncated ELF file");
	T value;
	std::memcpy(&value, file.data() + offset, sizeof(T));
	return value;
}

} // namespace

std::set<std::string> definedDynamicSymbols(const std::string& path)
{
	std::ifstream stream(path, std::ios::binary);
	const std::vector<char> file((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
	const auto header = readAt<Elf64_Ehdr>(file, 0);
	if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64)
		throw std::runtime_error(path + " is not a 64-bit ELF file");

	std::set<std::string> names;
	for (size_t s = 0; s < header.e_shnum; ++s)
	{
		const auto section = readAt<Elf64_Shdr>(file, header.e_shoff + s * header.e_shentsize);
		if (section.sh_type != SHT_DYNSYM)
			continue;
		const auto strings = readAt<Elf64_Shdr>(file, header.e_shoff + section.sh_link * header.e_shentsize);
		for (size_t offset = 0; offset + sizeof(Elf64_Sym) <= section.sh_size; offset += sizeof(Elf64_Sym))
		{
			const auto symbol = readAt<Elf64_Sym>(file, section.sh_offset + offset);
			const unsigned binding = ELF64_ST_BIND(symbol.st_info);
			if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK && binding != STB_GNU_UNIQUE))
				continue;
			if (strings.sh_offset + symbol.st_name >= file.size())
				throw std::runtime_error("symbol name outside " + path);
			names.insert(file.data() + strings.sh_offset + symbol.st_name);
		}
	}
	return names;
}

} // namespace ModuleTest
