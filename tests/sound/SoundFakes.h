#pragma once

// A recording stand-in for the platform's sound output.

#include <string>
#include <vector>

#include "sound/TWavePlayer.h"

namespace zq::testing {

class RecordingSoundOutput : public SoundOutput {
public:
    std::vector<std::string> played;

    void Play(const std::string& path8) override { played.push_back(path8); }
};

}  // namespace zq::testing
