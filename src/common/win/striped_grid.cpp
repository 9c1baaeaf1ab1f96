#include "common/win/striped_grid.h"

#include <algorithm>

#include "common/win/common_controls.h"
#include "common/win/wide_text.h"

#ifndef LVS_EX_DOUBLEBUFFER
#define LVS_EX_DOUBLEBUFFER 0x00010000  // common controls 6; older versions ignore it
#endif

namespace tikolvo {
namespace {

constexpr wchar_t kGridProperty[] = L"TikolvoStripedGrid";
constexpr int kDefaultRowHeight = 20;  // at 96 dpi
constexpr int kCheckBoxSize = 13;

int ScreenDpi() {
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

RECT ToRect(const grid::Box& b) { return {b.left, b.top, b.right, b.bottom}; }

UINT AlignFlags(grid::Align align) {
  switch (align) {
    case grid::Align::Centre: return DT_CENTER;
    case grid::Align::Right: return DT_RIGHT;
    default: return DT_LEFT;
  }
}

void SetCellText(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = Widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

StripedGrid::~StripedGrid() {
  Detach();
  DestroyImageList(rowSpacer_);
}

bool StripedGrid::Create(HWND parent, int id, const RECT& rect) {
  LoadCommonControls();
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                  LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!list) return false;
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return Attach(list);
}

bool StripedGrid::Attach(HWND listView) {
  if (!listView || list_) return false;
  list_ = listView;
  // The grid's own image list sets the row height: the list view must not
  // destroy it, nor the caller's pictures.
  LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
  style = (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
          LVS_SHAREIMAGELISTS;
  SetWindowLongPtrW(list_, GWL_STYLE, style);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
               LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  SetPropW(list_, kGridProperty, this);
  oldProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StripedGrid::ListProcedure)));
  SetRowHeight(MulDiv(kDefaultRowHeight, ScreenDpi(), 96));
  if (!columns_.empty()) SetColumns(std::move(columns_));  // columns given before the list view
  UpdateBackground();
  return true;
}

void StripedGrid::Detach() {
  if (!list_) return;
  SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
  if (oldProcedure_) SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProcedure_));
  RemovePropW(list_, kGridProperty);
  oldProcedure_ = nullptr;
  list_ = nullptr;
  rowHeight_ = 0;  // the next list view gets its row height again
}

LRESULT CALLBACK StripedGrid::ListProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<StripedGrid*>(GetPropW(hwnd, kGridProperty));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC old = self->oldProcedure_;
  if (message == WM_NCDESTROY) {
    self->Detach();
    return CallWindowProcW(old, hwnd, message, wParam, lParam);
  }
  const LRESULT result = CallWindowProcW(old, hwnd, message, wParam, lParam);
  if (message == WM_SIZE) self->FitColumns();
  return result;
}

void StripedGrid::SetRowHeight(int pixels) {
  if (!list_ || pixels <= 0 || pixels == rowHeight_) return;
  // The list view makes a row one pixel taller than its small pictures.
  HIMAGELIST spacer = CreateImageList(1, std::max(1, pixels - 1), ILC_COLOR, 1, 0);
  if (!spacer) return;
  SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(spacer));
  DestroyImageList(rowSpacer_);
  rowSpacer_ = spacer;
  rowHeight_ = pixels;
}

void StripedGrid::SetColumns(std::vector<GridColumn> columns) {
  columns_ = std::move(columns);
  if (!list_) return;
  while (SendMessageW(list_, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    std::wstring caption = Widen(columns_[i].caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = columns_[i].width;
    column.pszText = caption.data();
    SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  ApplyHeader();
  SetRows(std::move(rows_));
}

// Header captions are centred over their columns.
void StripedGrid::ApplyHeader() {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
  if (!header) return;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    item.fmt = HDF_CENTER | HDF_STRING;
    SendMessageW(header, HDM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void StripedGrid::SetRows(std::vector<std::vector<std::string>> rows) {
  rows_ = std::move(rows);
  if (!list_) return;
  const int selected = SelectedRow();
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  filling_ = true;
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  SendMessageW(list_, LVM_SETITEMCOUNT, rows_.size(), 0);
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(r);
    std::wstring first = Widen(rows_[r].empty() ? std::string() : rows_[r][0]);
    item.pszText = first.data();
    SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (std::size_t c = 1; c < rows_[r].size() && c < columns_.size(); ++c) {
      SetCellText(list_, static_cast<int>(r), static_cast<int>(c), rows_[r][c]);
    }
  }
  if (selected >= 0 && selected < RowCount()) SelectRow(selected);
  filling_ = false;
  UpdateBackground();
  FitColumns();
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
  // A selected row that went away is a change of selection.
  if (selected >= RowCount() && selectionChanged) selectionChanged(SelectedRow());
}

std::string StripedGrid::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0) return {};
  const std::vector<std::string>& cells = rows_[static_cast<std::size_t>(row)];
  return column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)] : std::string();
}

int StripedGrid::SelectedRow() const {
  if (!list_) return -1;
  return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void StripedGrid::SelectRow(int row) {
  if (!list_) return;
  LVITEMW clear{};
  clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  if (row < 0 || row >= RowCount()) return;
  LVITEMW set{};
  set.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  set.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&set));
  SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int StripedGrid::TextWidth(const std::string& text) const {
  WindowDc dc(list_);
  SelectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

std::vector<int> StripedGrid::ColumnWidths() const {
  std::vector<int> widths;
  for (const GridColumn& column : columns_) {
    widths.push_back(column.fitsRowNumbers
                         ? TextWidth(grid::NumberColumnSample(RowCount())) + grid::kNumberColumnPadding
                         : column.width);
  }
  return widths;
}

void StripedGrid::FitColumns() {
  if (!list_ || fitting_ || columns_.empty()) return;
  fitting_ = true;
  int stretch = -1;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i].stretch) stretch = static_cast<int>(i);
  }
  RECT client;
  GetClientRect(list_, &client);
  const std::vector<int> widths = grid::FitColumns(ColumnWidths(), stretch, client.right);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    if (SendMessageW(list_, LVM_GETCOLUMNWIDTH, i, 0) != widths[i]) {
      SendMessageW(list_, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(widths[i], 0));
    }
  }
  fitting_ = false;
}

