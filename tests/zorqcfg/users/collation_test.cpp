#include "users/collation.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::string>;

Names sorted(Names names) {
  Names out;
  for (std::string& n : names) zorq::insertSorted(out, n);
  return out;
}

TEST(NameOrder, CaseIsIgnoredAndUmlautsSortWithTheirBaseLetter) {
  // Windows-1252: \xe4 ä, \xc4 Ä, \xf6 ö, \xd6 Ö, \xfc ü, \xdc Ü, \xdf ß.
  Names expected = {"1. Vorsitz",
                    "Apfel",
                    "\xc4pfel",
                    "Apfelbaum",
                    "Bar",
                    "B\xe4r",
                    "Bart",
                    "Mu\xdf",
                    "Muster",
                    "netz",
                    "Netz",
                    "\xd6l",
                    "Otto",
                    "\xfc"
                    "ber",
                    "Ulm",
                    "Zahlende"};
  Names shuffled = expected;
  std::reverse(shuffled.begin(), shuffled.end());
  std::rotate(shuffled.begin(), shuffled.begin() + 5, shuffled.end());
  EXPECT_EQ(sorted(shuffled), expected);
}

TEST(NameOrder, IsATotalOrderSoEqualLookingNamesKeepOnePlace) {
  // "Bar" and "B\xe4r" agree but for the accent, "netz" and "Netz" but for
  // the case: each pair sorts the same way whichever comes first.
  for (auto [a, b] : {std::pair{"Bar", "B\xe4r"}, std::pair{"netz", "Netz"},
                      std::pair{"Stra\xdf"
                                "e",
                                "Strasse"}}) {
    EXPECT_NE(zorq::sortsBefore(a, b), zorq::sortsBefore(b, a)) << a << " " << b;
    EXPECT_EQ(sorted({a, b}), sorted({b, a}));
  }
  EXPECT_FALSE(zorq::sortsBefore("gleich", "gleich"));
  Names twice = sorted({"X", "a", "X"});
  EXPECT_EQ(twice, (Names{"a", "X", "X"}));
}

}  // namespace
