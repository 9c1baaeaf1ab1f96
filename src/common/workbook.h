#pragma once
// A one-sheet workbook in the open spreadsheet format (.xlsx), which any
// spreadsheet program opens: numbers stay numbers, dates dates and text
// text; the header row is bold and frozen and the columns are as wide as
// what they hold.
#include <string>
#include <vector>

#include "common/date_time.h"

namespace tikolvo {

struct TableCell {
  enum class Kind { kText, kNumber, kDate, kDuration, kDay };
  Kind kind = Kind::kText;
  std::string text;   // as the program shows it (and as automation gets it)
  double value = 0;   // numbers; dates and days as date-times; durations in days

  static TableCell Text(std::string text) { return {Kind::kText, std::move(text), 0}; }
  static TableCell Number(double value, std::string text) { return {Kind::kNumber, std::move(text), value}; }
  static TableCell Date(DateTime value, std::string text) { return {Kind::kDate, std::move(text), value}; }
  static TableCell Duration(double days, std::string text) { return {Kind::kDuration, std::move(text), days}; }
  // A date shown without its time of day.
  static TableCell Day(DateTime value, std::string text) { return {Kind::kDay, std::move(text), value}; }
};

struct Table {
  std::vector<std::string> header;
  std::vector<std::vector<TableCell>> rows;
};

std::string WorkbookBytes(const Table& table, const std::string& sheetName);

}  // namespace tikolvo
