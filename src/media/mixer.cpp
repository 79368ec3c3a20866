#include "media/mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <malloc.h>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "media/music.h"
#include "media/songcache.h"
#include "platform/post.h"

namespace pd {

namespace {

// The mixer calls its finished-song hook without any user data, so the song it would report is
// kept here: the number of the song playing, or 0 while none is or while one is being stopped
// on purpose. The hook takes the number out, so each song is reported at most once.
std::atomic<int> g_song_playing{0};

// The user-interface half of the live player, for the tasks the hook posts, and the number of
// the last song any player started: numbers are never reused, so a report still on its way from
// a player that is gone cannot pass for the end of a later song. Only the user-interface thread
// reads or writes them.
MixerPlayer::Impl* g_live = nullptr;
int g_last_song = 0;

void SongEnded(int song);

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The ALSA library, which SDL loads for itself, writes several lines to the terminal each time
// it finds no sound card. Opening the device is asked for again now and then, and finding no
// card is expected on many machines, so those lines are kept out; the player says once itself
// that it plays silently.
void QuietAlsa() {
  void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (alsa == nullptr) return;
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetHandler = int (*)(Handler);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
    set(&IgnoreAlsaError);
  dlclose(alsa);
}

// Runs on the mixer's audio thread when a song plays to its end, and on the sound thread inside
// Mix_HaltMusic when one is stopped. It must not touch the program's state: it only posts.
void SongFinishedHook() {
  const int song = g_song_playing.exchange(0);
  if (song != 0) platform::PostToUiThread([song] { SongEnded(song); });
}

// A rendered song, decoded for the mixer's audio thread. Decoding a second at a time, while the
// decoder's tables stay warm, costs under half of decoding each small device buffer as it comes,
// which is what the mixer's own player does; the music is the larger part of an idle program's
// work while it plays.
class SongStream {
 public:
  static constexpr int kRate = 44100, kChannels = 2;

  SongStream() = default;
  ~SongStream() {
    if (open_) ov_clear(&file_);
  }
  SongStream(const SongStream&) = delete;
  SongStream& operator=(const SongStream&) = delete;

  // Takes the Ogg stream; false when it is not 16-bit-decodable stereo at the device's rate.
  bool Open(std::string ogg) {
    bytes_ = std::move(ogg);
    ov_callbacks callbacks{};
    callbacks.read_func = [](void* out, size_t size, size_t count, void* self) -> size_t {
      auto* s = static_cast<SongStream*>(self);
      const std::size_t n = std::min(size * count, s->bytes_.size() - s->read_at_);
      std::memcpy(out, s->bytes_.data() + s->read_at_, n);
      s->read_at_ += n;
      return size ? n / size : 0;
    };
    if (ov_open_callbacks(this, &file_, nullptr, 0, callbacks) != 0) return false;
    open_ = true;
    const vorbis_info* info = ov_info(&file_, -1);
    return info && info->rate == kRate && info->channels == kChannels;
  }

  // Writes the next len bytes of sound (16-bit native stereo); silence once the song is over.
  // Returns false when nothing of the song was left.
  bool Fill(Uint8* out, int len) {
    const std::size_t want = static_cast<std::size_t>(len);
    if (end_ - pos_ < want && !eof_) Decode(want);
    const std::size_t n = std::min(want, end_ - pos_);
    if (n > 0) std::memcpy(out, pcm_.data() + pos_, n);
    std::memset(out + n, 0, want - n);
    pos_ += n;
    if (n == 0) ended_ = true;
    return n > 0;
  }

  bool ended() const { return ended_; }

