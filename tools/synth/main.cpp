// Writes the maze game's sound files and the starter project's horn into
// the folder named by the only argument. Run by the build; the folder must
// exist.
#include <cstdio>
#include <string>

#include "synth/Sounds.h"
#include "synth/WavWriter.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  struct Output {
    const char* name;
    synth::Mixer (*make)();
  };
  const Output outputs[] = {
      {"close_door_1.wav", synth::closeDoorSound},
      {"collect_coin.wav", synth::collectCoinSound},
      {"enter_the_maze.wav", synth::enterTheMazeMusic},
      {"horn.wav", synth::hornSound},
  };
  std::string folder = argv[1];
  for (const Output& output : outputs) {
    synth::Mixer mixer = output.make();
    std::string path = folder + "/" + output.name;
    if (synth::WavWriter(mixer.sampleRate(), 1).write(path, mixer.toPcm16()) != 0) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
