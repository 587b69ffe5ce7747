#pragma once
// Sine and cosine computed with nothing but IEEE basic arithmetic, so that
// the native build and the 32-bit Windows build get the very same doubles
// (the C libraries' cos and sin differ in the last bit). Accurate to about
// one unit in the last place for |x| up to about 10^5.

namespace qs {

double portableCos(double x);
double portableSin(double x);

}  // namespace qs
