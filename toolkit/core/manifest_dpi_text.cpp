// Reading a manifest's DPI-awareness elements, without an XML parser: the two elements hold
// plain text, and a manifest the system accepts is well formed.
#include "toolkit/core/manifest_dpi_text.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace {

constexpr std::string_view kTagEnd = " \t\r\n/>";
constexpr std::string_view kSpace = " \t\r\n";

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// The text of the first element of that local name, whatever its prefix; none without one.
std::optional<std::string_view> ElementText(std::string_view xml, std::string_view name) {
  std::size_t at = 0;
  while ((at = xml.find('<', at)) != std::string_view::npos) {
    ++at;
    if (xml.substr(at, 3) == "!--") {
      at = xml.find("-->", at);
      if (at == std::string_view::npos) return std::nullopt;
      continue;
    }
    const std::size_t end = std::min(xml.find_first_of(kTagEnd, at), xml.size());
    std::string_view tag = xml.substr(at, end - at);
    if (const std::size_t colon = tag.rfind(':'); colon != std::string_view::npos) {
      tag.remove_prefix(colon + 1);
    }
    if (tag != name) continue;
    const std::size_t close = xml.find('>', end);
    if (close == std::string_view::npos) return std::nullopt;
    if (xml[close - 1] == '/') return std::string_view();
    const std::size_t text_end = std::min(xml.find('<', close + 1), xml.size());
    return xml.substr(close + 1, text_end - close - 1);
  }
  return std::nullopt;
}

// The first value of the list that the system knows decides; none known, nothing is said.
std::optional<bool> AwarenessList(std::string_view list) {
  while (!list.empty()) {
    const std::size_t comma = std::min(list.find(','), list.size());
    const std::string value = Lower(Trimmed(list.substr(0, comma)));
    if (value == "unaware") return false;
    if (value == "system" || value == "permonitor" || value == "permonitorv2") return true;
    list.remove_prefix(std::min(comma + 1, list.size()));
  }
  return std::nullopt;
}

}  // namespace

bool ManifestDeclaresDpiAwareness(std::string_view manifest) {
  if (const auto list = ElementText(manifest, "dpiAwareness")) {
    if (const std::optional<bool> aware = AwarenessList(*list)) return *aware;
  }
  const auto aware = ElementText(manifest, "dpiAware");
  if (!aware.has_value()) return false;
  const std::string value = Lower(Trimmed(*aware));
  return value == "true" || value == "true/pm" || value == "per monitor";
}
