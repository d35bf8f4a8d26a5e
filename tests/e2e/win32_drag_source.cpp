// A drag source for the end-to-end tests: a small window at X,Y that, when
// the mouse is pressed in it, starts a real OLE drag of the given paths
// (CF_HDROP), or of a text (CF_TEXT) with --text, and prints what
// DoDragDrop returned. The paths are offered in the ANSI code page, as an
// older program would, or in UTF-16 with --wide; --getdata-fails
// says yes to QueryGetData and then fails GetData.
//   drag_source X Y [--wide] [--getdata-fails] [--text TEXT | PATH...]
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

FORMATETC offered_format;
bool getdata_fails = false;
std::string payload;  // the bytes of the HGLOBAL that GetData hands out

HGLOBAL CopyPayload() {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, payload.size());
  memcpy(GlobalLock(block), payload.data(), payload.size());
  GlobalUnlock(block);
  return block;
}

std::string FileList(const std::vector<std::wstring>& paths, bool wide) {
  DROPFILES header = {};
  header.pFiles = sizeof header;
  header.fWide = wide;
  std::string bytes(reinterpret_cast<char*>(&header), sizeof header);
  for (const std::wstring& path : paths) {
    if (wide) {
      bytes.append(reinterpret_cast<const char*>(path.c_str()),
                   (path.size() + 1) * sizeof(wchar_t));
      continue;
    }
    std::string ansi(path.size() * 4 + 1, '\0');
    int length = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, ansi.data(),
                                     static_cast<int>(ansi.size()), nullptr,
                                     nullptr);
    bytes.append(ansi.c_str(), length);
  }
  return bytes.append(wide ? 2 : 1, '\0');
}

class DataObject : public IDataObject {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (id == IID_IUnknown || id == IID_IDataObject) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format,
                                    STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK || getdata_fails)
      return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = CopyPayload();
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format->cfFormat == offered_format.cfFormat &&
                   (format->tymed & TYMED_HGLOBAL)
               ? S_OK
               : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*,
                                                  FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction,
                                          IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET)
      return E_NOTIMPL;
    return SHCreateStdEnumFmtEtc(1, &offered_format, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*,
                                    DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  ULONG refs_ = 1;
};

class DropSource : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (id == IID_IUnknown || id == IID_IDropSource) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape,
                                              DWORD keys) override {
    if (escape)
      return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    last_effect = effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }
  DWORD last_effect = 0;
};

bool dragged = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam) {
  if (message == WM_LBUTTONDOWN && !dragged) {
    dragged = true;
    DataObject data;
    DropSource source;
    DWORD effect = DROPEFFECT_NONE;
    printf("dragging=1\n");
    fflush(stdout);
    HRESULT result = DoDragDrop(&data, &source,
                                DROPEFFECT_COPY | DROPEFFECT_MOVE |
                                    DROPEFFECT_LINK,
                                &effect);
    printf("result=0x%08lx\neffect=%lu\nlast_feedback=%lu\n",
           static_cast<unsigned long>(result), effect, source.last_effect);
    fflush(stdout);
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int main() {
  // The wide command line: the ANSI one cannot carry every path.
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3)
    return 2;
  int x = _wtoi(argv[1]), y = _wtoi(argv[2]);
  std::vector<std::wstring> paths;
  bool wide = false;
  int next = 3;
  for (; next < argc && wcsncmp(argv[next], L"--", 2) == 0; ++next) {
    if (wcscmp(argv[next], L"--wide") == 0)
      wide = true;
    else if (wcscmp(argv[next], L"--getdata-fails") == 0)
      getdata_fails = true;
    else if (wcscmp(argv[next], L"--text") == 0)
      break;
  }
  if (next + 1 < argc && wcscmp(argv[next], L"--text") == 0) {
    offered_format = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    std::string text(wcslen(argv[next + 1]) * 4 + 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, argv[next + 1], -1, text.data(),
                        static_cast<int>(text.size()), nullptr, nullptr);
    payload = text.c_str() + std::string(1, '\0');
  } else {
    for (int i = next; i < argc; ++i)
      paths.push_back(argv[i]);
    offered_format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    payload = FileList(paths, wide);
  }
  OleInitialize(nullptr);
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  window_class.lpszClassName = "JpgNamesTestDragSource";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "JpgNamesTestDragSource",
                                "drag source", WS_POPUP | WS_VISIBLE, x, y, 60,
                                60, nullptr, nullptr, nullptr, nullptr);
  printf("ready=1\n");
  fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  (void)window;
  OleUninitialize();
  return 0;
}
