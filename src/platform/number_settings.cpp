#include "platform/number_settings.h"

#include <algorithm>
#include <cstdlib>

namespace kestal {
namespace {

// Languages whose usual decimal sign is a comma.
constexpr std::string_view kCommaLanguages[] = {
    "af", "ast", "az", "be", "bg", "br", "bs", "ca", "cs", "da", "de", "el", "es", "et",
    "eu", "fi",  "fo", "fr", "fy", "gl", "hr", "hu", "hy", "id", "is", "it", "ka", "kk",
    "ky", "lb",  "lt", "lv", "mk", "nb", "nl", "nn", "no", "oc", "pl", "pt", "ro", "ru",
    "se", "sk",  "sl", "sq", "sr", "sv", "tk", "tr", "tt", "uk", "uz", "vi"};

// Language and territory pairs that write a point although their language
// writes a comma elsewhere.
constexpr std::string_view kPointTerritories[] = {"de_CH", "de_LI", "it_CH", "es_MX", "es_US",
                                                  "es_PR", "es_DO", "es_GT", "es_HN", "es_NI",
                                                  "es_PA", "es_SV", "es_CU"};

template <std::size_t N>
bool Holds(const std::string_view (&list)[N], std::string_view key) {
  return std::find(std::begin(list), std::end(list), key) != std::end(list);
}

}  // namespace

std::string NumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return std::string();
}

char DecimalSignOf(std::string_view name) {
  // language[_territory][.codeset][@modifier]
  name = name.substr(0, name.find_first_of(".@"));
  const std::string_view language = name.substr(0, name.find('_'));
  if (!Holds(kCommaLanguages, language)) return '.';
  return Holds(kPointTerritories, name) ? '.' : ',';
}

char UserDecimalSign() {
  return DecimalSignOf(NumericLocaleName());
}

}  // namespace kestal
