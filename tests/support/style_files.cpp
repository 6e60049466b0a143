#include "tests/support/style_files.h"

#include <cstring>

namespace cantivo::test {

StyleSlotRecord Slot(const std::string& label, std::uint16_t module, std::vector<std::uint8_t> data,
                     std::uint8_t disabled) {
    StyleSlotRecord slot;
    slot.label = label;
    slot.wModule = module;
    slot.data = std::move(data);
    slot.bDisabled = disabled;
    for (std::size_t i = 0; i < slot.abParams.size(); ++i)
        slot.abParams[i] = static_cast<std::uint8_t>(module + i);
    return slot;
}

StyleFile SampleStyle() {
    StyleFile style;
    style.header = BlankStyleHeader();
    StyleFileHeader& h = style.header;
    h.nTempoMin = 90;
    h.nTempoMax = 140;
    h.nDurationMin = 15;
    h.nDurationMax = 120;
    h.nVelocityMin = 40;
    h.nVelocityMax = 110;
    h.nExpressionMin = -5;
    h.nExpressionMax = 127;
    std::strcpy(h.szScoreType, "Lead sheet");
    std::strcpy(h.szPhraseMark, "CC100");
    h.nNotesMin = 36;
    h.nNotesMax = 96;
    h.nTimeBase = 480;
    std::strcpy(h.szMeter, "4/4");
    const std::uint8_t used[kParameterCount] = {0, 1, 1, 1, 0, 0, 2, 1};
    std::memcpy(h.abUsed, used, sizeof used);
    h.StyleInitial = {0, 0, 1, 0, 1, 0, 96, 90, 80, 70};
    std::strcpy(h.szNotesGen, "Grace notes");
    std::strcpy(h.szSoloTransf, "None");
    std::strcpy(h.szNotesDel, "Ghosts");
    std::strcpy(h.szNotesDec, "Trills");
    std::strcpy(h.szTestExamples, "swing1.mid");
    std::strcpy(h.szDescription, "A light swing.%1253$Groove");
    style.slots = {Slot("Swing feel", 40, {'a', 'b', 'c'}), Slot("Humanize", 41, {}, 1),
                   Slot("Accent", 42, {1, 2, 3, 4})};
    return style;
}

void InstallStyleFile(const TempFolder& moduleFolder, const std::string& styleFolder, const std::string& fileName,
                      const std::vector<std::uint8_t>& bytes) {
    moduleFolder.Touch("STYLES/" + styleFolder + "/" + fileName, std::string(bytes.begin(), bytes.end()));
}

}  // namespace cantivo::test
