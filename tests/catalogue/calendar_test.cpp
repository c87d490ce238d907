#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "catalogue/cv_calendar.h"
#include "platform/headless_backend.h"

namespace {

TNormalDate Date(int32_t y, int32_t mo, int32_t d, int32_t h = 0, int32_t mi = 0) { return {y, mo, d, h, mi}; }

TEST(Calendar, KnownCounts) {
  EXPECT_EQ(NormalDateToDiffDate(Date(2000, 1, 1)), 0);
  EXPECT_EQ(NormalDateToDiffDate(Date(2000, 3, 1)), 60 * 1440);
  EXPECT_EQ(NormalDateToDiffDate(Date(2001, 1, 1)), 366 * 1440);
  EXPECT_EQ(NormalDateToDiffDate(Date(2100, 3, 1)) - NormalDateToDiffDate(Date(2100, 2, 28)), 1440);
  EXPECT_EQ(DiffDateToNormalDate(NormalDateToDiffDate(Date(2400, 2, 29))), Date(2400, 2, 29));
  EXPECT_EQ(DiffDateToNormalDate(52596000), Date(2100, 1, 1));
  EXPECT_EQ(DiffDateToNormalDate(52596000 + 2102400), Date(2104, 1, 1));
  EXPECT_EQ(DiffDateToNormalDate(CYCLE400), Date(2400, 1, 1));
  EXPECT_EQ(NormalDateToDiffDate(Date(1999, 12, 31, 23, 59)), -1);
  EXPECT_EQ(NormalDateToDiffDate(Date(2500, 1, 1)), -1);
  EXPECT_EQ(NormalDateToDiffDate(Date(2001, 2, 30)), NormalDateToDiffDate(Date(2001, 3, 2)));
  // Months past 12 add nothing of their own: the thirteenth is the next January.
  EXPECT_EQ(NormalDateToDiffDate(Date(2001, 13, 1)), NormalDateToDiffDate(Date(2002, 1, 1)));
  EXPECT_EQ(NormalDateToDiffDate(Date(2001, 15, 1)), NormalDateToDiffDate(Date(2002, 1, 1)));
}

TEST(Calendar, EveryDayAgreesWithTheStandardCalendar) {
  using namespace std::chrono;
  const sys_days epoch = year{2000} / January / 1;
  for (sys_days day = epoch; day < sys_days(year{2500} / January / 1); day += days{1}) {
    const year_month_day ymd(day);
    const TNormalDate d = Date(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())), 13, 7);
    const int32_t expected = int32_t((day - epoch).count()) * 1440 + 13 * 60 + 7;
    ASSERT_EQ(NormalDateToDiffDate(d), expected) << int(ymd.year()) << "-" << unsigned(ymd.month());
    ASSERT_EQ(DiffDateToNormalDate(expected), d);
  }
}

TEST(Calendar, EveryMinuteOf500YearsSurvivesTheRoundTrip) {
  const TDiffDate last = NormalDateToDiffDate(Date(2499, 12, 31, 23, 59));
  ASSERT_EQ(last, 262975680 - 1);
  TNormalDate previous = DiffDateToNormalDate(0);
  for (TDiffDate minute = 1; minute <= last; ++minute) {
    const TNormalDate d = DiffDateToNormalDate(minute);
    if (NormalDateToDiffDate(d) != minute) FAIL() << "minute " << minute;
    // The walk moves one minute at a time through normalised dates.
    if (d.Minute != (previous.Minute + 1) % 60) FAIL() << "minute " << minute;
    previous = d;
  }
  EXPECT_EQ(previous, Date(2499, 12, 31, 23, 59));
}

TEST(Calendar, ShortlyBefore2000TheFieldsGoNegativeAndStillRoundTrip) {
  EXPECT_EQ(DiffDateToNormalDate(-61), Date(2000, 1, 1, -1, -1));
  EXPECT_EQ(DiffDateToNormalDate(-1441), Date(2000, 1, 0, 0, -1));
  for (TDiffDate count = -2103839; count < 0; count += 997)
    ASSERT_EQ(NormalDateToDiffDate(DiffDateToNormalDate(count)), count) << count;
}