 private:
  // Moves what is left to the front and decodes up to a second more (at least want bytes).
  void Decode(std::size_t want) {
    const std::size_t burst = std::max<std::size_t>(want, kRate * kChannels * 2);
    if (end_ > pos_) std::memmove(pcm_.data(), pcm_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
    pcm_.resize(std::max(pcm_.size(), end_ + burst));
    while (end_ < burst) {
      int section = 0;
      const long n = ov_read(&file_, pcm_.data() + end_, static_cast<int>(pcm_.size() - end_),
                             SDL_BYTEORDER == SDL_BIG_ENDIAN, 2, 1, &section);
      if (n == OV_HOLE) continue;  // a gap in the data: decoding goes on after it
      if (n <= 0) {
        eof_ = true;
        return;
      }
      end_ += static_cast<std::size_t>(n);
    }
  }

  std::string bytes_;
  std::size_t read_at_ = 0;
  OggVorbis_File file_{};
  bool open_ = false;
  std::vector<char> pcm_;
  std::size_t pos_ = 0, end_ = 0;
  bool eof_ = false;
  std::atomic<bool> ended_{false};
};

// The mixer's music hook while a rendered song plays; the song's end is reported as the
// mixer's own player reports it.
void SongStreamHook(void* stream, Uint8* out, int len) {
  if (!static_cast<SongStream*>(stream)->Fill(out, len)) SongFinishedHook();
}

// A rendered song plays on an audio device of its own, with buffers four times as long as the
// effects' device: 186 ms, which the music does not feel, and a quarter of the audio thread's
// wake-ups, most of what playing a song from the cache costs. The effects' device then opens
// only while effects play, and keeps its short buffers, so that an effect answers at once.
constexpr int kSongDeviceFrames = 8192;

SDL_AudioDeviceID OpenSongDevice(SongStream& stream) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec want{};
  want.freq = SongStream::kRate;
  want.format = AUDIO_S16SYS;
  want.channels = SongStream::kChannels;
  want.samples = kSongDeviceFrames;
  want.callback = &SongStreamHook;
  want.userdata = &stream;
  // No changes allowed: SDL converts to whatever the device takes, so the stream's format holds.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (device == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return device;
}

void CloseSongDevice(SDL_AudioDeviceID device) {
  SDL_CloseAudioDevice(device);  // once it returns, the audio thread is done with the stream
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Renders songs into the cache, one at a time, on a thread of its own that runs only when no
// other work wants the processor. Started by the first song that needs rendering.
class SongRenderer {
 public:
  SongRenderer() = default;
  ~SongRenderer() {
    {
      std::lock_guard<std::mutex> hold(lock_);
      quit_ = true;
      jobs_.clear();
    }
    cancel_ = true;
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
  }
  SongRenderer(const SongRenderer&) = delete;
  SongRenderer& operator=(const SongRenderer&) = delete;

  // Told, on the renderer's thread, of every rendering finished: its path, and whether it is in
  // the cache now. Set before the first Ask.
  std::function<void(const std::string& path, bool rendered)> OnDone;

  // Asks for the MIDI bytes to be rendered with the SoundFont into the cache file path, after
  // what was asked before (or before it, first); a song already asked for is not asked for twice
  // but may be moved to the front.
  void Ask(std::string midi, std::string soundfont, std::string path, bool first = false) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (path == rendering_) return;
      for (auto it = jobs_.begin(); it != jobs_.end(); ++it)
        if (it->path == path) {
          if (first) std::rotate(jobs_.begin(), it, it + 1);
          return;
        }
      Job job{std::move(midi), std::move(soundfont), std::move(path)};
      if (first)
        jobs_.push_front(std::move(job));
      else
        jobs_.push_back(std::move(job));
      if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    }
    changed_.notify_all();
  }

  // Waits until everything asked for is rendered (or given up).
  void Wait() {
    std::unique_lock<std::mutex> hold(lock_);
    changed_.wait(hold, [this] { return jobs_.empty() && rendering_.empty(); });
  }

 private:
  struct Job {
    std::string midi, soundfont, path;
  };

  static void LowerPriority() {
    sched_param param{};
    if (pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) != 0)
      setpriority(PRIO_PROCESS, 0, 19);  // this thread only, on Linux
  }

  void Run() {
    LowerPriority();
    bool pruned = false;
    for (;;) {
      Job job;
      {
        std::unique_lock<std::mutex> hold(lock_);
        rendering_.clear();
        changed_.notify_all();
        changed_.wait(hold, [this] { return quit_ || !jobs_.empty(); });
        if (quit_) return;
        job = std::move(jobs_.front());
        jobs_.pop_front();
        rendering_ = job.path;
      }
      // Another copy of the program may have rendered it meanwhile.
      if (LoadCachedSong(job.path)) {
        if (OnDone) OnDone(job.path, true);
        continue;
      }
      const std::filesystem::path dir = std::filesystem::path(job.path).parent_path();
      // What is added to the cache makes room first, once a run, from what has not been played.
      if (!std::exchange(pruned, true)) PruneSongCache(dir.string());
      std::error_code ec;
      std::filesystem::create_directories(dir, ec);
      const bool rendered = RenderSongToCache(job.midi, job.soundfont, job.path, {}, &cancel_);
      // The synthesizer and the encoder are gone; what they took goes back to the system rather
      // than stay with this thread's heap.
      malloc_trim(0);
      if (OnDone) OnDone(job.path, rendered);
    }
  }

