#include "common/win/spreadsheet_automation.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <algorithm>
#include <utility>

#include "common/win/system_library.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

constexpr const wchar_t* kProgramId = L"Excel.Application";
// The two identifiers, given here: the uuid library would bring every
// identifier the system has into the exe.
constexpr IID kDispatch{0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kNoInterface{};

// The few COM and automation functions used, looked up when first needed.
struct Ole {
  HRESULT(WINAPI* initialize)(LPVOID) = nullptr;
  void(WINAPI* uninitialize)() = nullptr;
  HRESULT(WINAPI* classOfProgram)(LPCOLESTR, LPCLSID) = nullptr;
  HRESULT(WINAPI* create)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*) = nullptr;
  BSTR(WINAPI* allocString)(const OLECHAR*, UINT) = nullptr;
  SAFEARRAY*(WINAPI* createArray)(VARTYPE, UINT, SAFEARRAYBOUND*) = nullptr;
  HRESULT(WINAPI* putElement)(SAFEARRAY*, LONG*, void*) = nullptr;
  HRESULT(WINAPI* destroyArray)(SAFEARRAY*) = nullptr;
  HRESULT(WINAPI* clear)(VARIANTARG*) = nullptr;

  bool Complete() const {
    return initialize && uninitialize && classOfProgram && create && allocString && createArray && putElement &&
           destroyArray && clear;
  }
};

const Ole& OleFunctions() {
  static const Ole ole = [] {
    Ole o;
    o.initialize = SystemFunction<decltype(o.initialize)>(L"ole32.dll", "CoInitialize");
    o.uninitialize = SystemFunction<decltype(o.uninitialize)>(L"ole32.dll", "CoUninitialize");
    o.classOfProgram = SystemFunction<decltype(o.classOfProgram)>(L"ole32.dll", "CLSIDFromProgID");
    o.create = SystemFunction<decltype(o.create)>(L"ole32.dll", "CoCreateInstance");
    o.allocString = SystemFunction<decltype(o.allocString)>(L"oleaut32.dll", "SysAllocStringLen");
    o.createArray = SystemFunction<decltype(o.createArray)>(L"oleaut32.dll", "SafeArrayCreate");
    o.putElement = SystemFunction<decltype(o.putElement)>(L"oleaut32.dll", "SafeArrayPutElement");
    o.destroyArray = SystemFunction<decltype(o.destroyArray)>(L"oleaut32.dll", "SafeArrayDestroy");
    o.clear = SystemFunction<decltype(o.clear)>(L"oleaut32.dll", "VariantClear");
    return o;
  }();
  return ole;
}

