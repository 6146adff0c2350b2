#include "core/SpeakerDevice.h"

SpeakerDevice& speakerDevice() {
    static SpeakerDevice device;
    return device;
}
