// A picture browser written with the toolkit alone: an explorer on the left, the chosen image on
// the right scaled to fit, the chosen path in a status bar; Ctrl+O picks a folder, F5 lists it
// again, Escape ends; Tab moves between the explorer and the picture's caption.
#include <cstdint>
#include <cstdio>
#include <string>

#include <vantrel/toolkit.h>

namespace {

enum : GadgetId { kFiles = 1, kPicture, kCaption, kStatus };
enum : std::int32_t { kOpenFolder = 101, kReload, kQuit };

constexpr std::int32_t kWidth = 800, kHeight = 520, kSplit = 380, kGap = 8, kStatusHeight = 24;
constexpr std::int64_t kDialogFace = 0xF0F0F0;  // behind transparent pixels, 0xRRGGBB

HBITMAP shown = nullptr;  // the image on screen, the program's to delete

void Show(const std::string& path) {
  StatusBarTextSet(kStatus, 0, path.c_str());
  HBITMAP image = ImageLoadFile(path.c_str(), kDialogFace);
  if (image == nullptr) {
    const bool large = ImageLoadErrorGet() == IMAGE_LOAD_TOO_LARGE;
    MessageShow("Pictures", large ? "This image is too large." : "This file is no image.",
                MB_ICONINFORMATION, nullptr);
    return;
  }
  PictureGadgetImageSet(kPicture, image, PICTURE_FIT_SCALE);
  if (shown != nullptr) ImageFree(shown);
  shown = image;
  GadgetTextSet(kCaption, path.c_str());
}

void Build(HWND window, const char* folder) {
  ExplorerOptions options;
  ExplorerOptionsDefault(&options);
  static ExplorerOptions kept = options;  // the gadget keeps a pointer to its options
  kept.flags = EXPLORER_OPTION_ALL_FOLDERS;
  const std::string images = std::string(folder) + "*.png";
  ExplorerGadgetCreate(kFiles, kGap, kGap, kSplit, kHeight - 2 * kGap - kStatusHeight - 60,
                       images.c_str(), &kept);
  GadgetAnchorSet(kFiles, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_BOTTOM);
  PictureGadgetCreate(kPicture, kSplit + 2 * kGap, kGap, kWidth - kSplit - 4 * kGap, 360, nullptr,
                      1, SS_BITMAP);
  GadgetAnchorSet(kPicture, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT | ANCHOR_BOTTOM);
  StringGadgetCreate(kCaption, kSplit + 2 * kGap, 380, kWidth - kSplit - 4 * kGap, 24, "",
                     STRING_READ_ONLY);
  GadgetAnchorSet(kCaption, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_BOTTOM);
  StatusBarCreate(kStatus, 1, nullptr);
  StatusBarTextSet(kStatus, 0, "Choose a picture");
  WindowSizeLimitsSet(window, kWidth / 2, kHeight / 2, 0, 0);
  ShortcutAdd(window, FCONTROL, 'O', kOpenFolder);
  ShortcutAdd(window, 0, VK_F5, kReload);
  ShortcutAdd(window, 0, VK_ESCAPE, kQuit);
  GadgetFocusSet(kFiles);
}

}  // namespace

int main() {
  HWND window =
      WindowOpen("Vantrel pictures", 60, 60, kWidth, kHeight,
                 WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WINDOW_STYLE_TABSTOP_REQUEST,
                 0, nullptr);
  if (window == nullptr) return 1;
  Build(window, ".\\");
  for (;;) {
    const std::int32_t code = EventWait();
    const std::int64_t id = EventSourceId();
    if (code == WM_CLOSE || (code == EVENT_MENU && id == kQuit)) break;
    if (code == EVENT_MENU && id == kOpenFolder) {
      const std::string folder = FolderRequest("A folder of pictures");
      if (!folder.empty()) ExplorerPathSet(kFiles, (folder + "\\*.png").c_str());
    } else if (code == EVENT_MENU && id == kReload) {
      ExplorerPathSet(kFiles, (ExplorerPathGet(kFiles) + "*.png").c_str());
    } else if (code == EVENT_GADGET && id == kFiles) {
      const std::int64_t what = EventDetail();
      // A file chosen or opened is shown; a folder entered shows its path.
      if ((what == EXPLORER_EVENT_CHOSEN || what == EXPLORER_EVENT_OPENED) &&
          ExplorerChosenKindGet(kFiles) == EXPLORER_ITEM_FILE) {
        Show(ExplorerChosenPathGet(kFiles));
      } else if (what == EXPLORER_EVENT_ENTERED) {
        StatusBarTextSet(kStatus, 0, ExplorerPathGet(kFiles).c_str());
      }
    }
  }
  if (shown != nullptr) ImageFree(shown);
  std::printf("pictures: closed\n");
  return 0;
}
