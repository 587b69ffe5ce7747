#pragma once
// The adaptive decoder's squelch: open while the tracked tone stands out of
// the spectrum and its marks stand out of the noise floor, each by enough
// decibels; closed otherwise, with hysteresis so that a signal near the
// limits does not flutter. Noise alone never opens it.

namespace qs::rx {

class SignalSquelch {
  public:
    static constexpr double kOpenProminenceDb = 5.5;
    static constexpr double kCloseProminenceDb = 4.0;
    static constexpr double kOpenContrastDb = 12.0;
    static constexpr double kCloseContrastDb = 9.0;

    // Once per block; returns whether the squelch is open now.
    bool update(double prominenceDb, double contrastDb) {
        if (open_) {
            open_ = prominenceDb >= kCloseProminenceDb && contrastDb >= kCloseContrastDb;
        } else {
            open_ = prominenceDb >= kOpenProminenceDb && contrastDb >= kOpenContrastDb;
        }
        return open_;
    }
    bool open() const { return open_; }
    void reset() { open_ = false; }

  private:
    bool open_ = false;
};

}  // namespace qs::rx