void StripedGrid::UpdateBackground() {
  const COLORREF below = grid::BackgroundBelowRows(RowCount());
  SendMessageW(list_, LVM_SETBKCOLOR, 0, below);
  SendMessageW(list_, LVM_SETTEXTBKCOLOR, 0, below);
}

bool StripedGrid::HandleNotify(const NMHDR& header, LRESULT& result) {
  if (!list_ || header.hwndFrom != list_) return false;
  result = 0;
  switch (header.code) {
    case NM_CUSTOMDRAW:
      result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
      return true;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      const bool selectionMoved = (change.uChanged & LVIF_STATE) &&
                                  ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0;
      // Only a row becoming selected, or the last one losing it, is reported.
      if (selectionMoved && !filling_ && selectionChanged) {
        const int now = SelectedRow();
        if ((change.uNewState & LVIS_SELECTED) || now < 0) selectionChanged(now);
      }
      return true;
    }
    case NM_DBLCLK: {
      const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
      if (activate.iItem >= 0 && doubleClicked) doubleClicked(activate.iItem);
      return true;
    }
    case NM_RCLICK: {
      const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
      if (activate.iItem >= 0 && SelectedRow() != activate.iItem) SelectRow(activate.iItem);
      POINT screen = activate.ptAction;
      ClientToScreen(list_, &screen);
      if (rightClicked) rightClicked(activate.iItem, screen);
      return true;
    }
    default:
      return false;
  }
}

LRESULT StripedGrid::CustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      DrawRow(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec));
      return CDRF_SKIPDEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void StripedGrid::DrawRow(HDC dc, int row) {
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  if (!SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds))) return;
  grid::RowColours colours = grid::StripeOfRow(row);
  if (rowColours) colours = rowColours(row, colours);
  const UINT state = static_cast<UINT>(SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                                    LVIS_SELECTED | LVIS_FOCUSED));
  if (state & LVIS_SELECTED) colours = {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)};

  const int saved = SaveDC(dc);
  IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  UniqueGdi<HBRUSH> background(CreateSolidBrush(colours.background));
  FillRect(dc, &bounds, background.get());
  SetBkMode(dc, TRANSPARENT);
  int x = bounds.left;
  for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
    const int width = static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    DrawCell(dc, row, column, grid::Box{x, bounds.top, x + width, bounds.bottom}, colours);
    x += width;
  }
  if ((state & LVIS_FOCUSED) && GetFocus() == list_) DrawFocusRect(dc, &bounds);
  RestoreDC(dc, saved);
}

void StripedGrid::DrawCell(HDC dc, int row, int column, const grid::Box& cell, const grid::RowColours& colours) {
  const GridColumn& spec = columns_[static_cast<std::size_t>(column)];
  const CellPicture picture = cellPicture ? cellPicture(row, column) : CellPicture{};
  DrawPicture(dc, cell, picture);
  if (picture.replacesText) return;
  const std::string text = spec.rowNumber ? std::to_string(row + 1) : Cell(row, column);
  if (text.empty()) return;
  const grid::Align align = spec.rowNumber ? grid::Align::Centre : spec.align;
  const int indent = picture.textIndent >= 0 ? picture.textIndent : spec.indent;
  RECT box = ToRect(grid::TextBox(cell, align, indent));
  const std::wstring wide = Widen(text);
  SetTextColor(dc, colours.text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box,
            AlignFlags(align) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void StripedGrid::DrawPicture(HDC dc, const grid::Box& cell, const CellPicture& picture) const {
  if (picture.checkBox) {
    const grid::Point at = grid::PictureOrigin(cell, kCheckBoxSize, kCheckBoxSize, picture.across,
                                               grid::PictureRowPlace::Middle, picture.dx, picture.dy);
    RECT box{at.x, at.y, at.x + kCheckBoxSize, at.y + kCheckBoxSize};
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (*picture.checkBox ? DFCS_CHECKED : 0));
  }
  if (picture.image < 0 || !images_) return;
  int width = 0, height = 0;
  if (!ImageListIconSize(images_, width, height)) return;
  const grid::Point at = grid::PictureOrigin(cell, width, height, picture.across, picture.down, picture.dx, picture.dy);
  if (picture.opacity >= 255) {
    DrawFromImageList(images_, picture.image, dc, at.x, at.y, ILD_TRANSPARENT);
    return;
  }
  // Blended: the picture is drawn over a copy of what lies beneath it, and
  // that copy is laid back at the picture's opacity.
  MemDc layer;
  UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
  SelectGuard select(layer.get(), bitmap.get());
  BitBlt(layer.get(), 0, 0, width, height, dc, at.x, at.y, SRCCOPY);
  DrawFromImageList(images_, picture.image, layer.get(), 0, 0, ILD_TRANSPARENT);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(picture.opacity, 0, 255)), 0};
  AlphaBlend(dc, at.x, at.y, width, height, layer.get(), 0, 0, width, height, blend);
}

}  // namespace tikolvo
