#include "command/extract_and_copy.h"

#include "core/photo_names.h"
#include "platform/desktop.h"
#include "platform/file_search.h"

Text FolderPath;
int32_t DroppedFlag = 0;

namespace {

const char kSuccessTitle[] = "成功";
const char kSuccessText[] = "成功将照片文件名复制到剪辑板.";
const char kFailureTitle[] = "失败";
const char kUnreadableText[] = "无法读取文件夹:\r\n";
const char kClipboardFailedText[] = "无法将照片文件名复制到剪辑板.";

// Puts the joined names on the clipboard and says whether that worked.
void CopyNames(const Text& joined) {
  if (SetClipboardText(joined))
    ShowMessageBox(kSuccessText, kMessageBoxPlain, kSuccessTitle);
  else
    ShowMessageBox(kClipboardFailedText, kMessageBoxIconError, kFailureTitle);
}

}  // namespace

void ExtractAndCopy() {
  SearchState state;
  if (DroppedFlag == 0) {
    FolderPath = BrowseForFolder(Text());
    if (FolderPath.empty())
      return;  // cancelled: the clipboard keeps what it had
  }
  // An empty folder text would search the root of the current drive, which
  // nobody chose: it comes only from a drop that carried no path.
  Text joined;
  if (!FolderPath.empty())
    joined = CollectJoinedPhotoNames(FolderPath, state);
  if (FolderPath.empty() || state.folder_unreadable)
    ShowMessageBox(kUnreadableText + FolderPath, kMessageBoxIconError,
                   kFailureTitle);
  else
    CopyNames(joined);
  CloseFileSearch(state);
}
