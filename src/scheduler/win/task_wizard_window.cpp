#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "common/win/system_clock.h"
#include "common/win/common_controls.h"
#include "common/win/tool_tips.h"
#include "common/win/error_report.h"
#include "common/win/gdi.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "common/win/dialog_icon.h"
#include "common/win/message_dialogs.h"
#include "scheduler/win/task_wizard.h"
#include "scheduler/win/task_wizard_files.h"
#include "scheduler/win/task_wizard_ids.h"
#include "scheduler/win/task_wizard_pages.h"
#include "common/win/dialog_pages.h"
#include "skin/program_pictures.h"

namespace tikolvo {
namespace {

using wizard::Action;
using wizard::Page;

constexpr int kIconBox = 28;  // the icon preview: a 24-pixel picture and its shadow

bool Between(int id, int first, int count) { return id >= first && id < first + count; }

class TaskWizardWindow {
 public:
  TaskWizardWindow(const WizardRequest& request, WizardTests& tests, WizardFolders folders,
                   const std::function<void()>& saved)
      : session_(request, LocalNow(), ConnectionChoices(tests.ConnectionNames())),
        tests_(tests),
        folders_(folders),
        saved_(saved) {}

  bool Run(HWND owner) {
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), L"WIZARD_FRAME", owner, &Proc,
                                           reinterpret_cast<LPARAM>(this));
    return result == IDOK;
  }