TEST(Calendar, LocalTimeFieldsAreReadAndWrittenThroughTheOffset) {
  TNormalDate utc = Date(2026, 4, 30, 23, 30);
  const int32_t diff = 60;  // local time is an hour ahead
  EXPECT_EQ(GetLocalTimePart(utc, diff, TP_Day), 1);
  EXPECT_EQ(GetLocalTimePart(utc, diff, TP_Month), 5);
  EXPECT_EQ(GetLocalTimePart(utc, diff, TP_Hour), 0);
  EXPECT_EQ(GetLocalTimePart(utc, diff, TP_Minute), 30);
  EXPECT_EQ(GetLocalTimePart(utc, diff, TP_Year), 2026);

  utc = Date(2026, 4, 10, 12, 0);
  SetLocalTimePart(utc, diff, TP_Day, 31);  // 31 April rolls into May
  EXPECT_EQ(utc, Date(2026, 5, 1, 12, 0));
  SetLocalTimePart(utc, diff, TP_Hour, 0);
  EXPECT_EQ(utc, Date(2026, 4, 30, 23, 0));
  SetLocalTimePart(utc, diff, TP_Month, 2);
  EXPECT_EQ(utc, Date(2026, 1, 31, 23, 0)) << "local 1 May 00:00 became 1 February 00:00";

  // A year without a minute count changes nothing.
  EXPECT_FALSE(SetLocalTimePart(utc, diff, TP_Year, 2500));
  EXPECT_FALSE(SetLocalTimePart(utc, diff, TP_Year, 1999));
  EXPECT_EQ(utc, Date(2026, 1, 31, 23, 0));
  EXPECT_TRUE(SetLocalTimePart(utc, diff, TP_Year, 2499));
  EXPECT_EQ(utc, Date(2499, 1, 31, 23, 0));
}

TEST(Calendar, ALocalTimeWhoseUtcLeavesTheYearsStopsAtTheirEnd) {
  // Local time behind UTC: the last local hours of 2499 are 2500 in UTC.
  for (const int32_t diff : {-60, -300}) {
    TNormalDate utc = Date(2499, 12, 31, 20, 0);
    ASSERT_TRUE(SetLocalTimePart(utc, diff, TP_Hour, 23)) << diff;
    EXPECT_EQ(utc, Date(2499, 12, 31, 23, 59)) << diff;
  }
  // Ahead of UTC, the first local minutes of 2000 are still 1999 in UTC.
  TNormalDate utc = Date(2000, 1, 1, 5, 0);
  ASSERT_TRUE(SetLocalTimePart(utc, 120, TP_Hour, 0));
  EXPECT_EQ(utc, Date(2000, 1, 1, 0, 0));
}

TEST(Calendar, ClockReadingsBecomeDates) {
  platform::HeadlessBackend host;
  platform::Install(&host);
  platform::SystemTime t;
  t.Year = 2026;
  t.Month = 12;
  t.Day = 8;
  t.Hour = 3;
  t.Minute = 4;
  t.Second = 5;
  t.Milliseconds = 678;
  host.SetClock(t, -330);
  host.SetTick(0xFFFFFFF0u);

  TNormalDate now;
  int32_t residual = 0;
  int32_t tick = 0;
  GetUTCTime(host.UtcTime(), host.TickCount(), now, residual, tick);
  EXPECT_EQ(now, Date(2026, 12, 8, 3, 4));
  EXPECT_EQ(residual, 5678);
  EXPECT_EQ(tick, -16);
  EXPECT_EQ(GetUTCDiff(host.UtcTime(), host.LocalTime()), -330);
  EXPECT_EQ(WinTimeToNormalDate(t), Date(2026, 12, 8, 3, 4));
  platform::Install(nullptr);
}

}  // namespace
