#pragma once

#include "forms/user_dialogs.h"

// The windows' dialogs answered at once, so that a benchmark never waits on a modal window.
class SilentDialogs : public vazolar::UserDialogs {
public:
    void inform(QWidget*, const QString&) override {}
    void warn(QWidget*, const QString&) override {}
    std::optional<QString> askSavePath(QWidget*, const vazolar::SavePrompt&) override {
        return {};
    }
    bool askPrinter(QWidget*, QPrinter&) override { return false; }
};
