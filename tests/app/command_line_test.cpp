#include "app/command_line.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "time/locale_formats.h"

TEST(CommandLine, SnapshotArguments) {
  const CommandLine cl = ParseCommandLine({"--snapshot", "out.png", "--at", "2026-12-08 10:08:30", "--mode", "3"});
  EXPECT_EQ(cl.snapshotPath, "out.png");
  EXPECT_EQ(*cl.at, EncodeDateTime({2026, 12, 8, 10, 8, 30, 0}).value());
  EXPECT_EQ(*cl.mode, ctStopwatch);
  EXPECT_EQ(ParseCommandLine({"--snapshot", "a.png", "--skin", "slate"}).skin, "slate");
  EXPECT_EQ(ParseCommandLine({"--snapshot", "a.png", "--label", ""}).label, "");
  EXPECT_FALSE(ParseCommandLine({"--snapshot", "a.png"}).label.has_value());
  EXPECT_TRUE(ParseCommandLine({}).snapshotPath.empty());
  EXPECT_EQ(*ParseCommandLine({"--snapshot", "a.png", "--scale", "1.5"}).scale, 1.5);
  EXPECT_EQ(*ParseCommandLine({"--snapshot", "a.png", "--scale", "2"}).scale, 2.0);
  EXPECT_FALSE(ParseCommandLine({"--snapshot", "a.png"}).scale.has_value());
  EXPECT_FALSE(ParseCommandLine({"--snapshot", "a.png"}).uptimeMilliseconds.has_value());
}

// A preview in UpTime mode shows the uptime given, so that it is the same whenever it runs.
TEST(CommandLine, UptimeIsHoursMinutesSecondsAfterOptionalDays) {
  const std::pair<const char*, std::optional<uint64_t>> cases[] = {
      {"00:00:00", 0},
      {"01:02:03", 3723000},
      {"3 04:05:06", ((3 * 24 + 4) * 60 + 5) * 60000ull + 6000},
      {"400 23:59:59", ((400 * 24 + 23) * 60 + 59) * 60000ull + 59000},
      {"24:00:00", std::nullopt},
      {"1:60:00", std::nullopt},
      {"-1 01:00:00", std::nullopt},
      {"01:02", std::nullopt},
      {"01:02:03x", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, milliseconds] : cases) EXPECT_EQ(ParseUptime(text), milliseconds) << text;
  EXPECT_EQ(ParseCommandLine({"--snapshot", "a.png", "--uptime", "3 04:05:06"}).uptimeMilliseconds,
            ((3 * 24 + 4) * 60 + 5) * 60000ull + 6000);
  EXPECT_THROW(ParseCommandLine({"--snapshot", "a.png", "--uptime", "soon"}), OrmelError);
  EXPECT_THROW(ParseCommandLine({"--snapshot", "a.png", "--uptime"}), OrmelError);
}

TEST(CommandLine, RejectsWhatItCannotRead) {
  const std::vector<std::vector<std::string>> bad = {
      {"--at", "2026-02-30 10:00:00"}, {"--at", "10:00"}, {"--at", "2026-12-08 10:08:30x"},
      {"--mode", "6"}, {"--mode", "12"}, {"--frobnicate"}, {"--snapshot"}, {"--skin"}, {"--label"},
      {"--scale"}, {"--scale", "0.5"}, {"--scale", "6"}, {"--scale", "1,5"}, {"--scale", "nan"}, {"--scale", ""}};
  for (const auto& args : bad) EXPECT_THROW(ParseCommandLine(args), OrmelError) << args[0];
}

TEST(CommandLine, ASnapshotWithoutAFileNameSaysSo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--snapshot"}, {"--snapshot", ""}, {"--snapshot", "", "--mode", "3"}, {"--mode", "3", "--snapshot"}}) {
    try {
      ParseCommandLine(args);
      ADD_FAILURE() << "accepted a snapshot without a file name, " << args.size() << " arguments";
    } catch (const OrmelError& e) {
      EXPECT_STREQ(e.what(), "--snapshot needs the name of the PNG file to write");
    }
  }
}

TEST(CommandLine, ASnapshotIsAskedForEvenWhenTheRestDoesNotParse) {
  EXPECT_TRUE(AsksForSnapshot({"--snapshot", "a.png", "--frobnicate"}));
  EXPECT_TRUE(AsksForSnapshot({"--mode", "9", "--snapshot"}));
  EXPECT_FALSE(AsksForSnapshot({}));
  EXPECT_FALSE(AsksForSnapshot({"--frobnicate"}));
}

TEST(LocaleFormats, TimeFormatsBecomeClockFormats) {
  EXPECT_EQ(TranslateLocaleTimeFormat("h:mm:ss tt"), "h:nn:ss ampm");
  EXPECT_EQ(TranslateLocaleTimeFormat("HH:mm:ss"), "hh:nn:ss");
  EXPECT_EQ(TranslateLocaleTimeFormat("H' h 'mm"), "h' h 'nn");
}