 private:
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* self = reinterpret_cast<TaskWizardWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    try {
      return self->OnMessage(dialog, message, wParam, lParam);
    } catch (const std::exception& error) {
      ReportError(error.what());
    } catch (...) {
      ReportError("Мастер заданий: непредвиденная ошибка");
    }
    return FALSE;
  }

  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_INITDIALOG: return FormCreate(dialog);
      case WM_COMMAND: Command(LOWORD(wParam), HIWORD(wParam)); return TRUE;
      case WM_HSCROLL: TrackBarChange(); return TRUE;
      case WM_DRAWITEM: PB_hint_icoPaint(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
      case WM_CTLCOLORSTATIC: return HeaderColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
      case WM_ERASEBKGND: PaintBands(reinterpret_cast<HDC>(wParam)); return Result(TRUE);
      case WM_DESTROY: return FALSE;
      default: return FALSE;
    }
  }

  INT_PTR Result(LRESULT value) {
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, value);
    return TRUE;
  }

  BOOL FormCreate(HWND dialog) {
    hwnd_ = dialog;
    SetWindowTextW(hwnd_, Widen(wizard::kWizardWindowCaption).c_str());
    MakeHeaderFont();
    RECT area;
    GetWindowRect(GetDlgItem(hwnd_, IDC_WIZ_PAGE_AREA), &area);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
    bandHeight_ = area.top;
    if (!pages_.Create(hwnd_, area)) {
      EndDialog(hwnd_, IDABORT);
      return TRUE;
    }
    SetWindowPos(pages_.Item(IDC_WIZ_PB_hint_ico), nullptr, 0, 0, kIconBox, kIconBox, SWP_NOMOVE | SWP_NOZORDER);
    AddControlTip(CreateToolTips(hwnd_), pages_.Item(IDC_WIZ_CB_lock), L"Блокирует задание");
    WriteControls(pages_, session_.controls());
    ShowPage();
    return FALSE;  // ShowPage placed the focus
  }

  void MakeHeaderFont() {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    boldFont_ = UniqueGdi<HFONT>(CreateFontIndirectW(&font));
    SendMessageW(GetDlgItem(hwnd_, IDC_WIZ_L_capt_gen), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
  }

  void ShowPage() {
    const Page page = session_.page();
    if (page == Page::kMonthly || page == Page::kTime) ShowPickers(pages_, session_.controls());
    pages_.Show(page);
    SetControlText(GetDlgItem(hwnd_, IDC_WIZ_L_capt_gen), session_.Header());
    SetControlText(GetDlgItem(hwnd_, IDC_WIZ_L_capt), wizard::PageCaption(page, session_.arrivedBy()));
    EnableWindow(GetDlgItem(hwnd_, IDC_WIZ_B_back), session_.CanGoBack());
    SetControlText(GetDlgItem(hwnd_, IDOK), session_.OnLastPage() ? "Готово" : "Далее");
    // Focus left on a page that went away moves to the new page.
    HWND focus = GetFocus();
    if (!focus || !IsWindowVisible(focus) || !IsWindowEnabled(focus)) {
      HWND first = GetNextDlgTabItem(pages_.page(page), nullptr, FALSE);
      if (!first || !IsWindowVisible(first)) first = GetDlgItem(hwnd_, IDOK);
      SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
  }

  void Read() { ReadControls(pages_, session_.controls(), session_.page()); }

  void Command(int id, int code) {
    if (code == CBN_SELCHANGE && id == IDC_WIZ_CB_dateevermonth) return CB_dateevermonthClick();
    if (code != BN_CLICKED) return;
    if (Between(id, IDC_WIZ_CLB_0, wizard::kActionCount)) return CLBClick(static_cast<Action>(id - IDC_WIZ_CLB_0));
    if (Between(id, IDC_WIZ_RBE_0, 6)) return session_.ChooseTrigger(static_cast<TaskTrigger>(id - IDC_WIZ_RBE_0));
    if (Between(id, IDC_WIZ_RB_0, 10)) return session_.PreviewShortSound(id - IDC_WIZ_RB_0, tests_);
    switch (id) {
      case IDOK: return B_nextClick();
      case IDC_WIZ_B_back: return B_backClick();
      case IDCANCEL: EndDialog(hwnd_, IDCANCEL); return;
      case IDC_WIZ_CB_EVERY:
        EnableWindow(pages_.Item(IDC_WIZ_DATA), !IsChecked(pages_.Item(IDC_WIZ_CB_EVERY)));
        return;
      case IDC_WIZ_B_brows: return Browse(ChooseProgramFile(hwnd_, folders_.programs), IDC_WIZ_E_plan_run);
      case IDC_WIZ_B_mus_brows: return Browse(ChooseSoundFile(hwnd_, folders_.sounds), IDC_WIZ_E_plan_mus);
      case IDC_WIZ_BB_find_prog:
      case IDC_WIZ_BB_find_mus: return OpenFileSearch(hwnd_);
      case IDC_WIZ_BB_paly: Read(); return session_.PlayMusic(tests_);
      case IDC_WIZ_BB_pause: return tests_.StopSound();
      case IDC_WIZ_B_mess_trest: Read(); return session_.TestMessage(tests_);
      case IDC_WIZ_B_Beep_test: Read(); return session_.TestBeep(tests_);
      case IDC_WIZ_B_hint: Read(); return session_.TestHint(tests_);
      default: return;
    }
  }

  void B_nextClick() {
    Read();
    if (session_.OnLastPage()) return Finish();
    session_.Next();
    ShowPage();
  }

  void B_backClick() {
    Read();
    session_.Back();
    ShowPage();
  }

  void CLBClick(Action action) {
    Read();
    session_.ClickAction(action, wizard::Has(session_.controls().actions, action));
    ShowActionChecks(pages_, session_.controls());
    if (action == Action::kHangUp) ShowConnectionList(pages_, session_.controls());
  }

  void CB_dateevermonthClick() {
    Read();
    const int index = static_cast<int>(SendMessageW(pages_.Item(IDC_WIZ_CB_dateevermonth), CB_GETCURSEL, 0, 0));
    wizard::ChooseDayOfMonth(session_.controls(), index < 0 ? 1 : index + 1);
    ShowPickers(pages_, session_.controls());
  }

  void Browse(const std::optional<std::string>& path, int editId) {
    if (path) SetControlText(pages_.Item(editId), *path);
  }

  void TrackBarChange() {
    Read();
    ShowTrackLabels(pages_, session_.controls());
  }

  void Finish() {
    SystemClock clock;
    ClockSeededRandom random(clock);
    switch (session_.Save(LocalNow(), random)) {
      case WizardSaveResult::kNameMissing:
        ShowNotice(hwnd_, kNameMissingTitle, kNameMissingText);
        SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pages_.Item(IDC_WIZ_E_name_pl)), TRUE);
        return;
      case WizardSaveResult::kFailed:
        ShowNotice(hwnd_, kNameMissingTitle, "Не удалось сохранить задание в файл plan.db.");
        return;
      case WizardSaveResult::kSaved:
        if (saved_) saved_();
        EndDialog(hwnd_, IDOK);
        return;
    }
  }

  void PB_hint_icoPaint(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_WIZ_PB_hint_ico) return;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    int icon = static_cast<int>(SendMessageW(pages_.Item(IDC_WIZ_TB_Hint_ico), TBM_GETPOS, 0, 0));
    if (icon < 0 || icon >= kBalloonIconCount) icon = 0;
    DrawDialogIcon(item.hDC, item.rcItem.left + 1, item.rcItem.top + 1, 24, kBalloonPictures[icon],
                   DialogGlyph::Information);
  }

  INT_PTR HeaderColours(HWND control, HDC dc) {
    const int id = GetDlgCtrlID(control);
    if (id != IDC_WIZ_L_capt_gen && id != IDC_WIZ_L_capt) return FALSE;
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
  }

  // PB_top white with an edge under it, the rest in the button face colour.
  void PaintBands(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT top = client;
    top.bottom = bandHeight_ - 2;
    FillRect(dc, &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT edge = client;
    edge.top = bandHeight_ - 2;
    edge.bottom = bandHeight_;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_TOP);
  }

  WizardSession session_;
  WizardTests& tests_;
  WizardFolders folders_;
  const std::function<void()>& saved_;
  HWND hwnd_ = nullptr;
  WizardPageSet pages_;
  UniqueGdi<HFONT> boldFont_;
  int bandHeight_ = 0;
};

}  // namespace

bool RunTaskWizard(HWND owner, const WizardRequest& request, WizardTests& tests, WizardFolders folders,
                   const std::function<void()>& saved) {
  LoadCommonControls();
  TaskWizardWindow window(request, tests, folders, saved);
  return window.Run(owner);
}

}  // namespace tikolvo
