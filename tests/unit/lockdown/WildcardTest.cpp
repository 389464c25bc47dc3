#include <gtest/gtest.h>

#include "lockdown/Wildcard.h"

namespace tavimo {
namespace {

TEST(Wildcard, MatchesStarsQuestionMarksAndLiterals) {
  struct Row {
    const char* text;
    const char* pattern;
    bool matches;
  };
  const Row rows[] = {
      {"", "", true},
      {"", "*", true},
      {"", "?", false},
      {"a", "", false},
      {"abc", "abc", true},
      {"abc", "abC", false},  // case counts
      {"abc", "a?c", true},
      {"ac", "a?c", false},
      {"abc", "a*", true},
      {"abc", "*c", true},
      {"abc", "*b*", true},
      {"abc", "*d*", false},
      {"a*c", "a*c", true},
      {"aXbXcd", "*X?", false},
      {"aXbXcc", "*X??", true},  // the star must give back what it took first
      {"mississippi", "*ss*ss*", true},
      {"mississippi", "*ss*ss*ss*", false},
      // The shape of a web address: one or more, ".", two or more, ".", two or more.
      {"http://www.abc.com", "*?.*??.*??", true},
      {"www.abc.com", "*?.*??.*??", true},
      {"a.bc.de", "*?.*??.*??", true},
      {".bc.de", "*?.*??.*??", false},
      {"a.b.cd", "*?.*??.*??", false},
      {"a.bc.d", "*?.*??.*??", false},
      {"a.b.c.de.fg", "*?.*??.*??", true},  // dots may lie inside the runs
      {"www.abc", "*?.*??.*??", false},
      {"about:blank", "*?.*??.*??", false},
      {"", "*?.*??.*??", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " like " + row.pattern);
    EXPECT_EQ(matchesWildcard(row.text, row.pattern), row.matches);
  }
}

TEST(Wildcard, LongTextWithManyStarsStaysFast) {
  const std::string text(20000, 'a');
  EXPECT_FALSE(matchesWildcard(text, "*a*a*a*a*a*a*a*a*b"));
  EXPECT_TRUE(matchesWildcard(text + ".bb.cc", "*?.*??.*??"));
}

}  // namespace
}  // namespace tavimo
