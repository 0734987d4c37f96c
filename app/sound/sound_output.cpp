// libpulse on a threaded main loop: every call takes the loop's lock, and every wait for the
// server is bounded by a timer on that loop, so a server that never answers cannot hang a call.
#include "sound/sound_output.h"

#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <algorithm>

namespace quarnel {

namespace {

// From play to the speaker: the server sets its device's latency to match. Short, so a sound
// starts, stops and ends about when asked, even on a device whose own latency is seconds; the
// samples are in memory, so refilling never waits.
constexpr pa_usec_t playLatency = 100 * PA_USEC_PER_MSEC;
// How old the server's timing report may be before a reading asks for a new one.
constexpr pa_usec_t timingInterval = 5 * PA_USEC_PER_MSEC;

class LoopLock {
public:
  explicit LoopLock(pa_threaded_mainloop *loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
  ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
  LoopLock(const LoopLock &) = delete;
  LoopLock &operator=(const LoopLock &) = delete;

private:
  pa_threaded_mainloop *m_loop;
};

struct Wait {
  pa_threaded_mainloop *loop;
  bool timedOut = false;
};

void signalLoop(void *loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0); }

void onContextState(pa_context *, void *loop) { signalLoop(loop); }
void onStreamState(pa_stream *, void *loop) { signalLoop(loop); }

void onTimeout(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *wait) {
  static_cast<Wait *>(wait)->timedOut = true;
  signalLoop(static_cast<Wait *>(wait)->loop);
}

// Ready (true), failed (false), or still on its way (nothing).
std::optional<bool> readiness(bool ready, bool good) {
  if (ready) return true;
  return good ? std::nullopt : std::optional(false);
}

std::string seconds(std::chrono::milliseconds time) {
  const auto tenths = (time.count() + 50) / 100;
  return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") + " s";
}

std::string setUpFailed() {
  return QCoreApplication::translate("SoundOutput", "The sound output could not be set up.").toStdString();
}

} // namespace

SoundOutput::SoundOutput(std::chrono::milliseconds timeout) : m_timeout(timeout) {}

std::string SoundOutput::serverSays(const char *pattern) const {
  return QCoreApplication::translate("SoundOutput", pattern).arg(pa_strerror(pa_context_errno(m_context))).toStdString();
}

// With the lock held: waits until `readiness` tells ready (true) or failed (false), for the
// time-out at most. Why it is not ready, or nothing.
std::optional<std::string> SoundOutput::awaitReady(const std::function<std::optional<bool>()> &readiness,
                                                   const char *late, const char *refused) {
  Wait wait{m_loop};
  const pa_usec_t deadline = pa_rtclock_now() + static_cast<pa_usec_t>(m_timeout.count()) * PA_USEC_PER_MSEC;
  pa_time_event *timer = pa_context_rttime_new(m_context, deadline, onTimeout, &wait);
  std::optional<bool> ready;
  while (!(ready = readiness()) && !wait.timedOut) pa_threaded_mainloop_wait(m_loop);
  pa_threaded_mainloop_get_api(m_loop)->time_free(timer);
  if (!ready) return QCoreApplication::translate("SoundOutput", late).arg(QString::fromStdString(seconds(m_timeout))).toStdString();
  if (!*ready) return serverSays(refused);
  return std::nullopt;
}

SoundOutput::Connection SoundOutput::connect(std::chrono::milliseconds timeout) {
  std::unique_ptr<SoundOutput> output(new SoundOutput(timeout));
  if (auto error = output->connectContext()) return {nullptr, std::move(error)};
  return {std::move(output), std::nullopt};
}

std::optional<std::string> SoundOutput::connectContext() {
  m_loop = pa_threaded_mainloop_new();
  if (!m_loop) return setUpFailed();
  m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Quarnel");
  if (!m_context) return setUpFailed();
  pa_context_set_state_callback(m_context, onContextState, m_loop);
  // Starting a server of its own would hide a missing one and may take long.
  if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
    return serverSays(QT_TRANSLATE_NOOP("SoundOutput", "No sound server: %1."));
  if (pa_threaded_mainloop_start(m_loop) < 0) return setUpFailed();
  LoopLock lock(m_loop);
  return awaitReady(
      [this] {
        const pa_context_state_t state = pa_context_get_state(m_context);
        return readiness(state == PA_CONTEXT_READY, PA_CONTEXT_IS_GOOD(state));
      },
      QT_TRANSLATE_NOOP("SoundOutput", "The sound server did not answer within %1."),
      QT_TRANSLATE_NOOP("SoundOutput", "No sound server: %1."));
}

SoundOutput::~SoundOutput() {
  if (m_loop) {
    {
      LoopLock lock(m_loop);
      dropStream();
      if (m_context) pa_context_disconnect(m_context);
    }
    pa_threaded_mainloop_stop(m_loop);
  }
  if (m_context) pa_context_unref(m_context);
  if (m_loop) pa_threaded_mainloop_free(m_loop);
}

std::optional<std::string> SoundOutput::play(std::shared_ptr<const DecodedSound> sound) {
  LoopLock lock(m_loop);
  dropStream();
  m_stoppedAtMs = 0;
  m_sound = std::move(sound);
  if (auto error = startStream()) {
    dropStream();
    return error;
  }
  return std::nullopt;
}

std::optional<std::string> SoundOutput::startStream() {
  if (pa_context_get_state(m_context) != PA_CONTEXT_READY) return QCoreApplication::translate("SoundOutput", "The sound server went away.").toStdString();
  const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(m_sound->rate),
                            static_cast<uint8_t>(m_sound->channels)};
  pa_channel_map channels;
  pa_channel_map_init_extend(&channels, format.channels, PA_CHANNEL_MAP_DEFAULT);
  m_stream = pa_stream_new(m_context, "sound", &format, &channels);
  if (!m_stream) return serverSays(QT_TRANSLATE_NOOP("SoundOutput", "The sound cannot be played: %1."));
  pa_stream_set_state_callback(m_stream, onStreamState, m_loop);
  pa_stream_set_write_callback(m_stream, onWritable, this);
  const uint32_t serverChooses = static_cast<uint32_t>(-1);
  pa_buffer_attr buffer{serverChooses, static_cast<uint32_t>(pa_usec_to_bytes(playLatency, &format)),
                        serverChooses, serverChooses, serverChooses};
  const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
  if (pa_stream_connect_playback(m_stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
    return serverSays(QT_TRANSLATE_NOOP("SoundOutput", "The sound cannot be played: %1."));
  return awaitReady(
      [this] {
        const pa_stream_state_t state = pa_stream_get_state(m_stream);
        return readiness(state == PA_STREAM_READY, PA_STREAM_IS_GOOD(state));
      },
      QT_TRANSLATE_NOOP("SoundOutput", "The sound server did not start the sound within %1."),
      QT_TRANSLATE_NOOP("SoundOutput", "The sound cannot be played: %1."));
}

void SoundOutput::stop() {
  LoopLock lock(m_loop);
  if (!m_stream) return;
  m_stoppedAtMs = currentMs();
  dropStream();
}

// With the lock held. Disconnecting takes the stream off the server with what it had queued.
void SoundOutput::dropStream() {
  for (pa_operation **operation : {&m_drain, &m_timingAsked}) {
    if (!*operation) continue;
    pa_operation_cancel(*operation);
    pa_operation_unref(*operation);
    *operation = nullptr;
  }
  if (m_stream) {
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
  }
  m_writtenBytes = 0;
  m_drained = false;
  m_heardMs = 0;
}

void SoundOutput::onWritable(pa_stream *, size_t bytes, void *self) { static_cast<SoundOutput *>(self)->writeSamples(bytes); }

void SoundOutput::writeSamples(size_t bytes) {
  const size_t total = m_sound->samples.size() * sizeof(int16_t);
  const size_t taken = std::min(bytes, total - m_writtenBytes);
  if (taken > 0) {
    const auto *from = reinterpret_cast<const char *>(m_sound->samples.data()) + m_writtenBytes;
    pa_stream_write(m_stream, from, taken, nullptr, 0, PA_SEEK_RELATIVE);
    m_writtenBytes += taken;
  }
  // Draining also starts a sound too short to fill the buffer.
  if (m_writtenBytes == total && !m_drain) m_drain = pa_stream_drain(m_stream, onDrained, this);
}

void SoundOutput::onDrained(pa_stream *, int success, void *self) {
  auto *output = static_cast<SoundOutput *>(self);
  output->m_drained = success != 0;
  signalLoop(output->m_loop);
}

double SoundOutput::playedMs() const {
  LoopLock lock(m_loop);
  return currentMs();
}

// With the lock held. Worked out from the server's last report rather than by the library's
// own interpolation: that one never goes below 0, so while a device plays out audio it had
// queued before the sound came (seconds, on some), it counts the sound as already playing and
// runs ahead for good. Here the report's position less the device's latency may be below 0,
// and the time since the report is added only while the sound is really playing.
double SoundOutput::currentMs() const {
  if (!m_stream) return m_stoppedAtMs;
  if (m_drained) return m_sound->lengthMs();
  askForTiming();
  const pa_timing_info *timing = pa_stream_get_timing_info(m_stream);
  if (!timing || timing->read_index_corrupt) return m_heardMs;
  const pa_sample_spec *format = pa_stream_get_sample_spec(m_stream);
  double heardUsec = static_cast<double>(pa_bytes_to_usec(static_cast<uint64_t>(std::max<int64_t>(timing->read_index, 0)), format)) -
                     static_cast<double>(timing->sink_usec);
  if (timing->playing) {
    timeval now{};
    pa_gettimeofday(&now);
    heardUsec += std::max(0.0, static_cast<double>(pa_timeval_load(&now)) - static_cast<double>(pa_timeval_load(&timing->timestamp)));
  }
  const double writtenMs = static_cast<double>(m_writtenBytes) * 1000.0 / static_cast<double>(pa_bytes_per_second(format));
  // Never back: the caller's motion must not step back in time.
  m_heardMs = std::max(m_heardMs, std::clamp(heardUsec / PA_USEC_PER_MSEC, 0.0, writtenMs));
  return m_heardMs;
}

// With the lock held: one report asked for at a time, at most every few ms, so each reading
// works from a fresh one.
void SoundOutput::askForTiming() const {
  if (m_timingAsked) {
    if (pa_operation_get_state(m_timingAsked) == PA_OPERATION_RUNNING) return;
    pa_operation_unref(m_timingAsked);
    m_timingAsked = nullptr;
  }
  const pa_usec_t now = pa_rtclock_now();
  if (now - m_timingAskedAt < timingInterval) return;
  m_timingAskedAt = now;
  m_timingAsked = pa_stream_update_timing_info(m_stream, nullptr, nullptr);
}

bool SoundOutput::ended() const {
  LoopLock lock(m_loop);
  if (!m_stream || !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) return true;
  // The drain is told late, once the server no longer keeps what it played (seconds on some
  // devices): the played time tells it first.
  return m_drain && (m_drained || currentMs() >= m_sound->lengthMs());
}

std::optional<std::string> SoundOutput::fault() const {
  LoopLock lock(m_loop);
  if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) return QCoreApplication::translate("SoundOutput", "The sound server went away.").toStdString();
  if (m_stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream)))
    return serverSays(QT_TRANSLATE_NOOP("SoundOutput", "The sound server ended the sound: %1."));
  return std::nullopt;
}

} // namespace quarnel
