// Choosing SDL's audio driver for one test: the library reads the environment when it
// opens, so each test sets it before dsInitialize.
#pragma once

#include <cstdlib>
#include <string>

namespace kazeban::testing {

inline void UseAudioDriver(const std::string& driver) {
  setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
}

// The disk driver writes what it plays, raw, to `file`, at the pace of real time.
inline void UseDiskAudio(const std::string& file) {
  UseAudioDriver("disk");
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
}

}  // namespace kazeban::testing
