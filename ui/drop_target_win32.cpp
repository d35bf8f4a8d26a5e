// The drop target: an OLE IDropTarget on the main window that accepts file
// lists (CF_HDROP) and hands the dropped paths to OnFilesDropped.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include "platform/program_window_win32.h"
#include "platform/wide_text_win32.h"
#include "ui/main_window.h"
#include "ui/main_window_win32.h"

namespace {

FORMATETC FileListFormat() {
  return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The paths of a file list, ANSI or wide: the wide call reads both.
TextList ReadDroppedPaths(HDROP drop) {
  TextList paths;
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    // The length of an ANSI list may count bytes, not characters.
    path.resize(wcsnlen(path.c_str(), path.size()));
    paths.push_back(TextOfWide(path));
  }
  return paths;
}

class FolderDropTarget final : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IDropTarget) {
      *object = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }

  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0)
      delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL,
                                      DWORD* effect) override {
    FORMATETC format = FileListFormat();
    data_acceptable_ = data && data->QueryGetData(&format) == S_OK;
    *effect = Choose(keys, *effect);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL,
                                     DWORD* effect) override {
    *effect = Choose(keys, *effect);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE DragLeave() override {
    data_acceptable_ = false;
    return S_OK;
  }

  // Always E_FAIL, even after a run: the source must never take a drop on
  // this window for a finished copy or move.
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL,
                                 DWORD* effect) override {
    *effect = Choose(keys, *effect);
    if (*effect == DROPEFFECT_NONE)
      return E_FAIL;
    FORMATETC format = FileListFormat();
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium)))
      return E_FAIL;
    TextList paths;
    if (medium.tymed == TYMED_HGLOBAL)
      paths = ReadDroppedPaths(static_cast<HDROP>(medium.hGlobal));
    ReleaseStgMedium(&medium);
    OnFilesDropped(DroppedPathsText(paths));
    return E_FAIL;
  }

 private:
  DWORD Choose(DWORD keys, DWORD allowed) const {
    return ChooseDropEffect(data_acceptable_, keys & MK_CONTROL,
                            keys & MK_SHIFT, allowed);
  }

  ULONG references_ = 1;
  bool data_acceptable_ = false;
};

HWND registered_window = nullptr;
FolderDropTarget* drop_target = nullptr;

}  // namespace

bool RegisterDropTarget() {
  if (registered_window)
    return false;
  registered_window = ProgramWindow();
  drop_target = new FolderDropTarget;
  if (RegisterDragDrop(registered_window, drop_target) == S_OK)
    return true;
  // Without OLE the window takes no drops; the button still works.
  drop_target->Release();
  drop_target = nullptr;
  return false;
}

void ReleaseDropTarget(HWND window) {
  if (!drop_target || window != registered_window)
    return;
  RevokeDragDrop(window);
  drop_target->Release();
  drop_target = nullptr;
}
