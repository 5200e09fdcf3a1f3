// What the shipped executable's headers promise Windows, read from the file itself: it
// exports nothing (the benchmark finds the start-up marks in their own section), and it
// runs on a terminal server without the system's compatibility shims.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Harness.h"

using namespace harness;

namespace {

struct Image {
    std::vector<char> bytes;
    const IMAGE_NT_HEADERS64* nt = nullptr;

    explicit Image(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
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
};

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