  std::mutex lock_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  std::string rendering_;
  bool quit_ = false;
  std::atomic<bool> cancel_{false};
  std::thread thread_;
};

}  // namespace

struct MixerPlayer::Impl {
  using Clock = std::chrono::steady_clock;

  struct Command {
    enum Kind { kEffect, kEffectToEnd, kSong, kPrepare, kStop, kQuery, kQuit, kRendered };
    Kind kind = kStop;
    std::string path;
    int song = 0;
  };

  std::string soundfont;
  Timing timing;

  // Shared between the threads, under the lock.
  std::mutex lock;
  std::condition_variable changed;
  std::deque<Command> queue;
  std::uint64_t queued = 0, done = 0;
  bool open_finished = false;
  std::string driver;
  bool device_open = false;
  // How long the last sound played to its end lasts, in milliseconds (0 when it did not play).
  std::uint64_t to_end_ms = 0;

  // The user-interface thread's own: the song it last started and has neither stopped nor heard
  // end (0 for none). Only that song's end is reported.
  int current_song = 0;

  // The sound thread's own.
  // The effects' device, through the mixer (which also plays songs synthesized live).
  bool opened = false;
  // The rendered song's own device (0 while none is open); it plays stream.
  SDL_AudioDeviceID song_device = 0;
  // When an opening last failed; none since the last success.
  std::optional<Clock::time_point> failed_at;
  bool told_silent = false;
  // When a sound was last asked for, or last found playing.
  Clock::time_point last_sound;
  Mix_Music* music = nullptr;
  // The rendered song playing, from the cache; none while a song is synthesized live.
  std::unique_ptr<SongStream> stream;
  // A rendering played through the mixer's own decoder (on a device of another format).
  std::string music_bytes;
  SongRenderer renderer;
  Mix_Chunk* effect = nullptr;
  // The song asked for while no device could be opened, started when one can.
  Command wanted;
  // The song waiting for its rendering, the rendering's path, and until when it waits before it
  // is synthesized live after all.
  Command awaited;
  std::string awaited_cache;
  Clock::time_point awaited_until;
  std::thread thread;

  void Push(Command command) {
    {
      std::lock_guard<std::mutex> hold(lock);
      queue.push_back(std::move(command));
      ++queued;
    }
    changed.notify_all();
  }

  void Run() {
    Initialise();
    TryOpen();
    {
      std::lock_guard<std::mutex> hold(lock);
      driver = opened ? SDL_GetCurrentAudioDriver() : "";
      open_finished = true;
      device_open = AnyOpen();
    }
    changed.notify_all();
    for (;;) {
      Command command;
      {
        std::unique_lock<std::mutex> hold(lock);
        // While the device is open the thread looks now and then whether it is still needed;
        // while it is closed nothing wakes the thread but a command.
        while (queue.empty()) {
          const bool awaiting = awaited.kind == Command::kSong;
          if (awaiting && Clock::now() >= awaited_until) {
            hold.unlock();
            StartAwaited(false);
            hold.lock();
          } else if (!AnyOpen() && !awaiting) {
            changed.wait(hold);
          } else if (awaiting) {
            changed.wait_until(hold, awaited_until);
          } else if (Clock::now() < last_sound + timing.quiet_close) {
            changed.wait_until(hold, last_sound + timing.quiet_close);
          } else {
            hold.unlock();
            CloseIfQuiet();
            hold.lock();
            device_open = AnyOpen();
          }
        }
        command = std::move(queue.front());
        queue.pop_front();
      }
      Carry(command);
      {
        std::lock_guard<std::mutex> hold(lock);
        ++done;
        device_open = AnyOpen();
      }
      changed.notify_all();
      if (command.kind == Command::kQuit) return;
    }
  }

