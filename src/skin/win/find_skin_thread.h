#pragma once
// The search of the skins folder on a thread of its own (TFindSkinThread),
// so that a large or slow folder never holds up the settings window. The
// worker touches only the file system and its own list; its complete list
// reaches the GUI thread through a mailbox it shares with the receiver and
// a posted wake-up message. The mailbox, not the message, owns the list, so
// nothing is lost or leaked when the receiving window is gone before the
// message arrives or before the worker ends. Of several searches, the one
// started last wins: a list from an older search that ends later is
// dropped.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/win/window_base.h"
#include "skin/skin_search.h"

namespace tikolvo {

// The file system as the search sees it (FindFirstFileW/FindNextFileW;
// only the first bytes of an archive are read).
class WinSkinSearchFiles final : public SkinSearchFiles {
 public:
  std::vector<SkinFolderEntry> List(const std::string& folder) const override;
  std::string ReadHead(const std::string& path, std::size_t count) const override;
};

struct SkinSearchMailbox;

// The GUI thread's side: starts searches and hands each winning list to
// `delivered`, on the thread that made the receiver.
class SkinSearchReceiver final : public Window {
 public:
  using Delivered = std::function<void(std::vector<std::string> entries)>;
  explicit SkinSearchReceiver(Delivered delivered);
  ~SkinSearchReceiver() override;

  // Starts a worker over the folder; false when no thread could be started.
  // folderSkins: complete folder skins right under the folder are listed too.
  bool StartSearch(const std::string& folder, bool folderSkins);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool MakeWindow();
  void TakeDelivery();

  Delivered delivered_;
  SkinSearchMailbox* mailbox_;
  unsigned started_ = 0;
};

}  // namespace tikolvo
