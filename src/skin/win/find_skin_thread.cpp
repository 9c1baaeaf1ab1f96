#include "skin/win/find_skin_thread.h"

#include <optional>
#include <utility>

#include "common/win/wide_text.h"

namespace tikolvo {

constexpr UINT kSearchDeliveredMessage = WM_APP + 40;
constexpr const wchar_t* kReceiverClass = L"TikolvoSkinSearch";

// Shared by the receiver and every worker it started; the last of them to
// let go frees it, with whatever list it still holds.
struct SkinSearchMailbox {
  SkinSearchMailbox() { InitializeCriticalSection(&lock); }
  ~SkinSearchMailbox() { DeleteCriticalSection(&lock); }

  void Hold() { InterlockedIncrement(&references); }
  void Release() {
    if (InterlockedDecrement(&references) == 0) delete this;
  }

  CRITICAL_SECTION lock;
  LONG references = 1;
  HWND receiver = nullptr;  // nullptr once the receiver is gone
  unsigned newestSearch = 0;  // the newest search that delivered
  std::optional<std::vector<std::string>> pending;
};

namespace {

class Locked {
 public:
  explicit Locked(SkinSearchMailbox& box) : box_(box) { EnterCriticalSection(&box_.lock); }
  ~Locked() { LeaveCriticalSection(&box_.lock); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SkinSearchMailbox& box_;
};

}  // namespace

// One search; it frees itself when done.
class TFindSkinThread {
 public:
  TFindSkinThread(SkinSearchMailbox& box, std::string folder, bool folderSkins, unsigned number)
      : box_(box), folder_(std::move(folder)), folderSkins_(folderSkins), number_(number) {
    box_.Hold();
  }
  ~TFindSkinThread() { box_.Release(); }
  TFindSkinThread(const TFindSkinThread&) = delete;
  TFindSkinThread& operator=(const TFindSkinThread&) = delete;

  static bool Start(SkinSearchMailbox& box, const std::string& folder, bool folderSkins, unsigned number) {
    auto* search = new TFindSkinThread(box, folder, folderSkins, number);
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, &TFindSkinThread::Run, search, 0, &id);
    if (!thread) {
      delete search;
      return false;
    }
    CloseHandle(thread);
    return true;
  }

 private:
  static DWORD WINAPI Run(void* parameter) {
    auto* search = static_cast<TFindSkinThread*>(parameter);
    search->Execute();
    delete search;
    return 0;
  }

  void Execute() {
    std::optional<std::vector<std::string>> found;
    try {
      found = FindSkins(folder_, WinSkinSearchFiles(), folderSkins_);
    } catch (...) {
      return;  // out of memory: nothing to deliver
    }
    if (found) Deliver(std::move(*found));
  }

  void Deliver(std::vector<std::string> entries) {
    Locked locked(box_);
    if (number_ <= box_.newestSearch) return;
    box_.newestSearch = number_;
    box_.pending = std::move(entries);
    if (box_.receiver) PostMessageW(box_.receiver, kSearchDeliveredMessage, 0, 0);
  }

  SkinSearchMailbox& box_;
  std::string folder_;
  bool folderSkins_;
  unsigned number_;
};

std::vector<SkinFolderEntry> WinSkinSearchFiles::List(const std::string& folder) const {
  std::vector<SkinFolderEntry> entries;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(Widen(folder + "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    // System files stay out of the list, as the search has always seen it.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) continue;
    entries.push_back({Narrow(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

std::string WinSkinSearchFiles::ReadHead(const std::string& path, std::size_t count) const {
  HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string head(count, '\0');
  std::size_t got = 0;
  DWORD read = 0;
  while (got < count && ReadFile(file, &head[got], static_cast<DWORD>(count - got), &read, nullptr) && read > 0)
    got += read;
  CloseHandle(file);
  head.resize(got);
  return head;
}

SkinSearchReceiver::SkinSearchReceiver(Delivered delivered)
    : delivered_(std::move(delivered)), mailbox_(new SkinSearchMailbox) {}

SkinSearchReceiver::~SkinSearchReceiver() {
  {
    Locked locked(*mailbox_);
    mailbox_->receiver = nullptr;
  }
  mailbox_->Release();
}

bool SkinSearchReceiver::MakeWindow() {
  if (hwnd()) return true;
  if (!RegisterWindowClass(kReceiverClass, 0, nullptr, nullptr, nullptr)) return false;
  HWND window = CreateWindowFor(0, kReceiverClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
  if (!window) return false;
  Locked locked(*mailbox_);
  mailbox_->receiver = window;
  return true;
}

bool SkinSearchReceiver::StartSearch(const std::string& folder, bool folderSkins) {
  if (!MakeWindow()) return false;
  return TFindSkinThread::Start(*mailbox_, folder, folderSkins, ++started_);
}

void SkinSearchReceiver::TakeDelivery() {
  std::optional<std::vector<std::string>> entries;
  {
    Locked locked(*mailbox_);
    entries.swap(mailbox_->pending);
  }
  if (entries) delivered_(std::move(*entries));
}

LRESULT SkinSearchReceiver::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kSearchDeliveredMessage) return Default(message, wParam, lParam);
  TakeDelivery();
  return 0;
}

}  // namespace tikolvo
