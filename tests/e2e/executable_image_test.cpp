// What the shipped executable's headers promise Windows, read from the file itself: it
// exports nothing (the benchmark finds the start-up marks in their own section), it runs
// on a terminal server without the system's compatibility shims, and it imports nothing
// that the loader could take from the program's folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "Harness.h"

using namespace harness;

namespace {

struct Image {
    std::string bytes;
    const IMAGE_NT_HEADERS64* nt = nullptr;

    explicit Image(const std::string& path) : bytes(FileText(path)) {
        if (bytes.size() < sizeof(IMAGE_DOS_HEADER))
            return;
        IMAGE_DOS_HEADER dos;
        std::memcpy(&dos, bytes.data(), sizeof dos);
        if (dos.e_magic == IMAGE_DOS_SIGNATURE && dos.e_lfanew > 0 &&
            static_cast<size_t>(dos.e_lfanew) + sizeof(IMAGE_NT_HEADERS64) <= bytes.size())
            nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos.e_lfanew);
    }

    std::vector<std::string> SectionNames() const {
        std::vector<std::string> names;
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
            const auto* name = reinterpret_cast<const char*>(section->Name);
            names.emplace_back(name, strnlen(name, IMAGE_SIZEOF_SHORT_NAME));
        }
        return names;
    }

    // Where a relative address lies in the file; 0 outside every section.
    size_t Offset(DWORD rva) const {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
            const DWORD size = std::max(section->Misc.VirtualSize, section->SizeOfRawData);
            if (rva >= section->VirtualAddress && rva - section->VirtualAddress < size)
                return section->PointerToRawData + (rva - section->VirtualAddress);
        }
        return 0;
    }

    // The libraries of the import directory, in lower case.
    std::vector<std::string> ImportedLibraries() const {
        std::vector<std::string> names;
        const DWORD table = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (size_t at = Offset(table); at != 0 && at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes.size();
             at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            IMAGE_IMPORT_DESCRIPTOR entry;
            std::memcpy(&entry, bytes.data() + at, sizeof entry);
            const size_t name = Offset(entry.Name);
            if (entry.Name == 0 || name == 0)
                break;
            std::string text(bytes.data() + name, strnlen(bytes.data() + name, bytes.size() - name));
            std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
            names.push_back(text);
        }
        return names;
    }
};

// Windows 10's and 11's KnownDLLs: the loader maps these from the system alone.
const std::set<std::string> kKnownLibraries = {
    "advapi32.dll", "clbcatq.dll", "combase.dll", "comdlg32.dll", "coml2.dll",    "gdi32.dll",
    "gdiplus.dll",  "imagehlp.dll", "imm32.dll",  "kernel32.dll", "msctf.dll",    "msvcrt.dll",
    "normaliz.dll", "nsi.dll",      "ole32.dll",  "oleaut32.dll", "psapi.dll",    "rpcrt4.dll",
    "sechost.dll",  "setupapi.dll", "shcore.dll", "shell32.dll",  "shlwapi.dll",  "user32.dll",
    "wldap32.dll",  "ws2_32.dll"};

}  // namespace

TEST(ExecutableImage, ExportsNothingAndIsTerminalServerAware) {
    const Image image(ProgramPath());
    ASSERT_NE(image.nt, nullptr) << ProgramPath();
    ASSERT_EQ(image.nt->Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    ASSERT_EQ(image.nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR64_MAGIC);

    const IMAGE_DATA_DIRECTORY& exports = image.nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    EXPECT_EQ(exports.VirtualAddress, 0u) << "an export table";
    EXPECT_EQ(exports.Size, 0u) << "an export table";
    const std::vector<std::string> sections = image.SectionNames();
    EXPECT_EQ(std::count(sections.begin(), sections.end(), ".edata"), 0);
    EXPECT_EQ(std::count(sections.begin(), sections.end(), ".hmarks"), 1) << "the start-up marks' section";

    EXPECT_TRUE(image.nt->OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE);
}

// The loader resolves the imports before WinMain restricts the search, and looks in the
// program's folder first for any library that is not a known one (comctl32, for one): the
// rest is loaded while the program runs, from the system folder.
TEST(ExecutableImage, ImportsOnlyWindowsKnownLibraries) {
    const Image image(ProgramPath());
    ASSERT_NE(image.nt, nullptr) << ProgramPath();
    const std::vector<std::string> imports = image.ImportedLibraries();
    EXPECT_TRUE(std::count(imports.begin(), imports.end(), "kernel32.dll")) << "the import table was not read";
    for (const std::string& name : imports)
        EXPECT_TRUE(kKnownLibraries.count(name)) << name << " is imported and is not a known library";
    EXPECT_EQ(image.nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].Size, 0u) << "delayed imports";
}
