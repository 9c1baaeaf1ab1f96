#pragma once
// One running copy: the first copy owns a named mutex; a later copy brings
// the first one's clock back and ends.
namespace tikolvo {

inline constexpr wchar_t kMainWindowClass[] = L"TMainForm";
inline constexpr wchar_t kInstanceMutexName[] = L"Tikolvo";

// True when this is the only copy. The mutex handle stays open for the life
// of the process, which keeps the name alive.
bool ClaimSingleInstance();

// Restores the running copy's main window and brings it to the front.
void RestorePreviousInstance();

}  // namespace tikolvo
