#pragma once
// Catalogues of loop types, relay types and key modes. Texts are Windows-1251
// in the form name "|" help, help lines separated by a single CR.
#include <string>
#include <vector>

namespace kestrin {

struct CatalogueEntry {
  int code;
  std::string text;       // name|help (Windows-1251)
  std::string picture;    // loop types only
  std::string shortName;  // key modes only (Windows-1251)
};

const std::vector<CatalogueEntry>& LoopTypeCatalogue();
const std::vector<CatalogueEntry>& RelayTypeCatalogue();
const std::vector<CatalogueEntry>& KeyModeCatalogue();

constexpr int kLoopTypePositions = 15;
constexpr int kRelayTypePositions = 11;
constexpr int kKeyModePositions = 3;

std::string LoopTypeText(int code);  // empty when not found
int LoopTypeCode(int position);      // 0 when out of range
std::string RelayTypeText(int code); // empty when not found
int RelayTypeCode(int position);     // 255 when out of range
std::string KeyModeText(int code);
std::string KeyModeShortName(int code);
int KeyModeCode(int position);       // 255 when out of range

// The name before the first "|" and the help after it.
std::string CatalogueName(const std::string& text);
std::string CatalogueHelp(const std::string& text);

}  // namespace kestrin
