#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <optional>

namespace zuk::test {

// Answers the input boxes and message boxes a command shows while it lives:
// an input box gets `answer` and OK (or Cancel when there is no answer); a
// message box is closed and its text kept. Records the input box's title
// and prompt so tests can check them.
class PromptAnswer {
public:
    explicit PromptAnswer(std::optional<QString> answer) : m_answer(std::move(answer))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QInputDialog*>(w)) {
                title = box->windowTitle();
                prompt = box->labelText();
                initial = box->textValue();
                ++prompts;
                if (m_answer) {
                    box->setTextValue(*m_answer);
                    box->accept();
                } else {
                    box->reject();
                }
            } else if (auto* message = qobject_cast<QMessageBox*>(w)) {
                note = message->text();
                noteTitle = message->windowTitle();
                message->accept();
            } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
                dialog->accept();
            }
        });
        m_timer.start(10);
    }

    QString title, prompt, initial, note, noteTitle;
    int prompts = 0;

private:
    std::optional<QString> m_answer;
    QTimer m_timer;
};

} // namespace zuk::test
