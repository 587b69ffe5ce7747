#include "ui/options_command.h"

#include "settings/slot_catalog.h"

namespace qs::ui {

OptionsCommand::OptionsCommand(const Links& links) : links_(links) {}

void OptionsCommand::run() {
    const settings::StationData& station = links_.application.stationData();
    OptionsValues values{links_.options.optionString(), station.myCall, station.myName,
                         station.myQth, station.otherData};
    links_.receive.rxEnabled = false;
    if (links_.dialog.runOptionsDialog(values)) {
        applyOptionString(values.optionText);
        applyStationData(values);
    }
    links_.receivePath.clearSampleBlock();
    links_.receive.historyIndex = 0;
    links_.receive.rxEnabled = true;
    if (!links_.latch.fieldFocusLatch()) links_.form.focusTransmitEdit();
}

// The keying engine takes the new weights and refreshes the speed label
// as the option effects run.
void OptionsCommand::applyOptionString(const Text& optionText) {
    if (!links_.options.applyOptions(optionText, settings::OptionsSource::OptionsDialog)) return;
    links_.keyer.updateTxSpeed(links_.keyer.txSpeedIndex());
    settings::writeBackSlot(links_.record, settings::slot::kOptionString,
                            links_.options.optionString());
}

void OptionsCommand::applyStationData(const OptionsValues& values) {
    settings::StationData station = links_.application.stationData();
    const std::pair<Text settings::StationData::*, int> fields[] = {
        {&settings::StationData::myCall, settings::slot::kMyCall},
        {&settings::StationData::myName, settings::slot::kMyName},
        {&settings::StationData::myQth, settings::slot::kMyQth},
        {&settings::StationData::otherData, settings::slot::kOtherData},
    };
    const Text* const given[] = {&values.myCall, &values.myName, &values.myQth, &values.otherData};
    for (int i = 0; i < 4; ++i) {
        Text& field = station.*fields[i].first;
        if (field == *given[i]) continue;
        field = *given[i];
        settings::writeBackSlot(links_.record, fields[i].second, field);
    }
    links_.application.setStationData(station);
}

}  // namespace qs::ui
