#pragma once
// The receive chain as the terminal runs it with the adaptive decoder and
// the automatic tone, without a window: recordings are fed block by block
// and what it prints is recorded.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "rx/display_canvas.h"
#include "rx/receive_chain.h"
#include "tests/support/recording_text_sink.h"

namespace qs::test {

class AdaptiveListener {
  public:
    AdaptiveListener() {
        settings_.toneAuto = true;
        settings_.adaptiveDecoder = true;
        chain_ = std::make_unique<rx::ReceiveChain>(
            settings_,
            rx::ReceiveChain::Outputs{sink_, indicators_, levelCanvas_, spectrumCanvas_});
    }

    // Feeds the whole blocks of `samples`; `afterBlock()` runs after each.
    template <typename AfterBlock>
    void listen(const std::vector<double>& samples, AfterBlock afterBlock) {
        for (std::size_t first = 0; first + rx::kBlockSamples <= samples.size();
             first += rx::kBlockSamples) {
            std::copy_n(samples.begin() + first, rx::kBlockSamples, chain_->rawBlock().begin());
            chain_->processBlock();
            afterBlock();
        }
    }
    void listen(const std::vector<double>& samples) {
        listen(samples, [] {});
    }

    const rx::AdaptiveDecoder& decoder() const { return chain_->adaptiveDecoder(); }
    std::string shownText() const { return sink_.shownText(); }

  private:
    rx::ReceiveSettings settings_;
    RecordingTextSink sink_;
    rx::NoIndicators indicators_;
    rx::BlindCanvas levelCanvas_{176, 55};
    rx::BlindCanvas spectrumCanvas_{176, 55};
    std::unique_ptr<rx::ReceiveChain> chain_;
};

}  // namespace qs::test
