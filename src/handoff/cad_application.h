// The CAD application as the hand-off sees it: the running application found
// by its ProgID, its active drawing, its visibility, its collection of open
// drawings, and a drawing's Close and saveas. Member names are the
// automation names of AutoCAD, so the hand-off reads like the calls it makes.
//
// Every member may fail by throwing; the hand-off decides what a failure means.
#pragma once

#include <memory>
#include <string>

namespace footmark {

// AutoCAD's save type for a Release 12 DXF file.
inline constexpr int kSaveAsR12Dxf = 1;

class CadDocument {
 public:
  virtual ~CadDocument() = default;
  virtual void Close() = 0;
  // Saves under a new name in the application's own drawing format; the
  // document takes that name.
  virtual void saveas(const std::string& fileName) = 0;
  // Saves under a new name as the given type (kSaveAsR12Dxf).
  virtual void saveas(const std::string& fileName, int saveType) = 0;
};

class CadDocuments {
 public:
  virtual ~CadDocuments() = default;
  // Opens a drawing file and returns it; it becomes the active document.
  virtual std::unique_ptr<CadDocument> Open(const std::string& fileName) = 0;
};

class CadApplication {
 public:
  virtual ~CadApplication() = default;
  virtual std::unique_ptr<CadDocument> ActiveDocument() = 0;  // property get
  virtual void Visible(bool visible) = 0;                    // property put
  virtual std::unique_ptr<CadDocuments> Documents() = 0;      // property get
};

class CadAttacher {
 public:
  virtual ~CadAttacher() = default;
  // The running application registered under progId. Never starts one: when
  // none runs, this throws.
  virtual std::unique_ptr<CadApplication> Attach(const std::string& progId) = 0;
  // The file a save in the application's own format leaves for this name.
  virtual std::string SavedFileName(const std::string& drawingFile) const { return drawingFile; }
};

// AutoCAD through COM automation on Windows; elsewhere our own stand-in
// (cad_standin.h), which shows the saved drawing in the desktop's DXF viewer.
std::unique_ptr<CadAttacher> PlatformCadAttacher();

}  // namespace footmark
