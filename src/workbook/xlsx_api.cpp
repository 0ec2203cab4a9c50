#include "workbook/xlsx_api.h"

#include <string>

#include "model/failure.h"

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace footmark::workbook {

#if defined(__linux__)

namespace {

XlsxApi Load() {
  const std::string name = "libxlsxwriter.so." LXW_SOVERSION;
  void* library = ::dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) throw RuntimeFailure("cannot load the workbook library " + name + ": " + ::dlerror());
  XlsxApi api;
#define FOOTMARK_XLSX_LOAD(function)                                                        \
  api.function = reinterpret_cast<decltype(api.function)>(::dlsym(library, #function));     \
  if (!api.function) throw RuntimeFailure("the workbook library " + name + " has no " #function);
  FOOTMARK_XLSX_FUNCTIONS(FOOTMARK_XLSX_LOAD)
#undef FOOTMARK_XLSX_LOAD
  return api;  // the library stays loaded for the rest of the run
}

}  // namespace

const XlsxApi& Xlsx() {
  static const XlsxApi api = Load();
  return api;
}

#else

const XlsxApi& Xlsx() {
  static const XlsxApi api = [] {
    XlsxApi linked;
#define FOOTMARK_XLSX_LINK(function) linked.function = &::function;
    FOOTMARK_XLSX_FUNCTIONS(FOOTMARK_XLSX_LINK)
#undef FOOTMARK_XLSX_LINK
    return linked;
  }();
  return api;
}

#endif

}  // namespace footmark::workbook
