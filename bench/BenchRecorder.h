#pragma once

#include "common/Clock.h"
#include "common/MsRandom.h"
#include "platform/Messages.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"
#include "recorder/dialogs/password/PasswordDialogs.h"
#include "recorder/view/FormatDialogs.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

// Every message answered at once, as if the user pressed Enter.
class QuietMessages : public Messages {
  public:
    MessageAnswer show(const QString&, MessageIcon, MessageButtons, const MessageOptions&) override
    {
        return MessageAnswer::Ok;
    }
};

class NoPassword : public PasswordDialogs {
  public:
    bool askStartupPassword(const std::string&) override { return true; }
    bool setNewPassword() override { return false; }
    bool changePassword() override { return false; }
};

class NoFormatDialogs : public FormatDialogs {
  public:
    std::optional<LogFont> chooseFont(const LogFont&) override { return std::nullopt; }
    std::optional<ColorRef> chooseFontColor() override { return std::nullopt; }
    std::optional<ColorRef> chooseBackgroundColor() override { return std::nullopt; }
};

// A started recorder for the benchmarks that time its window: its data and settings in a
// temporary home removed at the end, no password, and `tips` in place of the ones it
// loaded.
struct BenchRecorder {
    explicit BenchRecorder(TipCollection tips)
    {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "pennivel-bench-XXXXXX").string();
        home = ::mkdtemp(pattern.data());
        settings = std::make_unique<RecorderSettings>(
            QString::fromStdString((home / "Pennivel.conf").string()));
        SetUpUserData((home / "data").string(), *settings);
        app = std::make_unique<CBrevantApp>(
            RecorderServices{messages, *settings, passwords, random, clock,
                             [this] { return (home / "data").string(); }},
            nullptr);
        started = app->OpenDocument();
        app->m_Tips = std::move(tips);
    }
    ~BenchRecorder() { std::filesystem::remove_all(home); }
    BenchRecorder(const BenchRecorder&) = delete;
    BenchRecorder& operator=(const BenchRecorder&) = delete;

    std::filesystem::path home;
    QuietMessages messages;
    NoPassword passwords;
    MsRandom random;
    FixedClock clock{1'700'000'123};
    std::unique_ptr<RecorderSettings> settings;
    std::unique_ptr<CBrevantApp> app;
    bool started = false;
};
