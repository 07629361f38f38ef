#include "saver/SaverPainting.h"
#include "saver/SaverScene.h"
#include "tests/saver/SaverDataDir.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <optional>

// Not a check: writes a picture of every mode and message of the saver to the directory
// named by PENNIVEL_SCREENSHOTS, for a person to look at. Skipped when it is not set.
namespace {

struct Shot {
    const char* name;
    std::optional<SaverSettings> settings;
    std::vector<std::string> tips; // empty with `noTipsFile`: no Tips file at all
    bool noTipsFile = false;
};

std::string LongTip()
{
    std::string text;
    while (text.size() < 2000)
        text += "A Tip that goes on and on, longer than any screen can hold at once. ";
    return text + "\n";
}

TEST(SaverScreenshots, EveryModeAndMessage)
{
    const QString dir = qEnvironmentVariable("PENNIVEL_SCREENSHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "set PENNIVEL_SCREENSHOTS to a directory to take them";
    QDir().mkpath(dir);
    const std::vector<std::string> tips = {
        "Patience is the companion of wisdom.\n",
        "Measure twice,\r\ncut once.\n",
        "A kind word costs nothing & buys a lot.\n",
    };
    const Shot shots[] = {
        {"saver-clock", ClockMode(), tips},
        {"saver-all-tips", AllTips(), tips},
        {"saver-one-tip", OneTip(2), tips},
        {"saver-long-tip", OneTip(1), {LongTip()}},
        {"saver-settings-missing", std::nullopt, tips},
        {"saver-no-tips", AllTips(), {}},
        {"saver-tip-not-found", OneTip(5), tips},
        {"saver-no-tips-file", AllTips(), {}, true},
    };
    for (const Shot& shot : shots) {
        DataDir data;
        if (shot.settings)
            data.settings(*shot.settings);
        if (!shot.noTipsFile)
            data.tipTexts(shot.tips);
        SaverScene scene(data.load(), data.random, data.clock);
        QImage image(1024, 768, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintSaverFrame(painter, image.rect(), scene.nextFrame());
        painter.end();
        image.save(QDir(dir).filePath(QString::fromLatin1(shot.name) + ".png"));
    }
}

} // namespace
