#pragma once

// The decimal sign of the user's number settings, read one way for the
// window and for kestal-cli, so that the same problem on the same desktop
// gives the same report: LC_ALL, then LC_NUMERIC, then LANG, the first that
// is set and not empty. "C", "POSIX" or no setting at all gives a point.
// Input files are always written with points, whatever the setting.

#include <string>
#include <string_view>

namespace kestal {

// The locale name that decides numbers: LC_ALL, LC_NUMERIC, then LANG.
std::string NumericLocaleName();

// The decimal sign of a locale name such as "de_DE.UTF-8", "fr_CA" or
// "en_US": ',' where that language and territory write a decimal comma,
// '.' otherwise (and for "C", "POSIX" and names not known).
char DecimalSignOf(std::string_view localeName);

// DecimalSignOf(NumericLocaleName()).
char UserDecimalSign();

// The paper of a locale name: Letter where that territory uses it (the
// United States, Canada, Mexico, the Philippines and much of Central and
// South America), A4 elsewhere, and for "C" and "POSIX".
enum class Paper { A4, Letter };
Paper PaperOf(std::string_view localeName);

// The paper of the user's settings: LC_ALL, then LC_PAPER, then LANG.
Paper UserPaper();

}  // namespace kestal
