#include "media/songcache.h"

#include <fcntl.h>
#include <fluidsynth.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vorbis/vorbisenc.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "gdi/bmp.h"

namespace pd {

namespace {

constexpr char kTrailerMagic[8] = {'P', 'D', 'S', 'O', 'N', 'G', '0', '1'};
constexpr std::size_t kTrailerSize = 24;  // magic, stream length, checksum
// Raised whenever the way songs are rendered changes, so that old renderings are not reused.
constexpr const char* kRenderVersion = "pindoodle-song-render-1";

struct Fnv64 {
  std::uint64_t h = 0xcbf29ce484222325ull;
  void Add(const void* data, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 0x100000001b3ull;
  }
  void Add(const std::string& s) {
    const std::uint64_t n = s.size();
    Add(&n, sizeof n);
    Add(s.data(), s.size());
  }
  template <typename T>
  void AddValue(T value) {
    Add(&value, sizeof value);
  }
};

// A checksum of a whole rendering, eight bytes at a step: a song of two minutes is checked in a
// fraction of a millisecond before it plays.
std::uint64_t Checksum(const char* data, std::size_t n) {
  std::uint64_t h = 0x9e3779b97f4a7c15ull ^ n;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, data + i, 8);
    h = (h ^ word) * 0xff51afd7ed558ccdull;
    h ^= h >> 29;
  }
  Fnv64 tail;
  tail.h = h;
  tail.Add(data + i, n - i);
  return tail.h;
}

void PutLe64(std::string& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t GetLe64(const char* p) {
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

struct FluidRender {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  ~FluidRender() {
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
  }
};

class VorbisWriter {
 public:
  VorbisWriter(int rate, float quality) {
    vorbis_info_init(&info_);
    ok_ = vorbis_encode_init_vbr(&info_, 2, rate, quality) == 0;
    if (!ok_) return;
    vorbis_comment_init(&comment_);
    vorbis_comment_add_tag(&comment_, "ENCODER", "pindoodle");
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, 0x50445347);
    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp_, &comment_, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream_, &header);
    ogg_stream_packetin(&stream_, &header_comment);
    ogg_stream_packetin(&stream_, &header_code);
    // The headers stand alone on their pages, so that the audio starts on a fresh page.
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0) Append(page);
  }
  ~VorbisWriter() {
    if (!ok_) {
      vorbis_info_clear(&info_);
      return;
    }
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }
  VorbisWriter(const VorbisWriter&) = delete;
  VorbisWriter& operator=(const VorbisWriter&) = delete;

  bool ok() const { return ok_; }
  std::string& bytes() { return out_; }

  // Encodes n frames; n == 0 ends the stream.
  void Write(const float* left, const float* right, int n) {
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp_, n);
      std::memcpy(buffer[0], left, sizeof(float) * n);
      std::memcpy(buffer[1], right, sizeof(float) * n);
    }
    vorbis_analysis_wrote(&dsp_, n);
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
        ogg_stream_packetin(&stream_, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream_, &page) != 0) Append(page);
      }
    }
    if (n == 0) {
      ogg_page page;
      while (ogg_stream_flush(&stream_, &page) != 0) Append(page);
    }
  }

 private:
  void Append(const ogg_page& page) {
    out_.append(reinterpret_cast<const char*>(page.header), page.header_len);
    out_.append(reinterpret_cast<const char*>(page.body), page.body_len);
  }

  bool ok_ = false;
  vorbis_info info_{};
  vorbis_comment comment_{};
  vorbis_dsp_state dsp_{};
  vorbis_block block_{};
  ogg_stream_state stream_{};
  std::string out_;
};

}  // namespace

std::string SongCacheDir() {
  std::string base;
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg && *xdg == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || *home != '/') return "";
    base = std::string(home) + "/.cache";
  }
  if (base.back() != '/') base += '/';
  return base + "pindoodle/songs/";
}

std::string SongCacheKey(const std::string& midi, const std::string& soundfont,
                         const SongRenderSettings& settings) {
  Fnv64 f;
  f.Add(std::string(kRenderVersion));
  f.AddValue(settings.sample_rate);
  f.AddValue(settings.gain);
  f.AddValue(settings.quality);
  f.Add(soundfont);
  struct stat st {};
  if (::stat(soundfont.c_str(), &st) == 0) {
    f.AddValue(static_cast<std::int64_t>(st.st_size));
    f.AddValue(static_cast<std::int64_t>(st.st_mtim.tv_sec));
    f.AddValue(static_cast<std::int64_t>(st.st_mtim.tv_nsec));
  }
  f.Add(midi);
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(f.h));
  return hex;
}

std::string SongCachePath(const std::string& midi, const std::string& soundfont,
                          const SongRenderSettings& settings) {
  const std::string dir = SongCacheDir();
  return dir.empty() ? dir : dir + SongCacheKey(midi, soundfont, settings) + ".ogg";
}

