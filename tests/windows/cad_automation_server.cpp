// A stand-in for a running AutoCAD, for the COM hand-off's test: a local
// automation server that registers itself under AutoCAD's ProgID in the
// Running Object Table, writes every call it receives to a log (one line each,
// UTF-8), and saves a document by copying the file it was opened from. It
// starts with one unsaved drawing open, as AutoCAD does.
//
//   cad_automation_server LOG_FILE
//
// Ends on Application.Quit (status 0) or after two minutes (status 1).
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <cwchar>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A class identifier of the stand-in's own: only the ProgID is AutoCAD's.
constexpr CLSID kStandInClsid = {0x6c1f3d2a, 0x94b7, 0x4e15, {0x8a, 0x3e, 0x51, 0x0d, 0x7c, 0x2b, 0x9f, 0x64}};
constexpr UINT kLifetimeMs = 120000;

std::ofstream logFile;

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

void Log(const std::string& line) { logFile << line << std::endl; }

HRESULT Raise(EXCEPINFO* info, const wchar_t* text) {
  if (info != nullptr) {
    *info = EXCEPINFO{};
    info->bstrSource = SysAllocString(L"AutoCAD");
    info->bstrDescription = SysAllocString(text);
    info->scode = E_FAIL;
  }
  return DISP_E_EXCEPTION;
}

// An automation object whose members are found by name, case ignored, as
// AutoCAD's are; the member's position in the name list is its DISPID.
class Object : public IDispatch {
 public:
  explicit Object(std::vector<const wchar_t*> members) : members_(std::move(members)) {}
  virtual ~Object() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
      for (std::size_t m = 0; m < members_.size(); ++m) {
        if (_wcsicmp(names[i], members_[m]) == 0) ids[i] = static_cast<DISPID>(m);
      }
      if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* info, UINT*) override {
    if (id < 0 || static_cast<std::size_t>(id) >= members_.size()) return DISP_E_MEMBERNOTFOUND;
    std::vector<VARIANT> args(params->cArgs);  // in call order
    for (UINT i = 0; i < params->cArgs; ++i) args[i] = params->rgvarg[params->cArgs - 1 - i];
    if (result != nullptr) VariantInit(result);
    return Call(members_[id], kind, args, result, info);
  }

 protected:
  virtual HRESULT Call(const std::wstring& member, WORD kind, const std::vector<VARIANT>& args, VARIANT* result,
                       EXCEPINFO* info) = 0;

  static HRESULT Return(IDispatch* object, VARIANT* result) {
    if (result == nullptr) return object->Release(), S_OK;
    result->vt = VT_DISPATCH;
    result->pdispVal = object;  // the caller's reference
    return S_OK;
  }

 private:
  std::vector<const wchar_t*> members_;
  ULONG refs_ = 1;
};

std::wstring TextArg(const std::vector<VARIANT>& args, std::size_t i) {
  if (i >= args.size()) return {};
  VARIANT text;
  VariantInit(&text);
  if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&args[i]), 0, VT_BSTR))) return {};
  std::wstring value(text.bstrVal, SysStringLen(text.bstrVal));
  VariantClear(&text);
  return value;
}

class Document : public Object {
 public:
  explicit Document(std::wstring name) : Object({L"Close", L"saveas"}), name_(std::move(name)) {}

 protected:
  HRESULT Call(const std::wstring& member, WORD, const std::vector<VARIANT>& args, VARIANT*,
               EXCEPINFO* info) override {
    if (member == L"Close") {
      Log("Close " + Utf8(name_));
      return S_OK;
    }
    // saveas: the drawing as opened, under the new name, which the document takes.
    const std::wstring target = TextArg(args, 0);
    std::string entry = "saveas " + Utf8(target);
    if (args.size() > 1) entry += " " + Utf8(TextArg(args, 1));
    Log(entry);
    if (!CopyFileW(name_.c_str(), target.c_str(), FALSE)) return Raise(info, L"cannot save the drawing");
    name_ = target;
    return S_OK;
  }

 private:
  std::wstring name_;
};

class Documents : public Object {
 public:
  Documents() : Object({L"Open"}) {}

 protected:
  HRESULT Call(const std::wstring&, WORD, const std::vector<VARIANT>& args, VARIANT* result,
               EXCEPINFO* info) override {
    const std::wstring file = TextArg(args, 0);
    Log("Open " + Utf8(file));
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return Raise(info, L"file not found");
    return Return(new Document(file), result);
  }
};

class Application : public Object {
 public:
  Application() : Object({L"ActiveDocument", L"Visible", L"Documents", L"Quit"}) {}

 protected:
  HRESULT Call(const std::wstring& member, WORD kind, const std::vector<VARIANT>& args, VARIANT* result,
               EXCEPINFO*) override {
    if (member == L"ActiveDocument") {
      Log("ActiveDocument");
      return Return(new Document(L"Drawing1.dwg"), result);
    }
    if (member == L"Documents") {
      Log("Documents");
      return Return(new Documents, result);
    }
    if (member == L"Visible") {
      if (kind != DISPATCH_PROPERTYPUT || args.size() != 1 || args[0].vt != VT_BOOL) return DISP_E_TYPEMISMATCH;
      Log(args[0].boolVal ? "Visible True" : "Visible False");
      return S_OK;
    }
    Log("Quit");
    PostQuitMessage(0);
    return S_OK;
  }
};

// AutoCAD's ProgID, pointing at the stand-in's class (HKEY_CLASSES_ROOT of
// the Wine prefix the server runs in).
bool RegisterProgId() {
  wchar_t clsid[64];
  StringFromGUID2(kStandInClsid, clsid, 64);
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, L"AutoCAD.Application\\CLSID", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const auto bytes = static_cast<DWORD>((wcslen(clsid) + 1) * sizeof(wchar_t));
  const bool ok = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid), bytes) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  logFile.open(argv[1], std::ios::binary | std::ios::trunc);
  if (!logFile || FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) || !RegisterProgId()) return 3;
  auto* app = new Application;
  DWORD cookie = 0;
  if (FAILED(RegisterActiveObject(app, kStandInClsid, ACTIVEOBJECT_STRONG, &cookie))) return 4;
  SetTimer(nullptr, 0, kLifetimeMs, nullptr);
  int status = 0;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) {
      status = 1;
      break;
    }
    DispatchMessageW(&msg);
  }
  RevokeActiveObject(cookie, nullptr);
  app->Release();
  CoUninitialize();
  return status;
}