  void Initialise() {
    // Songs are played by FluidSynth alone and only with our SoundFont: the mixer's other MIDI
    // player would use whatever patches the machine's configuration names, and the environment
    // may name other SoundFonts. The override priority makes these win over the environment.
    SDL_SetHintWithPriority("SDL_MIXER_DISABLE_TIMIDITY", "1", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority("SDL_MIXER_DISABLE_FLUIDSYNTH", "0", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority("SDL_FORCE_SOUNDFONTS", "0", SDL_HINT_OVERRIDE);
    Mix_SetSoundFonts(soundfont.c_str());
    Mix_Init(MIX_INIT_MID);
  }

  // Opens the device unless it is open, or an opening failed less than the retry interval ago.
  bool TryOpen() {
    if (opened) return true;
    if (failed_at && Clock::now() - *failed_at < timing.retry) return false;
    opened = OpenDevice();
    last_sound = Clock::now();
    if (!opened) {
      if (!told_silent)
        std::fprintf(stderr, "pindoodle: no sound device could be opened; playing silently\n");
      told_silent = true;
      failed_at = last_sound;
      return false;
    }
    failed_at.reset();
    // One channel: a new effect replaces the one playing, as the platform's sound call did.
    Mix_AllocateChannels(1);
    Mix_HookMusicFinished(&SongFinishedHook);
    if (wanted.kind == Command::kSong) StartSong(std::exchange(wanted, {}));
    return true;
  }

  // The device takes sound in buffers of this many frames: 46 ms, short enough that an effect still
  // answers the child's action at once, and half the wake-ups of the audio thread of 1024.
  static constexpr int kDeviceFrames = 2048;

  static bool OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    QuietAlsa();
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, kDeviceFrames) == 0) {
      // SDL's dummy driver plays nothing, but its thread would mix sound all the same.
      const char* name = SDL_GetCurrentAudioDriver();
      if (!name || std::strcmp(name, "dummy") != 0) return true;
      Mix_CloseAudio();
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }

  bool AnyOpen() const { return opened || song_device != 0; }

  // Closes the effects' device, and stops what plays through it; a song on its own device plays on.
  void CloseDevice() {
    if (!opened) return;
    Mix_HookMusicFinished(nullptr);
    StopMixerMusic();
    Mix_HaltChannel(-1);
    if (effect) Mix_FreeChunk(effect);
    effect = nullptr;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    opened = false;
  }

  void CloseIfQuiet() {
    // A song that has played to its end keeps no device open.
    if (song_device != 0 && stream->ended()) StopMusic();
    const bool song_on_mixer = stream && song_device == 0 && !stream->ended();
    if (opened && Mix_Playing(-1) == 0 && Mix_PlayingMusic() == 0 && !song_on_mixer &&
        awaited.kind != Command::kSong)
      CloseDevice();
    else if (AnyOpen())
      last_sound = Clock::now();
  }

  // Stops the song, on whichever device it plays.
  void StopMusic() {
    // Cleared first, so that the hook that Mix_HaltMusic calls reports nothing.
    g_song_playing = 0;
    if (song_device != 0) {
      CloseSongDevice(std::exchange(song_device, 0));
      stream.reset();
    }
    if (opened) StopMixerMusic();
  }

  // Stops a song playing through the mixer: live, or rendered on the mixer's device.
  void StopMixerMusic() {
    if (song_device == 0) g_song_playing = 0;
    if (stream && song_device == 0) {
      Mix_HookMusic(nullptr, nullptr);  // once it returns, the audio thread is done with the stream
      stream.reset();
    }
    Mix_HaltMusic();
    if (music) Mix_FreeMusic(music);
    music = nullptr;
    std::string().swap(music_bytes);
  }

  // The song's rendering, from the cache; a song not rendered yet is asked of the renderer,
  // before anything else, and gives nothing but the path it will have (none without a cache).
  std::optional<std::string> Rendered(const std::string& midi_path, std::string* asked) {
    const std::optional<std::string> midi = ReadWholeFile(midi_path);
    if (!midi) return std::nullopt;
    const std::string cache = SongCachePath(*midi, soundfont);
    if (cache.empty()) return std::nullopt;
    if (std::optional<std::string> ogg = LoadCachedSong(cache)) {
      TouchCachedSong(cache);
      return ogg;
    }
    renderer.Ask(*midi, soundfont, cache, true);
    *asked = cache;
    return std::nullopt;
  }

