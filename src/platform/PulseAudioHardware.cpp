#include "platform/PulseAudioHardware.h"

#include "platform/PulseConnection.h"
#include "platform/PulseMainLoop.h"
#include "platform/PulseReader.h"
#include "platform/PulseRequests.h"
#include "platform/PulseTranslation.h"

#include <pulse/introspect.h>
#include <utility>

namespace platform {

PulseAudioHardware::PulseAudioHardware(std::string clientName)
    : PulseAudioHardware(std::move(clientName), Options{}) {}

PulseAudioHardware::PulseAudioHardware(std::string clientName, Options options)
    : mainLoop_(std::make_unique<PulseMainLoop>()),
      connection_(std::make_unique<PulseConnection>(
          mainLoop_->api(), std::move(clientName),
          PulseConnection::Options{options.connectTimeout, options.reconnectInterval,
                                   options.followChanges})),
      reader_(std::make_unique<PulseReader>(*connection_, [this] { emit devicesChanged(); })),
      requests_(std::make_unique<PulseRequests>(*connection_, options.requestTimeout)) {
    QObject::connect(connection_.get(), &PulseConnection::stateChanged, this,
                     &PulseAudioHardware::connectionChanged);
    QObject::connect(connection_.get(), &PulseConnection::serverChanged, this,
                     [this] { reader_->readAgain(); });
    connection_->open();
}

PulseAudioHardware::~PulseAudioHardware() = default;

void PulseAudioHardware::connectionChanged(AudioConnectionState state) {
    if (state == AudioConnectionState::ready) {
        reader_->read();
    } else if (state == AudioConnectionState::disconnected) {
        const bool hadDevices = reader_->clear();
        requests_->abandon();
        if (hadDevices) {
            emit devicesChanged();
        }
    }
    emit connectionStateChanged(state);
}

std::vector<AudioDeviceInfo> PulseAudioHardware::outputDevices() {
    return PulseTranslation::devices(reader_->snapshot().sinks, reader_->snapshot().cards);
}

std::vector<AudioDeviceInfo> PulseAudioHardware::inputOnlyDevices() {
    return PulseTranslation::devices(reader_->snapshot().sources, reader_->snapshot().cards);
}

std::vector<AudioCardInfo> PulseAudioHardware::cards() {
    return reader_->snapshot().cards;
}

std::optional<AudioDeviceID> PulseAudioHardware::defaultOutputDevice() {
    return PulseTranslation::defaultDevice(reader_->snapshot().sinks,
                                           reader_->snapshot().defaultSink);
}

std::vector<RecordingStream> PulseAudioHardware::recordingStreams() {
    return PulseTranslation::recordingsOn(reader_->snapshot().recordingStreams,
                                          reader_->snapshot().sources);
}

std::optional<AudioDeviceID> PulseAudioHardware::defaultInputDevice() {
    return PulseTranslation::defaultDevice(reader_->snapshot().sources,
                                           reader_->snapshot().defaultSource);
}

bool PulseAudioHardware::isSynchronized() const {
    return reader_->isSynchronized();
}

AudioConnectionState PulseAudioHardware::connectionState() const {
    return connection_->state();
}

void PulseAudioHardware::setDefaultOutputDevice(AudioDeviceID output, AudioCompletion done) {
    const auto name = PulseTranslation::serverName(reader_->snapshot().sinks, output);
    requests_->send(
        name,
        [&name](pa_context* c, pa_context_success_cb_t cb, void* request) {
            return pa_context_set_default_sink(c, name->c_str(), cb, request);
        },
        std::move(done));
}

void PulseAudioHardware::setDefaultInputDevice(AudioDeviceID input, AudioCompletion done) {
    const auto name = PulseTranslation::serverName(reader_->snapshot().sources, input);
    requests_->send(
        name,
        [&name](pa_context* c, pa_context_success_cb_t cb, void* request) {
            return pa_context_set_default_source(c, name->c_str(), cb, request);
        },
        std::move(done));
}

void PulseAudioHardware::setCardProfile(AudioCardID card, const std::string& profile,
                                        AudioCompletion done) {
    // The server judges the card and the profile; an unknown one is refused there.
    requests_->send(
        profile,
        [card, &profile](pa_context* c, pa_context_success_cb_t cb, void* request) {
            return pa_context_set_card_profile_by_index(c, card, profile.c_str(), cb, request);
        },
        std::move(done));
}

void PulseAudioHardware::refresh() {
    // Reconnects at once if the server is gone, else reads it again.
    connection_->open();
    reader_->readAgain();
}

int PulseAudioHardware::fetchCount() const {
    return reader_->readCount();
}

} // namespace platform
