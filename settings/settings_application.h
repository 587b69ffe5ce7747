#pragma once
// Applying a settings document: every time a document has been created or
// opened after start, its slots are read in one pass, in slot order, and
// turned into running state: macros, keying port and line, sound device,
// receive filters, tone, threshold, input gain, own station data, the
// option string, the choice of decoder, and finally the audio channel,
// which starts the capture.
// What is already open (port, keying line, sound device, running capture)
// stays; the slots of port, line and channel are then rewritten with what
// is in use. An empty slot keeps the current value unless a step says
// otherwise.
//
// Values that no handler writes (a colour index outside 0 to 5, an input
// volume outside 1 to 11, text where a number belongs) keep the current
// value and the application goes on.

#include "common/text.h"
#include "rx/receive_form.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"
#include "settings/option_effects.h"
#include "settings/qso_log.h"
#include "settings/settings_record.h"
#include "settings/settings_view.h"
#include "tx/keyer.h"
#include "tx/keying_port.h"

namespace qs::settings {

// The own station's data (slots 45 to 48).
struct StationData {
    Text myCall;
    Text myName;
    Text myQth;
    Text otherData;
};

// Writes back a slot that describes what is in use: SetSlot, and while no
// document has been applied since start the document stays unmodified.
void writeBackSlot(SettingsRecord& record, int slot, TextView value);

class SettingsApplication {
public:
    struct Parts {
        SettingsRecord& record;
        rx::ReceiveSettings& receive;
        rx::ReceiveForm& receiveForm;
        rx::ReceiveIndicators& indicators;
        tx::KeyingPort& keyingPort;
        tx::Keyer& keyer;
        QsoLog& qsoLog;  // keeps the document path
        OptionEffects& options;
        MacroButtons& macros;
        SoundDeviceList& soundDevices;
        AudioCapture& capture;
        TransmitSpeedControl& txSpeed;
        SettingsForm& form;
    };

    explicit SettingsApplication(const Parts& parts);

    // Applies the record of the document. A document without a path (File
    // New) applies nothing. The caller notes afterwards that settings have
    // been applied (SettingsRecord::noteSettingsApplied).
    void applyDocument();

    // " (" + the document's file name + ")"; empty without a document.
    const Text& documentTag() const { return documentTag_; }
    const StationData& stationData() const { return station_; }
    // The Options command's own station data.
    void setStationData(const StationData& station) { station_ = station; }

private:
    Text slotText(int slot) const;
    bool takeDocumentPath();
    void applyMacros();
    bool applySoundDevice();
    void applyNoiseReduction();
    void applyQrmFilter();
    void applyTone();
    void applyAutoThreshold();
    void applyInputVolume();
    void applyStationData();
    void applyThreshold();
    bool applyAudioChannel();
    void applyTxSpeed();

    Parts parts_;
    Text documentTag_;
    StationData station_;
};

}  // namespace qs::settings
