#include "skin/skin_description.h"

#include <string>

#include "common/ini_document.h"
#include "skin/hand_description.h"

namespace tikolvo {
namespace {

Colour ReadColour(const IniDocument& ini, std::string_view section, std::string_view key, Colour fallback) {
  return static_cast<Colour>(ini.ReadInteger(section, key, static_cast<int>(fallback)));
}

struct HandSection {
  HandId id;
  std::string_view name;
};
// HandId order, so the record array and the section names line up.
constexpr std::array<HandSection, kHandCount> kHandSections{{
    {HandId::Second, "Clock_S"},
    {HandId::Minute, "Clock_M"},
    {HandId::Hour, "Clock_H"},
    {HandId::Alarm, "Clock_A"},
    {HandId::Hour24, "Clock_H24"},
    {HandId::Month, "Clock_Month"},
    {HandId::Weekday, "Clock_Week"},
}};

constexpr std::array<std::string_view, kSkinButtonCount> kButtonSections{
    "ButtonSV", "ButtonConfig", "ButtonClose", "ButtonWWW", "ButtonPower", "ButtonMenu"};

void ReadEnhancedHands(const IniDocument& ini, ClockDescription& clock) {
  clock.shadowPercent = ini.ReadInteger("Clock", "shadow_per", 10);
  for (const HandSection& section : kHandSections) {
    const bool heavyShadow = section.id == HandId::Hour || section.id == HandId::Minute;
    ReadHandSection(ini, section.name, heavyShadow, clock.hands[static_cast<int>(section.id)]);
  }
  // The minute hand spells its smoothing key differently from the calendar hands.
  clock.minuteSmooth = ini.ReadBool("Clock_M", "Enh_smoth", false);
  clock.secondBeneath = ini.ReadBool("Clock_S", "Enh_secBack", false);
  clock.hands[static_cast<int>(HandId::Month)].smooth = ini.ReadBool("Clock_Month", "Enh_smooth", false);
  clock.hands[static_cast<int>(HandId::Weekday)].smooth = ini.ReadBool("Clock_Week", "Enh_smooth", false);
}

ClockDescription ReadClock(const IniDocument& ini, const HandRecords& previousHands) {
  ClockDescription clock;
  clock.hands = previousHands;
  clock.handRect = {ini.ReadInteger("Clock", "RecX1", 1), ini.ReadInteger("Clock", "RecY1", 1),
                    ini.ReadInteger("Clock", "RecX2", 10), ini.ReadInteger("Clock", "RecY2", 10)};
  clock.shadow = ini.ReadBool("Clock", "Shadow", false);
  clock.hourLength = ini.ReadInteger("Clock", "HourArrow", 38);
  clock.minuteLength = ini.ReadInteger("Clock", "MinArrow", 38);
  clock.secondLength = ini.ReadInteger("Clock", "SecArrow", 38);
  clock.alarmLength = ini.ReadInteger("Clock", "AlarmArrow", 38);
  clock.transparentBackground = ini.ReadBool("Clock", "transp_back", false);
  clock.enhanced = ini.ReadBool("Clock", "Enh", false);
  if (clock.enhanced) ReadEnhancedHands(ini, clock);
  clock.handsEnabled = ini.ReadBool("Clock", "enabled", true);
  return clock;
}

SkinHandColours ReadColours(const IniDocument& ini) {
  const SkinHandColours defaults;
  return {ReadColour(ini, "Color", "Basic", defaults.basic), ReadColour(ini, "Color", "Second", defaults.second),
          ReadColour(ini, "Color", "Alarm", defaults.alarm)};
}

WindowDescription ReadWindow(const IniDocument& ini) {
  WindowDescription window;
  window.snapLeft = ini.ReadBool("Window", "L", false);
  window.snapRight = ini.ReadBool("Window", "R", false);
  window.snapTop = ini.ReadBool("Window", "T", false);
  window.snapBottom = ini.ReadBool("Window", "B", false);
  window.hintLayout = HintLayoutFromFile(ini.ReadInteger("Window", "Hint_all", 1));
  window.dropShadow = ini.ReadBool("All", "shadow", true);
  return window;
}

// Each style flag that is set replaces the style, so the last one set wins.
FontStyle ReadFontStyle(const IniDocument& ini, std::string_view section) {
  FontStyle style = FontStyle::Regular;
  if (ini.ReadBool(section, "Bold", false)) style = FontStyle::Bold;
  if (ini.ReadBool(section, "italic", false)) style = FontStyle::Italic;
  if (ini.ReadBool(section, "underline", false)) style = FontStyle::Underline;
  if (ini.ReadBool(section, "StrikeOut", false)) style = FontStyle::StrikeOut;
  return style;
}

LabelFont ReadLabelFont(const IniDocument& ini, std::string_view section) {
  const LabelFont defaults;
  return {ini.ReadString(section, "Name", defaults.name), ini.ReadInteger(section, "Size", defaults.size),
          ReadColour(ini, section, "Color", defaults.colour), ReadFontStyle(ini, section)};
}

LabelHint ReadLabelHint(const IniDocument& ini, std::string_view section) {
  const LabelHint defaults;
  return {ini.ReadBool(section, "SHINT", defaults.show), ini.ReadString(section, "HINT", defaults.text)};
}

DateLabelDescription ReadDateLabel(const IniDocument& ini) {
  DateLabelDescription date;
  date.show = ini.ReadBool("Data", "ShowData", false);
  date.top = ini.ReadInteger("Data", "LTop", date.top);
  date.format = ini.ReadString("Data", "Format", date.format);
  // The date label's font keys have names of their own and no style.
  date.font.name = ini.ReadString("Data", "Name", date.font.name);
  date.font.size = ini.ReadInteger("Data", "LSize", date.font.size);
  date.font.colour = ReadColour(ini, "Data", "LColor", date.font.colour);
  date.hint = ReadLabelHint(ini, "Data");
  return date;
}

TimeLabelDescription ReadTimeLabel(const IniDocument& ini) {
  TimeLabelDescription time;
  time.show = ini.ReadBool("Time", "ShowTime", false);
  time.placement = {ini.ReadInteger("Time", "Top", 0), ini.ReadInteger("Time", "Left", 0),
                    ini.ReadInteger("Time", "H", 10), ini.ReadInteger("Time", "W", 20)};
  time.font = ReadLabelFont(ini, "Time");
  time.hint = ReadLabelHint(ini, "Time");
  time.showSeconds = ini.ReadBool("Time", "Zero", true);
  return time;
}

FormatLabelDescription ReadFormatLabel(const IniDocument& ini, std::string_view section) {
  FormatLabelDescription label;
  label.show = ini.ReadBool(section, "Show", false);
  label.placement = {ini.ReadInteger(section, "T", 0), ini.ReadInteger(section, "L", 0),
                     ini.ReadInteger(section, "H", 10), ini.ReadInteger(section, "W", 20)};
  label.font = ReadLabelFont(ini, section);
  label.hint = ReadLabelHint(ini, section);
  label.format = ini.ReadString(section, "Format", label.format);
  label.everySecond = ini.ReadBool(section, "EverySecond", false);
  return label;
}

std::optional<MenuAlignment> ReadMenuAlignment(const IniDocument& ini, std::string_view section) {
  switch (ini.ReadInteger(section, "Alig", 2)) {
    case 1: return MenuAlignment::Left;
    case 2: return MenuAlignment::Right;
    case 3: return MenuAlignment::Centre;
    default: return std::nullopt;
  }
}

ButtonDescription ReadButton(const IniDocument& ini, SkinButton button) {
  const std::string_view section = ButtonSectionName(button);
  ButtonDescription b;
  b.left = ini.ReadInteger(section, "L", 0);
  b.top = ini.ReadInteger(section, "T", 0);
  b.width = ini.ReadInteger(section, "W", 1);
  b.height = ini.ReadInteger(section, "H", 1);
  b.hint = ini.ReadString(section, "Hint", "");
  if (button == SkinButton::WebMenu || button == SkinButton::ProgramMenu) {
    b.menuOffsetX = ini.ReadInteger(section, "Mx", 10);
    b.menuOffsetY = ini.ReadInteger(section, "My", 8);
  }
  b.transparent = ini.ReadBool(section, "tr", true);
  return b;
}

}  // namespace

SkinDescription ParseSkinDescription(std::string_view cp1251Bytes, const HandRecords& previousHands) {
  const IniDocument ini = IniDocument::Parse(cp1251Bytes);
  SkinDescription d;
  d.clock = ReadClock(ini, previousHands);
  d.colours = ReadColours(ini);
  d.window = ReadWindow(ini);
  d.date = ReadDateLabel(ini);
  d.time = ReadTimeLabel(ini);
  for (int i = 0; i < 3; ++i) {
    d.formats[static_cast<std::size_t>(i)] = ReadFormatLabel(ini, "Format_" + std::to_string(i + 1));
  }
  d.programMenuAlignment = ReadMenuAlignment(ini, "MenuPr");
  d.webMenuAlignment = ReadMenuAlignment(ini, "MenuWWW");
  for (int i = 0; i < kSkinButtonCount; ++i) {
    d.buttons[static_cast<std::size_t>(i)] = ReadButton(ini, static_cast<SkinButton>(i));
  }
  return d;
}

SkinDescription ParseSkinDescription(std::string_view cp1251Bytes) {
  return ParseSkinDescription(cp1251Bytes, HandRecords{});
}

int HintLayoutFromFile(int hintAll) {
  // 0 in the file asks for text only; 1..4 count the icon layouts from 0.
  // A number outside the table is treated like the missing key.
  constexpr std::array<int, 6> kLayouts{kTextOnlyHintLayout, 0, 1, 2, 3, 5};
  if (hintAll < 0 || hintAll >= static_cast<int>(kLayouts.size())) return kLayouts[1];
  return kLayouts[static_cast<std::size_t>(hintAll)];
}

std::string_view ButtonSectionName(SkinButton button) {
  return kButtonSections[static_cast<std::size_t>(button)];
}

std::string_view HandSectionName(HandId hand) {
  return kHandSections[static_cast<std::size_t>(hand)].name;
}

}  // namespace tikolvo
