#pragma once

#include "forms/user_dialogs.h"

#include <QPrinter>
#include <QStringList>

#include <deque>

namespace vazolar::testing {

// Stands in for the modal dialogs: records every message and answers the save and print
// dialogs from a script, so that no test ever waits on a modal window.
class FakeDialogs : public UserDialogs {
public:
    struct Message {
        bool warning = false;
        QString text;
    };

    void inform(QWidget*, const QString& text) override { messages.push_back({false, text}); }
    void warn(QWidget*, const QString& text) override { messages.push_back({true, text}); }

    std::optional<QString> askSavePath(QWidget*, const SavePrompt& prompt) override {
        savePrompts.push_back(prompt);
        if (saveAnswers.empty())
            return std::nullopt;
        const std::optional<QString> answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    bool askPrinter(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (pdfAnswers.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfAnswers.front());
        pdfAnswers.pop_front();
        return true;
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& m : messages)
            texts << m.text;
        return texts;
    }

    std::vector<Message> messages;
    std::vector<SavePrompt> savePrompts;
    std::deque<std::optional<QString>> saveAnswers; // nullopt: the user cancels
    std::deque<QString> pdfAnswers;                 // PDF file names; none left: cancel
    int printDialogs = 0;
};

} // namespace vazolar::testing
