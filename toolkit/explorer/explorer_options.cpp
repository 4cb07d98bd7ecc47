// The default options of an explorer gadget.
#include "toolkit/core/explorer_api.h"

#include <cstring>

namespace {

template <std::size_t N>
void FieldStore(char (&field)[N], const char* text) {
  std::memset(field, 0, N);
  std::strncpy(field, text, N - 1);
}

}  // namespace

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
}
