#include "audio/SpeakerDevice.h"

SpeakerDevice& speakerDevice() {
    static SpeakerDevice device;
    return device;
}
