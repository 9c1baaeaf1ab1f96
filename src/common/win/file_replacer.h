#pragma once
// Installs the Windows way of replacing a file by its freshly written
// temporary copy: one MoveFileExW with write-through.
namespace tikolvo {

bool ReplaceFileWriteThrough(const char* fromUtf8, const char* toUtf8);
void InstallWindowsFileReplacer();

}  // namespace tikolvo
