#include "common/utf8_text.h"

#include "common/cp1251.h"

namespace tikolvo {
namespace {

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
  char32_t ignored;
  return DecodeUtf8(text, pos, ignored);
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) ++count;
  return count;
}

std::size_t ByteOffsetOfChar(std::string_view text, std::size_t position) {
  std::size_t pos = 0;
  for (std::size_t index = 1; index < position && pos < text.size(); ++index)
    pos += CharLengthAt(text, pos);
  return pos < text.size() ? pos : text.size();
}

std::string CopyChars(std::string_view text, long long position, long long count) {
  if (count <= 0) return {};
  if (position < 1) position = 1;
  const std::size_t begin = ByteOffsetOfChar(text, static_cast<std::size_t>(position));
  std::size_t end = begin;
  for (long long copied = 0; copied < count && end < text.size(); ++copied)
    end += CharLengthAt(text, end);
  return std::string(text.substr(begin, end - begin));
}

std::string DropFirstChar(std::string_view text) {
  if (text.empty()) return {};
  return std::string(text.substr(CharLengthAt(text, 0)));
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace tikolvo
