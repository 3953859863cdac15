#include "files/input_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <system_error>

#include "analysis/cracked_section.h"
#include "analysis/gross_section.h"
#include "files/replace_file.h"
#include "model/checked.h"
#include "model/code_rules.h"
#include "model/numtext.h"
#include "model/problem_ops.h"

namespace kestal {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLineEnd = "\r\n";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string QuotedText(std::string_view text) {
  // The format has no escape of its own; a quote inside a title is doubled,
  // as comma-separated files do, so a title never ends early.
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string RealsLine(std::initializer_list<float> values) {
  std::string line;
  for (float v : values) {
    if (!line.empty()) line += ',';
    line += FileForm(v);
  }
  return line + kLineEnd;
}

std::string IntegersLine(std::initializer_list<int32_t> values) {
  std::string line;
  for (int32_t v : values) {
    if (!line.empty()) line += ',';
    line += std::to_string(v);
  }
  return line + kLineEnd;
}

// An optional plus sign before a number, which from_chars does not take; a
// second sign after it makes no number.
bool DropPlusSign(std::string_view& s) {
  if (s.empty() || s.front() != '+') return true;
  s.remove_prefix(1);
  return s.empty() || (s.front() != '+' && s.front() != '-');
}

// A whole real number, nothing before or after it: "2.9E+07", ".9", "-1.5"
// and "+1.5" read; "", "abc", "1.2.3", "12abc", "inf" and "nan" do not. A
// magnitude beyond the float range is no value a field can hold; one below
// it reads as the nearest float (zero or a subnormal). Zero is always +0.
std::optional<float> ParseReal(std::string_view s) {
  if (!DropPlusSign(s) || s.empty()) return std::nullopt;
  for (char c : s) {
    const bool numeric =
        (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
    if (!numeric) return std::nullopt;
  }
  const char* first = s.data();
  const char* last = s.data() + s.size();
  float value = 0;
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (end != last) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    double wide = 0;
    auto [wideEnd, wideEc] = std::from_chars(first, last, wide, std::chars_format::general);
    if (wideEc != std::errc() || wideEnd != last || !(std::fabs(wide) < 1)) return std::nullopt;
    value = static_cast<float>(wide);
  } else if (ec != std::errc()) {
    return std::nullopt;
  }
  // "-0" is zero; a signed zero would write back as "0" and not read the same.
  if (value == 0) value = 0;
  return value;
}

// A whole integer in the 32-bit range, with an optional sign.
std::optional<int32_t> ParseInteger(std::string_view s) {
  if (!DropPlusSign(s) || s.empty()) return std::nullopt;
  int32_t value = 0;
  const char* last = s.data() + s.size();
  auto [end, ec] = std::from_chars(s.data(), last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

// A text from the file as a reason quotes it: at most 40 bytes, each byte
// outside printable ASCII as \xNN, so that no control character from a file
// reaches the terminal or the message box.
std::string Printable(std::string_view text) {
  constexpr std::size_t kMaxShown = 40;
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      static const char* const kHex = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  if (text.size() > kMaxShown) out += "...";
  return out;
}

// Fields one after another: a comma and a line end (CR LF, LF or CR) each end
// a field, so only the order of the fields counts, not how they are divided
// into lines. Blanks before and after a field are skipped. A quoted text runs
// to its closing quote, across commas and line ends; a doubled quote inside
// it is one quote.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {
    // A text editor that saves in UTF-8 may put a byte order mark first; it
    // is no part of the title.
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
  }

  bool Text(std::string& field) {
    std::optional<Field> f = Next();
    if (!f) return false;
    field = std::move(f->text);
    return true;
  }

  // A quoted key that must be one of those `known` accepts; `what` names the
  // kind of key in the reason.
  template <typename Known>
  bool Key(std::string& field, const char* what, Known known) {
    if (!Text(field)) return false;
    if (known(field)) return true;
    return Fail("'" + Printable(field) + "' is not " + what + " this program knows");
  }

  bool Real(float& field) {
    std::optional<Field> f = Next();
    if (!f) return false;
    std::optional<float> v;
    if (!f->quoted) v = ParseReal(f->text);
    if (!v) return Fail(Shown(*f) + " is not a number");
    field = *v;
    return true;
  }

  bool Reals(std::initializer_list<float*> fields) {
    for (float* field : fields) {
      if (!Real(*field)) return false;
    }
    return true;
  }

  // An output selection: 0 or 1.
  bool Selection(int32_t& field) {
    const std::optional<int32_t> v = NextInteger();
    if (!v) return false;
    if (*v != 0 && *v != 1) {
      return Fail("output selection " + std::to_string(*v) + " is neither 0 nor 1");
    }
    field = *v;
    return true;
  }

  std::optional<int32_t> NextInteger() {
    std::optional<Field> f = Next();
    if (!f) return std::nullopt;
    std::optional<int32_t> v;
    if (!f->quoted) v = ParseInteger(f->text);
    if (!v) Fail(Shown(*f) + " is not a whole number");
    return v;
  }

  // After the last field only blanks and line ends may follow: anything else
  // (a stray comma, a decimal comma that split a number) means the fields
  // were not where the file format puts them.
  bool End() {
    fieldStart_ = pos_;
    for (; !AtEnd(); ++pos_) {
      const char c = text_[pos_];
      if (IsBlank(c) || c == '\r' || c == '\n') continue;
      fieldStart_ = pos_;
      const std::size_t stop = text_.find_first_of("\r\n", pos_);
      const std::string_view rest = text_.substr(pos_, std::min<std::size_t>(stop - pos_, 20));
      return Fail("'" + Printable(rest) + "' follows the last field");
    }
    return true;
  }

  // Records why the file does not read (the first reason only), with the
  // line of the field it is about; always false.
  bool Fail(const std::string& why) {
    if (error_.empty()) {
      const std::size_t at = std::min(fieldStart_, text_.size());
      std::size_t line = 1;
      for (std::size_t i = 0; i < at; ++i) {
        if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= at || text_[i + 1] != '\n'))) {
          ++line;
        }
      }
      error_ = "line " + std::to_string(line) + ": " + why;
    }
    return false;
  }

  const std::string& error() const { return error_; }

 private:
  struct Field {
    std::string text;
    bool quoted = false;
  };

  bool AtEnd() const { return pos_ >= text_.size(); }

  // A field as a reason shows it: in single quotes, a quoted one with its
  // double quotes.
  static std::string Shown(const Field& f) {
    return f.quoted ? "'\"" + Printable(f.text) + "\"'" : "'" + Printable(f.text) + "'";
  }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  }

  // Consumes the comma or line end that ends a field; false when something
  // else follows.
  bool EndOfField() {
    if (AtEnd()) return true;
    const char c = text_[pos_];
    if (c == ',' || c == '\n') {
      ++pos_;
      return true;
    }
    if (c == '\r') {
      ++pos_;
      if (!AtEnd() && text_[pos_] == '\n') ++pos_;
      return true;
    }
    return false;
  }

  std::optional<Field> Next() {
    fieldStart_ = pos_;
    if (AtEnd()) {
      Fail("the file ends before its last field");
      return std::nullopt;
    }
    SkipBlanks();
    fieldStart_ = pos_;
    Field field;
    if (!AtEnd() && text_[pos_] == '"') {
      field.quoted = true;
      ++pos_;
      for (;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos) {
          Fail("a quoted text has no closing quote");
          return std::nullopt;
        }
        field.text.append(text_.substr(pos_, quote - pos_));
        pos_ = quote + 1;
        if (AtEnd() || text_[pos_] != '"') break;
        field.text += '"';
        ++pos_;
      }
      SkipBlanks();
    } else {
      const std::size_t start = pos_;
      while (!AtEnd() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_;
      std::string_view raw = text_.substr(start, pos_ - start);
      while (!raw.empty() && IsBlank(raw.back())) raw.remove_suffix(1);
      field.text = std::string(raw);
    }
    if (!EndOfField()) {
      Fail("something other than a comma follows a quoted text");
      return std::nullopt;
    }
    return field;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t fieldStart_ = 0;
  std::string error_;
};

