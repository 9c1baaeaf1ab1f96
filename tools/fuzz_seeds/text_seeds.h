#pragma once
// Seeds of the text and record parsers, made through the program's own
// writers where it has one, so they follow the formats as they change:
// config.cfg, skin.cfg and config.ini; message.db; a skin's cursors.cfg;
// date patterns with the value they are applied to; record lines; CP1251.
#include <cstring>
#include <map>
#include <string>

#include "common/cp1251.h"
#include "common/date_time.h"
#include "common/ini_document.h"
#include "reminders/reminder_record.h"
#include "settings/settings_model.h"
#include "settings/skin_choice.h"
#include "skin/skin_cursors.h"

namespace fuzz_seeds {

inline std::string CrLf(std::string_view utf8) {
  std::string out;
  for (char c : utf8) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return tikolvo::Utf8ToCp1251(out);
}

inline std::map<std::string, std::string> ConfigSeeds() {
  using namespace tikolvo;
  SettingsContext context;
  context.programFolder = "C:\\Tikolvo\\";
  context.today = EncodeDateTime({2026, 12, 8});
  IniDocument config;
  WriteSettings(DefaultSettings(context), config);
  IniDocument skin;
  WriteCurrentSkin(skin, "skins\\default.tks");
  return {
      {"config.cfg", config.Serialize()},
      {"skin.cfg", skin.Serialize()},
      {"config.ini", CrLf("[Power]\ntype=2\n")},
      {"quirks.cfg", CrLf("; comment\n[Pos]\nX=\"12\"\nY='-40'\n[pos]\nx=7\n\n[Inter]\nTranc=300\nwid=-1\n"
                          "[Name]\nName=Часы на столе\n[ Alarm ]\n=empty key\nnoequals\n[MESS]\nOd=C:\\Мои звуки\\")},
  };
}

inline std::map<std::string, std::string> ReminderSeeds() {
  using namespace tikolvo;
  const DateTime now = EncodeDateTime({2026, 12, 8, 10, 30});
  ReminderBase base = ReminderBase::EmptyFile(now);
  base.Add("День рождения", EncodeDateTime({2026, 12, 24}), EncodeDateTime({2026, 12, 24}));
  base.Add("Через новый год", EncodeDateTime({2026, 12, 20}), EncodeDateTime({2027, 1, 10}));
  const std::size_t gone = base.Add("Удалённое", now, now + 3);
  base.Add(std::string(300, 'x'), now, now + 1);  // longer than the record holds
  base.Delete(static_cast<long long>(gone));
  std::string partial = base.bytes();
  partial += partial.substr(0, 100);  // a record cut off at the end
  return {{"empty.db", ReminderBase::EmptyFile(now).bytes()}, {"message.db", base.bytes()}, {"partial.db", partial}};
}

inline std::map<std::string, std::string> SkinDescriptionSeeds() {
  std::string cursors = "[CUR]\n";
  for (int i = 0; i < tikolvo::kSkinButtonCount; ++i)
    cursors += std::string(tikolvo::CursorKeyOf(static_cast<tikolvo::SkinButton>(i))) + "=cur\\button" +
               std::to_string(i) + ".cur\n";
  cursors += "Background=..\\..\\hand.ani\n";
  return {{"cursors.cfg", CrLf(cursors)}};
}

// The first eight bytes are the moment the pattern is applied to.
inline std::map<std::string, std::string> DatePatternSeeds() {
  const char* patterns[] = {"dd.mm.yyyy", "hh:nn:ss", "dddd, d mmmm yyyy \"г.\"", "c", "ddddd t", "dddddd tt",
                            "h:n:s am/pm", "hh a/p ampm", "yy/m/d z zzz", "'в' h 'ч' nn 'мин'", "mmmm", "mmm ddd",
                            "31.12.2049 23:59:59"};
  const double moments[] = {tikolvo::EncodeDateTime({2026, 12, 8, 13, 21, 5, 7}), 0.0, -700000.5, 2958465.99999};
  std::map<std::string, std::string> seeds;
  int n = 0;
  for (const char* pattern : patterns) {
    const double moment = moments[n % 4];
    std::string seed(sizeof moment, '\0');
    std::memcpy(seed.data(), &moment, sizeof moment);
    seeds["pattern" + std::to_string(n++) + ".txt"] = seed + pattern;
  }
  return seeds;
}

inline std::map<std::string, std::string> RecordLineSeeds() {
  return {{"program.txt", "Блокнот||C:\\Windows\\notepad.exe][/p file.txt"},
          {"web.txt", "Новости||http://example.org/?a=1||b"},
          {"task.txt", "Задача||с||разделителем||12345"},
          {"numbers.txt", "1234567.890"},
          {"grouped.txt", "-2 147 483 648"},
          {"middle.txt", "a][17][b][c"}};
}

inline std::map<std::string, std::string> Cp1251Seeds() {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  return {{"every_byte.bin", everyByte},
          {"russian_cp1251.txt", tikolvo::Utf8ToCp1251("Съешь же ещё этих мягких французских булок, да выпей чаю. №1 «»")},
          {"russian_utf8.txt", "Ёлка — ёж, №5 «цитата» €"},
          {"broken_utf8.bin", std::string("\xD0\x9F\xD1\x80\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82", 15)}};
}

}  // namespace fuzz_seeds
