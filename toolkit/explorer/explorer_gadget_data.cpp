// The explorer gadget's record: its default options, and the record being served now.
#include "toolkit/explorer/explorer_gadget_data.h"

#include <cstring>

#include <vantrel/explorer_api.h>

namespace {

// ExplorerCurrent: the explorer gadget that scanning and presentation are serving now.
ExplorerGadgetData* current = nullptr;

template <std::size_t N>
void FieldStore(char (&field)[N], const char* text) {
  std::memset(field, 0, N);
  std::strncpy(field, text, N - 1);
}

}  // namespace

ExplorerGadgetData* ExplorerCurrentGet() {
  return current;
}

void ExplorerCurrentSet(ExplorerGadgetData* gadget) {
  current = gadget;
}

void ExplorerOptionsDefault(ExplorerOptions* options) {
  if (options == nullptr) return;
  FieldStore(options->nameTitle, "Name");
  FieldStore(options->sizeTitle, "Size");
  FieldStore(options->typeTitle, "Type");
  FieldStore(options->modifiedTitle, "Modified");
  FieldStore(options->errorTitle, "Error");
  FieldStore(options->accessDeniedText, "Access Denied");
  options->exStyle = 0;
  options->nameWidth = COLUMN_WIDTH_AUTO;
  options->sizeWidth = COLUMN_WIDTH_AUTO;
  options->typeWidth = COLUMN_WIDTH_AUTO;
  options->modifiedWidth = COLUMN_WIDTH_AUTO;
  options->flags = 0;
}