bool IsUnitsKey(std::string_view key) {
  return key == units::English || key == units::Metric;
}

bool IsProblemTypeKey(std::string_view key) {
  return key == problem_type::Design || key == problem_type::VDesign || key == problem_type::Review;
}

// The fields in file order; false, with the reader's reason, at the first
// that is missing, does not read or is not one the format allows.
bool ReadFields(FieldReader& in, Problem& p) {
  if (!in.Text(p.OutputTitle)) return false;
  // A key the program does not know would be computed as some other code,
  // unit system or problem: such a file is refused, not guessed at.
  if (!in.Key(p.Units, "a unit system", IsUnitsKey) || !in.Key(p.CodeKey, "a code", IsKnownCode) ||
      !in.Key(p.ProblemType, "a problem type", IsProblemTypeKey)) {
    return false;
  }
  // The factors follow the units just read.
  SetUnitFactors(p);
  if (!in.Reals({&p.Phi, &p.VPhi, &p.PhiConc, &p.PhiReinf, &p.A1, &p.B1, &p.Emax})) return false;
  if (!in.Reals(
          {&p.ConcreteStrength, &p.Ec, &p.Frup, &p.SteelStrength, &p.Er, &p.ModularRatio, &p.Ag})) {
    return false;
  }
  if (!in.Reals({&p.Cover, &p.EffArea, &p.ExpFactor})) return false;
  if (!in.Reals({&p.TSteelArea, &p.DepthT, &p.CSteelArea, &p.DepthC, &p.VSteelArea, &p.sAv})) {
    return false;
  }
  if (!in.Reals({&p.MomentUlt, &p.MomentMax, &p.MomentMin, &p.ShearUlt})) return false;

  // A section type the program does not know cannot be worked with, and the
  // lines after it could not be placed: the file is not read.
  const std::optional<int32_t> sectionType = in.NextInteger();
  if (!sectionType) return false;
  switch (*sectionType) {
    case section::Rectangular:
      p.SectionType = *sectionType;
      if (!in.Reals({&p.RecB, &p.RecH})) return false;
      break;
    case section::Box:
      p.SectionType = *sectionType;
      if (!in.Reals({&p.BoxH, &p.BoxBtop, &p.BoxHtop, &p.BoxBbot, &p.BoxHbot, &p.BoxBweb})) {
        return false;
      }
      break;
    case section::Tee:
      p.SectionType = *sectionType;
      if (!in.Reals({&p.TeeH, &p.TeeBtop, &p.TeeHtop, &p.TeeBweb})) return false;
      break;
    default:
      return in.Fail("section type " + std::to_string(*sectionType) + " is not 0, 1 or 2");
  }
  p.SectionDefined = 1;

  return in.Selection(p.OutSectProp) && in.Selection(p.OutMomCap) && in.Selection(p.OutShearCap) &&
         in.Selection(p.OutServLoad) && in.Selection(p.OutFatStress) &&
         in.Selection(p.OutCrackCon) && in.End();
}

