#pragma once

#include "recorder/app/CMainFrame.h"
#include "recorder/view/CBrevantView.h"
#include "recorder/view/FormatDialogs.h"
#include "tests/recorder/app/RecorderRig.h"

#include <QApplication>
#include <QImage>
#include <deque>

// Format dialogs that hand back queued answers (nothing queued = the user cancelled).
class ScriptedFormatDialogs : public FormatDialogs {
  public:
    std::deque<std::optional<LogFont>> fonts;
    std::deque<std::optional<ColorRef>> colors;
    int runs = 0;

    std::optional<LogFont> chooseFont(const LogFont&) override { return take(fonts); }
    std::optional<ColorRef> chooseFontColor() override { return take(colors); }
    std::optional<ColorRef> chooseBackgroundColor() override { return take(colors); }

  private:
    template <typename T> std::optional<T> take(std::deque<std::optional<T>>& queue)
    {
        ++runs;
        if (queue.empty())
            return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// A started recorder (default Tips, default settings) with its frame and view shown at
// a fixed size, the Format dialogs scripted.
struct ViewRig {
    RecorderRig recorder;
    CMainFrame frame;
    ScriptedFormatDialogs* dialogs = nullptr;
    CBrevantView* view = nullptr;

    explicit ViewRig(bool start = true)
    {
        recorder.install();
        if (start && !recorder.start())
            throw std::runtime_error("recorder did not start");
        auto scripted = std::make_unique<ScriptedFormatDialogs>();
        dialogs = scripted.get();
        view = new CBrevantView(recorder.doc(), frame, std::move(scripted));
        frame.setCentralWidget(view);
        frame.resize(640, 480);
        frame.show();
    }

    CBrevantDoc& doc() { return recorder.doc(); }
    RecorderSettings& settings() { return recorder.settings; }

    // What the view's client area shows now.
    QImage grab()
    {
        QApplication::processEvents();
        return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Puts `text` on display as Tip `number` would be, without navigation.
    void showText(const std::string& text, int number = 1)
    {
        doc().m_CurrentTip = number;
        doc().m_CurrentText = text;
        doc().m_bScreenCleared = false;
        view->viewport()->update();
    }
};

// Rows of `image` that hold text: pixels much darker than the background.
inline std::vector<bool> InkRows(const QImage& image)
{
    std::vector<bool> rows(image.height(), false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                rows[y] = true;
                break;
            }
    return rows;
}

// Which text lines (bands of `lineHeight` pixels from the top) carry ink.
inline std::vector<bool> InkedLines(const QImage& image, int lineHeight)
{
    const std::vector<bool> rows = InkRows(image);
    std::vector<bool> lines(image.height() / lineHeight + 1, false);
    for (int y = 0; y < image.height(); ++y)
        if (rows[y])
            lines[y / lineHeight] = true;
    while (!lines.empty() && !lines.back())
        lines.pop_back();
    return lines;
}

// Leftmost and rightmost columns with ink, or (-1, -1).
inline std::pair<int, int> InkColumns(const QImage& image)
{
    int left = -1, right = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 100) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
    return {left, right};
}
