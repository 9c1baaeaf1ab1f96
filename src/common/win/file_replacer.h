#pragma once
// The Windows way of saving a file: the temporary copy is written and
// flushed to the disk through a handle of its own, then one MoveFileExW with
// write-through puts it in the target's place.
#include <memory>

#include "common/file_io.h"

namespace tikolvo {

bool ReplaceFileWriteThrough(const char* fromUtf8, const char* toUtf8);
std::unique_ptr<FileReplacer> MakeWindowsFileReplacer();
void InstallWindowsFileReplacer();

}  // namespace tikolvo
