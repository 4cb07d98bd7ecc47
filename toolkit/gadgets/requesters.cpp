// Requesters: the common dialogs for files, folders, colours and fonts, answering the choice in
// the active code page, or nothing when cancelled.
#include <vantrel/toolkit.h>

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace {

constexpr DWORD kFileBufferBytes = 64 * 1024;  // room for many names chosen at once
constexpr char kFilterSeparator = '|';

// "Images|*.png;*.jpg|All|*.*" as the dialogs take it: pairs ended by zero bytes, and one more.
std::string FilterOf(const char* filter) {
  std::string pairs = filter != nullptr ? filter : "";
  for (char& c : pairs) {
    if (c == kFilterSeparator) c = '\0';
  }
  pairs.push_back('\0');
  pairs.push_back('\0');
  return pairs;
}

OPENFILENAMEA FileDialog(const char* title, const std::string& filter, std::vector<char>* names) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter.size() > 2 ? filter.c_str() : nullptr;
  dialog.lpstrFile = names->data();
  dialog.nMaxFile = static_cast<DWORD>(names->size());
  dialog.lpstrTitle = title;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  return dialog;
}

}  // namespace

std::vector<std::string> FileOpenRequest(const char* title, const char* initial, const char* filter,
                                         std::int32_t flags) {
  std::vector<std::string> chosen;
  std::vector<char> names(kFileBufferBytes, '\0');
  if (initial != nullptr) lstrcpynA(names.data(), initial, static_cast<int>(names.size()));
  const std::string pairs = FilterOf(filter);
  OPENFILENAMEA dialog = FileDialog(title, pairs, &names);
  dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if ((flags & FILE_REQUEST_MULTIPLE) != 0) dialog.Flags |= OFN_ALLOWMULTISELECT;
  if (!GetOpenFileNameA(&dialog)) return chosen;
  // One name is a whole path; several are the folder, then each name, zero bytes between.
  const char* folder = names.data();
  const char* name = folder + lstrlenA(folder) + 1;
  if (*name == '\0') {
    chosen.emplace_back(folder);
    return chosen;
  }
  std::string base = folder;
  if (!base.empty() && base.back() != '\\') base += '\\';
  for (; *name != '\0'; name += lstrlenA(name) + 1) chosen.push_back(base + name);
  return chosen;
}

std::string FileSaveRequest(const char* title, const char* initial, const char* filter) {
  std::vector<char> names(kFileBufferBytes, '\0');
  if (initial != nullptr) lstrcpynA(names.data(), initial, static_cast<int>(names.size()));
  const std::string pairs = FilterOf(filter);
  OPENFILENAMEA dialog = FileDialog(title, pairs, &names);
  dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  return GetSaveFileNameA(&dialog) ? std::string(names.data()) : std::string();
}

std::string FolderRequest(const char* title) {
  char path[MAX_PATH] = {};
  BROWSEINFOA browse = {};
  browse.hwndOwner = GetActiveWindow();
  browse.lpszTitle = title;
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  // The shell's dialog needs COM on this thread; a thread that has it keeps its own.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
  const bool named = chosen != nullptr && SHGetPathFromIDListA(chosen, path);
  if (chosen != nullptr) CoTaskMemFree(chosen);
  if (SUCCEEDED(com)) CoUninitialize();
  return named ? std::string(path) : std::string();
}

std::int64_t ColourRequest(std::int32_t initial) {
  static COLORREF custom[16] = {};  // the dialog's own sixteen, kept between requests
  CHOOSECOLORA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.rgbResult = static_cast<COLORREF>(initial);
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  return ChooseColorA(&dialog) ? static_cast<std::int64_t>(dialog.rgbResult) : -1;
}

HFONT FontRequest(HFONT initial) {
  LOGFONTA font = {};
  if (initial != nullptr) GetObjectA(initial, sizeof(font), &font);
  CHOOSEFONTA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | (initial != nullptr ? CF_INITTOLOGFONTSTRUCT : 0);
  return ChooseFontA(&dialog) ? CreateFontIndirectA(&font) : nullptr;
}
