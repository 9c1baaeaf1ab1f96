#pragma once
// The two things a skin load needs from the system: the built-in skin the
// program carries as a resource, and the folder an archive's cursor files
// are written to.
#include <string>

namespace tikolvo {

// Writes the built-in skin from the program's "SKIN" resource to
// programFolder + "skins\\default.tks" and returns that path; "" when the
// resource is missing or the file cannot be written.
std::string RestoreBuiltinSkin(const std::string& programFolder);

// The user's temporary folder, with a trailing separator.
std::string TemporaryFolder();

}  // namespace tikolvo
