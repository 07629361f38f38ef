#pragma once

#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// The recorder built beside a benchmark: <build>/bench/bench_X -> <build>/Pennivel.
inline std::string RecorderPath()
{
    namespace fs = std::filesystem;
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "Pennivel").string();
}

// A home of its own with the data directory set up and `count` Tips (texts of about
// 100 bytes) in the Tips file; removed with the object.
class RecorderHome {
  public:
    explicit RecorderHome(int count)
    {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "pennivel-startbench-XXXXXX").string();
        m_home = ::mkdtemp(pattern.data());
        RecorderSettings settings(
            QString::fromStdString(m_home + "/config/Pennivel by Kestrow/Pennivel.conf"));
        if (!SetUpUserData(m_home + "/data", settings).ok)
            throw std::runtime_error("set-up failed in " + m_home);
        // Written by a child, so this process never holds the collection: the peak
        // memory of a recorder it starts is then the recorder's own.
        const pid_t writer = ::fork();
        if (writer == 0)
            ::_exit(WriteTips(tipsPath(), count) ? 0 : 1);
        int status = 0;
        if (writer < 0 || ::waitpid(writer, &status, 0) != writer || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            throw std::runtime_error("cannot write the Tips file in " + m_home);
        ::mkdir((m_home + "/run").c_str(), 0700);
    }
    ~RecorderHome()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_home, ec);
    }
    RecorderHome(const RecorderHome&) = delete;
    RecorderHome& operator=(const RecorderHome&) = delete;

    std::string tipsPath() const { return DataFilePath(m_home + "/data", kTipsFileName); }
    // A file of the home beside the data directory.
    std::string file(const std::string& name) const { return m_home + "/" + name; }

    // The recorder's environment: offscreen, this home, ending after its first paint.
    std::vector<std::string> recorderEnv() const
    {
        return {
            "QT_QPA_PLATFORM=offscreen",
            "PENNIVEL_QUIT_AFTER_FIRST_PAINT=1",
            "HOME=" + m_home,
            "PENNIVEL_DIR=" + m_home + "/data",
            "XDG_CONFIG_HOME=" + m_home + "/config",
            "XDG_RUNTIME_DIR=" + m_home + "/run",
        };
    }

  private:
    static bool WriteTips(const std::string& path, int count)
    {
        std::vector<Tip> tips;
        tips.reserve(static_cast<std::size_t>(count));
        MsRandom random;
        for (int i = 0; i < count; ++i) {
            std::string text(90 + random.next() % 20, 'x');
            for (char& c : text)
                c = static_cast<char>('a' + random.next() % 26);
            tips.push_back({"12/07/26\n", "General\n", text + "\n"});
        }
        return SaveTipsFile(path, tips, random, SystemClock()).ok;
    }

    std::string m_home;
};
