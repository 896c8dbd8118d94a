// The Prompter of the screens: modal message boxes with the Turkish texts of the core.
#pragma once

#include <QString>

#include "app/prompter.h"

class QWidget;

class MessagePrompter : public orv::Prompter {
 public:
  explicit MessagePrompter(QWidget* parent) : parent_(parent) {}
  void message(orv::MessageKind kind, const std::string& text) override;
  orv::Answer confirm(orv::MessageKind kind, const std::string& text,
                      bool withCancel = false) override;

  // "\r" of the core's texts as line breaks.
  static QString display(const std::string& text);

 private:
  QWidget* parent_;
};
