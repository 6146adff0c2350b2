#include "platform/PulseReader.h"

#include "platform/PulseConnection.h"
#include "platform/PulseOperation.h"

#include <algorithm>
#include <pulse/introspect.h>
#include <utility>

namespace platform {

// One full read; its parts answer one by one.
struct PulseReader::Read {
    static constexpr int parts = 5; // sinks, sources, cards, recordings, the server's defaults

    explicit Read(PulseReader* owner) : owner(owner) {}

    PulseReader* owner;
    Snapshot result;
    int outstanding = parts;
    bool failed = false;
    std::vector<PulseOperation> operations;

    // Callbacks run inside C code: nothing may unwind through it.
    template <typename Work>
    void collect(int eol, Work work) noexcept {
        if (eol < 0) {
            failed = true;
        } else if (eol == 0) {
            try {
                work(result);
            } catch (...) {
                failed = true;
            }
            return;
        }
        partDone();
    }

    void partDone() {
        if (--outstanding == 0) {
            owner->commit(); // ends this read
        }
    }

    // One entry of a list, or its end.
    template <auto list, auto translate, typename Info>
    static void entry(pa_context*, const Info* info, int eol, void* read) {
        static_cast<Read*>(read)->collect(eol, [info](Snapshot& s) {
            if (info != nullptr) {
                (s.*list).push_back(translate(*info));
            }
        });
    }

    static void server(pa_context*, const pa_server_info* info, void* read) {
        auto* self = static_cast<Read*>(read);
        self->collect(0, [info](Snapshot& s) {
            if (info != nullptr) {
                s.defaultSink = PulseTranslation::defaultSink(*info);
                s.defaultSource = PulseTranslation::defaultSource(*info);
            }
        });
        self->partDone();
    }
};

PulseReader::PulseReader(const PulseConnection& connection, std::function<void()> changed)
    : connection_(connection), changed_(std::move(changed)) {}

PulseReader::~PulseReader() = default;

void PulseReader::read() {
    read_ = std::make_unique<Read>(this);
    Read* r = read_.get();
    if (pa_context* context = connection_.readyContext()) {
        r->operations.emplace_back(pa_context_get_sink_info_list(
            context, Read::entry<&Snapshot::sinks, &PulseTranslation::sink>, r));
        r->operations.emplace_back(pa_context_get_source_info_list(
            context, Read::entry<&Snapshot::sources, &PulseTranslation::source>, r));
        r->operations.emplace_back(pa_context_get_card_info_list(
            context, Read::entry<&Snapshot::cards, &PulseTranslation::card>, r));
        r->operations.emplace_back(pa_context_get_source_output_info_list(
            context, Read::entry<&Snapshot::recordingStreams, &PulseTranslation::recordingStream>,
            r));
        r->operations.emplace_back(pa_context_get_server_info(context, Read::server, r));
    }
    const auto started = std::ranges::count_if(r->operations, [](const auto& op) { return !!op; });
    if (started < Read::parts) {
        // Answers come later, if at all: count the missing ones as done now.
        r->failed = true;
        r->outstanding = static_cast<int>(started) + 1;
        r->partDone();
    }
}

void PulseReader::readAgain() {
    if (connection_.readyContext() == nullptr) {
        return;
    }
    if (read_) {
        readAgain_ = true;
    } else {
        read();
    }
}

bool PulseReader::clear() {
    read_.reset();
    readAgain_ = false;
    const bool hadDevices = synchronized_ || !(snapshot_ == Snapshot{});
    snapshot_ = {};
    synchronized_ = false;
    return hadDevices;
}

void PulseReader::commit() {
    const auto done = std::move(read_);
    ++reads_;
    const bool changed = !done->failed && (!synchronized_ || !(done->result == snapshot_));
    if (!done->failed) {
        snapshot_ = std::move(done->result);
        synchronized_ = true;
    }
    if (readAgain_) {
        readAgain_ = false;
        read();
    }
    if (changed && changed_) {
        changed_();
    }
}

} // namespace platform
