// The view's initial updates, its one-time setup and its shutdown steps.

#include <windows.h>

#include <shellapi.h>

#include "ui/control_ids.h"
#include "ui/controls_win32.h"
#include "ui/quillstone_view_win32.h"
#include "ui/view_fields_win32.h"

namespace qs::ui {

namespace {

const char16_t* const kGreetings[] = {u"GM", u"GA", u"GE", u"AUTO"};
const char16_t* const kReports[] = {u"5NN", u"57N", u"55N", u"53N", u"51N", u"599 5NN", u"5NN FB"};
constexpr int kMyReportCount = 5;  // My RST offers the first five
constexpr char16_t kDefaultReport[] = u"5NN";
constexpr int kAutoGreeting = 3;

constexpr int kSpeedPositions = 31;  // 0 .. 31: 25 .. 180 per minute
constexpr int kDefaultSpeedPosition = 15;
constexpr char16_t kDefaultSpeedLabel[] = u"100/Min";
constexpr int kDefaultInputVolume = 6;
constexpr int kKeyerStartPeriodMs = 57;

// The receive box reports these, for the contact fields' hand-over.
constexpr DWORD kReceiveBoxEvents =
    ENM_CHANGE | ENM_UPDATE | ENM_SCROLL | ENM_SELCHANGE | ENM_CORRECTTEXT;

constexpr COLORREF kFormatColours[3] = {RGB(0, 0, 0), RGB(0, 0, 255), RGB(255, 50, 50)};

}  // namespace

// The frame shrinks to the form where it is larger; then the core decides
// between the one-time setup and applying the document.
void CQuillstoneView::OnInitialUpdate() {
    frame_.shrinkToFit(scrollX_.formExtent, scrollY_.formExtent);
    core_.onInitialUpdate();
}

void CQuillstoneView::oneTimeSetup() {
    setUpReceiveBox();
    if (OpenClipboard(window_)) {
        EmptyClipboard();
        CloseClipboard();
    }
    setUpLists();
    setUpSpeedTrackbars();
    win::Button(item(control::kRxSpeedAuto)).setChecked(true);
    win::Button(item(control::kNoiseReduction2)).setChecked(true);
    setUpInputVolume();
    startKeyerTimer();
    showScale(true);
    dpiScaleX_ = measureDpiScale(LOGPIXELSX);
    dpiScaleY_ = measureDpiScale(LOGPIXELSY);
    core_.setDpiScale(dpiScaleX_, dpiScaleY_);
}

// The three formats take the box's own format and change only colour,
// character set and capitals, so the font chosen in the options stays.
void CQuillstoneView::setUpReceiveBox() {
    const win::Window box(item(control::kReceiveWindow));
    box.send(EM_SETEVENTMASK, 0, kReceiveBoxEvents);
    setTextBoxFont(settings::TextBoxFont::Normal);
    CHARFORMAT2W base{};
    base.cbSize = sizeof base;
    box.send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&base));
    for (size_t i = 0; i < formats_.size(); ++i) {
        formats_[i] = base;
        formats_[i].dwMask = CFM_COLOR | CFM_CHARSET | CFM_ALLCAPS;
        formats_[i].dwEffects = CFE_ALLCAPS;
        formats_[i].crTextColor = kFormatColours[i];
        formats_[i].bCharSet = ANSI_CHARSET;
    }
    emptyReceiveWindow();
    applyFormat(rx::TextFormat::Received);
    insertText(u"RX> ");
    transmitMirror_->clearAndInsert(u"TX> ");
}

void CQuillstoneView::setUpLists() {
    const win::ComboBox greeting(item(control::kGreeting));
    for (const char16_t* text : kGreetings) greeting.add(text);
    greeting.select(kAutoGreeting);
    const win::ComboBox hisRst(item(control::kHisRst));
    const win::ComboBox myRst(item(control::kMyRst));
    for (int i = 0; i < static_cast<int>(std::size(kReports)); ++i) {
        hisRst.add(kReports[i]);
        if (i < kMyReportCount) myRst.add(kReports[i]);
    }
    hisRst.setText(kDefaultReport);
    myRst.setText(kDefaultReport);
}

void CQuillstoneView::setUpSpeedTrackbars() {
    for (const int id : {control::kRxSpeedSlider, control::kTxSpeedSlider}) {
        const win::Trackbar speed(item(id));
        speed.setRange(0, kSpeedPositions);
        speed.setTickFrequency(2);
        speed.setPageSize(5);
        speed.setPosition(kDefaultSpeedPosition);
    }
    win::Trackbar(item(control::kTxSpeedSlider)).setLineSize(1);
    win::Window(item(control::kRxSpeedLabel)).setText(kDefaultSpeedLabel);
    win::Window(item(control::kTxSpeedLabel)).setText(kDefaultSpeedLabel);
}

void CQuillstoneView::setUpInputVolume() {
    const win::Trackbar volume(item(control::kInputGainSlider));
    volume.setRange(1, 11);
    volume.setTickFrequency(1);
    volume.setPosition(kDefaultInputVolume);
    volume.setSelection(kDefaultInputVolume, kDefaultInputVolume);
}

void CQuillstoneView::onDestroy() {
    core_.onDestroy();
}

void CQuillstoneView::emptyReceiveWindow() {
    const win::Window box(item(control::kReceiveWindow));
    box.setText(u"");
    box.send(EM_SETSEL, 0, 0);
}

void CQuillstoneView::copyReceivedTextAndOpenWordPad() {
    const win::Window box(item(control::kReceiveWindow));
    box.send(EM_SETSEL, 0, -1);
    box.send(WM_COPY);
    ShellExecuteW(window_, L"open", L"Wordpad.exe", L"readme\\wordpadtex.rtf", nullptr,
                  SW_SHOWNORMAL);
}

void CQuillstoneView::storeFramePlacement() {
    frame_.storePlacement();
}

// 57 ms until the engine sets its own periods, 1 ms resolution.
void CQuillstoneView::startKeyerTimer() {
    keyerTimer_.start(
        [this] {
            tx::Keyer& keyer = core_.keyer();
            keyer.keyerTick();
            return keyer.busy();
        },
        kKeyerStartPeriodMs);
}

void CQuillstoneView::stopKeyerTimer() {
    keyerTimer_.stop();
}

}  // namespace qs::ui
