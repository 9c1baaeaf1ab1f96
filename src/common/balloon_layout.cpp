#include "common/balloon_layout.h"

#include <algorithm>

namespace tikolvo::balloon {
namespace {

constexpr int kTitleRoom = 80;       // window width beyond the title
constexpr int kTextSideRoom = 24;    // window width beyond the text
constexpr int kTextTopAndBottom = 42;  // window height beyond the text
constexpr int kCloseFromRight = 24;
constexpr int kCloseTop = 6;
constexpr int kFromRightEdge = 2;
constexpr int kFromBottomEdge = 1;
constexpr std::string_view kEllipsis = "…";

bool IsBlank(char c) { return c == ' '; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The end of the character that starts at `at`; broken sequences count byte
// by byte, so no input can stall the wrapping.
std::size_t NextCharEnd(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && IsContinuationByte(text[end])) ++end;
  return end;
}

std::size_t LastCharStart(std::string_view text) {
  std::size_t at = text.size();
  while (at > 0 && IsContinuationByte(text[at - 1])) --at;
  return at > 0 ? at - 1 : 0;
}

// Control characters (tabs among them) become blanks.
std::string Blanked(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return out;
}

std::vector<std::string> Paragraphs(std::string_view text) {
  std::vector<std::string> paragraphs;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    paragraphs.push_back(Blanked(text.substr(start, i - start)));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  paragraphs.push_back(Blanked(text.substr(start)));
  return paragraphs;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

std::size_t WordEnd(std::string_view text, std::size_t at) {
  while (at < text.size() && !IsBlank(text[at])) ++at;
  return at;
}

// The longest run of whole characters from `start` that fits; at least one
// character, so every line takes something.
std::size_t FittingChars(std::string_view text, std::size_t start, std::size_t limit, int maxWidth,
                         const TextFont& font) {
  std::size_t end = NextCharEnd(text, start);
  while (end < limit) {
    const std::size_t next = NextCharEnd(text, end);
    if (font.width(text.substr(start, next - start)) > maxWidth) break;
    end = next;
  }
  return std::min(end, limit);
}

void WrapParagraph(std::string_view text, int maxWidth, const TextFont& font, std::vector<std::string>& lines) {
  std::size_t start = 0;
  for (;;) {
    if (start > 0 && start == text.size()) return;  // a broken word ended the paragraph
    std::size_t fitEnd = start;  // end of the last whole word that fits
    std::size_t wordStart = SkipBlanks(text, start);
    while (wordStart < text.size()) {
      const std::size_t wordEnd = WordEnd(text, wordStart);
      if (font.width(text.substr(start, wordEnd - start)) > maxWidth) break;
      fitEnd = wordEnd;
      wordStart = SkipBlanks(text, wordEnd);
    }
    if (wordStart >= text.size()) {  // the rest fits; its blanks stay if there is room
      const std::string_view rest = text.substr(start);
      const bool blanksFit = font.width(rest) <= maxWidth;
      lines.emplace_back(blanksFit ? rest : text.substr(start, fitEnd - start));
      return;
    }
    if (fitEnd == start) {  // one word wider than a line: break it between characters
      const std::size_t end = FittingChars(text, start, WordEnd(text, wordStart), maxWidth, font);
      lines.emplace_back(text.substr(start, end - start));
      start = end;
      continue;
    }
    lines.emplace_back(text.substr(start, fitEnd - start));
    start = wordStart;
  }
}

int WidestLine(const std::vector<std::string>& lines, const TextFont& font) {
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, font.width(line));
  return widest;
}

// The line with "…" at its end, characters dropped until it fits.
std::string WithEllipsis(std::string line, int maxWidth, const TextFont& font) {
  for (;;) {
    while (!line.empty() && IsBlank(line.back())) line.pop_back();
    const std::string shown = line + std::string(kEllipsis);
    if (line.empty() || font.width(shown) <= maxWidth) return shown;
    line.resize(LastCharStart(line));
  }
}

std::string FittedTitle(std::string_view title, int maxWidth, const TextFont& font) {
  std::string line = Blanked(title);
  return font.width(line) <= maxWidth ? line : WithEllipsis(std::move(line), maxWidth, font);
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, int maxWidth, const TextFont& font) {
  std::vector<std::string> lines;
  for (const std::string& paragraph : Paragraphs(text)) WrapParagraph(paragraph, maxWidth, font, lines);
  return lines;
}

Layout LayOutBalloon(std::string_view title, std::string_view text, const TextFont& titleFont,
                     const TextFont& textFont, const Box& workArea, Size atLeast) {
  Layout l;
  l.lines = WrapText(text, kTextWidth, textFont);
  const int lineHeight = std::max(1, textFont.lineHeight);
  const int roomForLines = (workArea.Height() - kFromBottomEdge - kTextTopAndBottom) / lineHeight;
  const std::size_t maxLines = static_cast<std::size_t>(std::max(1, roomForLines));
  if (l.lines.size() > maxLines) {
    l.lines.resize(maxLines);
    l.lines.back() = WithEllipsis(l.lines.back(), kTextWidth, textFont);
  }
  const int textWidth = WidestLine(l.lines, textFont);
  const int textHeight = static_cast<int>(l.lines.size()) * lineHeight;

  l.title = FittedTitle(title, workArea.Width() - kFromRightEdge - kTitleRoom, titleFont);
  const int titleWidth = titleFont.width(l.title);

  const int width = std::max({titleWidth + kTitleRoom, textWidth + kTextSideRoom, atLeast.width});
  const int height = std::max(textHeight + kTextTopAndBottom, atLeast.height);
  const int left = std::max(workArea.left, workArea.right - width - kFromRightEdge);
  const int top = std::max(workArea.top, workArea.bottom - height - kFromBottomEdge);
  l.window = {left, top, left + width, top + height};
  l.titleBox = {kTitleAt.x, kTitleAt.y, kTitleAt.x + titleWidth, kTitleAt.y + titleFont.lineHeight};
  l.textBox = {kTextAt.x, kTextAt.y, kTextAt.x + textWidth, kTextAt.y + textHeight};
  l.closeBox = {width - kCloseFromRight, kCloseTop, width - kCloseFromRight + kCloseSize, kCloseTop + kCloseSize};
  return l;
}

}  // namespace tikolvo::balloon
