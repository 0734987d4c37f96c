// The run's steps, from the files to the closed link.
#include "player.h"

#include "command_line.h"
#include "config/file_access.h"
#include "config/servo_settings_file.h"
#include "motion/servo_limits.h"
#include "script/line_command.h"
#include "script/script_check.h"
#include "script/script_file.h"

#include <QCoreApplication>

#include <filesystem>

namespace quarnel {

Player::Player(const PlayerOptions &options, ServoDriver &driver, const Clock &clock, double startSeconds,
               ConsoleUi &ui, ProgressLine &progress, const std::string &rememberedFile)
    : m_options(options), m_clock(clock), m_startSeconds(startSeconds), m_ui(ui), m_progress(progress),
      m_remembered(rememberedFile, ui, "quarnel-play"), m_link(m_motion, driver, clock), m_silence(clock),
      m_soundServer(clock), m_runClock(clock, options.noSound || options.dryRun ? static_cast<SoundPlayer &>(m_silence) : m_soundServer),
      m_ticker(m_motion, m_runClock, this), m_script(m_configuration, {ui, "quarnel-play"}),
      m_runner(m_script, m_motion, m_runClock), m_tmrScriptRun(m_runner, m_runClock, this) {
  m_link.statusChanged = [this] {
    const LinkStatus &link = m_link.status();
    if (link.fault == LinkFault::Lost)
      endOnFault(QCoreApplication::translate("Player", "the board's device %1 has gone (cable pulled or adapter "
                                                       "unplugged): the run stopped.")
                     .arg(QString::fromStdString(link.device))
                     .toStdString());
  };
  const SoundTiming timing = m_remembered.soundTiming();
  m_runClock.setOffsetMs(options.soundOffsetMs.value_or(timing.offsetMs));
  m_script.setJawLookAheadMs(timing.jawLookAheadMs);
  // Where a sound went unheard, the show is not what it should be.
  m_soundServer.unheard = [this](const std::string &why) { endOnFault(soundLost(why)); };
  m_tmrScriptRun.ticked = [this] {
    m_progress.clockMoved(sinceStart());
    m_link.poll();
    if (const auto fault = m_soundServer.fault()) endOnFault(soundLost(*fault));
    if (const int error = m_progress.writeError())
      endOnFault(outputFailure(error) + ". " + QCoreApplication::translate("Player", "The run stopped.").toStdString());
  };
  m_runner.setLineListener([this](int row) { lineStarted(row); });
  m_runner.setLineCarried([this] { return m_link.lineCarried(); });
  m_runner.setStateListener([this] {
    if (m_runner.idle()) finish(0);
  });
  m_runner.setLoopPasses(options.loops);
}

std::optional<std::string> Player::load() {
  if (auto problem = loadServoSettings()) return problem;
  if (auto problem = loadScript()) return problem;
  return connectSound();
}

std::optional<std::string> Player::connectSound() {
  if (m_options.noSound || m_options.dryRun) return std::nullopt;
  const ScriptLines &lines = m_script.lines();
  bool playsSound = false;
  for (int row = 1; row < lines.rowCount(); ++row) {
    const LineCommand command = classifyLine(lines.text(row));
    playsSound = playsSound || (command.kind == LineKind::Sound && !command.soundPath.empty());
  }
  if (!playsSound) return std::nullopt;
  if (const auto why = m_soundServer.connect())
    return QCoreApplication::translate("Player", "%1 plays sounds, and no sound server plays them: %2 --no-sound plays "
                                                 "it without them.")
        .arg(QString::fromStdString(m_options.script), QString::fromStdString(*why))
        .toStdString();
  return std::nullopt;
}

std::optional<std::string> Player::loadServoSettings() {
  const std::string &path = m_options.servoSettings;
  if (path.empty()) return std::nullopt;
  const FileRead file = readWholeFile(path);
  if (file.error)
    return QCoreApplication::translate("Player", "cannot read the servo settings %1: %2")
        .arg(QString::fromStdString(path), QString::fromStdString(*file.error))
        .toStdString();
  // Each row starts out named as no record can name it, since reading ends at that name: a row
  // still so named was not in the file, and a servo without its limits must not move.
  ServoRows rows;
  for (ServoSetting &row : rows) row.name = servoSettingsEnd;
  if (!readServoSettings(file.bytes, rows))
    return QCoreApplication::translate("Player", "%1 holds no servo rows.").arg(QString::fromStdString(path)).toStdString();
  for (int servo = 0; servo < servoChannels; ++servo)
    if (rows[servo].name == servoSettingsEnd)
      return QCoreApplication::translate("Player", "%1 is damaged: it ends early or lacks the row of servo %2.")
          .arg(QString::fromStdString(path), QString::number(servo))
          .toStdString();
  m_configuration.servos = rows;
  return std::nullopt;
}

std::optional<std::string> Player::loadScript() {
  const std::string &path = m_options.script;
  const FileRead file = readWholeFile(path, largestScriptFile);
  if (file.error)
    return QCoreApplication::translate("Player", "cannot read the script %1: %2")
        .arg(QString::fromStdString(path), QString::fromStdString(*file.error))
        .toStdString();
  std::vector<std::string> messages;
  m_ui.hold(&messages);
  m_script.load();
  const ScriptRead read = readScript(file.bytes, m_script);
  m_script.setSoundFolder(std::filesystem::absolute(path).parent_path());
  m_ui.hold(nullptr);
  const QString shownPath = QString::fromStdString(path);
  if (read == ScriptRead::NotValid)
    return QCoreApplication::translate("Player", "%1 is not a valid Kelpin file.").arg(shownPath).toStdString();
  if (read == ScriptRead::Damaged)
    return QCoreApplication::translate("Player", "%1 is damaged: it ends early or holds a node that cannot be read.")
        .arg(shownPath)
        .toStdString();
  // A node outside a servo's range runs clamped to it, as in the script window.
  for (const std::string &message : messages)
    ConsoleUi::say(QCoreApplication::translate("Player", "%1: warning: %2")
                       .arg(shownPath, QString::fromStdString(message))
                       .toStdString());
  if (const auto line = firstUnrunnableLine(m_script))
    return QCoreApplication::translate("Player", "%1 line %2 \"%3\" cannot run: %4")
        .arg(shownPath, QString::number(line->row), QString::fromStdString(line->text), QString::fromStdString(line->reason))
        .toStdString();
  return std::nullopt;
}

std::optional<std::string> Player::start() {
  m_motion.load(servoLimits(m_configuration), m_remembered.lastPositions(m_options.servoSettings));
  m_link.open(m_options.port, m_options.baud);
  if (const LinkStatus &link = m_link.status(); link.fault)
    return (link.device.empty()
                ? QCoreApplication::translate("Player", "cannot open serial port %1: %2 Nothing was sent.")
                      .arg(QString::number(link.port), QString::fromStdString(link.reason()))
                : QCoreApplication::translate("Player", "cannot open serial port %1 (%2): %3 Nothing was sent.")
                      .arg(QString::number(link.port), QString::fromStdString(link.device),
                           QString::fromStdString(link.reason())))
        .toStdString();
  m_linkOpen = true;
  m_motion.setSpeed(m_options.speed);
  m_ticker.start();
  // Line 1 waits, like every line, until the servos stand at their targets: here, at home.
  m_runner.run();
  m_tmrScriptRun.start();
  return std::nullopt;
}

std::string Player::soundLost(const std::string &why) {
  return QCoreApplication::translate("Player", "the sound cannot be heard: %1 The run stopped.")
      .arg(QString::fromStdString(why))
      .toStdString();
}

void Player::lineStarted(int row) {
  m_progress.lineStarted(sinceStart(), row, m_script.lines().text(row), m_runner.loopPass());
}

void Player::stop() {
  if (!m_linkOpen) return;
  m_motion.holdAll();
  finish(0);
}

void Player::endOnFault(const std::string &fault) {
  if (!m_linkOpen) return;
  m_motion.holdAll();
  finish(1);
  ConsoleUi::say(fault);
}

void Player::finish(int exitCode) {
  if (!m_linkOpen) return;
  m_linkOpen = false;
  m_tmrScriptRun.stop();
  m_ticker.stop();
  m_link.close();
  if (const auto &left = m_link.boardLeftAt()) m_remembered.rememberPositions(m_options.servoSettings, *left);
  m_progress.finish();
  finished(exitCode);
}

} // namespace quarnel
