#include "platform/DataDirectory.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

// Sets $PENNIVEL_DIR for one case and puts the old value back.
class PennivelDir {
  public:
    explicit PennivelDir(const QByteArray& value) : m_old(qgetenv("PENNIVEL_DIR"))
    {
        qputenv("PENNIVEL_DIR", value);
    }
    ~PennivelDir() { qputenv("PENNIVEL_DIR", m_old); }

  private:
    QByteArray m_old;
};

} // namespace

TEST(DataDirectory, PathRulesOfTheSharedFiles)
{
    const struct {
        QByteArray dir;
        std::string expected;
        std::string tipsPath;
    } cases[] = {
        {"/srv/tips", "/srv/tips", "/srv/tips/PennivelTips.ini"},
        {"/srv/tips//", "/srv/tips", "/srv/tips/PennivelTips.ini"},
        {"/", "/", "/PennivelTips.ini"},
        {"///", "/", "/PennivelTips.ini"},
        // Longer than any usable path: unusable, as a directory that overflows the buffer.
        {"/" + QByteArray(259, 'd'), "", "/PennivelTips.ini"},
        {"/" + QByteArray(258, 'd'), "/" + std::string(258, 'd'), ""},
    };
    for (const auto& c : cases) {
        PennivelDir env(c.dir);
        const std::string dir = DataDirectory();
        EXPECT_EQ(dir, c.expected) << c.dir.toStdString();
        if (!c.tipsPath.empty()) {
            EXPECT_EQ(DataFilePath(dir, "PennivelTips.ini"), c.tipsPath);
        }
    }
    EXPECT_EQ(WithoutRootSeparator("/"), "");
    EXPECT_EQ(WithoutRootSeparator("/a/"), "/a/");
    EXPECT_EQ(WithoutRootSeparator(""), "");
}