  // Plays a rendering on a device of its own, else through the stream when the effects' device
  // takes its format as it is, else through the mixer's own decoder; false when none can.
  bool StartRendered(std::string ogg, int song) {
    auto decoded = std::make_unique<SongStream>();
    if (!decoded->Open(ogg)) decoded.reset();
    if (decoded) {
      // The effects' device goes first unless an effect is playing, so that a machine that
      // takes one stream at a time gives the song the device; it opens again for the next.
      if (Mix_Playing(-1) == 0) CloseDevice();
      g_song_playing = song;
      song_device = OpenSongDevice(*decoded);
      if (song_device != 0) {
        stream = std::move(decoded);
        SDL_PauseAudioDevice(song_device, 0);
        return true;
      }
      g_song_playing = 0;
      if (!TryOpen()) return false;
    }
    Mix_VolumeMusic(MIX_MAX_VOLUME);
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (decoded && Mix_QuerySpec(&rate, &format, &channels) != 0 && rate == SongStream::kRate &&
        channels == SongStream::kChannels && format == AUDIO_S16SYS) {
      stream = std::move(decoded);
      g_song_playing = song;
      Mix_HookMusic(&SongStreamHook, stream.get());
      return true;
    }
    music_bytes = std::move(ogg);
    Mix_Music* rendered =
        Mix_LoadMUS_RW(SDL_RWFromConstMem(music_bytes.data(), static_cast<int>(music_bytes.size())), 1);
    if (rendered && PlayMusic(rendered, song)) return true;
    std::string().swap(music_bytes);
    return false;
  }

  bool PlayMusic(Mix_Music* song, int number) {
    g_song_playing = number;
    if (Mix_PlayMusic(song, 0) != 0) {
      g_song_playing = 0;
      Mix_FreeMusic(song);
      return false;
    }
    music = song;
    return true;
  }

  void PrepareSong(const std::string& midi_path) {
    const std::optional<std::string> midi = ReadWholeFile(midi_path);
    if (!midi) return;
    const std::string cache = SongCachePath(*midi, soundfont);
    std::error_code ec;
    if (!cache.empty() && !std::filesystem::exists(cache, ec)) renderer.Ask(*midi, soundfont, cache);
  }

  // may_wait: a song not rendered yet waits for its rendering (a few seconds, once), rather than
  // be synthesized live beside the renderer, which would hold two synthesizers and their
  // SoundFonts at once.
  void StartSong(const Command& command, bool may_wait = true) {
    StopMusic();
    awaited = {};
    // A song that cannot be loaded or played leaves the music stopped, and no end follows.
    // The songs come out of the synthesizer about as loud as the effects; half the volume keeps
    // them in the background, so that the answer to the child's action is heard over them and
    // the two together stay clear of clipping. Renderings are made at that level already.
    std::string asked;
    if (std::optional<std::string> ogg = Rendered(command.path, &asked)) {
      if (StartRendered(std::move(*ogg), command.song)) return;
      if (!opened) {  // the song's device failed, and the effects' device is gone meanwhile
        wanted = command;
        return;
      }
    }
    if (may_wait && !asked.empty() && timing.render_wait.count() > 0) {
      awaited = command;
      awaited_cache = asked;
      awaited_until = Clock::now() + timing.render_wait;
      return;
    }
    PlayLive(command);
  }

  void PlayLive(const Command& command) {
    Mix_VolumeMusic(MIX_MAX_VOLUME / 2);
    // Not before the renderer's synthesizer, if one is being made, is fully made (a rendering
    // prepares the same way).
    PrepareSynthesizers();
    if (Mix_Music* song = Mix_LoadMUS(command.path.c_str())) PlayMusic(song, command.song);
  }

  // Starts the song that waited for its rendering: from the cache once rendered, else (it could
  // not be rendered, or waited too long for a renderer that runs only when nothing else wants
  // the processor) synthesized live. Nothing plays while a song waits.
  void StartAwaited(bool rendered) {
    const Command song = std::exchange(awaited, {});
    if (!TryOpen())
      wanted = song;
    else if (rendered)
      StartSong(song, false);
    else
      PlayLive(song);
  }

