// Writing and reading servo settings files (.sst).
#include "crlf_text.h"
#include "config/servo_settings_file.h"

#include <gtest/gtest.h>

#include <map>

namespace quarnel {
namespace {

TEST(ServoSettingsFile, DefaultRowsAreWrittenByteForByte) {
  const char *expected = R"("Servo0","0","127","254",0
"Servo1","0","127","254",1
"Servo2","0","127","254",2
"Servo3","0","127","254",3
"Servo4","0","127","254",4
"Servo5","0","127","254",5
"Servo6","0","127","254",6
"Servo7","0","127","254",7
"Servo8","0","127","254",8
"Servo9","0","127","254",9
"Servo10","0","127","254",10
"Servo11","0","127","254",11
"***",123
)";
  ServoSettingsBytes file = writeServoSettings(defaultServoRows());
  EXPECT_EQ(file.refusal, std::nullopt);
  EXPECT_EQ(file.bytes, crlf(expected));
}

TEST(ServoSettingsFile, RowsComeBackAsTheyWereWritten) {
  ServoRows rows = defaultServoRows();
  rows[0] = {"Pan,Tilt", "0127", " 5", "2.5"};
  rows[7] = {"Dreh\u20AC\u00FC", "", "x", "-1"};
  rows[11] = {"Jaw", "10", "20", "30"};
  ServoSettingsBytes file = writeServoSettings(rows);
  ASSERT_EQ(file.refusal, std::nullopt);
  EXPECT_NE(file.bytes.find("\"Dreh\x80\xFC\""), std::string::npos); // stored in the 8-bit set

  ServoRows loaded = defaultServoRows();
  loaded[3].name = "untouched";
  readServoSettings(file.bytes, loaded);
  EXPECT_EQ(loaded, rows);
}

TEST(ServoSettingsFile, TextsThatCannotBeStoredAreRefusedNotWritten) {
  struct Case {
    std::string ServoSetting::*field;
    const char *text;
  };
  const Case cases[] = {{&ServoSetting::minimum, "Ser\"vo"},
                        {&ServoSetting::minimum, "Ser\u2713vo"},
                        {&ServoSetting::name, "Two\nLines"},
                        // Read back, it would end the file there and lose rows 4 to 11.
                        {&ServoSetting::name, "***"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    ServoRows rows = defaultServoRows();
    rows[4].*c.field = c.text;
    ServoSettingsBytes file = writeServoSettings(rows);
    ASSERT_TRUE(file.refusal.has_value());
    EXPECT_NE(file.refusal->find("Servo 4"), std::string::npos);
    EXPECT_TRUE(file.bytes.empty());
  }
}

TEST(ServoSettingsFile, ReadingFollowsTheRulesOfExistingFiles) {
  struct Case {
    const char *what;
    const char *file;
    std::map<int, ServoSetting> changed;
  };
  const Case cases[] = {
      {"records go to the row their number names", R"("C","3","4","5",3
"A","1","2","3",1
"***",123
)",
       {{3, {"C", "3", "4", "5"}}, {1, {"A", "1", "2", "3"}}}},
      {"an incomplete last record is not applied", R"("A","1","1","1",0
"B","1","1","1",1
"C","1","1","1",2
"D","1","1","1",3
"E","1","1","1",4
"F","1","1")",
       {{0, {"A", "1", "1", "1"}}, {1, {"B", "1", "1", "1"}}, {2, {"C", "1", "1", "1"}},
        {3, {"D", "1", "1", "1"}}, {4, {"E", "1", "1", "1"}}}},
      {"a row number out of range changes nothing, the next record is read", R"("X","1","1","1",12
"Y","2","2","2",-1
"Z","3","3","3",2
)",
       {{2, {"Z", "3", "3", "3"}}}},
      {"the later of two records for a row wins", R"("Old","1","1","1",5
"New","2","2","2",5
)",
       {{5, {"New", "2", "2", "2"}}}},
      {"\"***\" ends reading", R"("A","1","1","1",0
"***",123
"B","2","2","2",1
)",
       {{0, {"A", "1", "1", "1"}}}},
      {"quoted items keep commas, blanks before items are skipped, LF alone ends a line",
       "  \"a,b\" ,\"1\",  2 , \"3\" ,6\n\"Tail\",\"\",\"\",\"\",7",
       {{6, {"a,b", "1", "2", "3"}}, {7, {"Tail", "", "", ""}}}},
      {"rule-breaking rows are taken as they stand", R"("Odd","200","100","50",9
)",
       {{9, {"Odd", "200", "100", "50"}}}},
      {"a row number that is no number changes nothing", R"("A","1","1","1",x
"B","1","1","1",
"C","1","1","1",1
)",
       {{1, {"C", "1", "1", "1"}}}},
      {"a missing closing quote ends the item at the line's end",
       "\"Unclosed, still\n\"1\",\"2\",\"3\",4\n", {{4, {"Unclosed, still", "1", "2", "3"}}}},
      {"bytes of the 8-bit set are decoded", "\"Dreh\x80\",\"0\",\"1\",\"2\",0\r\n",
       {{0, {"Dreh\u20AC", "0", "1", "2"}}}},
      {"blank lines hold no item", "\r\n\r\n\"A\",\"1\",\"1\",\"1\",0\r\n\r\n\"B\",\"2\",\"2\",\"2\",1",
       {{0, {"A", "1", "1", "1"}}, {1, {"B", "2", "2", "2"}}}},
      {"an empty file changes nothing", "", {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    ServoRows expected = defaultServoRows();
    for (const auto &[row, setting] : c.changed) expected[row] = setting;
    ServoRows rows = defaultServoRows();
    EXPECT_EQ(readServoSettings(crlf(c.file), rows), !c.changed.empty()) << "whether a row was applied";
    EXPECT_EQ(rows, expected);
  }
}

TEST(ServoSettingsFile, ReadingStopsAfterTwelveRecordsWhetherOrNotTheyChangedARow) {
  std::string file;
  for (int i = 0; i < 11; ++i) file += "\"R" + std::to_string(i) + "\",\"1\",\"2\",\"3\"," + std::to_string(i) + "\r\n";
  file += "\"Nowhere\",\"1\",\"2\",\"3\",12\r\n"; // the twelfth record
  file += "\"Late\",\"1\",\"2\",\"3\",11\r\n";
  ServoRows rows = defaultServoRows();
  readServoSettings(file, rows);
  EXPECT_EQ(rows[10].name, "R10");
  EXPECT_EQ(rows[11], ServoSetting::defaults(11));
}

// A field takes 32,767 characters, however many bytes they are in UTF-8.
TEST(ServoSettingsFile, TextsLongerThanAFieldTakesAreNamed) {
  const std::string euro = "\u20AC"; // three bytes
  std::string longest;
  for (int i = 0; i < servoTextLimit; ++i) longest += euro;
  const struct {
    std::string ServoSetting::*field;
    std::string text;
    std::optional<std::string> said;
  } cases[] = {
      {&ServoSetting::name, std::string(32767, 'x'), std::nullopt},
      {&ServoSetting::name, longest, std::nullopt},
      {&ServoSetting::name, std::string(32768, 'x'),
       "Servo 5's name is 32768 characters long, more than the 32767 a field takes."},
      {&ServoSetting::maximum, longest + "1", "Servo 5's maximum is 32768 characters long, more than the 32767 a field takes."},
  };
  for (const auto &c : cases) {
    ServoRows rows = defaultServoRows();
    rows[5].*c.field = c.text;
    EXPECT_EQ(overlongServoText(rows), c.said) << c.text.size() << " bytes";
  }
}

} // namespace
} // namespace quarnel
