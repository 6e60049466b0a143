// A connected filter with processing on, whose rule slots the test fills.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/filter_fixture.h"
#include "tests/support/rule_modules.h"

namespace cantivo::test {

class SlotFixture : public FilterFixture {
protected:
    void SetUp() override {
        FilterFixture::SetUp();
        filter->m_bBypass = 0;
    }

    // Slot `index` runs `module` on a copy of `data`, every slot parameter `paramsFill`.
    void SetSlot(int index, int module, const std::vector<std::uint8_t>& data, std::uint8_t paramsFill = 0) {
        RuleSlot& slot = filter->m_aSlots[index];
        ClearSlot(slot);
        slot.wModule = static_cast<std::uint16_t>(module);
        slot.nDataLen = static_cast<std::int16_t>(data.size());
        slot.pData = new std::uint8_t[data.size()];
        if (!data.empty()) std::memcpy(slot.pData, data.data(), data.size());
        std::memset(slot.abParams, paramsFill, sizeof slot.abParams);
    }

    // The recorder's rule data is the path it writes its calls to; its slot
    // parameters are all the slot's index.
    std::string RecorderPath(const std::string& name) const { return (folder / name).string(); }
    void SetRecorder(int index, const std::string& name, int module = kRecorder) {
        const std::string path = RecorderPath(name);
        std::vector<std::uint8_t> data(path.begin(), path.end());
        data.push_back(0);
        SetSlot(index, module, data, static_cast<std::uint8_t>(index));
    }
};

}  // namespace cantivo::test