// The whole content of a regular file of at most kMaxInputFileBytes bytes;
// nothing, and `why` says why, for any other file.
std::optional<std::string> ReadSmallFile(const std::string& path, std::string& why) {
  if (path.empty()) {
    why = "no file name";
    return std::nullopt;
  }
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec) {
    why = ec.message();
    return std::nullopt;
  }
  if (!fs::is_regular_file(status)) {
    why = fs::is_directory(status) ? std::strerror(EISDIR) : "it is not a regular file";
    return std::nullopt;
  }
  // A C stream: cheaper to open than an ifstream, which an input file of a
  // few hundred bytes notices.
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"),
                                                           &std::fclose);
  if (!in) {
    why = std::strerror(errno);
    return std::nullopt;
  }
  // Unbuffered, so the bytes go straight into the text: first room for any
  // ordinary input file, then more while the file goes on, up to one byte
  // beyond the limit, which tells a file too large. No measuring first: the
  // file measured might not be the file read.
  std::setvbuf(in.get(), nullptr, _IONBF, 0);
  std::string bytes(4096, '\0');
  std::size_t count = 0;
  for (;;) {
    count += std::fread(bytes.data() + count, 1, bytes.size() - count, in.get());
    if (count < bytes.size() || bytes.size() > kMaxInputFileBytes) break;
    bytes.resize(std::min(bytes.size() * 2, kMaxInputFileBytes + 1), '\0');
  }
  if (std::ferror(in.get()) != 0) {
    why = std::strerror(errno);
    return std::nullopt;
  }
  if (count > kMaxInputFileBytes) {
    why = "it is larger than " + std::to_string(kMaxInputFileBytes) + " bytes";
    return std::nullopt;
  }
  bytes.resize(count);
  return bytes;
}

}  // namespace

