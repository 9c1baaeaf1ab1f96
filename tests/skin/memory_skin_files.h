#pragma once
// A skin folder held in memory: full path to file bytes.
#include <map>
#include <optional>
#include <string>

#include "skin/skin_read.h"

namespace tikolvo::test {

class MemoryFiles : public SkinFileSource {
 public:
  std::map<std::string, std::string> files;
  bool Exists(const std::string& path) const override { return files.count(path) > 0; }
  std::optional<std::string> Read(const std::string& path) const override {
    const auto found = files.find(path);
    return found == files.end() ? std::nullopt : std::optional(found->second);
  }
};

}  // namespace tikolvo::test
