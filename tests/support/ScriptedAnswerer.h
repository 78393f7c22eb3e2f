#pragma once
// Answers message boxes in place of the user: records every box as it was
// shown and answers from a queue. With nothing queued it presses Enter, that is
// the default button (Cancel for a confirmation).

#include <QList>
#include <QMessageBox>
#include <deque>
#include <functional>

#include "winsupport/ModuleMsgbox.h"

namespace qav::test {

class ScriptedAnswerer : public MessageAnswerer {
  public:
    int Answer(QMessageBox& /*box*/, const MessageRecord& record) override {
        boxes.append(record);
        if (onBox) onBox(record);
        if (answers.empty()) return record.defaultButton;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The texts of every box shown so far.
    QStringList Texts() const {
        QStringList texts;
        for (const auto& b : boxes) texts << b.text;
        return texts;
    }

    QList<MessageRecord> boxes;
    std::deque<int> answers;
    std::function<void(const MessageRecord&)> onBox;  // runs while the box is up
};

}  // namespace qav::test
