#include "record/RecordClock.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "base/CNumbers.h"

namespace tremora {

namespace {

// K-NET and KiK-net loggers keep 15 s of motion from before their trigger, yet the header's
// Record Time is the trigger's: the first sample is 15 s earlier.
constexpr double kKnetPreTriggerSeconds = 15.0;

// Three numbers of a date "2018/01/24" or a time "19:51:43"; any single separator between them.
std::optional<std::array<int, 3>> ThreeNumbers(const std::string& text) {
  std::array<int, 3> numbers{};
  int read = 0;
  char separator1 = 0, separator2 = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c%d%n", &numbers[0], &separator1, &numbers[1], &separator2, &numbers[2],
                  &read) != 5) {
    return std::nullopt;
  }
  return numbers;
}

}  // namespace

std::optional<double> RecordStartClock(const RecordSet& record) {
  const auto date = ThreeNumbers(record.Header.RecordDate);
  const auto time = ThreeNumbers(record.Header.RecordTime);
  if (!date || !time) return std::nullopt;
  using namespace std::chrono;
  const year_month_day calendar_day{year{(*date)[0]}, month{static_cast<unsigned>((*date)[1])},
                                    day{static_cast<unsigned>((*date)[2])}};
  const auto [hours, minutes, seconds] = *time;
  if (!calendar_day.ok() || hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 60) {
    return std::nullopt;
  }
  double clock = static_cast<double>(sys_days{calendar_day}.time_since_epoch().count()) * 86400.0 + hours * 3600.0 +
                 minutes * 60.0 + seconds;
  if (record.Format == RecordFormat::Knet) clock -= kKnetPreTriggerSeconds;
  return clock;
}

std::string ClockText(double clock_seconds, int decimals) {
  using namespace std::chrono;
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // Rounded once, in whole units of the last digit, so 59.996 s becomes the next minute.
  const long long units = std::llround(clock_seconds * static_cast<double>(scale));
  const long long whole = units >= 0 ? units / scale : -((-units + scale - 1) / scale);
  const long long fraction = units - whole * scale;
  const long long day_number = whole >= 0 ? whole / 86400 : -((-whole + 86399) / 86400);
  const long long of_day = whole - day_number * 86400;
  const year_month_day date{sys_days{days{day_number}}};
  std::string text = FormatC("%04d/%02u/%02u %02lld:%02lld:%02lld", static_cast<int>(date.year()),
                             static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), of_day / 3600,
                             of_day / 60 % 60, of_day % 60);
  if (decimals > 0) text += FormatC(".%0*lld", decimals, fraction);
  return text;
}

int TimeDecimals(double interval_seconds) {
  if (!(interval_seconds > 0) || !std::isfinite(interval_seconds)) return 2;
  // A small allowance, so 0.01 s (not exactly a hundredth in binary) still needs two.
  const int decimals = static_cast<int>(std::ceil(-std::log10(interval_seconds) - 1e-9));
  return decimals < 0 ? 0 : decimals > 6 ? 6 : decimals;
}

}  // namespace tremora
