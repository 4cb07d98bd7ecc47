// Which manifests ask for scaled mode: the DPI-awareness elements as Windows reads them.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/core/manifest_dpi_text.h"

namespace {

const std::string kSettings = R"(<application xmlns="urn:schemas-microsoft-com:asm.v3">)";

std::string Manifest(const std::string& entries) {
  return "<?xml version=\"1.0\"?><assembly>" + kSettings + "<windowsSettings>" + entries +
         "</windowsSettings></application></assembly>";
}

TEST(ManifestDpiText, TheFirstKnownAwarenessDecides_ElseDpiAware) {
  const struct {
    std::string entries;
    bool aware;
  } rows[] = {
      {"", false},
      {"<dpiAwareness>PerMonitorV2, PerMonitor</dpiAwareness>", true},
      {"<ws:dpiAwareness xmlns:ws=\"x\">  permonitor </ws:dpiAwareness>", true},
      {"<dpiAwareness>System</dpiAwareness>", true},
      {"<dpiAwareness>Unaware, PerMonitorV2</dpiAwareness>", false},
      {"<dpiAwareness>Sharp, PerMonitorV2</dpiAwareness>", true},  // unknown values are passed
      {"<dpiAwareness>unaware</dpiAwareness><dpiAware>true</dpiAware>", false},
      {"<dpiAwareness>later</dpiAwareness><dpiAware>true</dpiAware>", true},
      {"<dpiAware>true/pm</dpiAware>", true},
      {"<dpiAware>Per Monitor</dpiAware>", true},
      {"<dpiAware>false</dpiAware>", false},
      {"<dpiAware/>", false},
      {"<!-- <dpiAware>true</dpiAware> --><gdiScaling>true</gdiScaling>", false},
      {"<dpiAwarenessX>PerMonitor</dpiAwarenessX>", false},
      {"<dpiAwareness>PerMonitor", true},  // cut short: what there is is read
      {"<dpiAware", false},
      {"<!-- <dpiAware>true</dpiAware>", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ManifestDeclaresDpiAwareness(Manifest(row.entries)), row.aware) << row.entries;
  }
  EXPECT_FALSE(ManifestDeclaresDpiAwareness(""));
}

}  // namespace