std::string InputFileText(const Problem& p) {
  std::string text;
  text += QuotedText(p.OutputTitle) + kLineEnd;
  text += QuotedText(p.Units) + "," + QuotedText(p.CodeKey) + "," + QuotedText(p.ProblemType) +
          kLineEnd;
  text += RealsLine({p.Phi, p.VPhi, p.PhiConc, p.PhiReinf, p.A1, p.B1, p.Emax});
  text +=
      RealsLine({p.ConcreteStrength, p.Ec, p.Frup, p.SteelStrength, p.Er, p.ModularRatio, p.Ag});
  text += RealsLine({p.Cover, p.EffArea, p.ExpFactor});
  text += RealsLine({p.TSteelArea, p.DepthT, p.CSteelArea, p.DepthC, p.VSteelArea, p.sAv});
  text += RealsLine({p.MomentUlt, p.MomentMax, p.MomentMin, p.ShearUlt});
  text += IntegersLine({p.SectionType});
  // Only the dimensions of the chosen shape are stored.
  switch (p.SectionType) {
    case section::Rectangular:
      text += RealsLine({p.RecB, p.RecH});
      break;
    case section::Box:
      text += RealsLine({p.BoxH, p.BoxBtop, p.BoxHtop, p.BoxBbot, p.BoxHbot, p.BoxBweb});
      break;
    case section::Tee:
      text += RealsLine({p.TeeH, p.TeeBtop, p.TeeHtop, p.TeeBweb});
      break;
    default:
      break;
  }
  text += IntegersLine(
      {p.OutSectProp, p.OutMomCap, p.OutShearCap, p.OutServLoad, p.OutFatStress, p.OutCrackCon});
  return text;
}

bool ReadInputFields(std::string_view text, Problem& p, std::string* error) {
  FieldReader in(text);
  const bool read = ReadFields(in, p);
  if (!read && error != nullptr) *error = in.error();
  return read;
}

bool WriteInputFile(const Problem& p, Platform& platform) {
  const FileResult written = ReplaceFile(p.InputFile, InputFileText(p));
  if (written) return true;
  platform.MessageBoxWithReason("Error writing input file", Icon::Information,
                                std::string("WRITE INPUT"), written.error);
  return false;
}

bool ReadInputFile(Problem& p, ToolTips& tips, const FileChoice& file, Platform& platform) {
  Problem fresh = p;
  fresh.InputFile = file.path;
  fresh.InputFileTitle = file.title;
  ResetParameters(fresh);
  ResetDimensions(fresh);

  std::string why;
  const std::optional<std::string> bytes = ReadSmallFile(fresh.InputFile, why);
  // A NUL byte never occurs in a text file: a binary file is refused whole.
  bool read = bytes.has_value();
  if (read && bytes->find('\0') != std::string::npos) {
    why = "it is not a text file";
    read = false;
  }
  if (read) read = ReadInputFields(*bytes, fresh, &why);
  if (!read) {
    platform.MessageBoxWithReason("Error reading input file", Icon::Information,
                                  std::string("READ INPUT"), CannotRead(file.path, why));
    return false;
  }

  p = std::move(fresh);
  SetToolTips(p, tips);
  // Results are never stored in the file; they are recomputed from the loaded
  // section. A problem saved before its section was given faults here, which
  // leaves it loaded with the properties computed up to the fault.
  try {
    GrossSectionProps(p);
    SectionInertias(p);
  } catch (const CalcError&) {
  }
  return true;
}

}  // namespace kestal
