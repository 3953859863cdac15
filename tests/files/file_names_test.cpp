#include "files/file_names.h"

#include <gtest/gtest.h>

namespace kestal {
namespace {

TEST(WithFilterExtension, ANameTypedWithoutExtensionTakesTheFilters) {
  const std::string in = "All Files (*.*)|*.*|Input Files (*.in)|*.in";
  const std::string pdf = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*";
  struct Case {
    const char* path;
    const std::string& filter;
    int index;
    const char* want;
  };
  for (const Case& c :
       {Case{"/w/girder", in, 2, "/w/girder.in"},
        Case{"/w/girder", in, 1, "/w/girder"},  // all files: as typed
        Case{"/w/girder.txt", in, 2, "/w/girder.txt"}, Case{"/w/.hidden", in, 2, "/w/.hidden"},
        Case{"/w.d/span 2", pdf, 1, "/w.d/span 2.pdf"},
        Case{"/w/span", pdf, 3, "/w/span"},  // no such filter
        Case{"/w/span", pdf, 0, "/w/span"}}) {
    EXPECT_EQ(WithFilterExtension(c.path, c.filter, c.index), c.want) << c.path << " " << c.index;
  }
}

}  // namespace
}  // namespace kestal
