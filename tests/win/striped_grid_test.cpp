// The striped grid as the scheduler and statistics pages meet it: columns
// fitted to the width, rows drawn in stripes with pictures and check boxes,
// the selection drawn and reported, clicks handed to the callbacks.
#include "win_test.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "common/grid_layout.h"
#include "common/win/striped_grid.h"
#include "dialog_test_support.h"

namespace tikolvo {
namespace {

StripedGrid* g_grid = nullptr;

LRESULT CALLBACK ParentProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && g_grid) {
    LRESULT result = 0;
    if (g_grid->HandleNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A plain window holding one grid, on top of everything so its pixels can
// be read from the screen.
struct GridWindow {
  HWND parent = nullptr;
  StripedGrid grid;

  explicit GridWindow(int width = 360, int height = 220) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = &ParentProcedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"StripedGridTestParent";
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassW(&cls);
    parent = CreateWindowExW(WS_EX_TOPMOST, cls.lpszClassName, L"grid", WS_POPUP | WS_VISIBLE, 40, 40, width + 20,
                             height + 20, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(parent);
    SendMessageW(parent, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    g_grid = &grid;
    REQUIRE(grid.Create(parent, 100, RECT{10, 10, 10 + width, 10 + height}));
  }
  ~GridWindow() {
    g_grid = nullptr;
    DestroyWindow(parent);
  }

  HWND list() const { return grid.hwnd(); }
  RECT Row(int row) const {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageW(list(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  int ColumnWidth(int column) const {
    return static_cast<int>(SendMessageW(list(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
  }
  int ColumnLeft(int column) const {
    int x = Row(0).left;
    for (int i = 0; i < column; ++i) x += ColumnWidth(i);
    return x;
  }
  int ClientWidth() const {
    RECT r;
    GetClientRect(list(), &r);
    return r.right;
  }
  // The list view's client pixels as the screen shows them.
  test::Picture Capture() const {
    RedrawWindow(list(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    test::Pump(100);
    RECT r;
    GetClientRect(list(), &r);
    POINT origin{0, 0};
    ClientToScreen(list(), &origin);
    test::Picture picture;
    picture.width = r.right;
    picture.height = r.bottom;
    DibSection dib = CreateDib32(picture.width, picture.height);
    MemDc dc;
    SelectGuard select(dc.get(), dib.bitmap.get());
    WindowDc screen(nullptr);
    BitBlt(dc.get(), 0, 0, picture.width, picture.height, screen.get(), origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* bits = static_cast<const uint32_t*>(dib.bits);
    picture.pixels.assign(bits, bits + static_cast<size_t>(picture.width) * picture.height);
    return picture;
  }
};

// 0x00BBGGRR as the captured picture reads it (0x00RRGGBB).
uint32_t Rgb(Colour c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

int Dpi() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
      return false;
  }
  return true;
}

int TextWidthIn(HWND window, const std::string& text) {
  WindowDc dc(window);
  SelectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

std::vector<std::vector<std::string>> Rows(int count) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < count; ++i) rows.push_back({"", "Задание " + std::to_string(i + 1), "12:00:00 "});
  return rows;
}

std::vector<GridColumn> PlanColumns() {
  GridColumn number{"№"};
  number.rowNumber = true;
  number.fitsRowNumbers = true;
  GridColumn name{"Название", 60};
  name.stretch = true;
  GridColumn when{"Время срабатывания", 120, grid::Align::Right, 2};
  return {number, name, when};
}

void PostClick(HWND window, UINT down, UINT up, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(window, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, where);
  PostMessageW(window, up, 0, where);
  test::Pump(100);
}

POINT InRow(const GridWindow& w, int row) {
  const RECT r = w.Row(row);
  return POINT{w.ColumnLeft(1) + 20, (r.top + r.bottom) / 2};
}

TEST_CASE("grid columns: centred captions, the stretch column fills the width, the number column fits the rows") {
  GridWindow w;
  w.grid.SetColumns(PlanColumns());
  w.grid.SetRows(Rows(3));

  HWND header = reinterpret_cast<HWND>(SendMessageW(w.list(), LVM_GETHEADER, 0, 0));
  REQUIRE(header);
  REQUIRE(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 3);
  wchar_t caption[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = caption;
  item.cchTextMax = 64;
  SendMessageW(header, HDM_GETITEMW, 2, reinterpret_cast<LPARAM>(&item));
  CHECK(Narrow(caption) == "Время срабатывания");
  CHECK((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER);

  CHECK(w.ColumnWidth(0) == TextWidthIn(w.list(), "10") + 6);
  CHECK(w.ColumnWidth(2) == 120);
  CHECK(w.ColumnWidth(0) + w.ColumnWidth(1) + w.ColumnWidth(2) == w.ClientWidth());

  // Past ten rows the number column grows with the count's text; a
  // scroll bar appearing narrows the client and the stretch column follows.
  w.grid.SetRows(Rows(1000));
  CHECK(w.ColumnWidth(0) == TextWidthIn(w.list(), "1000") + 6);
  CHECK(w.ColumnWidth(0) + w.ColumnWidth(1) + w.ColumnWidth(2) == w.ClientWidth());

  // A wider grid widens the stretch column only.
  SetWindowPos(w.list(), nullptr, 0, 0, 460, 220, SWP_NOMOVE | SWP_NOZORDER);
  CHECK(w.ColumnWidth(2) == 120);
  CHECK(w.ColumnWidth(0) + w.ColumnWidth(1) + w.ColumnWidth(2) == w.ClientWidth());
}

TEST_CASE("grid rows: stripes from green, the area below continues them, the selected row highlighted") {
  GridWindow w;
  w.grid.SetColumns(PlanColumns());
  w.grid.SetRows(Rows(3));
  const RECT row0 = w.Row(0);
  CHECK(row0.bottom - row0.top == MulDiv(20, Dpi(), 96));

  const int x = w.ColumnLeft(1) + w.ColumnWidth(1) - 4;  // right of the short names
  test::Picture picture = w.Capture();
  CHECK(picture.At(x, (w.Row(0).top + w.Row(0).bottom) / 2) == Rgb(grid::kGreenStripe.background));
  CHECK(picture.At(x, (w.Row(1).top + w.Row(1).bottom) / 2) == Rgb(grid::kBlueStripe.background));
  CHECK(picture.At(x, (w.Row(2).top + w.Row(2).bottom) / 2) == Rgb(grid::kGreenStripe.background));
  // Below three rows comes a blue one.
  CHECK(SendMessageW(w.list(), LVM_GETBKCOLOR, 0, 0) == static_cast<LRESULT>(grid::kBlueStripe.background));
  CHECK(picture.At(x, w.Row(2).bottom + 10) == Rgb(grid::kBlueStripe.background));

  // The number column shows the row number in the stripe's text colour.
  bool numberInk = false;
  for (int px = w.ColumnLeft(0); px < w.ColumnLeft(1); ++px) {
    for (int py = w.Row(1).top; py < w.Row(1).bottom; ++py) numberInk |= picture.At(px, py) == Rgb(0x660000);
  }
  CHECK(numberInk);

  w.grid.SelectRow(1);
  picture = w.Capture();
  CHECK(picture.At(x, (w.Row(1).top + w.Row(1).bottom) / 2) == Rgb(GetSysColor(COLOR_HIGHLIGHT)));
  CHECK(picture.At(x, (w.Row(0).top + w.Row(0).bottom) / 2) == Rgb(grid::kGreenStripe.background));
}

TEST_CASE("grid pictures: centred or at the left, blended at 230/255, check boxes, text replaced") {
  GridWindow w;
  w.grid.SetColumns(PlanColumns());
  w.grid.SetRows(Rows(4));

  HIMAGELIST images = ImageList_Create(18, 18, ILC_COLOR24, 1, 0);
  REQUIRE(images);
  {
    WindowDc screen(nullptr);
    UniqueGdi<HBITMAP> red(CreateCompatibleBitmap(screen.get(), 18, 18));
    MemDc dc;
    {
      SelectGuard select(dc.get(), red.get());
      UniqueGdi<HBRUSH> brush(CreateSolidBrush(0x0000FF));
      RECT all{0, 0, 18, 18};
      FillRect(dc.get(), &all, brush.get());
    }
    REQUIRE(ImageList_Add(images, red.get(), nullptr) == 0);
  }
  w.grid.SetImageList(images);
  w.grid.cellPicture = [](int row, int column) {
    CellPicture p;
    if (column == 2 && row == 0) {  // opaque, centred, 2 below the top
      p.image = 0;
      p.down = grid::PictureRowPlace::Top;
      p.dy = 2;
      p.replacesText = true;
    } else if (column == 2 && row == 1) {  // blended, as a locked task
      p.image = 0;
      p.opacity = 230;
      p.replacesText = true;
    } else if (column == 1 && row == 2) {  // at the left edge, text moved right
      p.image = 0;
      p.across = grid::PictureColumnPlace::Left;
      p.textIndent = 22;
    } else if (column == 2 && row == 3) {
      p.checkBox = true;
      p.replacesText = true;
    }
    return p;
  };
  w.grid.SetRows(Rows(4));
  const test::Picture picture = w.Capture();
  test::SavePicture(w.parent, "striped_grid");

  const int left2 = w.ColumnLeft(2);
  const int width2 = w.ColumnWidth(2);
  const int centreX = left2 + (width2 - 18) / 2;
  // Opaque: red from 2 pixels below the row's top; the stripe above it and
  // beside it; no text left in the cell.
  const RECT r0 = w.Row(0);
  CHECK(picture.At(centreX, r0.top + 2) == 0xFF0000u);
  CHECK(picture.At(centreX + 17, r0.top + 2 + 17 < r0.bottom ? r0.top + 19 : r0.bottom - 1) == 0xFF0000u);
  CHECK(picture.At(centreX - 1, r0.top + 5) == Rgb(grid::kGreenStripe.background));
  CHECK(picture.At(centreX, r0.top + 1) == Rgb(grid::kGreenStripe.background));
  CHECK(picture.At(left2 + width2 - 4, r0.top + 10) == Rgb(grid::kGreenStripe.background));

  // Blended over the blue stripe at 230/255.
  const RECT r1 = w.Row(1);
  const uint32_t blended = Rgb(grid::Blend(grid::kBlueStripe.background, 0x0000FF, 230));
  CHECK(Near(picture.At(centreX + 9, (r1.top + r1.bottom) / 2), blended, 2));
  CHECK(picture.At(centreX + 9, (r1.top + r1.bottom) / 2) != 0xFF0000u);

  // At the left edge of column 1, and the text starts after it.
  const RECT r2 = w.Row(2);
  CHECK(picture.At(w.ColumnLeft(1), (r2.top + r2.bottom) / 2) == 0xFF0000u);
  CHECK(picture.At(w.ColumnLeft(1) + 19, (r2.top + r2.bottom) / 2) == Rgb(grid::kGreenStripe.background));

  // A check box differs from the stripe at its centre (the mark) and its edge.
  const RECT r3 = w.Row(3);
  const int boxLeft = left2 + (width2 - 13) / 2;
  const int boxTop = r3.top + (r3.bottom - r3.top - 13) / 2;
  CHECK(picture.At(boxLeft, boxTop + 6) != Rgb(grid::kBlueStripe.background));
  CHECK(picture.At(boxLeft - 2, boxTop + 6) == Rgb(grid::kBlueStripe.background));

  w.grid.SetImageList(nullptr);
  ImageList_Destroy(images);
}

TEST_CASE("grid callbacks: a click selects and reports, a double click and a right click name their row") {
  GridWindow w;
  w.grid.SetColumns(PlanColumns());
  w.grid.SetRows(Rows(5));
  std::vector<int> selected, doubled, right;
  w.grid.selectionChanged = [&](int row) { selected.push_back(row); };
  w.grid.doubleClicked = [&](int row) { doubled.push_back(row); };
  w.grid.rightClicked = [&](int row, POINT) { right.push_back(row); };

  PostClick(w.list(), WM_LBUTTONDOWN, WM_LBUTTONUP, InRow(w, 2));
  CHECK(w.grid.SelectedRow() == 2);
  REQUIRE(!selected.empty());
  CHECK(selected.back() == 2);

  PostClick(w.list(), WM_LBUTTONDBLCLK, WM_LBUTTONUP, InRow(w, 1));
  REQUIRE(doubled.size() == 1);
  CHECK(doubled[0] == 1);

  // The pop-up menu acts on the row under the pointer: it is selected first.
  PostClick(w.list(), WM_RBUTTONDOWN, WM_RBUTTONUP, InRow(w, 3));
  REQUIRE(right.size() == 1);
  CHECK(right[0] == 3);
  CHECK(w.grid.SelectedRow() == 3);
}

TEST_CASE("grid refill keeps the selected row while it exists and reports it gone") {
  GridWindow w;
  w.grid.SetColumns(PlanColumns());
  w.grid.SetRows(Rows(5));
  std::vector<int> selected;
  w.grid.selectionChanged = [&](int row) { selected.push_back(row); };
  w.grid.SelectRow(3);
  selected.clear();

  w.grid.SetRows(Rows(6));
  CHECK(w.grid.SelectedRow() == 3);
  CHECK(selected.empty());  // a refill is no new choice of the user
  CHECK(w.grid.Cell(3, 1) == "Задание 4");

  w.grid.SetRows(Rows(2));
  CHECK(w.grid.SelectedRow() == -1);
  REQUIRE(selected.size() == 1);
  CHECK(selected[0] == -1);
  CHECK(w.grid.Cell(2, 1).empty());
  CHECK(w.grid.Cell(0, 7).empty());
}

TEST_CASE("a list view from elsewhere is attached as a report grid with full-row selection") {
  GridWindow w;  // for a parent only
  HWND plain = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_LIST, 0, 0, 200, 100, w.parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  REQUIRE(plain);
  {
    StripedGrid attached;
    REQUIRE(attached.Attach(plain));
    CHECK_FALSE(attached.Attach(plain));  // one list view per grid
    const LONG_PTR style = GetWindowLongPtrW(plain, GWL_STYLE);
    CHECK((style & LVS_TYPEMASK) == LVS_REPORT);
    CHECK((style & LVS_SINGLESEL) != 0);
    CHECK((SendMessageW(plain, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT) != 0);
    attached.SetColumns({GridColumn{"Подключение", 80}});
    attached.SetRows({{"a"}, {"b"}});
    CHECK(SendMessageW(plain, LVM_GETITEMCOUNT, 0, 0) == 2);
  }
  // Let go by the grid, the list view still works on its own.
  CHECK(GetPropW(plain, L"TikolvoStripedGrid") == nullptr);
  CHECK(SendMessageW(plain, LVM_GETITEMCOUNT, 0, 0) == 2);

  // Columns and rows given before attaching are applied on attaching.
  StripedGrid again;
  again.SetColumns({GridColumn{"№", 20}, GridColumn{"Подключение", 80}});
  again.SetRows({{"1", "x"}});
  REQUIRE(again.Attach(plain));
  HWND header = reinterpret_cast<HWND>(SendMessageW(plain, LVM_GETHEADER, 0, 0));
  CHECK(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 2);
  CHECK(SendMessageW(plain, LVM_GETITEMCOUNT, 0, 0) == 1);
  again.Detach();
  DestroyWindow(plain);
}

}  // namespace
}  // namespace tikolvo