  void Carry(const Command& command) {
    if (command.kind != Command::kStop && command.kind != Command::kQuery && command.kind != Command::kQuit &&
        command.kind != Command::kPrepare && command.kind != Command::kRendered)
      last_sound = Clock::now();
    switch (command.kind) {
      case Command::kEffect:
      case Command::kEffectToEnd: {
        {
          std::lock_guard<std::mutex> hold(lock);
          to_end_ms = 0;
        }
        if (!TryOpen()) return;
        // A missing or unreadable file is silent and leaves the sound playing alone.
        Mix_Chunk* chunk = Mix_LoadWAV(command.path.c_str());
        if (!chunk) return;
        const bool playing = Mix_PlayChannel(0, chunk, 0) == 0;
        if (effect) Mix_FreeChunk(effect);
        effect = chunk;
        int rate = 0, channels = 0;
        Uint16 format = 0;
        if (playing && command.kind == Command::kEffectToEnd &&
            Mix_QuerySpec(&rate, &format, &channels) != 0) {
          const std::uint64_t frame_bytes =
              static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
          std::lock_guard<std::mutex> hold(lock);
          if (frame_bytes > 0 && rate > 0) to_end_ms = chunk->alen * 1000ull / (frame_bytes * rate);
        }
        return;
      }
      case Command::kSong:
        // Cleared first: an opening now must not start an older song before this one.
        wanted = {};
        if (TryOpen())
          StartSong(command);
        else
          wanted = command;
        return;
      case Command::kPrepare:
        // Only while a song plays or waits to: a program without sound renders nothing.
        if (AnyOpen() && (music || stream || awaited.kind == Command::kSong)) PrepareSong(command.path);
        return;
      case Command::kRendered:
        if (awaited.kind == Command::kSong && awaited_cache == command.path) StartAwaited(command.song != 0);
        return;
      case Command::kStop:
        wanted = {};
        awaited = {};
        StopMusic();
        return;
      case Command::kQuery:
        return;
      case Command::kQuit:
        StopMusic();
        CloseDevice();
        Mix_Quit();
        return;
    }
  }
};

namespace {

void SongEnded(int song) {
  if (!g_live || g_live->current_song != song) return;
  g_live->current_song = 0;
  MediaPlayer1Notify();
}

}  // namespace

MixerPlayer::MixerPlayer(std::string soundfont, Timing timing) : impl_(std::make_unique<Impl>()) {
  impl_->soundfont = std::move(soundfont);
  impl_->timing = timing;
  impl_->renderer.OnDone = [impl = impl_.get()](const std::string& path, bool rendered) {
    impl->Push({Impl::Command::kRendered, path, rendered ? 1 : 0});
  };
  g_live = impl_.get();
  impl_->thread = std::thread([impl = impl_.get()] { impl->Run(); });
}

MixerPlayer::~MixerPlayer() {
  if (g_live == impl_.get()) g_live = nullptr;
  impl_->Push({Impl::Command::kQuit, {}, 0});
  impl_->thread.join();
}

void MixerPlayer::PlayEffect(int, const std::string& path) {
  impl_->Push({Impl::Command::kEffect, path, 0});
}

void MixerPlayer::PlayToEnd(const std::string& path) {
  impl_->Push({Impl::Command::kEffectToEnd, path, 0});
  Sync();
  std::uint64_t ms = 0;
  {
    std::lock_guard<std::mutex> hold(impl_->lock);
    ms = impl_->to_end_ms;
  }
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void MixerPlayer::PlaySong(const std::string& path) {
  impl_->current_song = ++g_last_song;
  impl_->Push({Impl::Command::kSong, path, impl_->current_song});
}

void MixerPlayer::PrepareSong(const std::string& path) {
  impl_->Push({Impl::Command::kPrepare, path, 0});
}

void MixerPlayer::WaitForRenderings() {
  Sync();
  impl_->renderer.Wait();
}

void MixerPlayer::StopSong() {
  impl_->current_song = 0;
  impl_->Push({Impl::Command::kStop, {}, 0});
}

void MixerPlayer::Sync() {
  std::unique_lock<std::mutex> hold(impl_->lock);
  const std::uint64_t target = impl_->queued;
  impl_->changed.wait(hold, [this, target] { return impl_->done >= target; });
}

std::string MixerPlayer::DriverName() {
  std::unique_lock<std::mutex> hold(impl_->lock);
  impl_->changed.wait(hold, [this] { return impl_->open_finished; });
  return impl_->driver;
}

bool MixerPlayer::DeviceOpen() {
  impl_->Push({Impl::Command::kQuery, {}, 0});
  Sync();
  std::lock_guard<std::mutex> hold(impl_->lock);
  return impl_->device_open;
}

MixerSession::MixerSession() {
  SetSoundPlayer(std::make_unique<MixerPlayer>());
}

MixerSession::~MixerSession() {
  SetSoundPlayer(nullptr);
}

}  // namespace pd
