#pragma once

#include <cstddef>
#include <cstdint>

namespace clicker {

// Number of counter ticks that cover at least ms milliseconds.
inline uint64_t TicksForMs(int32_t ms, uint64_t ticksPerSecond) {
  if (ms <= 0) return 0;
  const uint64_t m = static_cast<uint64_t>(ms);
  // ms < 2^31 and frequencies are far below 2^32, so the product fits.
  return (m * ticksPerSecond + 999) / 1000;
}

// Serves the queue until a monotonic counter is within spinTicks of the
// deadline, without keeping a core busy:
// - every turn dispatches what is pending (pump), then ends the wait when the
//   pump reports the program ending or stopped() holds;
// - while more than spinTicks are left it sleeps in block(ticks) for the time
//   up to that last stretch; block returns early when a message arrives.
// Returns true once the last stretch (or the deadline) is reached, false when
// a stop or the program's end cut the wait short. A deadline already reached
// still gets one pump.
template <typename Counter, typename Pump, typename Stopped, typename Block>
bool WaitUntilNear(uint64_t deadline, uint64_t spinTicks, Counter&& now, Pump&& pump,
                   Stopped&& stopped, Block&& block) {
  for (;;) {
    if (pump()) return false;
    if (stopped()) return false;
    const uint64_t at = now();
    if (at >= deadline) return true;
    const uint64_t left = deadline - at;
    if (left <= spinTicks) return true;
    block(left - spinTicks);
  }
}

// Spins on the counter up to the deadline, since waking from a sleep is less
// exact than that; a message arriving meanwhile waits for the next pump, and
// duty() is all that runs meanwhile. Only the last stretch is spun: with more
// left (a wait cut short) it returns false at once.
template <typename Counter, typename Duty>
bool SpinUntil(uint64_t deadline, uint64_t spinTicks, Counter&& now, Duty&& duty) {
  const uint64_t at = now();
  if (at < deadline && deadline - at > spinTicks) return false;
  while (now() < deadline) duty();
  return true;
}

template <typename Counter>
bool SpinUntil(uint64_t deadline, uint64_t spinTicks, Counter&& now) {
  return SpinUntil(deadline, spinTicks, now, [] {});
}

// How long before a periodic tick a wait wakes to spin the rest on the
// counter. A sleep ends late by what the system's timer allows: on Windows
// with its high-resolution timer a fraction of a millisecond, on older
// systems up to the tick of 1 ms, more on a busy machine. The lead is a
// quarter more than the recent wakes were late, leaving out the few latest
// (a wake the machine held up now and then makes a tick late, not every
// tick a long spin), within bounds.
class WakeLead {
 public:
  static constexpr size_t kRecent = 32;
  static constexpr size_t kLeftOut = 3;

  WakeLead(uint64_t least, uint64_t most) : least_(least), most_(most), ticks_(most) {}

  uint64_t ticks() const { return ticks_; }

  // A sleep that ended on its timer, so many counter ticks after it was
  // asked to (0 when it ended early).
  void Woke(uint64_t late) {
    recent_[next_] = late;
    next_ = (next_ + 1) % kRecent;
    if (seen_ < kRecent) ++seen_;
    // The (kLeftOut + 1)-th latest of those seen.
    uint64_t latest[kLeftOut + 1] = {};
    for (size_t i = 0; i < seen_; ++i) {
      uint64_t v = recent_[i];
      for (uint64_t& slot : latest) {
        if (v > slot) {
          const uint64_t lower = slot;
          slot = v;
          v = lower;
        }
      }
    }
    const uint64_t lead = latest[kLeftOut] + latest[kLeftOut] / 4;
    ticks_ = lead < least_ ? least_ : lead > most_ ? most_ : lead;
  }

 private:
  uint64_t least_;
  uint64_t most_;
  uint64_t ticks_;
  uint64_t recent_[kRecent] = {};
  size_t next_ = 0;
  size_t seen_ = 0;
};

}  // namespace clicker
