#pragma once
// The program's striped grid: a report-mode list view (SysListView32) that
// draws its rows itself through custom draw. Rows alternate dark green on
// light green and dark blue on light blue, the empty area below the rows
// continues the stripes, the selected row is drawn in the system's
// highlight colours, one column stretches to fill the width, and a cell may
// show a picture of an image list (centred or at its left edge, optionally
// blended) or a check box instead of, or beside, its text.
//
// Custom draw and the other list view notifications go to the list view's
// parent. The parent hands every WM_NOTIFY to HandleNotify:
//
//   case WM_NOTIFY: {
//     LRESULT result = 0;
//     if (grid.HandleNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
//       // a window procedure returns result; a dialog procedure does
//       SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
//       return TRUE;
//     }
//     break;
//   }
//
// The grid subclasses the list view itself (to refit its columns when the
// list view changes size), never the parent.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/grid_layout.h"
#include "common/win/gdi.h"

namespace tikolvo {

struct GridColumn {
  std::string caption;
  int width = 60;  // pixels; the minimum width of the stretching column
  grid::Align align = grid::Align::Left;
  int indent = 3;              // pixels from the aligned edge
  bool stretch = false;        // takes the width the other columns leave
  bool rowNumber = false;      // shows the row's number (from 1), centred, whatever its text
  bool fitsRowNumbers = false;  // as wide as "10" (or the row count) plus 6 pixels
};

// What a cell shows besides (or instead of) its text.
struct CellPicture {
  int image = -1;  // index in the grid's image list; -1 for none
  std::optional<bool> checkBox;  // a check box, checked or not, centred in the cell
  grid::PictureColumnPlace across = grid::PictureColumnPlace::Centred;
  grid::PictureRowPlace down = grid::PictureRowPlace::Middle;
  int dx = 0;
  int dy = 0;
  int opacity = 255;          // 230 draws the picture blended over the cell
  bool replacesText = false;  // the text is not drawn
  int textIndent = -1;        // when >= 0, the text's indent instead of the column's
};

class StripedGrid {
 public:
  StripedGrid() = default;
  ~StripedGrid();
  StripedGrid(const StripedGrid&) = delete;
  StripedGrid& operator=(const StripedGrid&) = delete;

  // A new list view, child `id` of parent at rect (client pixels).
  bool Create(HWND parent, int id, const RECT& rect);
  // A list view that already exists (from a dialog template): it is switched
  // to report view with full-row selection and one selected row at most.
  bool Attach(HWND listView);
  // Gives the list view back its own window procedure.
  void Detach();
  HWND hwnd() const { return list_; }

  void SetColumns(std::vector<GridColumn> columns);
  // Replaces every row; each row holds one text per column. The selected
  // row stays selected while it still exists.
  void SetRows(std::vector<std::vector<std::string>> rows);
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // The text of a cell; empty outside the grid.
  std::string Cell(int row, int column) const;

  int SelectedRow() const;  // -1 without a selection
  void SelectRow(int row);  // -1 clears the selection

  // Height of every row in pixels (20 at 96 dpi by default).
  void SetRowHeight(int pixels);
  // The pictures cells may show; the caller keeps it alive.
  void SetImageList(HIMAGELIST images) { images_ = images; }

  // Refits the columns to the list view's client width (done on its own
  // after SetColumns, SetRows and every change of size).
  void FitColumns();

  // What a cell shows besides its text.
  std::function<CellPicture(int row, int column)> cellPicture;
  // Colours of a row other than its stripe (an open session in red, a
  // locked task lighter); gets the stripe the row would have.
  std::function<grid::RowColours(int row, grid::RowColours stripe)> rowColours;
  std::function<void(int row)> selectionChanged;
  std::function<void(int row)> doubleClicked;
  // A right-button click; the row under the pointer is selected first.
  std::function<void(int row, POINT screen)> rightClicked;

  // Handles the list view's notifications; true when the message was the
  // grid's (result is then what the parent must return).
  bool HandleNotify(const NMHDR& header, LRESULT& result);

 private:
  static LRESULT CALLBACK ListProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
  void DrawRow(HDC dc, int row);
  void DrawCell(HDC dc, int row, int column, const grid::Box& cell, const grid::RowColours& colours);
  void DrawPicture(HDC dc, const grid::Box& cell, const CellPicture& picture) const;
  void ApplyHeader();
  void UpdateBackground();
  int TextWidth(const std::string& text) const;
  std::vector<int> ColumnWidths() const;

  HWND list_ = nullptr;
  WNDPROC oldProcedure_ = nullptr;
  std::vector<GridColumn> columns_;
  std::vector<std::vector<std::string>> rows_;
  HIMAGELIST images_ = nullptr;
  HIMAGELIST rowSpacer_ = nullptr;  // sets the row height
  int rowHeight_ = 0;
  bool fitting_ = false;
  bool filling_ = false;
};

}  // namespace tikolvo
