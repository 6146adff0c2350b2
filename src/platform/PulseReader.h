#pragma once

#include "platform/AudioHardware.h"
#include "platform/PulseTranslation.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class PulseConnection;

// Keeps a copy of the server's devices: one full read (sinks, sources, cards, recording
// streams and the server's defaults) at a time, and one more after it when the server changed
// meanwhile, so a burst of changes costs at most two reads.
class PulseReader {
public:
    // Everything the application reads, as of the last complete answer.
    struct Snapshot {
        std::vector<PulseTranslation::Endpoint> sinks;
        std::vector<PulseTranslation::Endpoint> sources; // monitors included
        std::vector<AudioCardInfo> cards;
        std::vector<RecordingStream> recordingStreams; // sources not resolved yet
        std::string defaultSink;
        std::string defaultSource;

        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };

    // changed runs whenever the copy differs from what it was.
    PulseReader(const PulseConnection& connection, std::function<void()> changed);
    ~PulseReader();
    PulseReader(const PulseReader&) = delete;
    PulseReader& operator=(const PulseReader&) = delete;

    [[nodiscard]] const Snapshot& snapshot() const { return snapshot_; }
    // Whether the copy comes from a complete read of the connected server.
    [[nodiscard]] bool isSynchronized() const { return synchronized_; }
    // How often the whole copy was read; for benchmarks.
    [[nodiscard]] int readCount() const { return reads_; }

    // Reads everything now (the connection has just become ready).
    void read();
    // Reads everything again if the connection is ready; after the read under way, if any.
    void readAgain();
    // Forgets the copy and any read under way (the connection is gone); says whether there
    // was anything to forget.
    bool clear();

private:
    struct Read;
    void commit();

    const PulseConnection& connection_;
    std::function<void()> changed_;
    Snapshot snapshot_;
    bool synchronized_ = false;
    std::unique_ptr<Read> read_;
    bool readAgain_ = false;
    int reads_ = 0;
};

} // namespace platform
