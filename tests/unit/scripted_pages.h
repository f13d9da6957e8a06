// tests/unit/scripted_pages.h
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "pages/wizard_pages.h"
#include "support/exception.h"

// What a run showed, in order.
struct ShownPage {
    std::string kind;  // "message" or "box"
    std::string text;
    bool singleButton = false;
    std::string cancelCaption;  // empty when unchanged
    unsigned buttons = 0;
};

// Answers each page and box with the next scripted end code, and records what was shown.
class ScriptedPages : public WizardPages {
  public:
    // Scripted answers that raise instead of answering.
    static constexpr int kRaiseStreamException = -100;
    static constexpr int kRaiseOtherException = -101;

    bool controlHeld = false;
    std::deque<int> answers;
    std::vector<ShownPage> shown;

    bool ControlKeyHeld() override { return controlHeld; }

    int ShowMessagePage(const std::string& text, bool singleButton,
                        const char* cancelCaption) override {
        shown.push_back(
            {"message", text, singleButton, cancelCaption != nullptr ? cancelCaption : "", 0});
        return NextAnswer();
    }

    int ShowMessageBox(const std::string& text, unsigned buttons) override {
        shown.push_back({"box", text, false, "", buttons});
        return NextAnswer();
    }

  private:
    int NextAnswer() {
        if (answers.empty()) {
            ADD_FAILURE() << "the run showed more than the script answers: " << shown.back().text;
            return kPageCancel;
        }
        const int answer = answers.front();
        answers.pop_front();
        if (answer == kRaiseStreamException) {
            throw Exception(ExceptionCode::Stream);
        }
        if (answer == kRaiseOtherException) {
            throw std::runtime_error("not one of ours");
        }
        return answer;
    }
};
