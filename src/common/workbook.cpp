#include "common/workbook.h"

#include <algorithm>
#include <cstdio>

#include "common/zip_writer.h"

namespace tikolvo {
namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        // Control characters other than tab and line breaks are not XML.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
        out += c;
    }
  }
  return out;
}

std::size_t Chars(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

std::string ColumnName(std::size_t column) {
  std::string name;
  for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
  return name;
}

std::string Number(double value) {
  char text[40];
  std::snprintf(text, sizeof(text), "%.17g", value);
  return text;
}

// Style numbers in styles.xml.
constexpr int kBoldStyle = 1, kDateStyle = 2, kDurationStyle = 3, kDayStyle = 4;

std::string StyledNumber(const TableCell& cell, const std::string& ref, int style) {
  return "<c r=\"" + ref + "\" s=\"" + std::to_string(style) + "\"><v>" + Number(cell.value) + "</v></c>";
}

std::string Cell(const TableCell& cell, const std::string& ref) {
  switch (cell.kind) {
    case TableCell::Kind::kNumber: return "<c r=\"" + ref + "\"><v>" + Number(cell.value) + "</v></c>";
    case TableCell::Kind::kDate: return StyledNumber(cell, ref, kDateStyle);
    case TableCell::Kind::kDuration: return StyledNumber(cell, ref, kDurationStyle);
    case TableCell::Kind::kDay: return StyledNumber(cell, ref, kDayStyle);
    case TableCell::Kind::kText: break;
  }
  return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" + Escaped(cell.text) + "</t></is></c>";
}

std::string Sheet(const Table& table) {
  std::vector<std::size_t> widths(table.header.size(), 4);
  for (std::size_t c = 0; c < table.header.size(); ++c) widths[c] = std::max(widths[c], Chars(table.header[c]));
  for (const auto& row : table.rows)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) widths[c] = std::max(widths[c], Chars(row[c].text));
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
      "<sheetViews><sheetView workbookViewId=\"0\"><pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" "
      "state=\"frozen\"/></sheetView></sheetViews><cols>";
  for (std::size_t c = 0; c < widths.size(); ++c)
    xml += "<col min=\"" + std::to_string(c + 1) + "\" max=\"" + std::to_string(c + 1) + "\" width=\"" +
           std::to_string(widths[c] + 2) + "\" customWidth=\"1\"/>";
  xml += "</cols><sheetData><row r=\"1\">";
  for (std::size_t c = 0; c < table.header.size(); ++c)
    xml += "<c r=\"" + ColumnName(c) + "1\" s=\"" + std::to_string(kBoldStyle) + "\" t=\"inlineStr\"><is><t>" +
           Escaped(table.header[c]) + "</t></is></c>";
  xml += "</row>";
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const std::string number = std::to_string(r + 2);
    xml += "<row r=\"" + number + "\">";
    for (std::size_t c = 0; c < table.rows[r].size(); ++c) xml += Cell(table.rows[r][c], ColumnName(c) + number);
    xml += "</row>";
  }
  return xml + "</sheetData></worksheet>";
}

constexpr const char* kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>";

constexpr const char* kRootRelations =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>";

constexpr const char* kWorkbookRelations =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/></Relationships>";

// Fonts: regular, bold. Formats: a date with its time, hours that go past
// a day, and a date alone.
constexpr const char* kStyles =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<numFmts count=\"3\"><numFmt numFmtId=\"164\" formatCode=\"dd.mm.yyyy hh:mm:ss\"/>"
    "<numFmt numFmtId=\"165\" formatCode=\"[h]:mm:ss\"/><numFmt numFmtId=\"166\" formatCode=\"dd.mm.yyyy\"/></numFmts>"
    "<fonts count=\"2\"><font><sz val=\"10\"/><name val=\"Arial\"/></font>"
    "<font><b/><sz val=\"10\"/><name val=\"Arial\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"5\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
    "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>"
    "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>"
    "<xf numFmtId=\"165\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>"
    "<xf numFmtId=\"166\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/></cellXfs>"
    "</styleSheet>";

}  // namespace

std::string WorkbookBytes(const Table& table, const std::string& sheetName) {
  ZipWriter zip;
  zip.Add("[Content_Types].xml", kContentTypes);
  zip.Add("_rels/.rels", kRootRelations);
  zip.Add("xl/workbook.xml",
          "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
          "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
          "<sheets><sheet name=\"" +
              Escaped(sheetName) + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
  zip.Add("xl/_rels/workbook.xml.rels", kWorkbookRelations);
  zip.Add("xl/styles.xml", kStyles);
  zip.Add("xl/worksheets/sheet1.xml", Sheet(table));
  return zip.Finish();
}

}  // namespace tikolvo