void PrepareSynthesizers() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) return;
    // As small a synthesizer as can be made: only its making matters.
    fluid_settings_setint(settings, "synth.polyphony", 1);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    if (fluid_synth_t* synth = new_fluid_synth(settings)) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
  });
}

bool RenderSongToCache(const std::string& midi, const std::string& soundfont, const std::string& path,
                       const SongRenderSettings& settings, const std::atomic<bool>* cancel) {
  if (midi.compare(0, 4, "MThd") != 0) return false;
  PrepareSynthesizers();
  FluidRender fluid;
  fluid.settings = new_fluid_settings();
  if (!fluid.settings) return false;
  fluid_settings_setnum(fluid.settings, "synth.sample-rate", settings.sample_rate);
  fluid_settings_setnum(fluid.settings, "synth.gain", settings.gain);
  // The player keeps time by the samples written, so the song renders as fast as it can.
  fluid_settings_setstr(fluid.settings, "player.timing-source", "sample");
  fluid_settings_setint(fluid.settings, "synth.lock-memory", 0);
  // Only the instruments the song plays are read from the SoundFont: the renderer runs beside
  // live playback, which holds the whole SoundFont already.
  fluid_settings_setint(fluid.settings, "synth.dynamic-sample-loading", 1);
  fluid.synth = new_fluid_synth(fluid.settings);
  if (!fluid.synth || fluid_synth_sfload(fluid.synth, soundfont.c_str(), 1) == FLUID_FAILED) return false;
  fluid.player = new_fluid_player(fluid.synth);
  if (!fluid.player || fluid_player_add_mem(fluid.player, midi.data(), midi.size()) != FLUID_OK ||
      fluid_player_play(fluid.player) != FLUID_OK)
    return false;

  VorbisWriter writer(settings.sample_rate, settings.quality);
  if (!writer.ok()) return false;
  constexpr int kBlock = 4096;
  std::vector<float> left(kBlock), right(kBlock);
  // Ten minutes at most: a song that never ends is not one.
  const long long limit = 600ll * settings.sample_rate;
  long long frames = 0;
  while (fluid_player_get_status(fluid.player) == FLUID_PLAYER_PLAYING) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return false;
    if (frames > limit) return false;
    if (fluid_synth_write_float(fluid.synth, kBlock, left.data(), 0, 1, right.data(), 0, 1) != FLUID_OK)
      return false;
    writer.Write(left.data(), right.data(), kBlock);
    frames += kBlock;
  }
  writer.Write(nullptr, nullptr, 0);

  std::string& data = writer.bytes();
  const std::uint64_t length = data.size();
  const std::uint64_t sum = Checksum(data.data(), data.size());
  data.append(kTrailerMagic, sizeof kTrailerMagic);
  PutLe64(data, length);
  PutLe64(data, sum);
  std::string error;
  return gdi::WriteFileAtomically(path, data, true, &error) == gdi::WriteResult::kWritten;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<std::string> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    bytes.emplace(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t got = 0;
    while (got < bytes->size()) {
      const ssize_t n = ::read(fd, bytes->data() + got, bytes->size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    bytes->resize(got);  // a file that shrank meanwhile is read as far as it goes
  }
  ::close(fd);
  return bytes;
}

void TouchCachedSong(const std::string& path) {
  ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0);
}

void PruneSongCache(const std::string& dir, std::chrono::hours max_age) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    const bool rendering = name.size() == 16 + 4 && name.ends_with(".ogg");
    const bool temporary = name.starts_with(".") && name.find(".ogg") != std::string::npos;
    if (!rendering && !temporary) continue;  // nothing of ours
    std::error_code time_ec;
    const auto changed = entry.last_write_time(time_ec);
    if (time_ec || !entry.is_regular_file(time_ec)) continue;
    const auto limit = rendering
                           ? std::chrono::duration_cast<fs::file_time_type::duration>(max_age)
                           : std::chrono::duration_cast<fs::file_time_type::duration>(std::chrono::hours(24));
    if (now - changed > limit) fs::remove(entry.path(), time_ec);
  }
}

std::optional<std::string> LoadCachedSong(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes || bytes->size() < kTrailerSize) return std::nullopt;
  const char* trailer = bytes->data() + bytes->size() - kTrailerSize;
  const std::uint64_t length = bytes->size() - kTrailerSize;
  if (std::memcmp(trailer, kTrailerMagic, sizeof kTrailerMagic) != 0 || GetLe64(trailer + 8) != length ||
      GetLe64(trailer + 16) != Checksum(bytes->data(), length))
    return std::nullopt;
  bytes->resize(length);
  return bytes;
}

}  // namespace pd
