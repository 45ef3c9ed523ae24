#include "network/netzboxen.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;
using Names = std::vector<std::string>;
using Types = std::vector<std::int16_t>;

// One record of netz.dat: the name, seven lines, the type, two lines.
std::string record(const std::string& name, const std::string& type) {
  return name + "\r\n0451-302217\r\npw\r\nZCONNECT\r\nARJ\r\nwesthof.zer\r\n 2 \r\n 0 \r\n" + type +
         "\r\n13.03.1997 03:12\r\n 0 \r\n";
}

TEST(NetBoxFile, NamesAndTypesByPosition) {
  auto boxes = zorq::parseNetBoxes(" 3 \r\n" + record("WESTHOF", " 0 ") + record("K\xdcSTENFUNK", " 1 ") +
                                   record("", "-2") + record("FIDO", ""));
  EXPECT_TRUE(boxes.status.ok()) << boxes.status.error;
  EXPECT_EQ(boxes.names, (Names{"WESTHOF", "K\xdcSTENFUNK", "", "FIDO"}));
  EXPECT_EQ(boxes.types, (Types{0, 1, -2, 0}));
}

TEST(NetBoxFile, OnlyTheFirstLineOrNothingAtAllHoldsNoBoxes) {
  for (const std::string bytes : {" 0 \r\n", " 0 ", ""}) {
    auto boxes = zorq::parseNetBoxes(bytes);
    EXPECT_TRUE(boxes.status.ok());
    EXPECT_TRUE(boxes.names.empty());
  }
}

TEST(NetBoxFile, ADamagedRecordStopsTheReadingAndKeepsTheBoxesBefore) {
  const std::string first = " 2 \r\n" + record("WESTHOF", " 1 ");
  // A short last record is listed by its name, its type unread.
  auto shortRecord = zorq::parseNetBoxes(first + "SUEDWIND\r\n040-6604812\r\n");
  EXPECT_FALSE(shortRecord.status.ok());
  EXPECT_EQ(shortRecord.names, (Names{"WESTHOF", "SUEDWIND"}));
  EXPECT_EQ(shortRecord.types, (Types{1, 0}));

  for (const std::string type : {"eins", "40000", " 1 x"}) {
    auto badType = zorq::parseNetBoxes(first + record("SUEDWIND", type) + record("FIDO", " 0 "));
    EXPECT_FALSE(badType.status.ok()) << type;
    EXPECT_EQ(badType.names.back(), "SUEDWIND") << type;
    EXPECT_EQ(badType.names.size(), 2u) << type;
  }
}

TEST(NetBoxFile, AtMost1001Boxes) {
  std::string bytes = " 0 \r\n";
  for (int i = 0; i < 1001; ++i) bytes += record("BOX" + std::to_string(i), i == 1000 ? " 1 " : " 0 ");
  auto full = zorq::parseNetBoxes(bytes);
  EXPECT_TRUE(full.status.ok());
  ASSERT_EQ(full.names.size(), 1001u);
  EXPECT_EQ(full.types[1000], 1);

  auto over = zorq::parseNetBoxes(bytes + record("BOX1001", " 0 "));
  EXPECT_FALSE(over.status.ok());
  EXPECT_EQ(over.names.size(), 1001u);
  EXPECT_EQ(over.names.back(), "BOX1000");
}

TEST(NetBoxFile, LoadingTellsADamagedFileByItsNameAndAMissingOneNotAtAll) {
  TempDir box;
  zorq::Installation where{box.path(), box.path(), 0};
  plat::FileSystem& fs = plat::localFileSystem();
  auto none = zorq::loadNetBoxes(fs, where);
  EXPECT_TRUE(none.status.ok());
  EXPECT_TRUE(none.names.empty());

  box.write("daten\\netz.dat", " 1 \r\n" + record("WESTHOF", " 0 ") + "SUEDWIND\r\n");
  auto damaged = zorq::loadNetBoxes(fs, where);
  EXPECT_EQ(damaged.status.error, "Fehler beim Laden von <netz.dat>");
  EXPECT_EQ(damaged.names, (Names{"WESTHOF", "SUEDWIND"}));
}

}  // namespace
