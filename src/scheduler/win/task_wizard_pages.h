#pragma once
// The task wizard's fourteen page dialogs and the way their controls show
// and hand back the wizard's model (scheduler/wizard_model.h).
#include <windows.h>

#include <array>

#include "scheduler/wizard_model.h"
#include "scheduler/wizard_pages.h"

namespace tikolvo {

class WizardPageSet {
 public:
  // Makes every page from its template, hidden, over `area` of the frame.
  bool Create(HWND frame, const RECT& area);
  HWND page(wizard::Page page) const { return pages_[static_cast<std::size_t>(page)]; }
  // A control of any page by its id; nullptr when no page has it.
  HWND Item(int id) const;
  // Shows one page and hides the others.
  void Show(wizard::Page shown) const;

 private:
  std::array<HWND, wizard::kPageCount> pages_{};
};

// Every control from the model (at opening). Nothing is notified.
void WriteControls(const WizardPageSet& pages, const wizard::WizardControls& controls);
// What the user typed, checked and moved, back into the model. The trigger
// is not read here (it follows the user's clicks) and the pickers are read
// from the page that shows them.
void ReadControls(const WizardPageSet& pages, wizard::WizardControls& controls, wizard::Page current);

void ShowActionChecks(const WizardPageSet& pages, const wizard::WizardControls& controls);
void ShowConnectionList(const WizardPageSet& pages, const wizard::WizardControls& controls);
void ShowTrackLabels(const WizardPageSet& pages, const wizard::WizardControls& controls);
// The date and time pickers and the day of month of the page about to show.
void ShowPickers(const WizardPageSet& pages, const wizard::WizardControls& controls);

}  // namespace tikolvo
