// Where a sample of a trace lies along the line.
//
// The instrument takes N samples over its range; the stretch spreads the
// displayed window, so one sample covers range / (stretch × N) metres of a line
// with the shortening factor k the trace was taken with. The range is the
// distance at that k (the time window × c / 2k); viewing the trace with another
// shortening factor scales every distance by recorded k / viewing k.
#ifndef TELVANE_STORAGE_TRACE_PLOT_TRACE_SCALE_H_
#define TELVANE_STORAGE_TRACE_PLOT_TRACE_SCALE_H_

namespace telvane {

struct TraceScale {
  double range_m = 0;  // the range, metres
  double stretch = 1;  // 1 or more; smaller values count as 1
  double k = 1;        // shortening factor the trace was taken with
  int samples = 0;     // N

  // Metres per sample when viewed with `view_k` (<= 0: the recorded k).
  double MetresPerSample(double view_k = 0) const;
  double Distance(double sample, double view_k = 0) const {
    return sample * MetresPerSample(view_k);
  }
  // The sample nearest `metres`, within 0..samples-1 (0 without samples).
  int NearestSample(double metres, double view_k = 0) const;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_TRACE_SCALE_H_
