#pragma once
// What applying a settings document or the options reaches of the main view
// beyond the receive path, the keying port and the keying engine. The main
// view implements these on its controls and fields; all calls are made on
// the user-interface thread.

#include <cstdint>

#include "common/text.h"

namespace qs::settings {

// Macro buttons 1 to 11 and the Auto CQ button (12).
class MacroButtons {
public:
    virtual ~MacroButtons() = default;
    virtual void setMacroText(int button, TextView text) = 0;
    // The button shows `caption` from now on.
    virtual void showCaption(int button, TextView caption) = 0;
    // Keeps the colour index (0 to 5) and its colour (0x00BBGGRR) and
    // repaints the button's caption.
    virtual void setCaptionColour(int button, int colourIndex, std::uint32_t colour) = 0;
};

// The sound device combo box (1035) and the device choice it holds.
class SoundDeviceList {
public:
    virtual ~SoundDeviceList() = default;
    // A device has been chosen, by the operator or by an applied document.
    virtual bool soundDeviceChosen() const = 0;
    // Selects the first entry whose text equals `name` exactly (no change
    // notification) and marks a device as chosen. False, and nothing changed,
    // when no entry has that text.
    virtual bool selectSoundDevice(TextView name) = 0;
};

// Audio capture of the receive path.
class AudioCapture {
public:
    virtual ~AudioCapture() = default;
    // 1 right, 0 left, 3 while none has been chosen.
    virtual int channel() const = 0;
    virtual bool captureRunning() const = 0;
    // Takes the channel and sets up the chosen device with its looping
    // buffer; 1 on success. A failure has been reported to the operator.
    virtual int setUp(int channel) = 0;
    // The capture device object exists.
    virtual bool deviceOpened() const = 0;
    // Starts the buffer looping and the capture thread; captureRunning()
    // is true afterwards.
    virtual void start() = 0;
};

enum class TextBoxFont {
    Small,   // 12 point
    Normal,  // 15 point
    Large,   // 19 point
};

// The receive box (1036) and the transmit edit (1037).
class TextBoxes {
public:
    virtual ~TextBoxes() = default;
    // The "MS Gothic" font of this size for both boxes.
    virtual void setTextBoxFont(TextBoxFont size) = 0;
    // The RX Clear and TX Clear commands.
    virtual void clearRx() = 0;
    virtual void clearTx() = 0;
};

// The choice of logging program and the Logger32 link's search timer.
class LoggingProgram {
public:
    virtual ~LoggingProgram() = default;
    virtual bool logSoftIsHamLog() const = 0;
    virtual void setLogSoftIsHamLog(bool hamLog) = 0;
    virtual bool logger32Connected() const = 0;
    // Window timer 1 with the period the Logger32 link keeps (8000 ms while
    // it searches).
    virtual void startLogger32Search() = 0;
    virtual void stopLogger32Search() = 0;
};

// The transmit speed trackbar (1018).
class TransmitSpeedControl {
public:
    virtual ~TransmitSpeedControl() = default;
    // Moves the trackbar without a scroll notification.
    virtual void setTxSpeedPosition(int position) = 0;
    virtual void focusTxSpeedControl() = 0;
};

// The rest of the form.
class SettingsForm {
public:
    virtual ~SettingsForm() = default;
    // A message box with an OK button; returns when it is closed.
    virtual void showMessage(TextView text) = 0;
    // The input volume trackbar (1019), moved without a scroll notification.
    virtual void setInputGainPosition(int position) = 0;
    // Puts the keyboard focus into the transmit edit (1037).
    virtual void focusTransmitEdit() = 0;
};

}  // namespace qs::settings