// One reference to an automation object, released at the end of its scope.
class Dispatch {
 public:
  explicit Dispatch(IDispatch* object = nullptr) : object_(object) {}
  Dispatch(Dispatch&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;
  ~Dispatch() {
    if (object_) object_->Release();
  }
  IDispatch* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  IDispatch* object_;
};

VARIANT Int(LONG value) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT Bool(bool value) {
  VARIANT v{};
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

// The caller keeps its own reference for as long as the call lasts.
VARIANT Object(const Dispatch& object) {
  VARIANT v{};
  v.vt = VT_DISPATCH;
  v.pdispVal = object.get();
  return v;
}

// A member called by name; the arguments in their written order (IDispatch
// takes them last first).
HRESULT Call(IDispatch* object, WORD kind, const wchar_t* name, std::vector<VARIANT> args, VARIANT* result) {
  if (!object) return E_POINTER;
  DISPID member = 0;
  LPOLESTR memberName = const_cast<LPOLESTR>(name);
  HRESULT hr = object->GetIDsOfNames(kNoInterface, &memberName, 1, LOCALE_USER_DEFAULT, &member);
  if (FAILED(hr)) return hr;
  std::reverse(args.begin(), args.end());
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
  if (kind == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  return object->Invoke(member, kNoInterface, LOCALE_USER_DEFAULT, kind, &params, result, nullptr, nullptr);
}

// A property or method that gives an object; an empty one on any failure.
Dispatch Get(const Ole& ole, const Dispatch& object, const wchar_t* name, std::vector<VARIANT> args = {},
             WORD kind = DISPATCH_PROPERTYGET) {
  VARIANT result{};
  if (FAILED(Call(object.get(), kind, name, std::move(args), &result))) return Dispatch();
  if (result.vt != VT_DISPATCH || !result.pdispVal) {
    ole.clear(&result);
    return Dispatch();
  }
  return Dispatch(result.pdispVal);
}

bool Put(const Dispatch& object, const wchar_t* name, VARIANT value) {
  return SUCCEEDED(Call(object.get(), DISPATCH_PROPERTYPUT, name, {value}, nullptr));
}

// rows × columns variants holding texts, from index 0 in both dimensions.
SAFEARRAY* TextArray(const Ole& ole, const std::vector<std::vector<std::string>>& cells, LONG columns) {
  SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(cells.size()), 0}, {static_cast<ULONG>(columns), 0}};
  SAFEARRAY* array = ole.createArray(VT_VARIANT, 2, bounds);
  if (!array) return nullptr;
  for (LONG r = 0; r < static_cast<LONG>(cells.size()); ++r) {
    for (LONG c = 0; c < static_cast<LONG>(cells[r].size()) && c < columns; ++c) {
      const std::wstring text = Widen(cells[r][c]);
      VARIANT cell{};
      cell.vt = VT_BSTR;
      cell.bstrVal = ole.allocString(text.data(), static_cast<UINT>(text.size()));
      LONG at[2] = {r, c};
      const HRESULT hr = ole.putElement(array, at, &cell);  // copies the text
      ole.clear(&cell);
      if (FAILED(hr)) {
        ole.destroyArray(array);
        return nullptr;
      }
    }
  }
  return array;
}

// Worksheet 1 of the new workbook gets the whole table at once.
bool FillFirstSheet(const Ole& ole, const Dispatch& application,
                    const std::vector<std::vector<std::string>>& cells) {
  LONG columns = 0;
  for (const auto& row : cells) columns = std::max(columns, static_cast<LONG>(row.size()));
  if (cells.empty() || columns == 0) return true;
  const Dispatch sheet = Get(ole, Get(ole, application, L"WorkSheets"), L"Item", {Int(1)});
  const Dispatch all = Get(ole, sheet, L"Cells");
  const Dispatch first = Get(ole, all, L"Item", {Int(1), Int(1)});
  const Dispatch last = Get(ole, all, L"Item", {Int(static_cast<LONG>(cells.size())), Int(columns)});
  const Dispatch range = Get(ole, sheet, L"Range", {Object(first), Object(last)});
  if (!range) return false;
  SAFEARRAY* array = TextArray(ole, cells, columns);
  if (!array) return false;
  VARIANT value{};
  value.vt = VT_ARRAY | VT_VARIANT;
  value.parray = array;
  const bool put = Put(range, L"Value", value);
  ole.destroyArray(array);
  return put;
}

bool Drive(const Ole& ole, const std::vector<std::vector<std::string>>& cells) {
  CLSID id;
  if (FAILED(ole.classOfProgram(kProgramId, &id))) return false;
  IDispatch* created = nullptr;
  const DWORD servers = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER;
  if (FAILED(ole.create(id, nullptr, servers, kDispatch, reinterpret_cast<void**>(&created))) || !created)
    return false;
  const Dispatch application(created);
  Put(application, L"EnableEvents", Bool(false));
  const Dispatch workbook = Get(ole, Get(ole, application, L"WorkBooks"), L"Add", {}, DISPATCH_METHOD);
  if (workbook && FillFirstSheet(ole, application, cells) && Put(application, L"Visible", Bool(true)))
    return true;
  // An application nobody can see would stay running for nothing.
  Call(application.get(), DISPATCH_METHOD, L"Quit", {}, nullptr);
  return false;
}

}  // namespace

bool SpreadsheetApplicationRegistered() {
  const Ole& ole = OleFunctions();
  CLSID id;
  return ole.Complete() && SUCCEEDED(ole.classOfProgram(kProgramId, &id));
}

bool ShowInSpreadsheetApplication(const std::vector<std::vector<std::string>>& cells) {
  const Ole& ole = OleFunctions();
  if (!ole.Complete()) return false;
  const HRESULT initialized = ole.initialize(nullptr);
  const bool result = Drive(ole, cells);
  if (SUCCEEDED(initialized)) ole.uninitialize();
  return result;
}

}  // namespace tikolvo
