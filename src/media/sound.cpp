#include "media/sound.h"

#include "core/assets.h"
#include "core/state.h"

namespace pd {

namespace {

class SilentPlayer final : public SoundPlayer {
 public:
  void PlayEffect(int, const std::string&) override {}
  void PlaySong(const std::string&) override {}
  void StopSong() override {}
};

std::unique_ptr<SoundPlayer>& Current() {
  static std::unique_ptr<SoundPlayer> player = std::make_unique<SilentPlayer>();
  return player;
}

}  // namespace

SoundPlayer& Sound() {
  return *Current();
}

std::unique_ptr<SoundPlayer> SetSoundPlayer(std::unique_ptr<SoundPlayer> player) {
  if (!player) player = std::make_unique<SilentPlayer>();
  std::swap(player, Current());
  return player;
}

void PlaySoundEffect(int number) {
  if (!SoundOn) return;
  Sound().PlayEffect(number, AssetPath("snd/snd" + std::to_string(number) + ".kvr"));
}

}  // namespace pd
