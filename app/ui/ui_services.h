// The one place every window and model asks for message boxes, prompts, input boxes, file
// dialogs and the busy pointer. Plain C++, so toolkit-free models can use it too; texts are UTF-8.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quarnel {

enum class MessageIcon { None, Information, Question, Critical, Warning };
enum class MessageButtons { Ok, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel };
enum class PromptAnswer { Ok, Stop };

// One filter of a file dialog, as description and pattern: "Servo Settings files(*.sst)", "*.sst".
struct FileFilter {
  std::string description;
  std::string pattern;

  // What the pattern's files end in, ".sst" for "*.sst".
  std::string extension() const { return pattern.substr(pattern.find_last_of('*') + 1); }
};

class UiServices {
public:
  virtual ~UiServices() = default;

  // Modal; with Yes and No, Yes is the default button; with Save, Discard and Cancel, Save is
  // the default and Escape cancels.
  virtual MessageAnswer messageBox(const std::string &text, const std::string &title,
                                   MessageIcon icon, MessageButtons buttons) = 0;
  // The answer, which may be empty, or nothing when the user cancels.
  virtual std::optional<std::string> inputBox(const std::string &prompt, const std::string &title,
                               const std::string &defaultAnswer) = 0;
  // The chosen path, or nothing when cancelled. Saving over an existing file asks first.
  virtual std::optional<std::string> openFileDialog(const FileFilter &filter,
                                                    const std::string &folder) = 0;
  virtual std::optional<std::string> saveFileDialog(const FileFilter &filter,
                                                    const std::string &folder) = 0;
  virtual void setBusy(bool busy) = 0;

  // A box with OK and Stop that leaves every window taking input while it is up. `answered`
  // runs once: with Ok for OK or Enter, with Stop for Stop, Escape or the close box; never after
  // closePrompt or after a newer prompt has taken its place. One prompt at a time.
  virtual void showPrompt(const std::string &text, const std::string &title,
                          std::function<void(PromptAnswer)> answered) = 0;
  // Takes the prompt down unanswered; nothing when none is up.
  virtual void closePrompt() = 0;
};

// Shows the busy pointer for as long as it lives, so every way out restores the arrow.
class BusyPointer {
public:
  explicit BusyPointer(UiServices &ui) : m_ui(ui) { m_ui.setBusy(true); }
  ~BusyPointer() { m_ui.setBusy(false); }
  BusyPointer(const BusyPointer &) = delete;
  BusyPointer &operator=(const BusyPointer &) = delete;

private:
  UiServices &m_ui;
};

} // namespace quarnel
