// The host library's objects as tests need them: a host with chosen services,
// and a stream that fails when a test says so.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/host/host_services.h"
#include "tools/host/memory_stream.h"

namespace cantivo::test {

// 480 ticks per quarter at 120 beats a minute, in 3/8; the meter can be one
// the host does not know.
class TestHost final : public host::Sequencer {
public:
    TestHost() : host::Sequencer(480, 500000, 3, 3) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;

    bool meterKnown = true;

private:
    class UnknownMeter final : public host::Meter {
    public:
        UnknownMeter() : host::Meter(480, 5, 2) {}
        std::int32_t STDMETHODCALLTYPE HasMeter() override { return 0; }
    };
    UnknownMeter unknownMeter_;
};

class FailingStream final : public host::MemoryStream {
public:
    FailingStream() = default;
    explicit FailingStream(const std::vector<std::uint8_t>& bytes) : host::MemoryStream(bytes) {}

    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;

    // The call (counted from 0) that fails with `failure`, moving nothing.
    int failReadAt = -1;
    int failWriteAt = -1;
    HRESULT failure = E_FAIL;
    // The call that moves one byte fewer than asked and still answers S_OK.
    int shortReadAt = -1;
    int shortWriteAt = -1;

    int readCalls = 0;
    int writeCalls = 0;
};

}  // namespace cantivo::test
