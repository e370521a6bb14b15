#include "shell/Profile.h"

#include <gtest/gtest.h>

#include <QFile>

#include "support/TestSupport.h"

using PellamyTest::ReadFileBytes;
using PellamyTest::TScopedConfigDir;
using PellamyTest::WriteFileBytes;

namespace {

class ProfileTest : public ::testing::Test {
protected:
  TScopedConfigDir Dir;
  QString Path = Dir.File("Pellamy.ini");
  TProfile Profile1{QStringLiteral("Klondike")};

  void SetUp() override { Profile1.SetFileName(Path); }

  // Puts one value in the file and reads it back through the component.
  TProfile& With(const QByteArray& value) {
    WriteFileBytes(Path, "[Klondike]\r\nKey=" + value + "\r\n");
    Profile1.SetEntry("Key");
    return Profile1;
  }
};

TEST_F(ProfileTest, AnAbsentKeyReadsAsTheDefaultText) {
  Profile1.SetEntry("GamesWon");
  EXPECT_EQ(Profile1.DefaultText(), "None");
  EXPECT_EQ(Profile1.Text(), "None");  // no file at all
  EXPECT_EQ(Profile1.Value(), 0);
  EXPECT_FALSE(Profile1.State());
  WriteFileBytes(Path, "[Klondike]\r\nOther=1\r\n");
  EXPECT_EQ(Profile1.Text(), "None");
  EXPECT_EQ(With("").Text(), "");  // present and empty is not absent

  // "None" written on purpose reads like an absent key.
  Profile1.SetText("None");
  EXPECT_EQ(Profile1.Value(), 0);
}

TEST_F(ProfileTest, ValueFollowsTheConversionAndFallsBackOnTheBooleanRule) {
  const std::pair<const char*, int> cases[] = {
      {"42", 42},        {"-5", -5},         {"+5", 5},         {"$10", 16},         {"0x10", 16},
      {"0X10", 16},      {"x10", 16},        {"X1f", 31},       {"0x00004000", 16384}, {"01", 1},
      {"-$10", -16},     {"2147483647", 2147483647},            {"-2147483648", INT32_MIN},
      {"$FFFFFFFF", -1},
      // Not numbers: 1 when the text reads true, else 0.
      {"True", 1},       {"yes", 1},         {"False", 0},      {"None", 0},         {"", 0},
      {"12abc", 0},      {"2147483648", 0},  {"$", 0},          {"-", 0},            {"1.5", 0}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(With(text).Value(), expected) << text;
}

TEST_F(ProfileTest, StateIsTrueOnlyForTrueYesAndOne) {
  for (const char* text : {"TRUE", "True", "true", "tRuE", "yes", "Yes", "YES", "1"})
    EXPECT_TRUE(With(text).State()) << text;
  // The value is trimmed in the file, so " 1" has to come from a quoted value.
  for (const char* text : {"0", "False", "None", "2", "", "\" 1\"", "01", "y", "on", "TRUE!"})
    EXPECT_FALSE(With(text).State()) << text;
  EXPECT_EQ(With("\" 1\"").Value(), 1);
  EXPECT_EQ(With("01").Value(), 1);
  EXPECT_TRUE(ProfileTextToBool("Yes"));
  EXPECT_FALSE(ProfileTextToBool(QString::fromUtf8("Tru\u00C9")));  // only ASCII letters fold
  EXPECT_EQ(BoolToProfileText(true), "True");
  EXPECT_EQ(BoolToProfileText(false), "False");
}

TEST_F(ProfileTest, WritesGoStraightToTheFile) {
  Profile1.SetEntry("Count");
  Profile1.SetValue(0);
  Profile1.SetEntry("Score");
  Profile1.SetValue(-120);
  Profile1.SetEntry("DrawThree");
  Profile1.SetState(true);
  Profile1.SetEntry("Vegas");
  Profile1.SetState(false);
  Profile1.SetEntry("Name");
  Profile1.SetText("Fred");
  EXPECT_EQ(ReadFileBytes(Path), "[Klondike]\r\nCount=0\r\nScore=-120\r\nDrawThree=True\r\nVegas=False\r\nName=Fred\r\n");
  EXPECT_EQ(Profile1.LastText(), "Fred");
  Profile1.SetEntry("DrawThree");
  EXPECT_TRUE(Profile1.State());
  EXPECT_EQ(Profile1.Value(), 1);  // "True" is no number; the boolean rule gives 1
}

TEST_F(ProfileTest, AnEmptyFieldReadsEmptyAndWritesNothing) {
  WriteFileBytes(Path, "[Klondike]\r\nKey=5\r\n");
  Profile1.SetEntry("Key");
  EXPECT_EQ(Profile1.Text(), "5");

  Profile1.SetEntry("");
  EXPECT_EQ(Profile1.Text(), "");  // not "None"
  EXPECT_EQ(Profile1.LastText(), "");
  Profile1.SetText("written");
  Profile1.SetValue(3);
  Profile1.SetState(true);

  TProfile noSection;
  noSection.SetFileName(Path);
  noSection.SetEntry("Key");
  EXPECT_EQ(noSection.Text(), "");
  noSection.SetText("written");

  TProfile noFile(QStringLiteral("Klondike"));
  noFile.SetFileName("");
  noFile.SetEntry("Key");
  EXPECT_EQ(noFile.Text(), "");
  noFile.SetText("written");
  EXPECT_EQ(ReadFileBytes(Path), "[Klondike]\r\nKey=5\r\n");
}

TEST_F(ProfileTest, ReadsAreCutTo255Characters) {
  const QByteArray longValue = QByteArray(254, 'a') + "bcd";
  EXPECT_EQ(With(longValue).Text(), QString(254, 'a') + "b");
  EXPECT_EQ(With(QByteArray(255, '7')).Text().size(), 255);

  // A long text and a long file name are written whole; only the read is cut.
  Profile1.SetFileName(Dir.File(QString(200, 'f') + ".ini"));
  Profile1.SetEntry("Long");
  Profile1.SetText(QString(300, 'z'));
  EXPECT_EQ(Profile1.LastText().size(), 300);
  EXPECT_EQ(Profile1.Text(), QString(255, 'z'));
}

TEST_F(ProfileTest, AFailedWriteIsSilentAndKeepsTheLastText) {
  WriteFileBytes(Path, "[Klondike]\r\nKey=old\r\n");
  Profile1.SetEntry("Key");
  EXPECT_EQ(Profile1.Text(), "old");
  Profile1.SetFileName(Dir.File("missing/Pellamy.ini"));
  Profile1.SetText("new");
  EXPECT_EQ(Profile1.LastText(), "old");
  EXPECT_FALSE(QFile::exists(Dir.File("missing/Pellamy.ini")));
}

}  // namespace
