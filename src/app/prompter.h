// How a core operation tells the user something or asks a question. Screens answer with
// message boxes, the command line with stderr and flags, tests with a recording fake.
#pragma once

#include <string>

namespace orv {

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class Answer { Yes, No, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void message(MessageKind kind, const std::string& text) = 0;
  // Yes/No (withCancel false) or Yes/No/Cancel.
  virtual Answer confirm(MessageKind kind, const std::string& text, bool withCancel = false) = 0;
  // Progress of a long loop; returns false when the user asked to stop.
  virtual bool progress(const std::string& text, int done, int total) {
    (void)text; (void)done; (void)total;
    return true;
  }
};

// Answers every question with a fixed answer and forgets messages (batch use).
class SilentPrompter : public Prompter {
 public:
  explicit SilentPrompter(Answer answer = Answer::Yes) : answer_(answer) {}
  void message(MessageKind, const std::string&) override {}
  Answer confirm(MessageKind, const std::string&, bool) override { return answer_; }

 private:
  Answer answer_;
};

}  // namespace orv
