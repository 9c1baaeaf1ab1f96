#pragma once
// What the program asks or tells the user, as data: the Windows layer shows
// it with its notice and question windows.
#include <string>

namespace tikolvo {

struct Notice {
  std::string caption;
  std::string text;

  bool operator==(const Notice&) const = default;
};

// A two-button question; only the ok button confirms.
struct Question {
  std::string caption;
  std::string text;
  std::string cancelCaption;
  std::string okCaption;

  bool operator==(const Question&) const = default;
};

}  // namespace tikolvo
