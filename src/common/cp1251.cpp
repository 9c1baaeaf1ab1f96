#include "common/cp1251.h"

#include <array>

namespace tikolvo {
namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF map to U+0410..U+044F.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t ByteToCodePoint(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kHighHalf[b - 0x80];
}

int CodePointToByte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
  // Outside the high half's span (which also leaves out the U+FFFD of every
  // undecodable byte) there is nothing to search for.
  if (cp < 0x00A0 || cp > 0x2122) return -1;
  for (size_t i = 0; i < kHighHalf.size(); ++i)
    if (kHighHalf[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

}  // namespace

size_t DecodeUtf8(std::string_view text, size_t pos, char32_t& cp) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char b0 = byte(pos);
  size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || pos + len > text.size()) {
    cp = 0xFFFD;
    return 1;
  }
  if (len == 1) {
    cp = b0;
    return 1;
  }
  char32_t value = b0 & (0x7F >> len);
  for (size_t i = 1; i < len; ++i) {
    unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) {
      cp = 0xFFFD;
      return 1;
    }
    value = (value << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMinForLength[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kMinForLength[len] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    cp = 0xFFFD;
    return 1;
  }
  cp = value;
  return len;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp;
    pos += DecodeUtf8(utf8, pos, cp);
    int b = CodePointToByte(cp);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

namespace {

char LowerCp1251(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<char>(c + 32);  // А..Я
  switch (c) {
    case 0xA8: return static_cast<char>(0xB8);  // Ё
    case 0xAA: return static_cast<char>(0xBA);  // Є
    case 0xAF: return static_cast<char>(0xBF);  // Ї
    case 0xB2: return static_cast<char>(0xB3);  // І
    case 0xA1: return static_cast<char>(0xA2);  // Ў
    case 0x80: return static_cast<char>(0x90);  // Ђ
    case 0x81: return static_cast<char>(0x83);  // Ѓ
    case 0x8A: return static_cast<char>(0x9A);  // Љ
    case 0x8C: return static_cast<char>(0x9C);  // Њ
    case 0x8D: return static_cast<char>(0x9D);  // Ќ
    case 0x8E: return static_cast<char>(0x9E);  // Ћ
    case 0x8F: return static_cast<char>(0x9F);  // Џ
    case 0xA3: return static_cast<char>(0xBC);  // Ј
    case 0xA5: return static_cast<char>(0xB4);  // Ґ
    case 0xBD: return static_cast<char>(0xBE);  // Ѕ
    default: return static_cast<char>(c);
  }
}

}  // namespace

std::string LowerCaseText(std::string_view utf8) {
  std::string bytes = Utf8ToCp1251(utf8);
  for (char& c : bytes) c = LowerCp1251(static_cast<unsigned char>(c));
  return Cp1251ToUtf8(bytes);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) { return LowerCaseText(a) == LowerCaseText(b); }

}  // namespace tikolvo
