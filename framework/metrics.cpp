#include "framework/metrics.h"

#include <algorithm>

namespace framework {

Metrics MetricsForDpi(int dpi) {
  Metrics m;  // the design values, each scaled here once
  m.dpi = dpi > 0 ? dpi : kDesignDpi;
  // A hairline is a whole number of pixels: 1 at 100 % and 125 %, 2 at 150 %
  // and 200 %.
  const int hairline = std::max(1, (m.dpi + kDesignDpi / 2) / kDesignDpi);
  for (const IntLength& length : kIntLengths) {
    int& value = m.*length.field;
    value = length.scaling == Scaling::kHairline ? value * hairline : m.Px(value);
  }
  for (float Metrics::*field : kFloatLengths) m.*field = m.Pxf(m.*field);
  return m;
}

}  // namespace framework
