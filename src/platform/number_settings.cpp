#include "platform/number_settings.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

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

// Territories whose paper is Letter.
constexpr std::string_view kLetterTerritories[] = {"US", "CA", "MX", "PR", "PH", "CL", "CO", "VE",
                                                   "CR", "GT", "PA", "SV", "NI", "DO", "BZ"};

template <std::size_t N>
bool Holds(const std::string_view (&list)[N], std::string_view key) {
  return std::find(std::begin(list), std::end(list), key) != std::end(list);
}

std::string FirstSetting(std::initializer_list<const char*> variables) {
  for (const char* variable : variables) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return std::string();
}

}  // namespace

std::string NumericLocaleName() {
  return FirstSetting({"LC_ALL", "LC_NUMERIC", "LANG"});
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

Paper PaperOf(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  const std::size_t underscore = name.find('_');
  if (underscore == std::string_view::npos) return Paper::A4;
  return Holds(kLetterTerritories, name.substr(underscore + 1)) ? Paper::Letter : Paper::A4;
}

Paper UserPaper() {
  return PaperOf(FirstSetting({"LC_ALL", "LC_PAPER", "LANG"}));
}

}  // namespace kestal
