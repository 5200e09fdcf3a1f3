#pragma once
// The zone Windows recorded for a file that came from elsewhere (a download, a zip
// unpacked from one), read from its Zone.Identifier stream.
#include <string>

namespace huetrove {

// Reads the file's zone; the local machine when it has no such stream (Wine keeps none).
int ReadFileZone(const std::wstring& path);

// Seam for tests: what Help asks. Tests put a reader of their own here, to play a file
// with a zone.
extern int (*FileZone)(const std::wstring& path);

}  // namespace huetrove
