// AutoCAD reached through COM automation, late-bound: every member is looked
// up by name (GetIDsOfNames, which ignores case) and called through
// IDispatch::Invoke, so no AutoCAD type library is needed to build.
#ifdef _WIN32

#include "handoff/cad_com_windows.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "model/failure.h"

namespace footmark {

namespace {

// File names are text in the system's ANSI code page, as everywhere else.
std::wstring Wide(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), n);
  return wide;
}

std::string Narrow(const wchar_t* wide) {
  if (wide == nullptr || *wide == L'\0') return std::string();
  const int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), n, nullptr, nullptr);
  text.resize(static_cast<std::size_t>(n > 0 ? n - 1 : 0));  // the count held the final NUL
  return text;
}

[[noreturn]] void Fail(const std::string& what, HRESULT hr) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  throw RuntimeFailure(what + " failed (" + code + ")");
}

// One counted reference to an automation object.
class Dispatch {
 public:
  explicit Dispatch(IDispatch* object) : object_(object) {}
  ~Dispatch() {
    if (object_ != nullptr) object_->Release();
  }
  Dispatch(Dispatch&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;
  Dispatch& operator=(Dispatch&&) = delete;
  IDispatch* get() const { return object_; }

 private:
  IDispatch* object_;
};

VARIANT Text(const std::string& text) {
  const std::wstring wide = Wide(text);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (v.bstrVal == nullptr) throw RuntimeFailure("out of memory for " + text);
  return v;
}

VARIANT Bool(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT Long(long value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

// Calls member on object with args in call order; result may be null.
void Call(IDispatch* object, const wchar_t* member, WORD kind, std::vector<VARIANT> args, VARIANT* result) {
  struct ClearArgs {
    std::vector<VARIANT>& args;
    ~ClearArgs() {
      for (VARIANT& v : args) VariantClear(&v);
    }
  } clear{args};
  const std::string name = Narrow(member);

  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(member)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) Fail("looking up " + name, hr);

  // Dispatch takes the arguments last first; a property put names its value.
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{};
  params.rgvarg = reversed.empty() ? nullptr : reversed.data();
  params.cArgs = static_cast<UINT>(reversed.size());
  if (kind == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  EXCEPINFO info{};
  UINT argError = 0;
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, &info, &argError);
  if (hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn != nullptr) info.pfnDeferredFillIn(&info);
    const std::string description = Narrow(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    Fail(name + ": " + description, FAILED(info.scode) ? info.scode : hr);
  }
  if (FAILED(hr)) Fail(name, hr);
}

// A member that returns an object (a property get or Open).
Dispatch CallForObject(IDispatch* object, const wchar_t* member, WORD kind, std::vector<VARIANT> args) {
  VARIANT result;
  VariantInit(&result);
  try {
    Call(object, member, kind, std::move(args), &result);
  } catch (...) {
    VariantClear(&result);
    throw;
  }
  if (result.vt != VT_DISPATCH || result.pdispVal == nullptr) {
    VariantClear(&result);
    throw RuntimeFailure(Narrow(member) + " returned no object");
  }
  return Dispatch(result.pdispVal);  // takes over the result's reference
}

class ComDocument : public CadDocument {
 public:
  explicit ComDocument(Dispatch doc) : doc_(std::move(doc)) {}
  void Close() override { Call(doc_.get(), L"Close", DISPATCH_METHOD, {}, nullptr); }
  void saveas(const std::string& fileName) override {
    Call(doc_.get(), L"saveas", DISPATCH_METHOD, {Text(fileName)}, nullptr);
  }
  void saveas(const std::string& fileName, int saveType) override {
    Call(doc_.get(), L"saveas", DISPATCH_METHOD, {Text(fileName), Long(saveType)}, nullptr);
  }

 private:
  Dispatch doc_;
};

class ComDocuments : public CadDocuments {
 public:
  explicit ComDocuments(Dispatch docs) : docs_(std::move(docs)) {}
  std::unique_ptr<CadDocument> Open(const std::string& fileName) override {
    return std::make_unique<ComDocument>(CallForObject(docs_.get(), L"Open", DISPATCH_METHOD, {Text(fileName)}));
  }

 private:
  Dispatch docs_;
};

class ComApplication : public CadApplication {
 public:
  explicit ComApplication(Dispatch app) : app_(std::move(app)) {}
  std::unique_ptr<CadDocument> ActiveDocument() override {
    return std::make_unique<ComDocument>(CallForObject(app_.get(), L"ActiveDocument", DISPATCH_PROPERTYGET, {}));
  }
  void Visible(bool visible) override {
    Call(app_.get(), L"Visible", DISPATCH_PROPERTYPUT, {Bool(visible)}, nullptr);
  }
  std::unique_ptr<CadDocuments> Documents() override {
    return std::make_unique<ComDocuments>(CallForObject(app_.get(), L"Documents", DISPATCH_PROPERTYGET, {}));
  }

 private:
  Dispatch app_;
};

}  // namespace

ComCadAttacher::ComCadAttacher() {
  // S_FALSE: the thread was in the apartment already; both need the matching
  // uninitialize. RPC_E_CHANGED_MODE: another apartment kind, left alone.
  uninitialize_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComCadAttacher::~ComCadAttacher() {
  if (uninitialize_) CoUninitialize();
}

std::unique_ptr<CadApplication> ComCadAttacher::Attach(const std::string& progId) {
  const std::wstring wide = Wide(progId);
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(wide.c_str(), &clsid);
  if (FAILED(hr)) Fail("finding " + progId, hr);
  IUnknown* running = nullptr;
  hr = GetActiveObject(clsid, nullptr, &running);
  if (FAILED(hr) || running == nullptr) Fail("attaching to a running " + progId, hr);
  IDispatch* app = nullptr;
  hr = running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&app));
  running->Release();
  if (FAILED(hr) || app == nullptr) Fail("automation of " + progId, hr);
  return std::make_unique<ComApplication>(Dispatch(app));
}

}  // namespace footmark

#endif  // _WIN32
