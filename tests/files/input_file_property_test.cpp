// The input file over seeded random problems: every field it stores comes back
// from a write and a read bit for bit, and whatever the reader accepts, even
// from a damaged file, writes and reads back to itself.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "files/input_file.h"
#include "model/code_rules.h"
#include "model/record_fields.h"

namespace kestal {
namespace {

// Any finite float but -0 (the reader makes every zero +0), any 32-bit integer,
// any text of printable characters, quotes, commas and line ends.
template <typename T>
T RandomValue(std::mt19937& random) {
  if constexpr (std::is_same_v<T, float>) {
    for (;;) {
      const float v = std::bit_cast<float>(static_cast<uint32_t>(random()));
      if (std::isfinite(v) && !(v == 0 && std::signbit(v))) return random() % 8 ? v : 0.0f;
    }
  } else if constexpr (std::is_same_v<T, std::string>) {
    static const std::string extra = "\",\r\n \t";
    std::string s(random() % 12, ' ');
    for (char& c : s) c = random() % 4 ? char(' ' + random() % 95) : extra[random() % extra.size()];
    return s;
  } else {
    return static_cast<T>(random());
  }
}

Problem RandomProblem(std::mt19937& random) {
  Problem p;
  for (const FieldRef& f : AllFields()) {
    std::visit([&](auto m) { p.*m = RandomValue<std::decay_t<decltype(p.*m)>>(random); }, f.member);
  }
  // Keys, a section type and selections the file can hold.
  static const char* const kUnits[] = {"English", "Metric"};
  static const char* const kTypes[] = {"design", "Vdesign", "review"};
  p.Units = kUnits[random() % 2];
  p.CodeKey = std::string(Editions()[random() % Editions().size()].key);
  p.ProblemType = kTypes[random() % 3];
  p.SectionType = static_cast<int32_t>(random() % 3);
  for (int32_t* selection : {&p.OutSectProp, &p.OutMomCap, &p.OutShearCap, &p.OutServLoad,
                             &p.OutFatStress, &p.OutCrackCon}) {
    *selection = static_cast<int32_t>(random() % 2);
  }
  return p;
}

// Whether the written file depends on the field at all.
bool Stored(const Problem& p, const FieldRef& f) {
  Problem other = p;
  std::visit(
      [&](auto m) {
        if constexpr (std::is_same_v<std::decay_t<decltype(other.*m)>, std::string>) {
          other.*m += "x";
        } else {
          other.*m = other.*m == 1 ? 2 : 1;
        }
      },
      f.member);
  return InputFileText(other) != InputFileText(p);
}

TEST(InputFileProperty, EveryStoredFieldComesBackBitForBit) {
  std::mt19937 random(20260);
  // The fields each section type's file holds: those its text depends on. They
  // are the title, three keys, 27 reals, the section type, its 2, 6 or 4
  // dimensions and six selections.
  std::vector<const FieldRef*> stored[3];
  for (int32_t t = 0; t < 3; ++t) {
    Problem p = RandomProblem(random);
    p.SectionType = t;
    for (const FieldRef& f : AllFields()) {
      if (Stored(p, f)) stored[t].push_back(&f);
    }
    EXPECT_EQ(stored[t].size(), 38u + (t == 0 ? 2 : t == 1 ? 6 : 4));
  }
  for (int round = 0; round < 3000; ++round) {
    const Problem written = RandomProblem(random);
    const std::string text = InputFileText(written);
    Problem read;
    ASSERT_TRUE(ReadInputFields(text, read)) << text;
    for (const FieldRef* f : stored[written.SectionType]) {
      ASSERT_EQ(FieldText(read, *f), FieldText(written, *f)) << f->name << "\n" << text;
    }
    ASSERT_EQ(read.SectionDefined, 1);
    // Read back, the problem writes the very same file.
    ASSERT_EQ(InputFileText(read), text);
    // A file cut anywhere before its last field is refused.
    Problem cut;
    EXPECT_FALSE(ReadInputFields(text.substr(0, random() % (text.rfind(',') + 2)), cut)) << text;
  }
}

TEST(InputFileProperty, DamagedFilesAreReadOrRefusedCleanly) {
  std::mt19937 random(4242);
  const std::string alphabet("0123456789.,-+eE\"\r\n \tx\0", 23);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text = InputFileText(RandomProblem(random));
    for (int e = 1 + static_cast<int>(random() % 4); e > 0 && !text.empty(); --e) {
      const std::size_t at = random() % text.size();
      const char c = alphabet[random() % alphabet.size()];
      switch (random() % 3) {
        case 0:
          text[at] = c;
          break;
        case 1:
          text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c);
          break;
        default:
          text.erase(at, 1);
          break;
      }
    }
    Problem p;
    if (!ReadInputFields(text, p)) continue;
    ++accepted;
    Problem again;
    ASSERT_TRUE(ReadInputFields(InputFileText(p), again)) << text;
    ASSERT_EQ(ChangedFields(p, again), std::vector<std::string>{}) << text;
  }
  EXPECT_GT(accepted, 300);
}

}  // namespace
}  // namespace kestal
